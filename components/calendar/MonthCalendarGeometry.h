// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <functional>

namespace components::monthgeometry {

constexpr int columns = 7;
constexpr int maximumRows = 6;
constexpr int cellsPerMonthPage = columns * maximumRows;

// The tap bounce of a cell's shape: 0.3 to 1.2 in the first three quarters,
// back to 1.0 in the last quarter.
constexpr double selectionBounceSeconds = 0.15;
constexpr double selectionBouncePeakSeconds = 0.1125;
constexpr double heightAnimationSeconds = 0.33;
// Month rows when placeholders are hidden and the height follows the row count.
constexpr double rowHeightWithoutPlaceholders = 38.33;
// The scope handle takes this share of the laid-out height from the headers.
constexpr double scopeHandleShare = 0.08;

// With horizontal paging the grid stores its cells column by column.
int storageToRowMajor(int storageIndex);
int rowMajorToStorage(int rowMajorIndex);

// Which key of a colour table a cell of `state` (cellstate bits) uses.
int colorKey(int state, const std::function<bool(int)> &tableHasKey);

// Opacity of a month title whose centre lies `distance` points from the
// header's centre, in title cells `cellWidth` wide.
double headerTitleOpacity(double distance, double cellWidth, double minimumDissolvedAlpha);

// Scale of a cell's shape `elapsed` seconds into its selection bounce.
double bounceScale(double elapsed);

struct MonthCalendarHeights
{
    double header = 0.0;
    double weekday = 0.0;
    double row = 0.0;
    double handle = 0.0;

    // Header, weekday header, `rows` rows, a fifth of the weekday header as
    // the bottom margin, and the scope handle.
    double fittingHeight(int rows) const { return header + weekday + rows * row + 0.2 * weekday + handle; }
};

// The automatic heights for a view laid out `laidOutHeight` tall in month
// scope. An explicit header or weekday height (>= 0) replaces the automatic one.
MonthCalendarHeights automaticHeights(double laidOutHeight, bool showsPlaceholders, double handleHeight = 0.0,
                                      double explicitHeaderHeight = -1.0,
                                      double explicitWeekdayHeight = -1.0);

// The page a drag ends on: a quick flick turns one page its way, a slow drag
// settles on the nearer page; never more than one page from the start.
// `travelled` is in pages, positive towards later pages.
int pageAfterDrag(int startPage, double travelled, double velocityPagesPerSecond, int pageCount);

} // namespace components::monthgeometry
