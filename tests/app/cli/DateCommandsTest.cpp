// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// today, convert, range and month run in the process with a fixed clock, zone
// and locale: the weekday of an adjusted Hijri date, the adjusted month page,
// the whole Umm al-Qura table, estimates named, and days no surface can show.
#include "InProcess.h"
#include "app/cli/CommandLine.h"
#include "core/DayTable.h"
#include "core/FirstWeekday.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/CivilDays.h"
#include "platform/localization/Localization.h"
#include "support/RowName.h"
#include "support/TestEnvironment.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <gtest/gtest.h>

namespace {

using clitest::Outcome;

class DateCommands : public ::testing::Test
{
protected:
    DateCommands()
    {
        platform::installTranslations();
        // Monday 7 December 2026: 27 Jumada II 1448 by the table.
        env.setNow(testenv::gregorianInstant(2026, 12, 7, 12));
    }
    ~DateCommands() override
    {
        env.setLocale(QStringLiteral("en_US"));
        platform::installTranslations();
    }

    static Outcome run(const QStringList &arguments) { return clitest::run(arguments); }
    void setAdjustment(std::int64_t days) { env.suite()->setInteger(core::keys::adjustmentNumber, days); }
    void useLocale(const char *locale)
    {
        env.setLocale(QString::fromLatin1(locale));
        platform::installTranslations();
    }
    static void expectRefused(const Outcome &r, const QStringList &arguments)
    {
        const std::string what = arguments.join(QLatin1Char(' ')).toStdString();
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_TRUE(r.out.isEmpty()) << what << ": " << r.out.toStdString();
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << what << ": " << r.err.toStdString();
    }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
};

TEST_F(DateCommands, TodaysHijriDateNamesTodaysWeekdayUnderEveryAdjustment)
{
    const char *days[] = {"25", "26", "27", "28", "29"};
    for (int adjustment = -2; adjustment <= 2; ++adjustment) {
        SCOPED_TRACE(adjustment);
        setAdjustment(adjustment);
        const Outcome text = run({QStringLiteral("today")});
        ASSERT_EQ(text.status, 0) << text.err.toStdString();
        EXPECT_TRUE(
            text.out.startsWith(QStringLiteral("Hijri: Monday, %1 Jumada II (6), 1448\nGregorian: Monday, "
                                               "07 December (12), 2026\n")
                                    .arg(QString::fromLatin1(days[adjustment + 2]))))
            << text.out.toStdString();
        const QJsonObject json = run({QStringLiteral("today"), QStringLiteral("--json")}).json();
        const QJsonObject hijri = json[QStringLiteral("hijri")].toObject();
        EXPECT_EQ(hijri[QStringLiteral("date")],
                  json[QStringLiteral("gregorian")].toObject()[QStringLiteral("date")]);
        EXPECT_EQ(hijri[QStringLiteral("weekDayName")].toString(), QStringLiteral("Monday"));
    }
}

// Days the converter cannot answer for, as typed; each command refuses them.
struct RefusedRow
{
    const char *what; // the arguments, split at spaces
};

const RefusedRow refusedRows[] = {
    {"convert 5828963-12-31 --json"},
    {"convert 10000-01-01"},
    // Before 1 Muharram 1 AH (16 July 622 of the Julian calendar, which dates
    // before 1582 are read on) the Hijri side has no year.
    {"convert 0001-01-01"},
    {"convert 0622-07-15 --json"},
    {"convert 0000-01-01 --from hijri"},
    {"convert -5-01-01 --from hijri"},
    {"range 2026-01-01 5828963-12-31"},
    {"range 0001-01-01 2026-01-01 --json"},
    {"events 5828963-12-31"},
};

class UnconvertibleDay : public DateCommands, public ::testing::WithParamInterface<RefusedRow>
{
};

TEST_P(UnconvertibleDay, IsRefused)
{
    const QStringList arguments = QString::fromLatin1(GetParam().what).split(QLatin1Char(' '));
    expectRefused(run(arguments), arguments);
}

INSTANTIATE_TEST_SUITE_P(DateCommands, UnconvertibleDay, ::testing::ValuesIn(refusedRows),
                         testenv::RowWhat());

TEST_F(DateCommands, DaysFromTheHijriEraToTheYear9999AreAnsweredAndNoFurther)
{
    // A day ICU has but Qamarly does not convert is named as such, not as a mistyped day.
    EXPECT_TRUE(run({QStringLiteral("convert"), QStringLiteral("5828963-12-31")})
                    .err.contains(QStringLiteral("outside the days Qamarly can convert")));

    // The first and last days are answered.
    for (const char *day : {"0622-07-16", "9999-12-31"}) {
        const Outcome r =
            run({QStringLiteral("convert"), QString::fromLatin1(day), QStringLiteral("--json")});
        EXPECT_EQ(r.status, 0) << day << ": " << r.err.toStdString();
        EXPECT_GE(r.json()[QStringLiteral("hijri")].toObject()[QStringLiteral("year")].toInt(), 1) << day;
    }
    // An adjustment that carries the Hijri side before the era is refused too.
    setAdjustment(-1);
    const QStringList first{QStringLiteral("convert"), QStringLiteral("0622-07-16")};
    expectRefused(run(first), first);
}

TEST_F(DateCommands, HijriDatesOutsideTheTableAreCalledEstimates)
{
    const QString line = QStringLiteral("Estimate: this Hijri date lies outside the Umm al-Qura table");
    const Outcome old = run({QStringLiteral("convert"), QStringLiteral("1800-01-01")});
    ASSERT_EQ(old.status, 0) << old.err.toStdString();
    EXPECT_TRUE(old.out.contains(line)) << old.out.toStdString();
    const QJsonObject json =
        run({QStringLiteral("convert"), QStringLiteral("1800-01-01"), QStringLiteral("--json")}).json();
    EXPECT_TRUE(json[QStringLiteral("estimate")].toBool());
    EXPECT_TRUE(json[QStringLiteral("hijri")].toObject()[QStringLiteral("estimate")].toBool());
    // 1300 AH itself is in the table.
    const Outcome first = run({QStringLiteral("convert"), QStringLiteral("1300-01-01"),
                               QStringLiteral("--from"), QStringLiteral("hijri")});
    ASSERT_EQ(first.status, 0) << first.err.toStdString();
    EXPECT_FALSE(first.out.contains(line)) << first.out.toStdString();
    EXPECT_TRUE(run({QStringLiteral("convert"), QStringLiteral("1601-01-01"), QStringLiteral("--from"),
                     QStringLiteral("hijri")})
                    .out.contains(line));
    EXPECT_FALSE(run({QStringLiteral("today")}).out.contains(line));
}

// The Umm al-Qura table, on both grids, and nothing beyond: its first and
// last months and every seventh month between (seven and twelve share no
// factor, so every month of the year comes round).
TEST_F(DateCommands, MonthCoversTheWholeTableInBothCalendars)
{
    const int firstYear = core::DayTable::firstHijriYear();
    const int lastYear = core::DayTable::lastHijriYear();
    constexpr int step = 7;
    const auto sampled = [](int index, int count) {
        return index < 12 || index >= count - 12 || index % step == 0;
    };
    for (int year = firstYear; year <= lastYear; ++year) {
        for (int month = 1; month <= 12; ++month) {
            if (!sampled((year - firstYear) * 12 + month - 1, (lastYear - firstYear + 1) * 12))
                continue;
            const QString text = QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
            const Outcome r = run({QStringLiteral("month"), text, QStringLiteral("--calendar"),
                                   QStringLiteral("hijri"), QStringLiteral("--json")});
            ASSERT_EQ(r.status, 0) << text.toStdString() << ": " << r.err.toStdString();
            const QJsonObject o = r.json();
            ASSERT_EQ(o[QStringLiteral("year")].toInt(), year);
            ASSERT_EQ(o[QStringLiteral("month")].toInt(), month);
            ASSERT_FALSE(o[QStringLiteral("estimate")].toBool()) << text.toStdString();
        }
    }
    const auto gregorianYear = [](std::int64_t days) {
        return int(platform::civil::civilFromDays(days).year);
    };
    const int firstGregorian = gregorianYear(core::DayTable::firstHijriDay());
    const int lastGregorian = gregorianYear(core::DayTable::endHijriDay() - 1);
    EXPECT_EQ(firstGregorian, 1882);
    EXPECT_EQ(lastGregorian, 2174);
    for (int year = firstGregorian; year <= lastGregorian; ++year) {
        for (int month = 1; month <= 12; ++month) {
            if (!sampled((year - firstGregorian) * 12 + month - 1, (lastGregorian - firstGregorian + 1) * 12))
                continue;
            const QString text = QStringLiteral("%1-%2").arg(year).arg(month, 2, 10, QLatin1Char('0'));
            const Outcome r = run({QStringLiteral("month"), text});
            ASSERT_EQ(r.status, 0) << text.toStdString() << ": " << r.err.toStdString();
        }
    }
    // Months of 1882 before 1 Muharram 1300 have estimated Hijri days.
    EXPECT_TRUE(run({QStringLiteral("month"), QStringLiteral("1882-01"), QStringLiteral("--json")})
                    .json()[QStringLiteral("estimate")]
                    .toBool());
    EXPECT_TRUE(
        run({QStringLiteral("month"), QStringLiteral("1882-01")}).out.contains(QStringLiteral("Estimate: ")));
    for (const QStringList &arguments : QList<QStringList>{
             {QStringLiteral("month"), QStringLiteral("1881-12")},
             {QStringLiteral("month"), QStringLiteral("2175-01")},
             {QStringLiteral("month"), QStringLiteral("1299-12"), QStringLiteral("--calendar"),
              QStringLiteral("hijri")},
             {QStringLiteral("month"), QStringLiteral("1601-01"), QStringLiteral("--calendar"),
              QStringLiteral("hijri")},
         })
        expectRefused(run(arguments), arguments);
}

TEST_F(DateCommands, AnAdjustedHijriMonthIsLaidOutOnTheRealDays)
{
    setAdjustment(1);
    const Outcome r = run({QStringLiteral("month"), QStringLiteral("1448-07"), QStringLiteral("--calendar"),
                           QStringLiteral("hijri"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("adjustment")].toInt(), 1);
    EXPECT_EQ(o[QStringLiteral("firstWeekday")].toInt(), 1);
    const QJsonArray cells = o[QStringLiteral("cells")].toArray();
    ASSERT_EQ(cells.size(), 42);
    // 1 Rajab by the table is Thursday 10 December; with +1 it names Wednesday
    // the 9th, in the Wednesday column.
    int firstIndex = -1;
    for (int k = 0; k < cells.size(); ++k) {
        const QJsonObject cell = cells[k].toObject();
        if (!cell[QStringLiteral("placeholder")].toBool()) {
            firstIndex = k;
            break;
        }
    }
    ASSERT_EQ(firstIndex, 3);
    const QJsonObject first = cells[3].toObject();
    EXPECT_EQ(first[QStringLiteral("date")].toString(), QStringLiteral("2026-12-09"));
    EXPECT_EQ(first[QStringLiteral("day")].toInt(), 1);
    EXPECT_EQ(first[QStringLiteral("subtitle")].toString(), QStringLiteral("9"));
    // Today, Monday the 7th, is 28 Jumada II: marked on its own cell.
    const QJsonObject today = cells[1].toObject();
    EXPECT_EQ(today[QStringLiteral("date")].toString(), QStringLiteral("2026-12-07"));
    EXPECT_EQ(today[QStringLiteral("day")].toInt(), 28);
    EXPECT_TRUE(today[QStringLiteral("today")].toBool());
}

TEST_F(DateCommands, WeeksStartOnTheLocalesDayTheStoredChoiceOrTheOption)
{
    const auto firstWeekday = [](const QStringList &extra) {
        return run(QStringList{QStringLiteral("month"), QStringLiteral("--json")} + extra)
            .json()[QStringLiteral("firstWeekday")]
            .toInt();
    };
    EXPECT_EQ(firstWeekday({}), 1);
    useLocale("fr_FR");
    EXPECT_EQ(firstWeekday({}), 2);
    useLocale("ar_EG");
    EXPECT_EQ(firstWeekday({}), 7);
    core::storeFirstWeekday(*env.suite(), 3);
    EXPECT_EQ(firstWeekday({}), 3);
    EXPECT_EQ(firstWeekday({QStringLiteral("--first-weekday"), QStringLiteral("5")}), 5);
    core::storeFirstWeekday(*env.suite(), std::nullopt);
    EXPECT_EQ(firstWeekday({}), 7);
}

TEST_F(DateCommands, ArabicDatesUseTheArabicComma)
{
    useLocale("ar_SA");
    env.setNow(testenv::gregorianInstant(2027, 2, 7, 12));
    const Outcome r = run({QStringLiteral("today")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("الهجري: الأحد، ٣٠ شعبان (٨)، ١٤٤٨\n")))
        << r.out.toStdString();
    EXPECT_FALSE(r.out.contains(QLatin1Char(','))) << r.out.toStdString();
}

} // namespace
