// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <optional>
#include <stdexcept>

namespace core {

// A day of the Hijri year without the year: month 1-12, day 1-30. No value
// outside those ranges can be made, so a yearly date never needs parsing or
// checking again; whether a given year has day 30 of its month is that year's
// table's answer. Ordered as the days fall in the year.
class HijriMonthDay
{
public:
    // For constants: a month or day out of range does not compile.
    consteval HijriMonthDay(int month, int day) : month_(month), day_(day)
    {
        if (!inRange(month, day))
            throw std::out_of_range("Hijri month 1-12 and day 1-30");
    }

    // For values read at run time.
    static constexpr std::optional<HijriMonthDay> of(int month, int day)
    {
        if (!inRange(month, day))
            return std::nullopt;
        return HijriMonthDay(Checked{}, month, day);
    }

    constexpr int month() const { return month_; }
    constexpr int day() const { return day_; }

    friend constexpr bool operator==(const HijriMonthDay &, const HijriMonthDay &) = default;
    // Not <=>: moc cannot read <compare>, and the occasion screens' headers include this one.
    friend constexpr bool operator<(const HijriMonthDay &a, const HijriMonthDay &b)
    {
        return a.month_ != b.month_ ? a.month_ < b.month_ : a.day_ < b.day_;
    }

private:
    struct Checked
    {
    };
    constexpr HijriMonthDay(Checked, int month, int day) : month_(month), day_(day) {}

    static constexpr bool inRange(int month, int day)
    {
        return month >= 1 && month <= 12 && day >= 1 && day <= 30;
    }

    int month_;
    int day_;
};

static_assert(HijriMonthDay(1, 10) < HijriMonthDay(9, 1) && !HijriMonthDay::of(13, 1) &&
              !HijriMonthDay::of(1, 31) && !HijriMonthDay::of(0, 1));

} // namespace core
