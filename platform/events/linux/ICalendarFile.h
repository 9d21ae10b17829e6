// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <vector>

namespace platform::ical {

// One occurrence found in a file, before it is given its calendar.
struct Occurrence
{
    QString uid;
    QString title;
    QString location;
    QString notes;
    Instant start{};
    Instant end{};
    bool allDay = false;
    bool recurring = false;
    // A recurring event's occurrence: its start as the series gives it.
    std::optional<Instant> recurrenceId;
    // The series' RRULE value as written (its overrides' too); empty for
    // single events.
    QByteArray rule;
    std::vector<EventAlert> alerts;
    QString url;
    // The zone its times are written in; empty for UTC, floating or day events.
    QString timeZone;
};

// The wall-clock stretch a file's events may touch, from the first start to
// the last end: a query outside it needs nothing from the file. Wall-clock
// seconds of whatever zone each time is written in; no offset is as long as
// the slack a query adds.
struct FileSpan
{
    static constexpr std::int64_t noEnd = std::numeric_limits<std::int64_t>::max();
    std::int64_t first = noEnd;
    std::int64_t last = std::numeric_limits<std::int64_t>::min();

    bool mayOverlap(Instant start, Instant end) const;
    bool operator==(const FileSpan &) const = default;
};

// The wall-clock days on which a file's occurrences start, within a horizon
// of some years: what tells a query, without reading the file, that a series
// repeating all through its span has nothing near it.
struct StartDays
{
    // The horizon, as day numbers from 1970-01-01, both ends included.
    std::int64_t from = 0;
    std::int64_t to = 0;
    // The slack a query needs for the longest occurrence, in seconds.
    std::int64_t longest = 0;
    // In order, each once.
    std::vector<std::int64_t> days;

    // False only when [start, end) lies within the horizon and no
    // occurrence starts near it.
    bool mayOverlap(Instant start, Instant end) const;
    // Whether the horizon holds the query [start, end) whole.
    bool covers(Instant start, Instant end) const;
    bool operator==(const StartDays &) const = default;
};

// Kept only for files whose span is longer than this: for others the span
// says as much.
inline constexpr std::int64_t startDaysAfterSpanDays = 62;
// More start days than this in a horizon are not worth keeping: such a file
// has events near most days anyway.
inline constexpr std::size_t maximumStartDays = 128;

// The occurrence's own fields onto `event`; the calendar, file and digest are the caller's.
void copyInto(Occurrence &&o, CalendarEvent &event);

// The events of one iCalendar file: an index of its events' times and rules,
// expanded per query within the range asked for; their texts are read from
// the file's bytes only for the occurrences a query returns. Problems
// (unknown zones, events without a start, rules too costly to follow) are
// written as one console line each, naming `path`; the file is never touched.
// Reading takes no process-wide lock.
class CalendarFile
{
public:
    // No value for text that holds no usable event; `error` says why.
    static std::shared_ptr<const CalendarFile> parse(const QByteArray &data, const QString &path,
                                                     QString *error);
    ~CalendarFile();
    CalendarFile(const CalendarFile &) = delete;
    CalendarFile &operator=(const CalendarFile &) = delete;

    // Occurrences overlapping [start, end), masters in file order, each
    // series in time order.
    void occurrences(Instant start, Instant end, std::vector<Occurrence> &out) const;
    int eventCount() const;
    FileSpan span() const;
    // The days its occurrences start on in a horizon around `around`; no
    // value when there are more than maximumStartDays or finding them would
    // take more steps than a query may.
    std::optional<StartDays> startDays(Instant around) const;

private:
    struct Impl;
    explicit CalendarFile(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// Largest file read; bigger ones are skipped.
inline constexpr qint64 maximumFileSize = 8 * 1024 * 1024;
// Longest content line kept (after unfolding); longer ones are left out.
inline constexpr qsizetype maximumLineLength = 256 * 1024;
// Steps (periods and candidates of rules) one query may take in one file;
// a file that needs more is skipped until it changes.
inline constexpr std::int64_t expansionBudget = 500000;
// Largest COUNT walked occurrence by occurrence; a rule with more is shown
// as if it had none.
inline constexpr std::int64_t maximumCount = 100000;

} // namespace platform::ical
