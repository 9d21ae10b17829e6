// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The day tables and the locale text tables against ICU: every Umm al-Qura day
// of the table both ways, and the records' texts byte for byte in several
// locales, zones and adjustments.
#include "LiteralDateCore.h"
#include "RowName.h"
#include "TestEnvironment.h"
#include "core/DateTexts.h"
#include "core/DayTable.h"
#include "core/RGConv.h"
#include "core/SharedDefaults.h"

#include <gtest/gtest.h>
#include <memory>
#include <unicode/calendar.h>
#include <unicode/gregocal.h>
#include <unicode/timezone.h>

using core::CalendarDay;
using core::DateTexts;
namespace DayTable = core::DayTable;
using platform::CalendarIdentifier;
using testenv::gregorianInstant;

namespace {

constexpr double msecsPerDay = 86'400'000.0;
constexpr int epochJulianDay = 2440588;

std::unique_ptr<icu::Calendar> icuCalendar(const char *locale)
{
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<icu::Calendar> cal(
        icu::Calendar::createInstance(icu::TimeZone::getGMT()->clone(), icu::Locale(locale), status));
    EXPECT_TRUE(U_SUCCESS(status));
    return cal;
}

TEST(DayTableTest, EveryTableDayIsIcusUmmAlQuraDayBothWays)
{
    auto cal = icuCalendar("en@calendar=islamic-umalqura");
    ASSERT_EQ(DayTable::firstHijriYear(), 1300);
    ASSERT_EQ(DayTable::lastHijriYear(), 1600);
    std::int64_t checked = 0;
    for (std::int64_t days = DayTable::firstHijriDay(); days < DayTable::endHijriDay(); ++days) {
        UErrorCode status = U_ZERO_ERROR;
        // Gregorian to Hijri: ICU's fields of the day.
        cal->setTime(static_cast<double>(days) * msecsPerDay, status);
        const CalendarDay icu{cal->get(UCAL_EXTENDED_YEAR, status), cal->get(UCAL_MONTH, status) + 1,
                              cal->get(UCAL_DATE, status)};
        ASSERT_TRUE(U_SUCCESS(status));
        const auto ours = DayTable::hijri(days);
        ASSERT_TRUE(ours) << days;
        ASSERT_EQ(*ours, icu) << days;
        // Hijri to Gregorian: the day ICU puts that Hijri date on. Month starts
        // come from ICU's own walk, so compute them only once per month.
        ASSERT_EQ(DayTable::fromHijri(icu.year, icu.month, icu.day), days);
        if (icu.day == 1) {
            cal->clear();
            cal->set(UCAL_EXTENDED_YEAR, static_cast<int32_t>(icu.year));
            cal->set(UCAL_MONTH, icu.month - 1);
            cal->set(UCAL_DATE, 1);
            ASSERT_EQ(cal->get(UCAL_JULIAN_DAY, status) - epochJulianDay, days);
        }
        ++checked;
    }
    EXPECT_GT(checked, 106'000);
    EXPECT_FALSE(DayTable::hijri(DayTable::firstHijriDay() - 1));
    EXPECT_FALSE(DayTable::hijri(DayTable::endHijriDay()));
}

TEST(DayTableTest, HijriDaysThatDoNotExistHaveNoDayNumber)
{
    struct Row
    {
        std::int64_t year;
        int month, day;
    };
    for (const Row r : {Row{1299, 12, 29}, Row{1601, 1, 1}, Row{1447, 13, 1}, Row{1447, 0, 1},
                        Row{1447, 9, 0}, Row{1447, 9, 31}}) {
        SCOPED_TRACE(testing::Message() << r.year << "/" << r.month << "/" << r.day);
        EXPECT_FALSE(DayTable::fromHijri(r.year, r.month, r.day));
    }
    // Day 30 exists only in 30-day months.
    for (int month = 1; month <= 12; ++month) {
        const auto start = *DayTable::fromHijri(1447, month, 1);
        const auto next =
            month < 12 ? *DayTable::fromHijri(1447, month + 1, 1) : *DayTable::fromHijri(1448, 1, 1);
        EXPECT_EQ(DayTable::fromHijri(1447, month, 30).has_value(), next - start == 30);
    }
}

TEST(DayTableTest, GregorianDaysAndWeekdaysMatchIcu)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::GregorianCalendar cal(icu::TimeZone::getGMT()->clone(), icu::Locale("en"), status);
    // Every day from the end of the Julian calendar to 2600, then a few far ones.
    const std::int64_t from = DayTable::fromGregorian(1582, 10, 15);
    const std::int64_t to = DayTable::fromGregorian(2600, 1, 1);
    for (std::int64_t days = from; days < to; ++days) {
        cal.setTime(static_cast<double>(days) * msecsPerDay, status);
        const CalendarDay icu{cal.get(UCAL_YEAR, status), cal.get(UCAL_MONTH, status) + 1,
                              cal.get(UCAL_DATE, status)};
        ASSERT_EQ(DayTable::gregorian(days), icu) << days;
        ASSERT_EQ(DayTable::fromGregorian(icu.year, icu.month, icu.day), days);
        ASSERT_EQ(DayTable::weekday(days), cal.get(UCAL_DAY_OF_WEEK, status)) << days;
    }
    EXPECT_EQ(DayTable::fromGregorian(1970, 1, 1), 0);
    EXPECT_EQ(DayTable::fromGregorian(1583, 1, 1), -141'349);
    EXPECT_EQ(DayTable::fromGregorian(9999, 12, 31), 2'932'896);
    EXPECT_EQ(DayTable::weekday(0), 5) << "1 January 1970 was a Thursday";
    EXPECT_EQ(DayTable::weekday(-1), 4);
    EXPECT_EQ(DayTable::gregorian(DayTable::fromGregorian(9999, 12, 31)), (CalendarDay{9999, 12, 31}));
}

// Locales the tests use, one of them with its own digits (Persian's extended
// Arabic-Indic, Bengali's own) besides Arabic's Arabic-Indic ones.
struct LocaleRow
{
    const char *locale;
    const char16_t *sampleDigits; // 1447 as the locale writes it
};
const LocaleRow locales[] = {
    {"en_US", u"1447"}, {"ar_SA", u"١٤٤٧"}, {"fr_FR", u"1447"}, {"fa_IR", u"۱۴۴۷"}, {"bn_BD", u"১৪৪৭"},
};

class DateTextsTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
};

TEST_F(DateTextsTest, TablesOfEveryTestLocaleReproduceIcu)
{
    for (const LocaleRow &row : locales) {
        SCOPED_TRACE(row.locale);
        for (const auto calendar : {CalendarIdentifier::gregorian, CalendarIdentifier::islamicUmmAlQura}) {
            const DateTexts *texts = DateTexts::forLocale(QString::fromLatin1(row.locale), calendar);
            ASSERT_NE(texts, nullptr);
            EXPECT_EQ(texts->number(1447, 1), QString::fromUtf16(row.sampleDigits));
            EXPECT_EQ(texts->number(7, 2).size(), 2);
        }
    }
}

TEST_F(DateTextsTest, RecordsFromTablesEqualIcuFormattingOverManyDays)
{
    for (const LocaleRow &row : locales) {
        SCOPED_TRACE(row.locale);
        env.setLocale(QString::fromLatin1(row.locale));
        const platform::Calendar gregorian(CalendarIdentifier::gregorian);
        const platform::Calendar islamic(CalendarIdentifier::islamicUmmAlQura);
        // Every 17th day for six years: all months, weekdays and day numbers;
        // late evening, so a zone slip would show as the wrong day.
        for (int i = 0; i < 130; ++i) {
            const auto at = gregorianInstant(2024, 1, 1, 23, 30) + std::chrono::hours(24 * 17 * i);
            for (const platform::Calendar *calendar : {&gregorian, &islamic}) {
                const core::RGDate fast(at, *calendar);
                const literal::Record plain = literal::makeRecord(at, *calendar);
                ASSERT_TRUE(literal::sameRecord(plain, fast))
                    << calendar->identifierName().toStdString() << " " << i << ": "
                    << fast.dateFullString().toStdString() << " vs " << plain.dateFullString.toStdString();
            }
        }
    }
}

TEST_F(DateTextsTest, DaysOutsideTheTablesAndOtherZonesStillComeFromIcu)
{
    struct Row
    {
        const char *what;
        int year, month, day;
        const char *calendarZone; // null: the device's
    };
    const Row rows[] = {
        {"before the Umm al-Qura table (1299 AH)", 1882, 1, 1, nullptr},
        {"after the Umm al-Qura table (1601 AH)", 2175, 6, 1, nullptr},
        {"Julian days before 1583", 1500, 3, 1, nullptr},
        {"a calendar in another zone than the device", 2026, 12, 5, "America/Los_Angeles"},
    };
    for (const char *locale : {"en_US", "ar_SA"}) {
        env.setLocale(QString::fromLatin1(locale));
        for (const Row &r : rows) {
            SCOPED_TRACE(testing::Message() << locale << ": " << r.what);
            for (const auto id : {CalendarIdentifier::gregorian, CalendarIdentifier::islamicUmmAlQura}) {
                platform::Calendar calendar(id);
                if (r.calendarZone)
                    calendar.setTimeZoneId(QString::fromLatin1(r.calendarZone));
                const auto at = gregorianInstant(r.year, r.month, r.day, 1, 0, QStringLiteral("UTC"));
                EXPECT_TRUE(
                    literal::sameRecord(literal::makeRecord(at, calendar), core::RGDate(at, calendar)));
            }
        }
    }
}

TEST_F(DateTextsTest, NumberingSystemsThatAreNotTenDigitsAreLeftToIcu)
{
    struct Row
    {
        const char *locale;
        const char16_t *year; // empty: no tables, ICU formats this locale
    };
    const Row rows[] = {
        {"ta_IN@numbers=taml", u""},            // Tamil numerals have no zero
        {"he_IL@numbers=hebr", u""},            // Hebrew letters add up
        {"th_TH@numbers=thai", u"๑๔๔๗"},        // ten digits of their own
        {"zh_CN@numbers=hanidec", u"一四四七"}, // ten ideographs used as digits
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.locale);
        for (const auto calendar : {CalendarIdentifier::gregorian, CalendarIdentifier::islamicUmmAlQura}) {
            const DateTexts *texts = DateTexts::forLocale(QString::fromLatin1(row.locale), calendar);
            const QString year = QString::fromUtf16(row.year);
            ASSERT_EQ(texts != nullptr, !year.isEmpty());
            if (texts) {
                EXPECT_EQ(texts->number(1447, 4), year);
            }
        }
    }
}

// The check formats only a handful of days: a wrong name of any month or
// weekday, or any wrong digit, must still be among what it sees.
TEST_F(DateTextsTest, ATableThatDisagreesWithIcuIsNotUsed)
{
    const auto fresh = [](const char *locale, CalendarIdentifier calendar) {
        auto texts = DateTexts::fromIcu(QString::fromLatin1(locale), calendar);
        EXPECT_TRUE(texts && texts->matchesIcu());
        return texts;
    };
    for (const char *locale : {"fr_FR", "ar_SA"}) {
        for (const auto calendar : {CalendarIdentifier::gregorian, CalendarIdentifier::islamicUmmAlQura}) {
            SCOPED_TRACE(testing::Message() << locale << " " << static_cast<int>(calendar));
            for (int month = 1; month <= 12; ++month) {
                auto texts = fresh(locale, calendar);
                ASSERT_TRUE(texts);
                texts->setMonthName(month, texts->monthName(month).left(2) + QStringLiteral("h"));
                EXPECT_FALSE(texts->matchesIcu()) << "month " << month;
            }
            for (int weekday = 1; weekday <= 7; ++weekday) {
                auto texts = fresh(locale, calendar);
                ASSERT_TRUE(texts);
                texts->setWeekDayName(weekday, texts->weekDayName(weekday) + QStringLiteral("x"));
                EXPECT_FALSE(texts->matchesIcu()) << "weekday " << weekday;
            }
            for (int digit = 0; digit <= 9; ++digit) {
                auto texts = fresh(locale, calendar);
                ASSERT_TRUE(texts);
                texts->setDigit(digit, QStringLiteral("#"));
                EXPECT_FALSE(texts->matchesIcu()) << "digit " << digit;
            }
        }
    }
}

// Zones where days are not 24 hours: the day follows the zone and the
// adjustment keeps the wall-clock time across the change.
struct ZoneDayRow
{
    const char *what;
    const char *zone;
    int year, month, day, hour;
};

const ZoneDayRow zoneDayRows[] = {
    {"NewYorkSpringForward", "America/New_York", 2026, 3, 7, 23}, // overnight
    {"NewYorkFallBack", "America/New_York", 2026, 11, 1, 0},
    {"SaoPauloMidnightSkipped", "America/Sao_Paulo", 2018, 11, 3, 0},
    {"LordHoweHalfHour", "Australia/Lord_Howe", 2026, 10, 3, 23},
    {"ApiaWholeDaySkipped", "Pacific/Apia", 2011, 12, 29, 12},
    {"TehranSpringForward", "Asia/Tehran", 2021, 3, 21, 23},
};

class ZoneDay : public DateTextsTest, public ::testing::WithParamInterface<ZoneDayRow>
{
};

TEST_P(ZoneDay, RecordsFollowTheZoneAndShiftsKeepTheWallClock)
{
    const ZoneDayRow &r = GetParam();
    env.setTimeZone(QString::fromLatin1(r.zone));
    for (int adjustment : {-2, -1, 0, 1, 2}) {
        SCOPED_TRACE(adjustment);
        env.suite()->setInteger(core::keys::adjustmentNumber, adjustment);
        const auto at = gregorianInstant(r.year, r.month, r.day, r.hour);
        for (int hours : {0, 1, 24, 25}) {
            SCOPED_TRACE(testing::Message() << "+" << hours << " h");
            const auto when = at + std::chrono::hours(hours);
            core::RGConv conv(when);
            literal::Converter plain(when);
            EXPECT_TRUE(literal::sameRecord(plain.gregorian, *conv.gregorianDate()));
            EXPECT_TRUE(literal::sameRecord(plain.hijri, *conv.hijriDate()));
            conv.setDate(when, conv.islamicCalendar());
            plain.setDate(when, plain.islamicCalendar);
            EXPECT_TRUE(literal::sameRecord(plain.gregorian, *conv.gregorianDate()));
            EXPECT_TRUE(literal::sameRecord(plain.hijri, *conv.hijriDate()));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DateTexts, ZoneDay, ::testing::ValuesIn(zoneDayRows), testenv::RowWhat());

} // namespace
