// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The six occasions as the occasions screen and `qamarly occasions` compute
// them, on fixed days of the Umm al-Qura calendar in Riyadh.
#include "app/cli/CommandLine.h"
#include "app/screens/occasions/Event.h"
#include "app/screens/occasions/OccasionIndex.h"
#include "core/DayTable.h"
#include "core/SharedDefaults.h"
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <chrono>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using app::occasions::buildOccasions;
using app::occasions::openingIndex;

namespace {

using namespace occasionindex;

class OccasionsTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};

    OccasionsTest() { platform::installTranslations(); }
    ~OccasionsTest() override { platform::installTranslations(); }

    static platform::Instant hijri(int year, int month, int day, std::chrono::hours hour = 0h)
    {
        return testenv::hijriInstant(year, month, day) + hour;
    }
};

TEST_F(OccasionsTest, OnTheFifthOfMuharramTheNewYearHasPassedAndAshuraOpens)
{
    const auto list = buildOccasions(hijri(1448, 1, 5, 12h));
    ASSERT_EQ(list.size(), 6u);
    EXPECT_EQ(list[NY]->name, QStringLiteral("Islamic New Year"));
    EXPECT_FALSE(list[NY]->isFuture);
    EXPECT_EQ(list[NY]->days, QStringLiteral("Since: 4 days and 12 hours"));
    EXPECT_EQ(list[NY]->color, app::occasions::Event::pastColor);
    EXPECT_TRUE(list[ASH]->isFuture);
    EXPECT_EQ(list[ASH]->days, QStringLiteral("In: 4 days and 12 hours"));
    EXPECT_EQ(list[ASH]->color, app::occasions::Event::comingColor);
    EXPECT_EQ(list[ASH]->dateString, QStringLiteral("10 Muharram (1), 1448"));
    EXPECT_EQ(openingIndex(list), ASH);
}

TEST_F(OccasionsTest, OnTheDayOfAnOccasionItIsTodayFromMidnightAndStillComing)
{
    for (const auto hour : {0h, 10h, 23h}) {
        const auto list = buildOccasions(hijri(1447, 9, 1, hour));
        EXPECT_EQ(list[RMD]->days, QStringLiteral("Today")) << hour.count();
        EXPECT_TRUE(list[RMD]->isFuture);
        EXPECT_EQ(openingIndex(list), RMD);
    }
    // The next midnight it has passed by a whole day.
    const auto after = buildOccasions(hijri(1447, 9, 2));
    EXPECT_FALSE(after[RMD]->isFuture);
    EXPECT_EQ(after[RMD]->days, QStringLiteral("Since: 1 day"));
    EXPECT_EQ(openingIndex(after), FET);
    // An hour before it is still "In", with no whole day left.
    const auto before = buildOccasions(hijri(1447, 9, 1) - 1h);
    EXPECT_EQ(before[RMD]->days, QStringLiteral("In: 1 hour"));
    EXPECT_EQ(openingIndex(before), RMD);
}

TEST_F(OccasionsTest, AfterTheTenthOfDhuAlHijjahAllHavePassedAndEidAlAdhaOpens)
{
    const auto list = buildOccasions(hijri(1447, 12, 15, 6h));
    for (const auto &occasion : list)
        EXPECT_FALSE(occasion->isFuture) << occasion->name.toStdString();
    EXPECT_EQ(openingIndex(list), ADH);
    EXPECT_EQ(list[ADH]->days, QStringLiteral("Since: 5 days and 6 hours"));
    // Occasions stay in the current year; none moves on to the next.
    EXPECT_EQ(list[NY]->dateString, QStringLiteral("01 Muharram (1), 1447"));
}

TEST_F(OccasionsTest, AnAdjustmentOfOneDayMovesEveryGregorianDayOneEarlier)
{
    const platform::Instant now = hijri(1448, 6, 14, 12h);
    const auto plain = buildOccasions(now);
    env.suite()->setInteger(core::keys::adjustmentNumber, 1);
    const auto adjusted = buildOccasions(now);
    const platform::Calendar gregorian = platform::Calendar::gregorian();
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(adjusted[i]->conv->gregorianDate()->date(),
                  gregorian.dateByAddingDays(-1, plain[i]->conv->gregorianDate()->date()))
            << i;
        EXPECT_EQ(adjusted[i]->dateString, plain[i]->dateString) << i;
    }
    // RMD is months ahead: one day fewer to wait.
    EXPECT_EQ(plain[RMD]->days.section(QLatin1Char(' '), 1, 1).toInt() - 1,
              adjusted[RMD]->days.section(QLatin1Char(' '), 1, 1).toInt());
    EXPECT_EQ(adjusted[RMD]->days.section(QLatin1Char(' '), 4),
              plain[RMD]->days.section(QLatin1Char(' '), 4));
}

TEST_F(OccasionsTest, UnderArabicTheTextsAndDigitsAreArabicAndTheYearStillParses)
{
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    const auto list = buildOccasions(hijri(1448, 1, 5, 12h));
    EXPECT_EQ(list[NY]->name, QStringLiteral("رأس السنة الهجرية"));
    EXPECT_EQ(list[NY]->days, QStringLiteral("منذ: ٤ أيام و١٢ ساعة"));
    EXPECT_TRUE(list[ASH]->dateString.contains(QStringLiteral("محرم")))
        << list[ASH]->dateString.toStdString();
    EXPECT_FALSE(list[ASH]->gDateString.isEmpty());
}

TEST_F(OccasionsTest, ADayTheYearLacksLeavesTheRecordUndated)
{
    const platform::Instant now = hijri(1448, 1, 5);
    // Day 30 of the first 29-day month of 1448.
    int month = 1;
    while (core::DayTable::fromHijri(1448, month, 30))
        ++month;
    ASSERT_LE(month, 12);
    const app::occasions::Event missing(QStringLiteral("x"), *core::HijriMonthDay::of(month, 30), now);
    EXPECT_TRUE(missing.dateString.isEmpty());
    EXPECT_TRUE(missing.gDateString.isEmpty());
    EXPECT_TRUE(missing.days.isEmpty());
    EXPECT_TRUE(missing.isFuture);
    EXPECT_EQ(openingIndex({}), -1);
}

TEST_F(OccasionsTest, DaysAreCalendarDaysAcrossAClockChange)
{
    env.setTimeZone(QStringLiteral("Europe/London"));
    const platform::Calendar gregorian = platform::Calendar::gregorian();
    // Summer time began at 01:00 on 29 March 2026: that day had 23 hours.
    const auto from = testenv::gregorianInstant(2026, 3, 28, 12);
    const auto to = testenv::gregorianInstant(2026, 3, 30, 0);
    const auto ahead = app::occasions::daysAndHoursBetween(gregorian, from, to);
    EXPECT_EQ(ahead.days, 1);
    EXPECT_EQ(ahead.hours, 12);
    const auto back = app::occasions::daysAndHoursBetween(gregorian, to, from);
    EXPECT_EQ(back.days, -1);
    EXPECT_EQ(back.hours, -12);
}

TEST_F(OccasionsTest, DaysBetweenFarApartMomentsAreCountedAtOnce)
{
    const platform::Calendar gregorian = platform::Calendar::gregorian();
    const auto from = testenv::gregorianInstant(2026, 3, 28, 12);
    // Three billion days on: past what the calendar can add, so no walk can
    // reach it one day at a time.
    constexpr std::int64_t far = 3'000'000'000;
    const auto to = from + std::chrono::hours(24 * far);
    const auto ahead = app::occasions::daysAndHoursBetween(gregorian, from, to);
    EXPECT_GE(ahead.days, far - 3);
    EXPECT_LE(ahead.days, far);
    const auto back = app::occasions::daysAndHoursBetween(gregorian, to, from);
    EXPECT_LE(back.days, -(far - 3));
    const auto near =
        app::occasions::daysAndHoursBetween(gregorian, from, from + std::chrono::hours(24 * 100'000));
    EXPECT_EQ(near.days, 100'000);
}

TEST_F(OccasionsTest, TheCommandPrintsTheOccasionsAndWhereTheScreenOpens)
{
    env.setNow(hijri(1448, 1, 5, 12h));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const auto status = app::cli::runCommandLine({QStringLiteral("occasions"), QStringLiteral("--json")},
                                                 outStream, errStream);
    outStream.flush();
    ASSERT_EQ(status, 0) << err.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(root.value(QStringLiteral("openIndex")).toInt(), ASH);
    const QJsonArray list = root.value(QStringLiteral("occasions")).toArray();
    ASSERT_EQ(list.size(), 6);
    const QStringList keys{QStringLiteral("NY"),  QStringLiteral("ASH"), QStringLiteral("RMD"),
                           QStringLiteral("FET"), QStringLiteral("ARF"), QStringLiteral("ADH")};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(list[i].toObject().value(QStringLiteral("key")).toString(), keys[i]);
    const QJsonObject ny = list[0].toObject();
    EXPECT_EQ(ny.value(QStringLiteral("isFuture")).toBool(true), false);
    EXPECT_EQ(ny.value(QStringLiteral("days")).toString(), QStringLiteral("Since: 4 days and 12 hours"));
    EXPECT_EQ(ny.value(QStringLiteral("dateString")).toString(), QStringLiteral("01 Muharram (1), 1448"));
    EXPECT_FALSE(ny.value(QStringLiteral("gDateString")).toString().isEmpty());

    out.clear();
    ASSERT_EQ(app::cli::runCommandLine({QStringLiteral("occasions")}, outStream, errStream), 0);
    outStream.flush();
    EXPECT_TRUE(out.section(QLatin1Char('\n'), 1, 1).startsWith(QStringLiteral("> Ashura")))
        << out.toStdString();
    EXPECT_EQ(app::cli::runCommandLine({QStringLiteral("occasions"), QStringLiteral("extra")}, outStream,
                                       errStream),
              app::cli::exitUsage);
}

} // namespace
