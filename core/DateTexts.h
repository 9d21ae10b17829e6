// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "core/DateTextsCache.h"
#include "core/DayTable.h"
#include "platform/calendar/Calendar.h"

#include <QString>
#include <array>
#include <memory>
#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class SimpleDateFormat;
U_NAMESPACE_END

namespace core {

// The display texts of a day ("EEEE", "MMMM (M)", "dd MMMM (M), yyyy") put
// together from one locale's month names, weekday names and digits, taken once
// from ICU's own formatter for that locale and calendar. A small fraction of
// the cost of formatting, and the same bytes: tables are compared with ICU's
// formatting of sample days before they are used.
class DateTexts
{
public:
    // The checked tables of `locale` on `calendar`, made on first use in each
    // thread; null when they cannot reproduce ICU's texts (the caller formats
    // with ICU then).
    static const DateTexts *forLocale(const QString &locale, platform::CalendarIdentifier calendar);
    // The checked tables from `cache`, or made from ICU, checked and added to
    // it; null as forLocale(). forLocale() uses the process's cache file.
    static std::unique_ptr<DateTexts> fromCache(DateTextsCache &cache, const QString &locale,
                                                platform::CalendarIdentifier calendar);
    // Tables taken from ICU, not yet checked; null when ICU formats numbers in a
    // way the tables cannot follow (a numbering system that is not ten digits).
    static std::unique_ptr<DateTexts> fromIcu(const QString &locale, platform::CalendarIdentifier calendar);

    // Whether every text of the sample days equals ICU's formatting of it.
    bool matchesIcu() const;

    // weekday: 1 = Sunday ... 7 = Saturday.
    const QString &weekDayName(int weekday) const
    {
        return weekDayNames_.at(static_cast<size_t>(weekday - 1));
    }
    // Abbreviated and standing alone, as "ccc" writes it.
    const QString &shortWeekDayName(int weekday) const
    {
        return shortWeekDayNames_.at(static_cast<size_t>(weekday - 1));
    }
    // "MMMM (M)".
    const QString &monthName(int month) const { return monthTexts_.at(static_cast<size_t>(month - 1)); }
    // "MMMM" alone.
    const QString &wideMonthName(int month) const { return monthNames_.at(static_cast<size_t>(month - 1)); }
    QString dateFullString(const CalendarDay &day) const;
    // `value` (not negative) in the locale's digits, zero-padded to `minimumDigits`.
    QString number(std::int64_t value, int minimumDigits) const;
    // Whether number(value, 1) is also what the locale's number format
    // (without grouping) writes for a value that is not negative.
    bool writesPlainNumbers() const { return plainNumbers_; }

    // Replace one name or digit, so tests can give a table a fault to find.
    void setMonthName(int month, const QString &name);
    void setWeekDayName(int weekday, const QString &name);
    void setDigit(int digit, const QString &text);

private:
    DateTexts() = default;
    static std::unique_ptr<DateTexts> fromNames(const QString &locale, platform::CalendarIdentifier calendar,
                                                const DateTextsCache::Names &names);
    DateTextsCache::Names names() const;
    // The texts put together from the names and digits.
    void makeComposedTexts();

    // ICU's formatter the tables were taken from, kept for the check: making
    // a second one costs as much as the first.
    std::shared_ptr<const icu::SimpleDateFormat> format_;
    QString locale_;
    platform::CalendarIdentifier calendar_ = platform::CalendarIdentifier::gregorian;
    std::array<QString, 12> monthNames_;
    std::array<QString, 7> weekDayNames_;
    std::array<QString, 7> shortWeekDayNames_;
    std::array<QString, 10> digits_;
    bool asciiDigits_ = false;
    bool plainNumbers_ = false;
    // "MMMM (M)" of every month, and "dd" of every day.
    std::array<QString, 12> monthTexts_;
    std::array<QString, 31> twoDigitDays_;
    // Between the month and the year: ", " or the Arabic comma.
    QString comma_;
};

} // namespace core
