// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// RGConv and RGDate: conversion facts, the adjustment in both directions,
// display strings, and arithmetic at the edges.
#include "core/RGConv.h"

#include "RowName.h"
#include "TestEnvironment.h"
#include "core/DayTable.h"
#include "core/RGDateJson.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/CivilDays.h"

#include <QDate>
#include <QJsonObject>
#include <QLocale>
#include <gtest/gtest.h>
#include <string>

using core::RGConv;
using testenv::gregorianInstant;
using testenv::hijriInstant;

namespace {

struct Fact
{
    int gy, gm, gd;
    int hy, hm, hd;
    const char *source;
};

// Published Umm al-Qura dates, not computed here.
const Fact facts[] = {
    {2026, 2, 18, 1447, 9, 1, "start of Ramadan 1447 (Umm al-Qura calendar, KACST)"},
    {2026, 6, 16, 1448, 1, 1, "1 Muharram 1448 (Umm al-Qura)"},
    {2025, 3, 1, 1446, 9, 1, "start of Ramadan 1446 (Umm al-Qura)"},
    {2024, 6, 16, 1445, 12, 10, "Eid al-Adha 1445 (Saudi announcement)"},
    {2023, 4, 21, 1444, 10, 1, "Eid al-Fitr 1444 (Umm al-Qura)"},
};

class RGConvTest : public ::testing::Test
{
protected:
    void setAdjustment(std::int64_t days) { env.suite()->setInteger(core::keys::adjustmentNumber, days); }
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
};

class PublishedDate : public RGConvTest, public ::testing::WithParamInterface<Fact>
{
};

TEST_P(PublishedDate, ConvertsInBothDirections)
{
    const Fact &f = GetParam();
    SCOPED_TRACE(f.source);
    const RGConv fromGregorian(gregorianInstant(f.gy, f.gm, f.gd, 10));
    EXPECT_EQ(fromGregorian.hijriDate()->year(), f.hy);
    EXPECT_EQ(fromGregorian.hijriDate()->month(), f.hm);
    EXPECT_EQ(fromGregorian.hijriDate()->day(), f.hd);

    RGConv fromHijri(gregorianInstant(2000, 1, 1));
    fromHijri.setDate(hijriInstant(f.hy, f.hm, f.hd), fromHijri.islamicCalendar());
    EXPECT_EQ(fromHijri.gregorianDate()->year(), f.gy);
    EXPECT_EQ(fromHijri.gregorianDate()->month(), f.gm);
    EXPECT_EQ(fromHijri.gregorianDate()->day(), f.gd);
}

// Named by the Hijri day: PublishedDates/PublishedDate.ConvertsInBothDirections/AH1447_9_1.
INSTANTIATE_TEST_SUITE_P(PublishedDates, PublishedDate, ::testing::ValuesIn(facts),
                         [](const ::testing::TestParamInfo<Fact> &row) {
                             const Fact &f = row.param;
                             return "AH" + std::to_string(f.hy) + "_" + std::to_string(f.hm) + "_" +
                                    std::to_string(f.hd);
                         });

TEST_F(RGConvTest, WithoutStoredAdjustmentBothRecordsDescribeTheSameMoment)
{
    const auto at = gregorianInstant(2026, 12, 5, 15, 30);
    const RGConv conv(at);
    EXPECT_EQ(conv.adjustmentNumber(), 0);
    EXPECT_EQ(conv.gregorianDate()->date(), at);
    EXPECT_EQ(conv.hijriDate()->date(), at);
    EXPECT_EQ(conv.hijriDate()->weekDayName(), conv.gregorianDate()->weekDayName());
}

TEST_F(RGConvTest, PositiveAdjustmentShowsTheNextHijriDateForTheSameDay)
{
    setAdjustment(1);
    const RGConv conv(gregorianInstant(2026, 2, 17, 8)); // 29 Sha'ban 1447; +1 is 1 Ramadan
    EXPECT_EQ(conv.gregorianDate()->day(), 17);
    EXPECT_EQ(conv.gregorianDate()->weekDayName(), QStringLiteral("Tuesday"));
    EXPECT_EQ(conv.hijriDate()->day(), 1);
    EXPECT_EQ(conv.hijriDate()->month(), 9);
    // The Hijri date is shown for Tuesday the 17th: it names that day.
    EXPECT_EQ(conv.hijriDate()->weekDayName(), QStringLiteral("Tuesday"));
    EXPECT_EQ(conv.hijriDate()->shownFor(), gregorianInstant(2026, 2, 17, 8));
    // A Hijri date picker is set to the moment whose Umm al-Qura day it is.
    EXPECT_EQ(conv.hijriDate()->date(), gregorianInstant(2026, 2, 18, 8));
}

// Around the turn of 1447/1448 AH and of 2026/2027 CE, in both directions and
// through the tables and ICU alike: the Hijri record names the day it is
// shown for, and its date is the Umm al-Qura day of that day plus the
// adjustment (from the month-start table, not from the converter).
TEST_F(RGConvTest, TheHijriWeekdayIsTheDaysOwnUnderEveryAdjustment)
{
    const QDate starts[] = {{2026, 6, 10}, {2026, 12, 25}};
    for (const bool tables : {true, false}) {
        for (int adjustment = -2; adjustment <= 2; ++adjustment) {
            setAdjustment(adjustment);
            for (const QDate &start : starts) {
                for (int i = 0; i < 14; ++i) {
                    const QDate day = start.addDays(i);
                    SCOPED_TRACE(testing::Message()
                                 << day.toString(Qt::ISODate).toStdString() << " adjustment " << adjustment
                                 << (tables ? " tables" : " icu"));
                    env.setTimeZone(QStringLiteral("Asia/Riyadh"));
                    const auto noon = gregorianInstant(day.year(), day.month(), day.day(), 12);
                    RGConv conv(noon);
                    // A device zone other than the converter's keeps its
                    // records off the tables: ICU formats them.
                    if (!tables)
                        env.setTimeZone(QStringLiteral("Europe/London"));
                    const std::int64_t number =
                        core::DayTable::fromGregorian(day.year(), day.month(), day.day()) + adjustment;
                    const auto expected = core::DayTable::hijri(number);
                    ASSERT_TRUE(expected);
                    for (const bool fromHijri : {false, true}) {
                        if (fromHijri)
                            conv.setDate(conv.hijriDate()->date(), conv.islamicCalendar());
                        else
                            conv.setDate(noon, conv.gregorianCalendar());
                        const core::RGDate &hijri = *conv.hijriDate();
                        EXPECT_EQ(hijri.weekDayName(), conv.gregorianDate()->weekDayName());
                        EXPECT_EQ(hijri.weekDayName(),
                                  QLocale(QStringLiteral("en_US")).dayName(day.dayOfWeek()));
                        EXPECT_EQ(hijri.shownFor(), conv.gregorianDate()->date());
                        EXPECT_EQ(conv.gregorianDate()->day(), day.day());
                        EXPECT_EQ(hijri.year(), expected->year);
                        EXPECT_EQ(hijri.month(), expected->month);
                        EXPECT_EQ(hijri.day(), expected->day);
                    }
                }
            }
        }
    }
    env.setTimeZone(QStringLiteral("Asia/Riyadh"));
}

TEST_F(RGConvTest, JsonNamesTheDayItselfOnBothSides)
{
    setAdjustment(-2);
    const auto noon = gregorianInstant(2026, 12, 7, 12);
    const RGConv conv(noon);
    const QJsonObject json = core::toJson(conv);
    const QJsonObject hijri = json.value(QStringLiteral("hijri")).toObject();
    EXPECT_EQ(hijri.value(QStringLiteral("date")),
              json.value(QStringLiteral("gregorian")).toObject().value(QStringLiteral("date")));
    EXPECT_EQ(hijri.value(QStringLiteral("weekDayName")).toString(), QStringLiteral("Monday"));
    EXPECT_EQ(hijri.value(QStringLiteral("day")).toInt(), 25); // 27 Jumada II 1448 less two days
    EXPECT_EQ(json.value(QStringLiteral("adjustment")).toInt(), -2);
    EXPECT_EQ(json.value(QStringLiteral("estimate")), QJsonValue(false));
    EXPECT_FALSE(hijri.contains(QStringLiteral("estimate")));
    // Read back (the widget host does), the record is the one written.
    const auto back = core::recordFromJson(hijri);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, *conv.hijriDate());
}

// Umm al-Qura reckons 1300 to 1600 AH by its table; ICU's arithmetic stands
// in outside, and every record there says so.
platform::Instant noonOf(std::int64_t days)
{
    const platform::civil::YearMonthDay d = platform::civil::civilFromDays(days);
    return gregorianInstant(int(d.year), d.month, d.day, 12);
}

struct EstimateRow
{
    const char *what;
    std::int64_t (*day)(); // read once the test's zone is set
    bool estimate;
};

const EstimateRow estimateRows[] = {
    {"FirstDayOf1300", [] { return core::DayTable::firstHijriDay(); }, false},
    {"DayBefore1300", [] { return core::DayTable::firstHijriDay() - 1; }, true},
    {"LastDayOf1600", [] { return core::DayTable::endHijriDay() - 1; }, false},
    {"DayAfter1600", [] { return core::DayTable::endHijriDay(); }, true},
    {"Gregorian1800", [] { return core::DayTable::fromGregorian(1800, 1, 1); }, true},
    {"Gregorian2026", [] { return core::DayTable::fromGregorian(2026, 12, 7); }, false},
};

class HijriEstimate : public RGConvTest, public ::testing::WithParamInterface<EstimateRow>
{
};

TEST_P(HijriEstimate, IsMarkedOnTheRecordAndInItsJson)
{
    const EstimateRow &row = GetParam();
    const RGConv conv(noonOf(row.day()));
    EXPECT_EQ(conv.hijriDate()->isEstimate(), row.estimate);
    EXPECT_FALSE(conv.gregorianDate()->isEstimate());
    EXPECT_EQ(core::toJson(*conv.hijriDate()).value(QStringLiteral("estimate")).toBool(), row.estimate);
    EXPECT_EQ(core::toJson(conv).value(QStringLiteral("estimate")).toBool(), row.estimate);
    const auto back = core::recordFromJson(core::toJson(*conv.hijriDate()));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->isEstimate(), row.estimate);
}

INSTANTIATE_TEST_SUITE_P(UmmAlQuraTable, HijriEstimate, ::testing::ValuesIn(estimateRows),
                         testenv::RowWhat());

TEST_F(RGConvTest, UnderAnAdjustmentTheShiftedDayDecidesWhetherItIsAnEstimate)
{
    setAdjustment(1);
    EXPECT_FALSE(RGConv(noonOf(core::DayTable::firstHijriDay() - 1)).hijriDate()->isEstimate());
}

TEST_F(RGConvTest, OnlyDaysFromTheHijriEraToTheYear9999AreConvertible)
{
    EXPECT_TRUE(RGConv::isConvertibleDay(gregorianInstant(2026, 12, 7, 12)));
    EXPECT_TRUE(RGConv::isConvertibleDay(gregorianInstant(9999, 12, 31, 12)));
    EXPECT_FALSE(RGConv::isConvertibleDay(gregorianInstant(10000, 1, 1, 12)));
    const RGConv conv(gregorianInstant(2026, 12, 7, 12));
    const platform::Instant era = conv.firstHijriMoment();
    EXPECT_EQ(conv.islamicCalendar().components(era + std::chrono::hours(12)).year, 1);
    EXPECT_EQ(conv.gregorianCalendar().components(era + std::chrono::hours(12)).year, 622);
    EXPECT_TRUE(RGConv::isConvertibleDay(era));
    EXPECT_FALSE(RGConv::isConvertibleDay(era - std::chrono::hours(12)));
    // An adjustment can carry the Hijri side before the era.
    setAdjustment(-1);
    RGConv shifted(era + std::chrono::hours(12));
    EXPECT_FALSE(shifted.isConvertible());
    EXPECT_EQ(shifted.firstGregorianMoment(),
              conv.gregorianCalendar().startOfDay(era + std::chrono::hours(36)));
    shifted.setDate(era + std::chrono::hours(36), shifted.gregorianCalendar());
    EXPECT_TRUE(shifted.isConvertible());
    EXPECT_EQ(shifted.hijriDate()->year(), 1);
}

TEST_F(RGConvTest, NegativeAdjustmentFromTheHijriSideMovesTheGregorianSideLater)
{
    setAdjustment(-2);
    RGConv conv(gregorianInstant(2026, 1, 1));
    const auto x = hijriInstant(1447, 9, 1); // 18 February 2026
    conv.setDate(x, conv.islamicCalendar());
    EXPECT_EQ(conv.hijriDate()->date(), x);
    EXPECT_EQ(conv.hijriDate()->day(), 1);
    EXPECT_EQ(conv.gregorianDate()->day(), 20);
    EXPECT_EQ(conv.gregorianDate()->month(), 2);
}

TEST_F(RGConvTest, DirectionsAreInverseForEveryAdjustment)
{
    for (int adjustment : {-2, 0, 1}) {
        SCOPED_TRACE(adjustment);
        setAdjustment(adjustment);
        RGConv conv(gregorianInstant(2026, 1, 1));
        for (int day = 0; day < 400; day += 13) {
            const auto d = *conv.gregorianCalendar().dateByAddingDays(day, gregorianInstant(2026, 1, 1, 12));
            conv.setDate(d, conv.gregorianCalendar());
            const auto gregorian = conv.gregorianDate();
            conv.setDate(conv.hijriDate()->date(), conv.islamicCalendar());
            EXPECT_EQ(*conv.gregorianDate(), *gregorian);
        }
    }
}

TEST_F(RGConvTest, StoredChangeAppliesAtTheNextSetDateNotBefore)
{
    RGConv conv(gregorianInstant(2026, 6, 16, 9));
    EXPECT_EQ(conv.hijriDate()->day(), 1);
    setAdjustment(1);
    EXPECT_EQ(conv.hijriDate()->day(), 1) << "records are not edited behind the caller's back";
    conv.setDate(gregorianInstant(2026, 6, 16, 9), conv.gregorianCalendar());
    EXPECT_EQ(conv.adjustmentNumber(), 1);
    EXPECT_EQ(conv.hijriDate()->day(), 2);
}

TEST_F(RGConvTest, AGregorianCalendarWithOtherSettingsCountsAsTheHijriSide)
{
    setAdjustment(1);
    RGConv conv(gregorianInstant(2026, 1, 1));
    platform::Calendar otherZone = conv.gregorianCalendar();
    otherZone.setTimeZoneId(QStringLiteral("Europe/London"));
    ASSERT_NE(otherZone, conv.gregorianCalendar());
    const auto x = gregorianInstant(2026, 6, 16, 9);
    conv.setDate(x, otherZone);
    EXPECT_EQ(conv.hijriDate()->date(), x);
    EXPECT_EQ(conv.gregorianDate()->day(), 15);
}

TEST_F(RGConvTest, HijriMonthsEndAfter29Or30Days)
{
    const platform::Calendar hijri = platform::Calendar::islamicUmmAlQura();
    // Umm al-Qura 1447: Sha'ban has 29 days, Dhu al-Qa'dah 30.
    EXPECT_EQ(hijri.daysInMonth(hijriInstant(1447, 8, 1)), 29);
    EXPECT_FALSE(hijri.date(1447, 8, 30).has_value());
    EXPECT_EQ(hijri.daysInMonth(hijriInstant(1447, 11, 1)), 30);
    RGConv conv(gregorianInstant(2026, 2, 17, 12));
    EXPECT_EQ(conv.hijriDate()->day(), 29);
    conv.setDate(gregorianInstant(2026, 2, 18, 12), conv.gregorianCalendar());
    EXPECT_EQ(conv.hijriDate()->day(), 1);
    EXPECT_EQ(conv.hijriDate()->monthName(), QStringLiteral("Ramadan (9)"));
}

TEST_F(RGConvTest, DisplayStringsFollowTheirPatterns)
{
    const RGConv conv(gregorianInstant(2026, 12, 5, 12));
    EXPECT_EQ(conv.gregorianDate()->monthName(), QStringLiteral("December (12)"));
    EXPECT_EQ(conv.gregorianDate()->dateFullString(), QStringLiteral("05 December (12), 2026"));
    EXPECT_EQ(conv.gregorianDate()->weekDayName(), QStringLiteral("Saturday"));
    EXPECT_TRUE(conv.hijriDate()->monthName().endsWith(QStringLiteral("(6)")));
    EXPECT_EQ(conv.hijriDate()->year(), 1448);
}

TEST_F(RGConvTest, ArabicRecordsUseArabicNamesDigitsAndComma)
{
    for (const char *locale : {"ar_SA", "ar_EG"}) {
        env.setLocale(QString::fromLatin1(locale));
        for (const bool tables : {true, false}) {
            SCOPED_TRACE(testing::Message() << locale << (tables ? " tables" : " icu"));
            env.setTimeZone(QStringLiteral("Asia/Riyadh"));
            const auto noon = gregorianInstant(2026, 2, 18, 12);
            RGConv conv(noon);
            // A device zone other than the converter's: ICU formats.
            if (!tables)
                env.setTimeZone(QStringLiteral("Europe/London"));
            conv.setDate(noon, conv.gregorianCalendar());
            EXPECT_EQ(conv.hijriDate()->monthName(), QStringLiteral("رمضان (٩)"));
            EXPECT_EQ(conv.hijriDate()->dateFullString(), QStringLiteral("٠١ رمضان (٩)، ١٤٤٧"));
            EXPECT_EQ(conv.hijriDate()->day(), 1);
            EXPECT_FALSE(conv.gregorianDate()->dateFullString().contains(QLatin1Char(',')));
        }
    }
    env.setTimeZone(QStringLiteral("Asia/Riyadh"));
}

TEST_F(RGConvTest, AMissingLocalMidnightStillGivesTheRightDay)
{
    // São Paulo skipped 00:00-01:00 on 4 November 2018.
    env.setTimeZone(QStringLiteral("America/Sao_Paulo"));
    const platform::Calendar gregorian = platform::Calendar::gregorian();
    const auto day = gregorian.date(2018, 11, 4);
    ASSERT_TRUE(day.has_value());
    EXPECT_EQ(gregorian.components(*day).day, 4);
    EXPECT_EQ(gregorian.components(*day).hour, 1);
    EXPECT_EQ(gregorian.startOfDay(gregorianInstant(2018, 11, 4, 15)), *day);

    const auto before = gregorianInstant(2018, 11, 3, 0);
    const auto next = gregorian.dateByAddingDays(1, before);
    ASSERT_TRUE(next.has_value());
    EXPECT_EQ(gregorian.components(*next).day, 4);
    EXPECT_EQ(gregorian.daysBetween(before, gregorianInstant(2018, 11, 5, 0)), 2);

    const RGConv conv(*day);
    EXPECT_EQ(conv.gregorianDate()->dateFullString(), QStringLiteral("04 November (11), 2018"));
}

TEST_F(RGConvTest, AdjustmentsBeyondAYearCountAsZeroAndAYearApplies)
{
    const auto at = gregorianInstant(2026, 12, 5, 12);
    for (std::int64_t adjustment :
         {std::int64_t(366), std::int64_t(-366), std::int64_t(2'147'483'648), -std::int64_t(2'147'483'648),
          std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()}) {
        SCOPED_TRACE(adjustment);
        setAdjustment(adjustment);
        // Read from the suite or given outright (as a plan of many days does), alike.
        RGConv conv(at);
        RGConv given(at, adjustment);
        for (RGConv *c : {&conv, &given}) {
            EXPECT_EQ(c->adjustmentNumber(), 0);
            EXPECT_EQ(c->hijriDate()->date(), at);
            c->setDate(at, c->islamicCalendar());
            EXPECT_EQ(c->gregorianDate()->date(), at);
        }
    }
    for (std::int64_t adjustment : {std::int64_t(365), std::int64_t(-365)}) {
        SCOPED_TRACE(adjustment);
        setAdjustment(adjustment);
        RGConv conv(at);
        RGConv given(at, adjustment);
        for (const RGConv *c : {&conv, &given}) {
            EXPECT_EQ(c->adjustmentNumber(), adjustment);
            EXPECT_EQ(c->gregorianCalendar().daysBetween(at, c->hijriDate()->date()), adjustment);
        }
    }
    // A given adjustment stays put when the stored one changes.
    RGConv given(at, 2);
    setAdjustment(-3);
    given.setDate(at, given.gregorianCalendar());
    EXPECT_EQ(given.adjustmentNumber(), 2);
    EXPECT_EQ(given.gregorianCalendar().daysBetween(at, given.hijriDate()->date()), 2);
}

TEST_F(RGConvTest, AWrongTypeUnderTheAdjustmentKeyCountsAsZero)
{
    env.suite()->setString(core::keys::adjustmentNumber, QStringLiteral("2"));
    const RGConv conv(gregorianInstant(2026, 6, 16, 9));
    EXPECT_EQ(conv.adjustmentNumber(), 0);
    EXPECT_EQ(conv.hijriDate()->day(), 1);
}

} // namespace

#include "LiteralDateCore.h"
#include "core/LocalizedNumber.h"

namespace {

TEST(RGDateCaching, RecordsAreByteIdenticalToFreshFormatters)
{
    for (const char *locale : {"en_US", "ar_SA", "fr_FR"}) {
        SCOPED_TRACE(locale);
        testenv::ScopedEnvironment env{QString::fromLatin1(locale), QStringLiteral("America/Sao_Paulo")};
        env.suite()->setInteger(core::keys::adjustmentNumber, -1);
        RGConv conv(gregorianInstant(2018, 11, 1, 0));
        literal::Converter plain(gregorianInstant(2018, 11, 1, 0));
        for (int day = 0; day < 60; day += 3) {
            const auto at = *conv.gregorianCalendar().dateByAddingDays(day, gregorianInstant(2018, 11, 1, 0));
            const platform::Calendar &side = day % 2 ? conv.islamicCalendar() : conv.gregorianCalendar();
            conv.setDate(at, side);
            plain.setDate(at, side);
            EXPECT_TRUE(literal::sameRecord(plain.gregorian, *conv.gregorianDate()));
            EXPECT_TRUE(literal::sameRecord(plain.hijri, *conv.hijriDate()));
            EXPECT_EQ(core::localizedNumber(day - 30), literal::localizedNumber(day - 30));
        }
    }
}

} // namespace

namespace {

struct HijriDay
{
    std::int64_t year, month, day;
};

// The Hijri day after `d`, given that `d` is the last of its month or not.
HijriDay nextHijriDay(const HijriDay &d, bool lastOfMonth)
{
    if (!lastOfMonth)
        return {d.year, d.month, d.day + 1};
    if (d.month == 12)
        return {d.year + 1, 1, 1};
    return {d.year, d.month + 1, 1};
}

// Every day from 1 Muharram 1445 to the end of 1448: consecutive Gregorian
// days are consecutive Hijri days, each month has 29 or 30 of them, each
// Hijri day converts back to the Gregorian day it came from, and the years
// begin on their published days.
TEST(RGConvWalk, ConsecutiveDaysStayConsecutiveBothWaysOverFourHijriYears)
{
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    // 1 Muharram of 1445 ... 1448 (Umm al-Qura).
    const QDate newYears[] = {{2023, 7, 19}, {2024, 7, 7}, {2025, 6, 26}, {2026, 6, 16}};
    RGConv conv(gregorianInstant(2023, 7, 19, 12));
    const platform::Calendar &gregorian = conv.gregorianCalendar();
    ASSERT_EQ(conv.hijriDate()->year(), 1445);
    ASSERT_EQ(conv.hijriDate()->month(), 1);
    ASSERT_EQ(conv.hijriDate()->day(), 1);

    QDate previousGregorian(2023, 7, 18);
    HijriDay previousHijri{1444, 12, 29};
    bool previousWasLast = true;
    int days = 0;
    int newYearsSeen = 0;
    for (platform::Instant noon = gregorianInstant(2023, 7, 19, 12); conv.hijriDate()->year() <= 1448;
         ++days) {
        const HijriDay hijri{conv.hijriDate()->year(), conv.hijriDate()->month(), conv.hijriDate()->day()};
        const QDate day(int(conv.gregorianDate()->year()), int(conv.gregorianDate()->month()),
                        int(conv.gregorianDate()->day()));
        SCOPED_TRACE(day.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(day, previousGregorian.addDays(1));
        const HijriDay expected = nextHijriDay(previousHijri, previousWasLast);
        EXPECT_EQ(hijri.year, expected.year);
        EXPECT_EQ(hijri.month, expected.month);
        EXPECT_EQ(hijri.day, expected.day);
        ASSERT_LE(hijri.day, 30);
        if (hijri.day == 1 && days > 0) {
            EXPECT_GE(previousHijri.day, 29) << "the month before was too short";
        }
        if (hijri.month == 1 && hijri.day == 1) {
            ASSERT_LT(newYearsSeen, 4);
            EXPECT_EQ(day, newYears[newYearsSeen++]);
        }

        RGConv back(gregorianInstant(2000, 1, 1));
        back.setDate(hijriInstant(int(hijri.year), int(hijri.month), int(hijri.day)), back.islamicCalendar());
        EXPECT_EQ(back.gregorianDate()->year(), day.year());
        EXPECT_EQ(back.gregorianDate()->month(), day.month());
        EXPECT_EQ(back.gregorianDate()->day(), day.day());

        const platform::Instant next = *gregorian.dateByAddingDays(1, noon);
        conv.setDate(next, gregorian);
        previousWasLast = conv.hijriDate()->day() == 1;
        previousGregorian = day;
        previousHijri = hijri;
        noon = next;
    }
    EXPECT_EQ(newYearsSeen, 4);
    EXPECT_GT(days, 4 * 354 - 1);
}

} // namespace
