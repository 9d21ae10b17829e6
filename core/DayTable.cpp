// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/DayTable.h"

#include "platform/calendar/CivilDays.h"

#include <algorithm>
#include <iterator>

namespace core::DayTable {

namespace {
#include "UmmAlQuraMonthStarts.inc"

constexpr std::int64_t monthCount = std::size(monthStarts) - 1;
static_assert(monthCount == (monthStartLastYear - monthStartFirstYear + 1) * 12);

using platform::civil::floorDiv;
} // namespace

std::int64_t fromGregorian(std::int64_t year, int month, int day)
{
    return platform::civil::daysFromCivil(year, month, day);
}

CalendarDay gregorian(std::int64_t days)
{
    const platform::civil::YearMonthDay d = platform::civil::civilFromDays(days);
    return CalendarDay{d.year, d.month, d.day};
}

int weekday(std::int64_t days)
{
    return static_cast<int>(days - floorDiv(days + 4, 7) * 7 + 4) + 1;
}

int firstHijriYear()
{
    return monthStartFirstYear;
}

int lastHijriYear()
{
    return monthStartLastYear;
}

std::int64_t firstHijriDay()
{
    return monthStarts[0];
}

std::int64_t endHijriDay()
{
    return monthStarts[monthCount];
}

std::optional<CalendarDay> hijri(std::int64_t days)
{
    if (days < firstHijriDay() || days >= endHijriDay())
        return std::nullopt;
    // The last month start not after `days`.
    const auto next = std::upper_bound(std::begin(monthStarts), std::end(monthStarts), days);
    const auto index = std::distance(std::begin(monthStarts), next) - 1;
    CalendarDay d;
    d.year = monthStartFirstYear + index / 12;
    d.month = static_cast<int>(index % 12) + 1;
    d.day = static_cast<int>(days - monthStarts[index]) + 1;
    return d;
}

std::optional<std::int64_t> fromHijri(std::int64_t year, int month, int day)
{
    if (year < monthStartFirstYear || year > monthStartLastYear || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const std::int64_t index = (year - monthStartFirstYear) * 12 + month - 1;
    const std::int64_t start = monthStarts[index];
    if (day > monthStarts[index + 1] - start)
        return std::nullopt;
    return start + day - 1;
}

} // namespace core::DayTable
