// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

// The date records made the plain way: a fresh formatter for every record and
// a number formatter re-made on every call. Benchmarks measure the real code
// against it; tests check that both give the same bytes.

#include "core/RGDate.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/system/Device.h"

#include <unicode/numberformatter.h>

namespace literal {

struct Record
{
    platform::Instant date;
    std::int64_t day, month, year;
    QString monthName, weekDayName, dateFullString;
};

// Languages of the Arabic script, which separate with the Arabic comma.
inline bool arabicComma()
{
    const QString language = platform::Device::localeName().section(QLatin1Char('_'), 0, 0);
    return QStringList{QStringLiteral("ar"), QStringLiteral("fa"),  QStringLiteral("ur"),
                       QStringLiteral("ps"), QStringLiteral("ckb"), QStringLiteral("sd"),
                       QStringLiteral("ug")}
        .contains(language);
}

// The record of `date`, named by the weekday of `shownFor` (the day itself
// when the Hijri side is adjusted).
inline Record makeRecord(platform::Instant date, const platform::Calendar &calendar,
                         platform::Instant shownFor)
{
    platform::DateFormatter f;
    f.setCalendar(calendar);
    f.setDateFormat(QStringLiteral("EEEE"));
    const platform::DateComponents c = calendar.components(date);
    Record r{date, c.day, c.month, c.year, {}, {}, {}};
    r.weekDayName = f.string(shownFor);
    f.setDateFormat(QStringLiteral("MMMM (M)"));
    r.monthName = f.string(date);
    f.setDateFormat(arabicComma() ? QStringLiteral("dd MMMM (M)\u060C yyyy")
                                  : QStringLiteral("dd MMMM (M), yyyy"));
    r.dateFullString = f.string(date);
    return r;
}

inline Record makeRecord(platform::Instant date, const platform::Calendar &calendar)
{
    return makeRecord(date, calendar, date);
}

inline bool sameRecord(const Record &a, const core::RGDate &b)
{
    return a.date == b.date() && a.day == b.day() && a.month == b.month() && a.year == b.year() &&
           a.monthName == b.monthName() && a.weekDayName == b.weekDayName() &&
           a.dateFullString == b.dateFullString();
}

struct Converter
{
    explicit Converter(platform::Instant date)
        : gregorianCalendar(platform::CalendarIdentifier::gregorian),
          islamicCalendar(platform::CalendarIdentifier::islamicUmmAlQura)
    {
        adjustment = core::sharedDefaults()->integer(core::keys::adjustmentNumber).value_or(0);
        gregorian = makeRecord(date, gregorianCalendar);
        hijri = makeRecord(gregorianCalendar.dateByAddingDays(adjustment, date).value_or(date),
                           islamicCalendar, date);
    }
    void setDate(platform::Instant date, const platform::Calendar &calendar)
    {
        adjustment = core::sharedDefaults()->integer(core::keys::adjustmentNumber).value_or(0);
        if (calendar == gregorianCalendar) {
            gregorian = makeRecord(date, gregorianCalendar);
            if (auto shifted = gregorianCalendar.dateByAddingDays(adjustment, date))
                hijri = makeRecord(*shifted, islamicCalendar, date);
            return;
        }
        const auto shifted = islamicCalendar.dateByAddingDays(-adjustment, date);
        hijri = makeRecord(date, islamicCalendar, shifted.value_or(date));
        if (shifted)
            gregorian = makeRecord(*shifted, gregorianCalendar);
    }
    platform::Calendar gregorianCalendar;
    platform::Calendar islamicCalendar;
    std::int64_t adjustment = 0;
    Record gregorian, hijri;
};

inline QString localizedNumber(std::int64_t value)
{
    UErrorCode status = U_ZERO_ERROR;
    const auto formatter = icu::number::NumberFormatter::with()
                               .grouping(UNUM_GROUPING_OFF)
                               .precision(icu::number::Precision::integer())
                               .locale(icu::Locale(platform::Device::localeName().toLatin1().constData()));
    const icu::UnicodeString out = formatter.formatInt(value, status).toString(status);
    return QString(reinterpret_cast<const QChar *>(out.getBuffer()), out.length());
}

} // namespace literal
