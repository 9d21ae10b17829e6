// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/CivilDays.h"

#include <QByteArrayView>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace platform::ical {

// Wall-clock time without a zone: seconds from 1970-01-01T00:00:00 on the
// proleptic Gregorian calendar. Rules are walked on this scale, so "every 8
// hours" keeps its rhythm across a clock change the way the wall clock does.
using LocalSeconds = std::int64_t;
using civil::secondsPerDay;
// The last year iCalendar can write.
inline constexpr std::int64_t lastYear = 9999;

LocalSeconds localSeconds(std::int64_t year, int month, int day, int hour = 0, int minute = 0,
                          int second = 0);
std::int64_t dayOf(LocalSeconds local);
bool isValidDate(std::int64_t year, int month, int day);

// A DATE or DATE-TIME value: "20240310", "20240310T023000", "20240310T023000Z".
// Impossible dates and times (30 February, hour 25) are refused, not moved.
struct TimeValue
{
    LocalSeconds local = 0;
    bool isDate = false;
    bool utc = false;
};
std::optional<TimeValue> parseTimeValue(QByteArrayView text);

// A DURATION ("P1W", "-PT15M", "P1DT2H"), in seconds; refused when malformed
// or too large for any calendar.
std::optional<std::int64_t> parseDuration(QByteArrayView text);

enum class Frequency
{
    secondly,
    minutely,
    hourly,
    daily,
    weekly,
    monthly,
    yearly
};

struct WeekdayNumber
{
    int weekday = 0; // 0 Monday ... 6 Sunday
    int ordinal = 0; // 0: every such weekday of the period
};

// The calendar whose months and years a rule counts in.
enum class RuleScale
{
    gregorian,
    islamicUmmAlQura,
    islamicCivil
};

// Where an occurrence goes that falls on a day its month lacks (a 30th in a
// 29-day Hijri month): dropped, to the month's last day, or to the day after.
enum class RuleSkip
{
    omit,
    backward,
    forward
};

struct RecurrenceRule
{
    Frequency frequency = Frequency::daily;
    RuleScale scale = RuleScale::gregorian;
    RuleSkip skip = RuleSkip::omit;
    int interval = 1;
    // 0: no count.
    std::int64_t count = 0;
    std::optional<TimeValue> until;
    std::vector<int> bySecond, byMinute, byHour, byMonthDay, byYearDay, byWeekNumber, byMonth, bySetPosition;
    std::vector<WeekdayNumber> byDay;
    int weekStart = 0;

    // No value for a rule this program cannot follow; `error` says why.
    static std::optional<RecurrenceRule> parse(QByteArrayView text, QString *error = nullptr);
};

// Walks a rule's occurrences in wall-clock time, period by period (a year, a
// month, ..., a second), in order. The work is counted against a budget the
// caller gives: a rule that would need more gives up instead of spinning.
class RecurrenceExpander
{
public:
    // `rule.until` must already be on the wall clock of `start` (see untilLocal).
    RecurrenceExpander(const RecurrenceRule &rule, LocalSeconds start,
                       std::optional<LocalSeconds> untilLocal);

    enum class Result
    {
        done,
        overBudget
    };
    // Calls `visit` for each occurrence in [from, to], in order; `visit` may
    // return false to stop. `start` is always the first occurrence, and
    // nothing before it is given. Rules with a count are
    // walked from their first period; others start at the period holding
    // `from`, keeping the interval's phase.
    Result forEach(LocalSeconds from, LocalSeconds to, std::int64_t &budget,
                   const std::function<bool(LocalSeconds)> &visit) const;
    // Whether every query walks from the first period: a count whose end
    // cannot be known without counting.
    bool walksFromStart() const { return rule_.count > 0; }
    // The last occurrence's start, or no value when the rule has no end or
    // finding it would take more than `budget` steps.
    std::optional<LocalSeconds> lastStart(std::int64_t budget) const;

private:
    struct Day;
    bool dayMatches(const Day &day) const;
    // The BYWEEKNO and BYDAY parts of dayMatches, each true when not given.
    bool weekNumberMatches(const Day &day) const;
    bool weekdayMatches(const Day &day) const;
    std::int64_t periodUnit(LocalSeconds at) const;
    std::int64_t firstPeriodUnit() const;
    void periodCandidates(std::int64_t unit, std::vector<LocalSeconds> &out, std::int64_t &skipUnits) const;
    static Day dayAt(std::int64_t index);
    // The occurrences on the matching days among `count` days from `first`.
    void dayCandidates(std::int64_t first, std::int64_t count, std::vector<LocalSeconds> &out) const;
    // For hourly, minutely and secondly rules: the unit's occurrences, or
    // how many units after it cannot match either.
    void timeCandidates(std::int64_t unit, std::vector<LocalSeconds> &out, std::int64_t &skipUnits) const;
    bool timeMatches(int hour, int minute, int second) const;
    Result forEachLunar(LocalSeconds from, LocalSeconds to, std::int64_t &budget,
                        const std::function<bool(LocalSeconds)> &visit) const;

    RecurrenceRule rule_;
    LocalSeconds start_;
    std::optional<LocalSeconds> until_;
    std::vector<int> hours_, minutes_, seconds_;
    // BYMONTH's months, in order, once each.
    std::vector<int> months_;
    bool ordinalDays_ = false;
};

} // namespace platform::ical
