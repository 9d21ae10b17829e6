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

// Which day the list shows, as the heading names it: the Gregorian date with
// its weekday, and the Hijri date under the stored adjustment, each in the
// device locale's own order.
struct DayHeading
{
    QString gregorian;
    QString hijri;
};
DayHeading dayHeading(platform::Instant anyMomentOfDay);

// A day event, or one in the 23:59:59 shape (midnight to the last second).
bool isAllDay(const platform::CalendarEvent &event);

// What a row of `listedDay`'s list says of when the event is: "From" and "To"
// with the time ("hh:mm a"), and the date in front of a time that falls on
// another day. An all-day event gives no times (its duration says "All
// Day"); one of several days gives its span of dates in `from`.
struct EventTimeTexts
{
    QString from;
    QString to;
};
EventTimeTexts eventTimeTexts(const platform::CalendarEvent &event, platform::Instant listedDay);

// How long an event lasts: "All Day" for a day event (and the 23:59:59
// shape), else days, hours and minutes, e.g. "2 d, 3 h", "1 h, 30 m", "45 m";
// empty for no time at all.
QString eventDurationText(platform::Instant start, platform::Instant end, bool allDay = false);

} // namespace app::screens
