// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "core/HijriMonthDay.h"
#include "core/RGConv.h"
#include "platform/calendar/Instant.h"

#include <QString>
#include <memory>
#include <vector>

namespace app::occasions {

// The grey an occasion is shown in: dark (white level 1/3) while it is ahead,
// light (white level 2/3) from its day on. A name, not a colour, so that the
// model needs no painting library; a view turns it into its own colour.
enum class EventColor
{
    darkGrey,
    lightGrey,
};

// One of the yearly Islamic occasions, in the current Hijri year: its dates on
// both calendars and how long until (or since) it, as the occasions screen
// shows it. Not a calendar entry of the user's.
class Event
{
public:
    // The occasion is `day` of the Hijri year `now` falls in (after the user's
    // adjustment), or `yearsLater` Hijri years on. A day that year does not
    // have (30 of a 29-day month) leaves the dates, timing and texts empty.
    Event(const QString &name, core::HijriMonthDay day, platform::Instant now, std::int64_t yearsLater = 0);

    QString name;
    QString dateString;
    QString gDateString;
    QString days;
    // False only once the occasion lies at least one whole day in the past.
    bool isFuture = true;
    EventColor color = EventColor::darkGrey;
    core::RGConvPtr conv;

    static constexpr EventColor comingColor = EventColor::darkGrey;
    static constexpr EventColor pastColor = EventColor::lightGrey;

private:
    void describeTiming(platform::Instant now);
};

using EventPtr = std::shared_ptr<Event>;

// The occasion table in the order of the Hijri year: name key and day.
struct OccasionRow
{
    const char *key;
    core::HijriMonthDay day;
};
const std::vector<OccasionRow> &occasionTable();

// Whole days, then the hours and minutes left over, from `from` to `to` on
// `calendar`, counted as calendar days (a day across a clock change is still
// one day); all carry the sign of to - from.
struct DaysAndHours
{
    std::int64_t days = 0;
    std::int64_t hours = 0;
    std::int64_t minutes = 0;
};
DaysAndHours daysAndHoursBetween(const platform::Calendar &calendar, platform::Instant from,
                                 platform::Instant to);

// The six occasions of the current Hijri year, names localized.
std::vector<EventPtr> buildOccasions(platform::Instant now);
// Where the occasions carousel opens: the first occasion still to come (today's
// counts), else the last one; -1 for an empty list.
int openingIndex(const std::vector<EventPtr> &occasions);

} // namespace app::occasions
