#pragma once

#include "components/calendar/MonthCalendarDataSource.h"
#include "core/RGConv.h"

#include <optional>

namespace components {

// Subtitles with the day number of the same day on the other calendar, worked
// out the way the calendar screen does it: its one converter is aimed at the
// cell's day, read, and aimed back at now (the Hijri adjustment included).
// Optionally limits the range to some days either side of now.
class OtherCalendarDaySource : public MonthCalendarDataSource
{
public:
    explicit OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar);
    // With one adjustment for every day instead of the stored one read anew
    // for each: a month printed once, where a change saved meanwhile must not
    // split the page.
    OtherCalendarDaySource(platform::CalendarIdentifier gridCalendar, std::int64_t adjustmentNumber);

    void setGridCalendar(platform::CalendarIdentifier gridCalendar) { grid_ = gridCalendar; }
    platform::CalendarIdentifier gridCalendar() const { return grid_; }
    void setRangeAroundNow(std::optional<int> days) { rangeDays_ = days; }

    // The other calendar's day of `date`, in plain decimal digits.
    QString otherDay(platform::Instant date);

    QString subtitleForDate(MonthCalendarView *calendar, platform::Instant date) override;
    std::optional<platform::Instant> minimumDateForCalendar(MonthCalendarView *calendar) override;
    std::optional<platform::Instant> maximumDateForCalendar(MonthCalendarView *calendar) override;

private:
    platform::CalendarIdentifier grid_;
    std::optional<int> rangeDays_;
    core::RGConv conv_;
};

} // namespace components
