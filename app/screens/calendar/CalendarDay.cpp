// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/CalendarDay.h"

#include "core/LocalizedNumber.h"
#include "core/RGConv.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/localization/Localization.h"

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

DayHeading dayHeading(platform::Instant anyMomentOfDay)
{
    const core::RGConv conv(gregorianDaySpan(anyMomentOfDay).start + 12h);
    const platform::Calendar &gregorian = conv.gregorianCalendar();
    const platform::Calendar &islamic = conv.islamicCalendar();
    return {platform::DateFormatter::format(
                gregorian,
                platform::DateFormatter::patternForSkeleton(gregorian, QStringLiteral("yMMMMEEEEd")),
                conv.gregorianDate()->date()),
            platform::DateFormatter::format(
                islamic, platform::DateFormatter::patternForSkeleton(islamic, QStringLiteral("GyMMMMd")),
                conv.hijriDate()->date())};
}

bool isAllDay(const platform::CalendarEvent &event)
{
    if (event.allDay)
        return true;
    const DaySpan first = gregorianDaySpan(event.startDate);
    return event.startDate == first.start && event.endDate > event.startDate &&
           event.endDate == gregorianDaySpan(event.endDate).end - 1s;
}

EventTimeTexts eventTimeTexts(const platform::CalendarEvent &event, platform::Instant listedDay)
{
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian);
    const QString datePattern =
        platform::DateFormatter::patternForSkeleton(gregorian, QStringLiteral("MMMd"));
    const auto date = [&](platform::Instant at) {
        return platform::DateFormatter::format(gregorian, datePattern, at);
    };
    const platform::Instant listed = gregorianDaySpan(listedDay).start;
    if (isAllDay(event)) {
        const platform::Instant firstDay = gregorianDaySpan(event.startDate).start;
        // The last second (or the end itself) lies on the last day.
        const platform::Instant lastDay =
            gregorianDaySpan(std::max(event.startDate, event.endDate - 1s)).start;
        if (firstDay == lastDay)
            return {};
        return {date(firstDay) + QStringLiteral(" – ") + date(lastDay), QString()};
    }
    const auto when = [&](platform::Instant at) -> QString {
        const QString time = platform::DateFormatter::format(gregorian, QStringLiteral("hh:mm a"), at);
        const QString text = gregorianDaySpan(at).start == listed ? time : date(at) + QLatin1Char(' ') + time;
        // A right-to-left date is isolated, so that it keeps its place after "From".
        return text.isRightToLeft() ? QChar(0x2068) + text + QChar(0x2069) : text;
    };
    // The second line is set in under the first, whatever the language's words.
    return {platform::localized("calendarscreen.eventFrom").arg(when(event.startDate)),
            QStringLiteral("     ") + platform::localized("calendarscreen.eventTo").arg(when(event.endDate))};
}

QString eventDurationText(platform::Instant start, platform::Instant end, bool allDay)
{
    if (allDay)
        return platform::localized("calendarscreen.allDay");
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
        return platform::localized("calendarscreen.allDay");

    // Each part in the language's own words, plural and digits ("2 d, 3 h").
    QStringList parts;
    if (days >= 1)
        parts << core::localizedCount("calendarscreen.durationDays", days);
    if (hours >= 1)
        parts << core::localizedCount("calendarscreen.durationHours", hours);
    if (minutes >= 1)
        parts << core::localizedCount("calendarscreen.durationMinutes", minutes);
    QString text = parts.value(0);
    for (qsizetype i = 1; i < parts.size(); ++i)
        text = platform::localized("calendarscreen.durationJoin").arg(text, parts[i]);
    return text;
}

} // namespace app::screens
