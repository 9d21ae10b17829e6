#pragma once

#include "platform/calendar/Calendar.h"

#include <QString>
#include <memory>

namespace core {

// One calendar's view of one moment, with its display strings in the device's
// locale and zone. Immutable; shared by reference.
class RGDate
{
public:
    RGDate(platform::Instant date, const platform::Calendar &calendar);
    // A record made elsewhere and read back (another process's JSON): takes
    // the fields as they are, with no calendar work.
    RGDate(platform::Instant date, std::int64_t day, std::int64_t month, std::int64_t year, QString monthName,
           QString weekDayName, QString dateFullString);

    platform::Instant date() const { return date_; }
    std::int64_t day() const { return day_; }
    std::int64_t month() const { return month_; }
    std::int64_t year() const { return year_; }
    // "MMMM (M)", e.g. "Ramadan (9)".
    const QString &monthName() const { return monthName_; }
    // "EEEE".
    const QString &weekDayName() const { return weekDayName_; }
    // "dd MMMM (M), yyyy".
    const QString &dateFullString() const { return dateFullString_; }

    bool operator==(const RGDate &) const = default;

    static const QString weekDayPattern;
    static const QString monthNamePattern;
    static const QString dateFullPattern;

private:
    // Fills the fields from the day tables; false when they do not cover the
    // day, the locale or the calendar's zone.
    bool fromTables(const platform::Calendar &calendar);

    platform::Instant date_;
    std::int64_t day_;
    std::int64_t month_;
    std::int64_t year_;
    QString monthName_;
    QString weekDayName_;
    QString dateFullString_;
};

using RGDatePtr = std::shared_ptr<const RGDate>;

} // namespace core
