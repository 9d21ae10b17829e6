// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QString>
#include <memory>
#include <optional>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Calendar;
U_NAMESPACE_END

namespace platform {

enum class CalendarIdentifier
{
    gregorian,
    islamicUmmAlQura
};

// Year, month (1-based), day, and so on of one moment on one calendar.
// weekday: 1 = Sunday ... 7 = Saturday.
struct DateComponents
{
    std::int64_t year = 0;
    std::int64_t month = 0;
    std::int64_t day = 0;
    std::int64_t hour = 0;
    std::int64_t minute = 0;
    std::int64_t second = 0;
    std::int64_t weekday = 0;
    bool operator==(const DateComponents &) const = default;
};

// The difference between two moments in whole years, months and days.
struct DateDifference
{
    std::int64_t years = 0;
    std::int64_t months = 0;
    std::int64_t days = 0;
    bool operator==(const DateDifference &) const = default;
};

// A calendar value: identifier, time zone, locale and first weekday. Two
// calendars compare equal when all four match. Made with the device's zone and
// locale unless told otherwise. Not safe for concurrent use of one object from
// several threads; copies are independent.
class Calendar
{
public:
    explicit Calendar(CalendarIdentifier identifier);
    Calendar(CalendarIdentifier identifier, const QString &timeZoneId, const QString &localeName);
    Calendar(const Calendar &other);
    Calendar &operator=(const Calendar &other);
    Calendar(Calendar &&) noexcept;
    Calendar &operator=(Calendar &&) noexcept;
    ~Calendar();

    static Calendar gregorian() { return Calendar(CalendarIdentifier::gregorian); }
    static Calendar islamicUmmAlQura() { return Calendar(CalendarIdentifier::islamicUmmAlQura); }

    CalendarIdentifier identifier() const { return identifier_; }
    // "gregorian" or "islamicUmmAlQura".
    QString identifierName() const;
    static std::optional<CalendarIdentifier> identifierFromName(const QString &name);
    QString timeZoneId() const { return timeZoneId_; }
    QString localeName() const { return localeName_; }
    // 1 = Sunday ... 7 = Saturday; the locale's unless set.
    int firstWeekday() const { return firstWeekday_; }

    void setTimeZoneId(const QString &zone);
    void setLocaleName(const QString &locale);
    void setFirstWeekday(int weekday);

    bool operator==(const Calendar &other) const;
    bool operator!=(const Calendar &other) const { return !(*this == other); }

    DateComponents components(Instant instant) const;
    // The day `instant` falls on in this calendar's zone, counted from
    // 1970-01-01 (see CivilDays.h); none when the zone cannot say.
    std::optional<std::int64_t> localDayNumber(Instant instant) const;
    // The first moment of the given day (hour, minute, second are used too).
    // No result for a day the calendar does not have (31 April, 30 of a
    // 29-day Hijri month).
    std::optional<Instant> date(std::int64_t year, std::int64_t month, std::int64_t day,
                                std::int64_t hour = 0, std::int64_t minute = 0,
                                std::int64_t second = 0) const;
    // Adds whole days keeping the wall-clock time; no result when the sum
    // leaves the calendar's range.
    std::optional<Instant> dateByAddingDays(std::int64_t days, Instant instant) const;
    std::optional<Instant> dateByAddingMonths(std::int64_t months, Instant instant) const;
    std::optional<Instant> dateByAddingYears(std::int64_t years, Instant instant) const;
    // The earliest instant of the day: local midnight (the first one where clocks
    // went back to it), or the first moment after a skipped midnight.
    Instant startOfDay(Instant instant) const;
    bool isDateInSameDay(Instant a, Instant b) const;
    int daysInMonth(Instant instant) const;
    int monthsInYear(Instant instant) const;
    // Whole years, then months, then days from `from` to `to` (negative when to < from).
    DateDifference difference(Instant from, Instant to) const;
    // Whole calendar days between the start of from's day and the start of to's day.
    std::int64_t daysBetween(Instant from, Instant to) const;

    // The ICU locale id with the calendar keyword, e.g. "ar_SA@calendar=islamic-umalqura".
    QByteArray icuLocaleId() const;
    // A configured ICU calendar (time not set); for formatters of the platform layer.
    const icu::Calendar &icuCalendar() const { return *calendar_; }

private:
    void rebuild();
    std::optional<Instant> add(int field, std::int64_t amount, Instant instant) const;

    CalendarIdentifier identifier_;
    QString timeZoneId_;
    QString localeName_;
    int firstWeekday_ = 1;
    std::unique_ptr<icu::Calendar> calendar_;
};

} // namespace platform
