// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QColor>
#include <QString>
#include <map>
#include <optional>

namespace components {

enum class MonthCalendarCellShape
{
    circle,
    rectangle
};

// Fonts, colours and shapes of the month calendar. The colour tables are keyed
// by cell state (cellstate bits); a missing key falls through the colour rule.
struct MonthCalendarAppearance
{
    MonthCalendarAppearance();

    double titleFontSize = 13.5;
    double subtitleFontSize = 10.0;
    double weekdayFontSize = 14.0;
    double headerTitleFontSize = 16.5;
    QColor headerTitleColor;
    QColor weekdayTextColor;
    QString headerDateFormat;
    // Opacity of the neighbouring months' titles in the header.
    double headerMinimumDissolvedAlpha = 0.2;
    QColor eventColor;
    std::map<int, QColor> fillColors;
    std::map<int, QColor> titleColors;
    std::map<int, QColor> subtitleColors;
    std::map<int, QColor> borderColors;
    MonthCalendarCellShape cellShape = MonthCalendarCellShape::circle;
    QColor separatorColor;
    // The keyboard focus around the selected day; none: the palette's
    // highlight, dotted.
    QColor focusColor;

    // The colour a cell of `state` takes from `table` (clear when none applies).
    static QColor colorFor(const std::map<int, QColor> &table, int state);

    // The platform's named greys: white levels 2/3, 1/2 and 1/3.
    static QColor lightGray() { return QColor::fromRgbF(2.0f / 3, 2.0f / 3, 2.0f / 3); }
    static QColor gray() { return QColor::fromRgbF(0.5f, 0.5f, 0.5f); }
    static QColor darkGray() { return QColor::fromRgbF(1.0f / 3, 1.0f / 3, 1.0f / 3); }
};

} // namespace components
