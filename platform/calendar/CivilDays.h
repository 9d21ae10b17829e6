// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <cstdint>

// Whole days on the proleptic Gregorian calendar, counted from 1970-01-01
// (day 0), by arithmetic over 400-year eras (Hinnant's civil-from-days).
// Not std::chrono::year_month_day: its year wraps past 32,767, and Calendar::date checks 7-digit years here.
namespace platform::civil {

// ICU counts days before 15 October 1582 on the Julian calendar; from this
// year on its Gregorian days are the ones counted here.
constexpr std::int64_t firstReformedYear = 1583;
constexpr std::int64_t secondsPerDay = 86'400;
constexpr std::int64_t msecsPerDay = secondsPerDay * 1000;

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

struct YearMonthDay
{
    std::int64_t year = 0;
    int month = 0; // 1-12
    int day = 0;
};

constexpr std::int64_t daysFromCivil(std::int64_t year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const std::int64_t era = floorDiv(year, 400);
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

constexpr YearMonthDay civilFromDays(std::int64_t days)
{
    const std::int64_t z = days + 719468;
    const std::int64_t era = floorDiv(z, 146097);
    const std::int64_t dayOfEra = z - era * 146097;
    const std::int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    YearMonthDay d;
    d.day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    d.month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    d.year = yearOfEra + era * 400 + (d.month <= 2 ? 1 : 0);
    return d;
}

constexpr bool isLeapYear(std::int64_t year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

constexpr int monthLength(std::int64_t year, int month)
{
    constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : lengths[month - 1];
}

static_assert(daysFromCivil(1970, 1, 1) == 0 && civilFromDays(-1).year == 1969 &&
              civilFromDays(59).month == 3);

} // namespace platform::civil
