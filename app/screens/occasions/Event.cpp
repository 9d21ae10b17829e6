// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/occasions/Event.h"

#include "core/DayTable.h"
#include "core/LocalizedNumber.h"
#include "platform/calendar/CivilDays.h"
#include "platform/localization/Localization.h"

#include <QStringList>
#include <algorithm>
#include <chrono>

namespace app::occasions {

const std::vector<OccasionRow> &occasionTable()
{
    static const std::vector<OccasionRow> table{
        {"NY", {1, 1}},    // 1 Muharram, the new year
        {"ASH", {1, 10}},  // 10 Muharram, Ashura
        {"RMD", {9, 1}},   // 1 Ramadan
        {"FET", {10, 1}},  // 1 Shawwal, Eid al-Fitr
        {"ARF", {12, 9}},  // 9 Dhu al-Hijjah, the day of Arafah
        {"ADH", {12, 10}}, // 10 Dhu al-Hijjah, Eid al-Adha
    };
    return table;
}

DaysAndHours daysAndHoursBetween(const platform::Calendar &calendar, platform::Instant from,
                                 platform::Instant to)
{
    using namespace std::chrono;
    const bool forward = to >= from;
    const std::int64_t direction = forward ? 1 : -1;
    // Start from the elapsed-time estimate, then step to the last whole
    // calendar day that does not pass `to`. Calendar days differ from 24 hours
    // only by the change of the zone's offset between the two moments (a day
    // at most, where a zone crossed the date line), so a few steps always do.
    constexpr int maximumSteps = 3;
    std::int64_t days = duration_cast<hours>(forward ? to - from : from - to).count() / 24;
    const auto reached = [&](std::int64_t count) -> std::optional<platform::Instant> {
        return calendar.dateByAddingDays(direction * count, from);
    };
    const auto within = [&](platform::Instant at) { return forward ? at <= to : at >= to; };
    for (int step = 0; step < maximumSteps && days > 0; ++step) {
        const auto at = reached(days);
        if (at && within(*at))
            break;
        --days;
    }
    for (int step = 0; step < maximumSteps; ++step) {
        const auto next = reached(days + 1);
        if (!next || !within(*next))
            break;
        ++days;
    }
    const platform::Instant base = reached(days).value_or(from);
    const auto rest = forward ? to - base : base - to;
    const auto wholeHours = duration_cast<hours>(rest);
    return {direction * days, direction * wholeHours.count(),
            direction * duration_cast<minutes>(rest - wholeHours).count()};
}

Event::Event(const QString &occasionName, core::HijriMonthDay day, platform::Instant now,
             std::int64_t yearsLater)
    : name(occasionName), conv(std::make_shared<core::RGConv>(now))
{
    const platform::Calendar &islamic = conv->islamicCalendar();
    // The day joined with the current Hijri year: midnight of that Umm al-Qura day.
    const std::int64_t year = conv->hijriDate()->year() + yearsLater;
    std::optional<platform::Instant> midnight;
    // Through the Umm al-Qura table to the Gregorian day, whose midnight the
    // Gregorian calendar finds without walking the Hijri years as ICU does;
    // outside the table (and before the Gregorian reform) ICU itself.
    if (const auto dayNumber = core::DayTable::fromHijri(year, day.month(), day.day())) {
        const core::CalendarDay gregorian = core::DayTable::gregorian(*dayNumber);
        if (gregorian.year >= platform::civil::firstReformedYear)
            midnight = conv->gregorianCalendar().date(gregorian.year, gregorian.month, gregorian.day);
    }
    if (!midnight)
        midnight = islamic.date(year, day.month(), day.day());
    if (!midnight)
        return;

    conv->setDate(*midnight, islamic);
    // The converter's own Hijri record of that day: "dd MMMM (M), yyyy" from
    // the date core's tables, without a formatter of its own.
    dateString = conv->hijriDate()->dateFullString();
    gDateString = conv->gregorianDate()->dateFullString();
    describeTiming(now);
}

namespace {

// "4 days and 12 hours", leaving out a part that is zero; under an hour only
// the minutes are left ("30 minutes", never "0 minutes").
QString durationText(const DaysAndHours &span)
{
    QStringList parts;
    if (span.days != 0)
        parts << core::localizedCount("days", span.days);
    if (span.hours != 0)
        parts << core::localizedCount("hours", span.hours);
    if (parts.isEmpty())
        parts << core::localizedCount("minutes", std::max<std::int64_t>(1, span.minutes));
    // With its spaces: the Arabic "و" is written joined to the next word.
    return parts.join(platform::localized("andSeparator"));
}

} // namespace

void Event::describeTiming(platform::Instant now)
{
    const platform::Calendar &calendar = conv->gregorianCalendar();
    const platform::Instant occasion = conv->gregorianDate()->date();
    // Whether the occasion is today, ahead or past is a matter of calendar
    // days in the local zone: half an hour before its midnight it is still
    // ahead, and from that midnight on it is today.
    const platform::Instant today = calendar.startOfDay(now);
    const platform::Instant occasionDay = calendar.startOfDay(occasion);
    const DaysAndHours left = daysAndHoursBetween(calendar, now, occasion);
    if (occasionDay > today) {
        days = platform::localized("after") + QStringLiteral(": ") + durationText(left);
        color = comingColor;
    } else if (occasionDay < today) {
        isFuture = false;
        days = platform::localized("since") + QStringLiteral(": ") +
               durationText({-left.days, -left.hours, -left.minutes});
        color = pastColor;
    } else {
        days = platform::localized("today");
        color = pastColor;
    }
}

std::vector<EventPtr> buildOccasions(platform::Instant now)
{
    std::vector<EventPtr> list;
    for (const OccasionRow &row : occasionTable())
        list.push_back(std::make_shared<Event>(platform::localized(row.key), row.day, now));
    return list;
}

int openingIndex(const std::vector<EventPtr> &occasions)
{
    for (std::size_t i = 0; i < occasions.size(); ++i)
        if (occasions[i]->isFuture)
            return static_cast<int>(i);
    return static_cast<int>(occasions.size()) - 1;
}

} // namespace app::occasions
