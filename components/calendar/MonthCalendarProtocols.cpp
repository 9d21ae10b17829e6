// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/calendar/MonthCalendarDataSource.h"
#include "components/calendar/MonthCalendarDelegate.h"

namespace components {

std::optional<QString> MonthCalendarDataSource::titleForDate(MonthCalendarView *, platform::Instant)
{
    return std::nullopt;
}

QString MonthCalendarDataSource::subtitleForDate(MonthCalendarView *, platform::Instant)
{
    return QString();
}

std::shared_ptr<const QImage> MonthCalendarDataSource::imageForDate(MonthCalendarView *, platform::Instant)
{
    return nullptr;
}

int MonthCalendarDataSource::numberOfEventsForDate(MonthCalendarView *calendar, platform::Instant date)
{
    return hasEventForDate(calendar, date) ? 1 : 0;
}

bool MonthCalendarDataSource::hasEventForDate(MonthCalendarView *, platform::Instant)
{
    return false;
}

std::optional<platform::Instant> MonthCalendarDataSource::minimumDateForCalendar(MonthCalendarView *)
{
    return std::nullopt;
}

std::optional<platform::Instant> MonthCalendarDataSource::maximumDateForCalendar(MonthCalendarView *)
{
    return std::nullopt;
}

bool MonthCalendarDelegate::shouldSelectDate(MonthCalendarView *, platform::Instant)
{
    return true;
}

void MonthCalendarDelegate::didSelectDate(MonthCalendarView *, platform::Instant) {}

bool MonthCalendarDelegate::shouldDeselectDate(MonthCalendarView *, platform::Instant)
{
    return true;
}

void MonthCalendarDelegate::didDeselectDate(MonthCalendarView *, platform::Instant) {}

void MonthCalendarDelegate::calendarCurrentPageDidChange(MonthCalendarView *calendar)
{
    calendarCurrentMonthDidChange(calendar);
}

void MonthCalendarDelegate::calendarCurrentMonthDidChange(MonthCalendarView *) {}

void MonthCalendarDelegate::boundingRectWillChange(MonthCalendarView *, const QRectF &, bool) {}

} // namespace components
