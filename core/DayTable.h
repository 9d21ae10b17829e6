// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <cstdint>
#include <optional>

namespace core {

// A day on one calendar; month 1-12.
struct CalendarDay
{
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
    bool operator==(const CalendarDay &) const = default;
};

// Days are counted from 1970-01-01 (day 0), a Thursday.
namespace DayTable {

// Proleptic Gregorian calendar, any year.
std::int64_t fromGregorian(std::int64_t year, int month, int day);
CalendarDay gregorian(std::int64_t days);
// 1 = Sunday ... 7 = Saturday.
int weekday(std::int64_t days);

// Umm al-Qura days of the years whose month starts were generated from ICU at
// build time; no result outside them.
int firstHijriYear();
int lastHijriYear();
// The first day of the table and the day after its last.
std::int64_t firstHijriDay();
std::int64_t endHijriDay();
std::optional<CalendarDay> hijri(std::int64_t days);
// No result for a day the table lacks, including day 30 of a 29-day month.
std::optional<std::int64_t> fromHijri(std::int64_t year, int month, int day);

} // namespace DayTable

} // namespace core
