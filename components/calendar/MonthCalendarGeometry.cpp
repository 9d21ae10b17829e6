// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/calendar/MonthCalendarGeometry.h"

#include "components/calendar/MonthCalendarTypes.h"

#include <algorithm>
#include <cmath>

namespace components::monthgeometry {

int storageToRowMajor(int storageIndex)
{
    return (storageIndex % maximumRows) * columns + storageIndex / maximumRows;
}

int rowMajorToStorage(int rowMajorIndex)
{
    return (rowMajorIndex % columns) * maximumRows + rowMajorIndex / columns;
}

int colorKey(int state, const std::function<bool(int)> &tableHasKey)
{
    const bool today = state & cellstate::today;
    if (state & cellstate::selected)
        return today && tableHasKey(cellstate::todaySelected) ? cellstate::todaySelected
                                                              : cellstate::selected;
    if (today && tableHasKey(cellstate::today))
        return cellstate::today;
    if ((state & cellstate::placeholder) && tableHasKey(cellstate::placeholder))
        return cellstate::placeholder;
    if ((state & cellstate::weekend) && tableHasKey(cellstate::weekend))
        return cellstate::weekend;
    return cellstate::normal;
}

double headerTitleOpacity(double distance, double cellWidth, double minimumDissolvedAlpha)
{
    if (cellWidth <= 0.0)
        return 1.0;
    const double opacity = 1.0 - std::fabs(distance) * (1.0 - minimumDissolvedAlpha) / cellWidth;
    return std::clamp(opacity, 0.0, 1.0);
}

double bounceScale(double elapsed)
{
    if (elapsed <= 0.0)
        return 0.3;
    if (elapsed < selectionBouncePeakSeconds)
        return 0.3 + 0.9 * elapsed / selectionBouncePeakSeconds;
    if (elapsed < selectionBounceSeconds)
        return 1.2 - 0.2 * (elapsed - selectionBouncePeakSeconds) /
                         (selectionBounceSeconds - selectionBouncePeakSeconds);
    return 1.0;
}

MonthCalendarHeights automaticHeights(double laidOutHeight, bool showsPlaceholders, double handleHeight,
                                      double explicitHeaderHeight, double explicitWeekdayHeight)
{
    const double m = std::max(0.0, laidOutHeight);
    const double h = handleHeight > 0.0 ? m * (1.0 - scopeHandleShare) : m;
    MonthCalendarHeights heights;
    heights.handle = std::max(0.0, handleHeight);
    heights.header = explicitHeaderHeight >= 0.0 ? explicitHeaderHeight : h / 15.0 + 20.0;
    heights.weekday = explicitWeekdayHeight >= 0.0 ? explicitWeekdayHeight : h * 25.0 / 300.0;
    if (showsPlaceholders) {
        const double rest =
            m - heights.header - heights.weekday - heights.handle - 2.0 * std::floor(heights.weekday * 0.1);
        heights.row = std::max(0.0, rest / maximumRows);
    } else {
        heights.row = rowHeightWithoutPlaceholders;
    }
    return heights;
}

int pageAfterDrag(int startPage, double travelled, double velocityPagesPerSecond, int pageCount)
{
    if (pageCount <= 0)
        return 0;
    // Half a page a second is a flick; slower drags settle where they are.
    constexpr double flickSpeed = 0.5;
    int target = startPage;
    if (std::fabs(velocityPagesPerSecond) >= flickSpeed && std::fabs(travelled) > 0.02)
        target = startPage + (velocityPagesPerSecond > 0 ? 1 : -1);
    else
        target = startPage + static_cast<int>(std::lround(std::clamp(travelled, -1.0, 1.0)));
    return std::clamp(target, 0, pageCount - 1);
}

} // namespace components::monthgeometry
