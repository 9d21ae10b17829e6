// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/CalendarDay.h"

#include <QCoreApplication>
#include <algorithm>

namespace app::screens {

using namespace std::chrono_literals;

DaySpan gregorianDaySpan(platform::Instant anyMomentOfDay)
{
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian);
    DaySpan span;
    span.start = gregorian.startOfDay(anyMomentOfDay);
    // Noon of the day is never skipped, so the next day is found from there.
    const auto next = gregorian.dateByAddingDays(1, span.start + 12h);
    span.end = next ? gregorian.startOfDay(*next) : span.start + 24h;
    return span;
}

void sortByStart(std::vector<platform::CalendarEvent> &events)
{
    std::stable_sort(events.begin(), events.end(),
                     [](const platform::CalendarEvent &a, const platform::CalendarEvent &b) {
                         return a.startDate < b.startDate;
                     });
}

std::vector<platform::CalendarEvent> eventsOfDay(platform::EventStore &store,
                                                 platform::Instant anyMomentOfDay)
{
    const DaySpan span = gregorianDaySpan(anyMomentOfDay);
    auto events = store.events(span.start, span.end);
    sortByStart(events);
    return events;
}

namespace {

QString dayCount(std::int64_t days)
{
    // The plural form from the tables, the number in plain digits like the others.
    QString text =
        qtTrId("calendarscreen.durationDays", static_cast<int>(std::min<std::int64_t>(days, 1 << 30)));
    text.replace(QLatin1String("%n"), QLatin1String("%1"));
    // qtTrId has put the number in already, and some forms name it in words
    // ("يومان", two days): only a placeholder left over takes it here.
    return text.contains(QLatin1String("%1")) ? text.arg(days) : text;
}

} // namespace

QString eventDurationText(platform::Instant start, platform::Instant end, bool allDay)
{
    if (allDay)
        return QStringLiteral("All Day");
    if (end <= start)
        return QString();
    const platform::Calendar calendar(platform::CalendarIdentifier::gregorian);
    // Whole calendar days first (a day across a clock change is still one day).
    std::int64_t days = std::max<std::int64_t>(0, calendar.daysBetween(start, end));
    platform::Instant afterDays = start;
    while (days > 0) {
        const auto moved = calendar.dateByAddingDays(days, start);
        if (moved && *moved <= end) {
            afterDays = *moved;
            break;
        }
        --days;
    }
    const std::int64_t rest = std::chrono::duration_cast<std::chrono::seconds>(end - afterDays).count();
    const std::int64_t hours = rest / 3600;
    const std::int64_t minutes = (rest % 3600) / 60;
    const std::int64_t seconds = rest % 60;
    if (days == 0 && hours == 23 && minutes == 59 && seconds == 59)
        return QStringLiteral("All Day");

    QStringList parts;
    if (days >= 1)
        parts << dayCount(days);
    if (hours >= 1)
        parts << QStringLiteral("%1 h").arg(hours);
    if (minutes >= 1)
        parts << QStringLiteral("%1 m").arg(minutes);
    return parts.join(QStringLiteral(", "));
}

} // namespace app::screens
