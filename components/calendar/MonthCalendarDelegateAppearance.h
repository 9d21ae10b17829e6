// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "components/calendar/MonthCalendarAppearance.h"
#include "platform/calendar/Instant.h"

#include <QColor>
#include <optional>

namespace components {

class MonthCalendarView;

// Per-date colours and shapes; an answer without a value keeps the appearance's.
class MonthCalendarDelegateAppearance
{
public:
    virtual ~MonthCalendarDelegateAppearance() = default;

    virtual std::optional<QColor> fillDefaultColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> fillSelectionColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> titleDefaultColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> titleSelectionColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> subtitleDefaultColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> subtitleSelectionColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> borderDefaultColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> borderSelectionColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<QColor> eventColorForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
    virtual std::optional<MonthCalendarCellShape> cellShapeForDate(MonthCalendarView *, platform::Instant)
    {
        return std::nullopt;
    }
};

} // namespace components
