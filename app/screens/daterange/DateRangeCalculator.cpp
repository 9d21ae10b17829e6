// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/daterange/DateRangeCalculator.h"

namespace app::screens {

platform::Instant DateRangeCalculator::startOfDay(platform::Instant instant)
{
    // Made anew on every call: the device's calendar and zone may have changed.
    const platform::Calendar current(platform::CalendarIdentifier::gregorian);
    return current.startOfDay(instant);
}

DateRange DateRangeCalculator::between(platform::Instant from, platform::Instant to,
                                       const platform::Calendar &calendar)
{
    const platform::Instant f = startOfDay(from);
    const platform::Instant t = startOfDay(to);
    const platform::DateDifference breakdown = calendar.difference(f, t);
    DateRange range;
    range.totalDays = calendar.daysBetween(f, t);
    range.years = breakdown.years;
    range.months = breakdown.months;
    range.days = breakdown.days;
    return range;
}

} // namespace app::screens
