// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QString>
#include <memory>
#include <optional>

class QImage;

namespace components {

class MonthCalendarView;

// Per-day content and the date range. Every operation is optional: the
// defaults give the plain day number, no subtitle, image or events, and the
// range 1 January 1970 to 31 December 2099. The calendar argument is null when
// the grid is laid out without a view (the command line, tests).
class MonthCalendarDataSource
{
public:
    virtual ~MonthCalendarDataSource() = default;

    // No value: the day number as the locale writes it.
    virtual std::optional<QString> titleForDate(MonthCalendarView *calendar, platform::Instant date);
    // Empty: the title is centred alone.
    virtual QString subtitleForDate(MonthCalendarView *calendar, platform::Instant date);
    virtual std::shared_ptr<const QImage> imageForDate(MonthCalendarView *calendar, platform::Instant date);
    // Defaults to hasEventForDate (1 or 0).
    virtual int numberOfEventsForDate(MonthCalendarView *calendar, platform::Instant date);
    virtual bool hasEventForDate(MonthCalendarView *calendar, platform::Instant date);
    // The time of day is removed from both answers.
    virtual std::optional<platform::Instant> minimumDateForCalendar(MonthCalendarView *calendar);
    virtual std::optional<platform::Instant> maximumDateForCalendar(MonthCalendarView *calendar);
};

} // namespace components
