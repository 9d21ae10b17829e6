// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/DateTexts.h"

#include "core/RGDate.h"
#include "platform/calendar/CivilDays.h"
#include "platform/calendar/NumberFormatter.h"

#include <map>
#include <mutex>
#include <optional>
#include <unicode/calendar.h>
#include <unicode/decimfmt.h>
#include <unicode/dtfmtsym.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <vector>

namespace core {

namespace {

using platform::CalendarIdentifier;

QString qString(const icu::UnicodeString &s)
{
    return QString(reinterpret_cast<const QChar *>(s.getBuffer()), s.length());
}

QByteArray icuLocaleId(const QString &locale, CalendarIdentifier calendar)
{
    // A locale may carry keywords of its own, such as a numbering system.
    const char *keyword =
        calendar == CalendarIdentifier::gregorian ? "calendar=gregorian" : "calendar=islamic-umalqura";
    return locale.toLatin1() + (locale.contains(QLatin1Char('@')) ? ";" : "@") + keyword;
}

std::unique_ptr<icu::SimpleDateFormat> icuFormat(const QString &locale, CalendarIdentifier calendar,
                                                 const icu::UnicodeString &pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    const icu::Locale icuLocale(icuLocaleId(locale, calendar).constData());
    auto format = std::make_unique<icu::SimpleDateFormat>(pattern, icuLocale, status);
    if (U_FAILURE(status))
        return nullptr;
    // Names do not depend on the zone; UTC keeps sample days where they are put.
    format->adoptCalendar(icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icuLocale, status));
    return U_SUCCESS(status) ? std::move(format) : nullptr;
}

// Days that between them show every month name, every weekday name and every
// digit of the day of the month, in the fast range of each calendar, and the
// edges of the Hijri table. Each day ICU formats costs (an Umm al-Qura day
// most), so the walk stops as soon as everything has been seen.
std::vector<std::int64_t> sampleDays(CalendarIdentifier calendar)
{
    const bool gregorian = calendar == CalendarIdentifier::gregorian;
    std::vector<std::int64_t> days;
    // ICU finds an Umm al-Qura day by walking the years from 1300 AH, so the
    // Hijri samples come from the table's first years, where that is short.
    const std::int64_t start = gregorian ? DayTable::fromGregorian(2020, 1, 1) : DayTable::firstHijriDay();
    constexpr unsigned everyMonth = (1u << 12) - 1, everyWeekday = (1u << 7) - 1, everyDigit = (1u << 10) - 1;
    unsigned months = 0, weekdays = 0, digits = 0;
    // 37 days on: the weekday moves by two and the day of the month by six or
    // seven, so a sample seldom repeats what an earlier one showed.
    for (std::int64_t at = start; months != everyMonth || weekdays != everyWeekday || digits != everyDigit;
         at += 37) {
        const std::optional<CalendarDay> day = gregorian ? DayTable::gregorian(at) : DayTable::hijri(at);
        if (!day || at - start > 37 * 200)
            break; // beyond the table: the samples so far are all there are
        const unsigned month = 1u << (day->month - 1), weekday = 1u << (DayTable::weekday(at) - 1);
        const unsigned digit = (1u << (day->day / 10)) | (1u << (day->day % 10));
        if ((months & month) && (weekdays & weekday) && (digits | digit) == digits)
            continue;
        months |= month;
        weekdays |= weekday;
        digits |= digit;
        days.push_back(at);
    }
    if (gregorian) {
        days.push_back(DayTable::fromGregorian(platform::civil::firstReformedYear, 1, 1));
        days.push_back(DayTable::fromGregorian(9999, 12, 31));
    } else {
        days.push_back(DayTable::firstHijriDay());
        days.push_back(DayTable::endHijriDay() - 1);
    }
    return days;
}

// The three patterns in one, split by a control character no name contains.
icu::UnicodeString checkPattern(const QString &locale)
{
    const QString pattern = QStringLiteral("EEEE'\x1f'MMMM (M)'\x1f'") + RGDate::dateFullPatternFor(locale);
    return icu::UnicodeString(reinterpret_cast<const UChar *>(pattern.utf16()),
                              static_cast<int32_t>(pattern.size()));
}

} // namespace

std::unique_ptr<DateTexts> DateTexts::fromIcu(const QString &locale, CalendarIdentifier calendar)
{
    std::shared_ptr<const icu::SimpleDateFormat> format = icuFormat(locale, calendar, checkPattern(locale));
    if (!format)
        return nullptr;
    // ICU writes numbers with a numbering system; only a plain ten-digit one
    // can be followed digit by digit.
    const auto *numbers = dynamic_cast<const icu::DecimalFormat *>(format->getNumberFormat());
    if (!numbers)
        return nullptr;
    std::unique_ptr<DateTexts> texts(new DateTexts);
    texts->format_ = format;
    texts->locale_ = locale;
    texts->calendar_ = calendar;
    const icu::DecimalFormatSymbols *symbols = numbers->getDecimalFormatSymbols();
    static constexpr icu::DecimalFormatSymbols::ENumberFormatSymbol digitSymbols[] = {
        icu::DecimalFormatSymbols::kZeroDigitSymbol,  icu::DecimalFormatSymbols::kOneDigitSymbol,
        icu::DecimalFormatSymbols::kTwoDigitSymbol,   icu::DecimalFormatSymbols::kThreeDigitSymbol,
        icu::DecimalFormatSymbols::kFourDigitSymbol,  icu::DecimalFormatSymbols::kFiveDigitSymbol,
        icu::DecimalFormatSymbols::kSixDigitSymbol,   icu::DecimalFormatSymbols::kSevenDigitSymbol,
        icu::DecimalFormatSymbols::kEightDigitSymbol, icu::DecimalFormatSymbols::kNineDigitSymbol};
    texts->asciiDigits_ = true;
    for (size_t i = 0; i < 10; ++i) {
        texts->digits_[i] = qString(symbols->getSymbol(digitSymbols[i]));
        if (texts->digits_[i].isEmpty())
            return nullptr;
        texts->asciiDigits_ =
            texts->asciiDigits_ && texts->digits_[i] == QChar(static_cast<char16_t>(u'0' + i));
    }
    const icu::DateFormatSymbols *names = format->getDateFormatSymbols();
    int32_t count = 0;
    const icu::UnicodeString *months =
        names->getMonths(count, icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE);
    if (count < 12)
        return nullptr;
    // ICU hands out plain arrays of UnicodeString, never of a derived type.
    for (size_t i = 0; i < 12; ++i)
        // NOLINTNEXTLINE(bugprone-pointer-arithmetic-on-polymorphic-object)
        texts->monthNames_[i] = qString(months[i]);
    const auto takeWeekdays = [names](icu::DateFormatSymbols::DtContextType context,
                                      icu::DateFormatSymbols::DtWidthType width,
                                      std::array<QString, 7> &into) {
        int32_t found = 0;
        // Index 1 is Sunday; 0 is unused.
        const icu::UnicodeString *weekdays = names->getWeekdays(found, context, width);
        if (found < 8)
            return false;
        for (size_t i = 0; i < 7; ++i)
            // NOLINTNEXTLINE(bugprone-pointer-arithmetic-on-polymorphic-object)
            into[i] = qString(weekdays[i + 1]);
        return true;
    };
    // The short ones standing alone are what "ccc" writes: the formatter takes
    // them from the same symbols.
    if (!takeWeekdays(icu::DateFormatSymbols::FORMAT, icu::DateFormatSymbols::WIDE, texts->weekDayNames_) ||
        !takeWeekdays(icu::DateFormatSymbols::STANDALONE, icu::DateFormatSymbols::ABBREVIATED,
                      texts->shortWeekDayNames_))
        return nullptr;
    texts->makeComposedTexts();
    return texts;
}

void DateTexts::makeComposedTexts()
{
    comma_ = RGDate::listSeparator(locale_);
    for (int day = 1; day <= 31; ++day)
        twoDigitDays_[static_cast<size_t>(day - 1)] = number(day, 2);
    for (int month = 1; month <= 12; ++month) {
        const auto i = static_cast<size_t>(month - 1);
        monthTexts_[i] = monthNames_[i] + QStringLiteral(" (") + number(month, 1) + QLatin1Char(')');
    }
}

void DateTexts::setMonthName(int month, const QString &name)
{
    monthNames_.at(static_cast<size_t>(month - 1)) = name;
    makeComposedTexts();
}

void DateTexts::setWeekDayName(int weekday, const QString &name)
{
    weekDayNames_.at(static_cast<size_t>(weekday - 1)) = name;
}

void DateTexts::setDigit(int digit, const QString &text)
{
    digits_.at(static_cast<size_t>(digit)) = text;
    asciiDigits_ = false;
    makeComposedTexts();
}

QString DateTexts::number(std::int64_t value, int minimumDigits) const
{
    char ascii[24];
    int length = 0;
    do {
        ascii[length++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0 && length < 20);
    while (length < minimumDigits && length < 20)
        ascii[length++] = '0';
    QString out;
    out.reserve(length * (digits_[0].size()));
    for (int i = length - 1; i >= 0; --i) {
        if (asciiDigits_)
            out += QLatin1Char(ascii[i]);
        else
            out += digits_[static_cast<size_t>(ascii[i] - '0')];
    }
    return out;
}

QString DateTexts::dateFullString(const CalendarDay &day) const
{
    const QString &dd = twoDigitDays_.at(static_cast<size_t>(day.day - 1));
    const QString &month = monthName(day.month);
    const QString year = number(day.year, 4);
    QString out;
    out.reserve(dd.size() + 1 + month.size() + comma_.size() + year.size());
    out += dd;
    out += QLatin1Char(' ');
    out += month;
    out += comma_;
    out += year;
    return out;
}

bool DateTexts::matchesIcu() const
{
    std::shared_ptr<const icu::SimpleDateFormat> format = format_;
    if (!format)
        format = icuFormat(locale_, calendar_, checkPattern(locale_));
    if (!format)
        return false;
    const icu::Calendar &calendar = *format->getCalendar();
    std::unique_ptr<icu::Calendar> work(calendar.clone());
    for (const std::int64_t days : sampleDays(calendar_)) {
        UErrorCode status = U_ZERO_ERROR;
        work->setTime(static_cast<UDate>(days * 86'400'000 + 43'200'000), status);
        icu::UnicodeString icuText;
        icu::FieldPosition position;
        format->format(*work, icuText, position);
        CalendarDay day;
        day.year = work->get(UCAL_YEAR, status);
        day.month = work->get(UCAL_MONTH, status) + 1;
        day.day = work->get(UCAL_DATE, status);
        const int weekday = work->get(UCAL_DAY_OF_WEEK, status);
        if (U_FAILURE(status) || day.day < 1 || day.day > 31 || day.month < 1 || day.month > 12)
            return false;
        const QString ours =
            weekDayName(weekday) + QChar(0x1f) + monthName(day.month) + QChar(0x1f) + dateFullString(day);
        if (ours != qString(icuText))
            return false;
    }
    return true;
}

std::unique_ptr<DateTexts> DateTexts::fromNames(const QString &locale, CalendarIdentifier calendar,
                                                const DateTextsCache::Names &names)
{
    if (!names.usable)
        return nullptr;
    std::unique_ptr<DateTexts> texts(new DateTexts);
    texts->locale_ = locale;
    texts->calendar_ = calendar;
    texts->monthNames_ = names.months;
    texts->weekDayNames_ = names.weekdays;
    texts->shortWeekDayNames_ = names.shortWeekdays;
    texts->plainNumbers_ = names.plainNumbers;
    texts->digits_ = names.digits;
    texts->asciiDigits_ = true;
    for (size_t i = 0; i < 10; ++i)
        texts->asciiDigits_ =
            texts->asciiDigits_ && names.digits[i] == QChar(static_cast<char16_t>(u'0' + i));
    texts->makeComposedTexts();
    return texts;
}

DateTextsCache::Names DateTexts::names() const
{
    return DateTextsCache::Names{true,          plainNumbers_,      monthNames_,
                                 weekDayNames_, shortWeekDayNames_, digits_};
}

std::unique_ptr<DateTexts> DateTexts::fromCache(DateTextsCache &cache, const QString &locale,
                                                CalendarIdentifier calendar)
{
    if (const auto names = cache.find(locale, calendar))
        return fromNames(locale, calendar, *names);
    auto texts = fromIcu(locale, calendar);
    if (texts && !texts->matchesIcu())
        texts.reset();
    if (texts) {
        texts->format_.reset();
        // Every digit once: the date's digits are the number format's too.
        platform::NumberFormatter numbers;
        numbers.setLocaleName(locale);
        constexpr std::int64_t everyDigit = 1234567890;
        texts->plainNumbers_ = numbers.string(everyDigit) == texts->number(everyDigit, 1);
    }
    cache.insert(locale, calendar, texts ? texts->names() : DateTextsCache::Names{});
    return texts;
}

const DateTexts *DateTexts::forLocale(const QString &locale, CalendarIdentifier calendar)
{
    struct Last
    {
        QString locale;
        CalendarIdentifier calendar;
        const DateTexts *texts;
    };
    // Records alternate between two calendars of one locale: remember both.
    thread_local std::array<std::optional<Last>, 2> last;
    const auto slot = static_cast<size_t>(calendar == CalendarIdentifier::gregorian ? 0 : 1);
    if (last[slot] && last[slot]->locale == locale)
        return last[slot]->texts;
    thread_local std::map<std::pair<QString, int>, std::unique_ptr<DateTexts>> made;
    const std::pair<QString, int> key{locale, static_cast<int>(calendar)};
    auto it = made.find(key);
    if (it == made.end()) {
        // One file for the process, read on first use; threads take turns,
        // so a locale is asked of ICU once.
        static std::mutex mutex;
        std::lock_guard lock(mutex);
        static DateTextsCache cache(DateTextsCache::defaultDirectory(), DateTextsCache::currentKey());
        it = made.emplace(key, fromCache(cache, locale, calendar)).first;
    }
    last[slot] = Last{locale, calendar, it->second.get()};
    return it->second.get();
}

} // namespace core
