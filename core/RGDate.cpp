// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/RGDate.h"

#include "core/DateTexts.h"
#include "core/DayTable.h"
#include "platform/calendar/CivilDays.h"
#include "platform/calendar/DateFormatter.h"
#include "platform/system/Device.h"

namespace core {

const QString RGDate::weekDayPattern = QStringLiteral("EEEE");
const QString RGDate::monthNamePattern = QStringLiteral("MMMM (M)");
const QString RGDate::dateFullPattern = QStringLiteral("dd MMMM (M), yyyy");

namespace {

// Languages written in the Arabic script that separate with the Arabic comma.
bool writesArabicComma(const QString &locale)
{
    const QString language = locale.section(QLatin1Char('_'), 0, 0).section(QLatin1Char('@'), 0, 0);
    static const QStringList languages{QStringLiteral("ar"), QStringLiteral("fa"),  QStringLiteral("ur"),
                                       QStringLiteral("ps"), QStringLiteral("ckb"), QStringLiteral("sd"),
                                       QStringLiteral("ug")};
    return languages.contains(language);
}

} // namespace

QString RGDate::dateFullPatternFor(const QString &locale)
{
    static const QString arabic = QStringLiteral("dd MMMM (M)\u060C yyyy");
    return writesArabicComma(locale) ? arabic : dateFullPattern;
}

QString RGDate::listSeparator(const QString &locale)
{
    return writesArabicComma(locale) ? QStringLiteral("\u060C ") : QStringLiteral(", ");
}

namespace {

// Days ICU counts on the Julian calendar stay with ICU; four-digit years keep
// "yyyy" a plain padding.
constexpr std::int64_t firstGregorianDay =
    platform::civil::daysFromCivil(platform::civil::firstReformedYear, 1, 1);
constexpr std::int64_t lastGregorianDay = platform::civil::daysFromCivil(9999, 12, 31);
static_assert(firstGregorianDay == -141'349 && lastGregorianDay == 2'932'896);

} // namespace

bool RGDate::fromTables(const platform::Calendar &calendar)
{
    // Texts are formatted in the device's zone and the numbers come from the
    // calendar's: the tables serve only when both are the same.
    if (calendar.timeZoneId() != platform::Device::timeZoneId())
        return false;
    const DateTexts *texts = DateTexts::forLocale(platform::Device::localeName(), calendar.identifier());
    if (!texts)
        return false;
    const std::optional<std::int64_t> localDay = calendar.localDayNumber(date_);
    if (!localDay)
        return false;
    const std::int64_t days = *localDay;
    std::int64_t shownDay = days;
    if (shownFor_ != date_) {
        const std::optional<std::int64_t> other = calendar.localDayNumber(shownFor_);
        if (!other)
            return false;
        shownDay = *other;
    }
    CalendarDay day;
    if (calendar.identifier() == platform::CalendarIdentifier::gregorian) {
        if (days < firstGregorianDay || days > lastGregorianDay)
            return false;
        day = DayTable::gregorian(days);
    } else {
        const auto hijri = DayTable::hijri(days);
        if (!hijri)
            return false;
        day = *hijri;
    }
    day_ = day.day;
    month_ = day.month;
    year_ = day.year;
    weekDayName_ = texts->weekDayName(DayTable::weekday(shownDay));
    monthName_ = texts->monthName(day.month);
    dateFullString_ = texts->dateFullString(day);
    return true;
}

RGDate::RGDate(platform::Instant date, const platform::Calendar &calendar) : RGDate(date, calendar, date) {}

RGDate::RGDate(platform::Instant date, const platform::Calendar &calendar, platform::Instant shownFor)
    : date_(date), shownFor_(shownFor)
{
    if (!fromTables(calendar)) {
        // Formatters are kept per thread and configuration, and the three
        // strings and the numbers come from one field computation: building
        // formatters and computing Umm al-Qura fields is what costs here.
        const QStringList patterns{weekDayPattern, monthNamePattern,
                                   dateFullPatternFor(platform::Device::localeName())};
        platform::DateComponents c;
        const QStringList texts = platform::DateFormatter::formatAll(calendar, patterns, date, &c);
        day_ = c.day;
        month_ = c.month;
        year_ = c.year;
        weekDayName_ = shownFor == date ? texts.at(0)
                                        : platform::DateFormatter::format(calendar, weekDayPattern, shownFor);
        monthName_ = texts.at(1);
        dateFullString_ = texts.at(2);
    }
    estimate_ = calendar.identifier() == platform::CalendarIdentifier::islamicUmmAlQura &&
                (year_ < DayTable::firstHijriYear() || year_ > DayTable::lastHijriYear());
}

RGDate::RGDate(platform::Instant date, platform::Instant shownFor, std::int64_t day, std::int64_t month,
               std::int64_t year, QString monthName, QString weekDayName, QString dateFullString,
               bool estimate)
    : date_(date), shownFor_(shownFor), day_(day), month_(month), year_(year),
      monthName_(std::move(monthName)), weekDayName_(std::move(weekDayName)),
      dateFullString_(std::move(dateFullString)), estimate_(estimate)
{
}

} // namespace core
