// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QString>
#include <memory>

class QImage;

namespace components {

enum class MonthCalendarScope
{
    month = 0,
    week = 1
};
enum class MonthCalendarScrollDirection
{
    vertical = 0,
    horizontal = 1
};

// Bit values of a cell's state; the appearance's colour tables are keyed by them.
namespace cellstate {
constexpr int normal = 0;
constexpr int selected = 1;
constexpr int placeholder = 2;
constexpr int disabled = 4;
constexpr int today = 8;
constexpr int todaySelected = today | selected;
constexpr int weekend = 16;
} // namespace cellstate

// Everything one day cell shows, decided before anything is drawn.
struct MonthCalendarCell
{
    platform::Instant date{};
    std::int64_t day = 0;
    // 1 = Sunday ... 7 = Saturday.
    int weekday = 0;
    std::shared_ptr<const QImage> image;
    int numberOfEvents = 0;
    QString title;
    QString subtitle;
    bool selected = false;
    bool today = false;
    bool placeholder = false;
    // Outside [minimumDate, maximumDate]: never selectable.
    bool outOfRange = false;
    bool weekend = false;
    // A month without placeholders leaves the cells of other months empty.
    bool hidden = false;

    int state() const
    {
        int bits = cellstate::normal;
        if (selected)
            bits |= cellstate::selected;
        if (placeholder)
            bits |= cellstate::placeholder;
        if (outOfRange)
            bits |= cellstate::disabled;
        if (today)
            bits |= cellstate::today;
        if (weekend)
            bits |= cellstate::weekend;
        return bits;
    }
};

} // namespace components
