// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
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
    // The day, month and year of `date` on `calendar`, shown for the day of
    // `shownFor`: the Hijri side under an adjustment names the day the user
    // lives by a neighbouring day's Hijri date, so its weekday is that of
    // `shownFor`.
    RGDate(platform::Instant date, const platform::Calendar &calendar, platform::Instant shownFor);
    // A record made elsewhere and read back (another process's JSON): takes
    // the fields as they are, with no calendar work.
    RGDate(platform::Instant date, platform::Instant shownFor, std::int64_t day, std::int64_t month,
           std::int64_t year, QString monthName, QString weekDayName, QString dateFullString, bool estimate);

    // The moment whose fields these are (on the Hijri side, shifted by the
    // adjustment): what a date picker on the record's calendar is set to.
    platform::Instant date() const { return date_; }
    // The moment the record is shown for, whose weekday it names.
    platform::Instant shownFor() const { return shownFor_; }
    // A Hijri day outside the Umm al-Qura table (1300 to 1600 AH): ICU's
    // arithmetic calendar stands in for it, which can differ by a day or two.
    bool isEstimate() const { return estimate_; }
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
    // dateFullPattern with the comma `locale` writes ("،" in Arabic script).
    static QString dateFullPatternFor(const QString &locale);
    // The comma and space that join a weekday to a date in `locale`.
    static QString listSeparator(const QString &locale);

private:
    // Fills the fields from the day tables; false when they do not cover the
    // day, the locale or the calendar's zone.
    bool fromTables(const platform::Calendar &calendar);

    platform::Instant date_;
    platform::Instant shownFor_;
    std::int64_t day_;
    std::int64_t month_;
    std::int64_t year_;
    QString monthName_;
    QString weekDayName_;
    QString dateFullString_;
    bool estimate_ = false;
};

using RGDatePtr = std::shared_ptr<const RGDate>;

} // namespace core
