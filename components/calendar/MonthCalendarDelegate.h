// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QRectF>

namespace components {

class MonthCalendarView;

// Selections, page changes and size changes. Every operation has a default,
// so a delegate overrides only what it needs.
class MonthCalendarDelegate
{
public:
    virtual ~MonthCalendarDelegate() = default;

    virtual bool shouldSelectDate(MonthCalendarView *calendar, platform::Instant date);
    // Also after a tap on the day already selected.
    virtual void didSelectDate(MonthCalendarView *calendar, platform::Instant date);
    // Multiple selection only.
    virtual bool shouldDeselectDate(MonthCalendarView *calendar, platform::Instant date);
    virtual void didDeselectDate(MonthCalendarView *calendar, platform::Instant date);
    // Falls back to calendarCurrentMonthDidChange.
    virtual void calendarCurrentPageDidChange(MonthCalendarView *calendar);
    virtual void calendarCurrentMonthDidChange(MonthCalendarView *calendar);
    // The view's fitting size differs from its frame: `bounds` is at (0, 0)
    // with the current width and the fitting height.
    virtual void boundingRectWillChange(MonthCalendarView *calendar, const QRectF &bounds, bool animated);
};

} // namespace components
