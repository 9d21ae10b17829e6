#include "components/calendar/OtherCalendarDaySource.h"

#include "platform/calendar/Clock.h"

namespace components {

OtherCalendarDaySource::OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar)
    : grid_(gridCalendar), conv_(platform::Clock::current())
{
}

OtherCalendarDaySource::OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar,
                                               std::int64_t adjustmentNumber)
    : grid_(gridCalendar), conv_(platform::Clock::current(), adjustmentNumber)
{
}

QString OtherCalendarDaySource::otherDay(platform::Instant date)
{
    std::int64_t day = 0;
    if (grid_ == platform::CalendarIdentifier::islamicUmmAlQura) {
        conv_.setDate(date, conv_.islamicCalendar());
        day = conv_.gregorianDate()->day();
    } else {
        conv_.setDate(date, conv_.gregorianCalendar());
        day = conv_.hijriDate()->day();
    }
    // The converter is this source's own and nothing reads the day it is
    // left on, so it is not turned back to today: that would double the
    // cost of every cell the month calendar paints.
    return QString::number(day);
}

QString OtherCalendarDaySource::subtitleForDate(MonthCalendarView *, platform::Instant date)
{
    return otherDay(date);
}

std::optional<platform::Instant> OtherCalendarDaySource::minimumDateForCalendar(MonthCalendarView *)
{
    if (!rangeDays_)
        return std::nullopt;
    return conv_.gregorianCalendar().dateByAddingDays(-*rangeDays_, platform::Clock::current());
}

std::optional<platform::Instant> OtherCalendarDaySource::maximumDateForCalendar(MonthCalendarView *)
{
    if (!rangeDays_)
        return std::nullopt;
    return conv_.gregorianCalendar().dateByAddingDays(*rangeDays_, platform::Clock::current());
}

} // namespace components
