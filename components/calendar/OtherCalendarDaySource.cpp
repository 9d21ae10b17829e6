// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/calendar/OtherCalendarDaySource.h"

#include "core/DateTexts.h"
#include "core/LocalizedNumber.h"
#include "platform/calendar/Clock.h"
#include "platform/system/Device.h"

namespace components {

OtherCalendarDaySource::OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar)
    : grid_(gridCalendar), conv_(platform::Clock::current())
{
}

OtherCalendarDaySource::OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar,
                                               std::int64_t adjustmentNumber)
    : grid_(gridCalendar), conv_(platform::Clock::current(), adjustmentNumber)
{
}

QString OtherCalendarDaySource::otherDay(platform::Instant date)
{
    // Every cell is its own day on either grid (the Hijri grid shifts the
    // names of days, not the days): the Gregorian record is the cell's day and
    // the Hijri record carries the adjustment.
    conv_.setDate(date, conv_.gregorianCalendar());
    const std::int64_t day = grid_ == platform::CalendarIdentifier::islamicUmmAlQura
                                 ? conv_.gregorianDate()->day()
                                 : conv_.hijriDate()->day();
    // The converter is this source's own and nothing reads the day it is
    // left on, so it is not turned back to today: that would double the
    // cost of every cell the month calendar paints.
    // In the digits of the cell's own day number.
    if (const core::DateTexts *texts = core::DateTexts::forLocale(platform::Device::localeName(), grid_))
        return texts->number(day, 1);
    return core::localizedNumber(day);
}

std::int64_t OtherCalendarDaySource::adjustmentNumber()
{
    conv_.setDate(platform::Clock::current(), conv_.gregorianCalendar());
    return conv_.adjustmentNumber();
}

QString OtherCalendarDaySource::subtitleForDate(MonthCalendarView *, platform::Instant date)
{
    return otherDay(date);
}

std::optional<platform::Instant> OtherCalendarDaySource::minimumDateForCalendar(MonthCalendarView *)
{
    if (!rangeDays_)
        return std::nullopt;
    return conv_.gregorianCalendar().dateByAddingDays(-*rangeDays_, platform::Clock::current());
}

std::optional<platform::Instant> OtherCalendarDaySource::maximumDateForCalendar(MonthCalendarView *)
{
    if (!rangeDays_)
        return std::nullopt;
    return conv_.gregorianCalendar().dateByAddingDays(*rangeDays_, platform::Clock::current());
}

} // namespace components
