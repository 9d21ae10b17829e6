// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"
#include "platform/events/EventStore.h"

#include <QString>
#include <vector>

namespace app::screens {

// The span of one Gregorian day in the device zone: its first moment to the
// first moment of the next day, however long the day is.
struct DaySpan
{
    platform::Instant start{};
    platform::Instant end{};
};
DaySpan gregorianDaySpan(platform::Instant anyMomentOfDay);

// Earliest start first; events that start together keep the store's order.
void sortByStart(std::vector<platform::CalendarEvent> &events);

// The day's events as the calendar screen lists them.
std::vector<platform::CalendarEvent> eventsOfDay(platform::EventStore &store,
                                                 platform::Instant anyMomentOfDay);

// How long an event lasts: "All Day" for a day event (and the 23:59:59
// shape), else days, hours and minutes, e.g. "2 d, 3 h", "1 h, 30 m", "45 m";
// empty for no time at all.
QString eventDurationText(platform::Instant start, platform::Instant end, bool allDay = false);

} // namespace app::screens
