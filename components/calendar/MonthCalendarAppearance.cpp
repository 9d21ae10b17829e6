// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/calendar/MonthCalendarAppearance.h"

#include "components/calendar/MonthCalendarGeometry.h"
#include "components/calendar/MonthCalendarTypes.h"

namespace components {

MonthCalendarAppearance::MonthCalendarAppearance()
    : headerTitleColor(14, 69, 221), weekdayTextColor(14, 69, 221),
      headerDateFormat(QStringLiteral("MMMM yyyy")),
      eventColor(QColor::fromRgbF(31 / 255.0f, 119 / 255.0f, 219 / 255.0f, 0.75f))
{
    using namespace cellstate;
    const QColor clear(Qt::transparent);
    fillColors = {{normal, clear},
                  {selected, QColor(31, 119, 219)},
                  {today, QColor(198, 51, 42)},
                  {placeholder, clear},
                  {disabled, clear}};
    titleColors = {{normal, Qt::black},
                   {selected, Qt::white},
                   {today, Qt::white},
                   {placeholder, lightGray()},
                   {disabled, gray()}};
    subtitleColors = {{normal, darkGray()},
                      {selected, Qt::white},
                      {today, Qt::white},
                      {placeholder, lightGray()},
                      {disabled, lightGray()}};
    separatorColor = lightGray();
    separatorColor.setAlphaF(0.25f);
}

QColor MonthCalendarAppearance::colorFor(const std::map<int, QColor> &table, int state)
{
    const int key = monthgeometry::colorKey(state, [&table](int k) { return table.count(k) > 0; });
    const auto found = table.find(key);
    return found == table.end() ? QColor(Qt::transparent) : found->second;
}

} // namespace components
