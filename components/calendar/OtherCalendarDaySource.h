// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/calendar/MonthCalendarDataSource.h"
#include "core/RGConv.h"

#include <optional>

namespace components {

// Subtitles with the day number of the same day on the other calendar, in the
// digits of the day numbers: on the Gregorian grid the day's adjusted Hijri
// day, on the (adjusted) Hijri grid the day's Gregorian day.
// Optionally limits the range to some days either side of now.
class OtherCalendarDaySource : public MonthCalendarDataSource
{
public:
    explicit OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar);
    // With one adjustment for every day instead of the stored one read anew
    // for each: a month printed once, where a change saved meanwhile must not
    // split the page.
    OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar, std::int64_t adjustmentNumber);

    void setGridCalendar(platform::CalendarIdentifier gridCalendar) { grid_ = gridCalendar; }
    platform::CalendarIdentifier gridCalendar() const { return grid_; }
    void setRangeAroundNow(std::optional<int> days) { rangeDays_ = days; }

    // The other calendar's day of `date`.
    QString otherDay(platform::Instant date);
    // The adjustment the source applies now (the stored one, read anew, or
    // the fixed one): the day shift of the Hijri grid beside it.
    std::int64_t adjustmentNumber();

    QString subtitleForDate(MonthCalendarView *calendar, platform::Instant date) override;
    std::optional<platform::Instant> minimumDateForCalendar(MonthCalendarView *calendar) override;
    std::optional<platform::Instant> maximumDateForCalendar(MonthCalendarView *calendar) override;

private:
    platform::CalendarIdentifier grid_;
    std::optional<int> rangeDays_;
    core::RGConv conv_;
};

} // namespace components
