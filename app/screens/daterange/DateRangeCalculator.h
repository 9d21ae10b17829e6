// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"

namespace app::screens {

// The span between two days, counted in one calendar: the start day counts,
// the end day does not; every value is negative when `to` lies before `from`.
struct DateRange
{
    std::int64_t totalDays = 0;
    std::int64_t years = 0;
    std::int64_t months = 0;
    std::int64_t days = 0;
    bool operator==(const DateRange &) const = default;
};

// What the duration calculator shows, computed without any user interface so
// that the date range screen and `qamarly range` agree to the day.
class DateRangeCalculator
{
public:
    // Local midnight of the instant's day in the device's current calendar
    // and zone (fetched anew on every call, so a changed zone is honoured).
    static platform::Instant startOfDay(platform::Instant instant);

    // Both instants are reduced to the start of their day first, so the time
    // of day never counts. Years, months and days are whole units of
    // `calendar`, largest first (Hijri months have their Umm al-Qura lengths).
    static DateRange between(platform::Instant from, platform::Instant to,
                             const platform::Calendar &calendar);
};

} // namespace app::screens
