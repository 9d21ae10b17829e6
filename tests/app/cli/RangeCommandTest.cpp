// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// `qamarly range` as the command table runs it: JSON, text, and the one line
// for input it cannot read.
#include "app/cli/CommandLine.h"
#include "core/GlobalSettings.h"
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

class RangeCommand : public ::testing::Test
{
protected:
    void SetUp() override { platform::installTranslations(); }

    int run(const QStringList &arguments)
    {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        const auto status = app::cli::runCommandLine(arguments, o, e);
        o.flush();
        e.flush();
        return status.value_or(-1);
    }
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    QString out;
    QString err;
};

TEST_F(RangeCommand, GivesTheTotalAndTheBreakdownAsJson)
{
    ASSERT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-01-01"), QStringLiteral("2020-03-01"),
                   QStringLiteral("--json")}),
              0)
        << err.toStdString();
    const QJsonObject o = json();
    EXPECT_EQ(o.keys().size(), 4);
    EXPECT_EQ(o[QStringLiteral("totalDays")].toInt(), 60);
    EXPECT_EQ(o[QStringLiteral("years")].toInt(), 0);
    EXPECT_EQ(o[QStringLiteral("months")].toInt(), 2);
    EXPECT_EQ(o[QStringLiteral("days")].toInt(), 0);
}

TEST_F(RangeCommand, ReadsHijriDatesAsThePickersShowThemWhateverTheAdjustment)
{
    core::GlobalSettings::shared().adjustmentNumber = 2;
    core::GlobalSettings::shared().save();
    ASSERT_EQ(run({QStringLiteral("range"), QStringLiteral("1447-09-01"), QStringLiteral("1447-10-01"),
                   QStringLiteral("--calendar"), QStringLiteral("hijri"), QStringLiteral("--json")}),
              0);
    const QJsonObject o = json();
    EXPECT_EQ(o[QStringLiteral("months")].toInt(), 1);
    EXPECT_EQ(o[QStringLiteral("days")].toInt(), 0);
    const platform::Calendar hijri(platform::CalendarIdentifier::islamicUmmAlQura);
    EXPECT_EQ(o[QStringLiteral("totalDays")].toInt(), hijri.daysInMonth(testenv::hijriInstant(1447, 9, 1)));
}

TEST_F(RangeCommand, PrintsTwoReadableLinesWithoutJson)
{
    ASSERT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-03-01"), QStringLiteral("2019-01-15")}), 0);
    EXPECT_EQ(out, QStringLiteral("Total: -411 days\n-1 year, -1 month, -17 days\n"));
    // A zero part is left out; nothing at all still says so.
    ASSERT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-01-01"), QStringLiteral("2021-01-02")}), 0);
    EXPECT_EQ(out, QStringLiteral("Total: 367 days\n1 year, 1 day\n"));
    ASSERT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-01-01"), QStringLiteral("2020-01-01")}), 0);
    EXPECT_EQ(out, QStringLiteral("Total: 0 days\n0 days\n"));
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    ASSERT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-01-01"), QStringLiteral("2022-03-03")}), 0);
    EXPECT_EQ(out, QStringLiteral("المجموع: ٧٩٢ يومًا\nسنتان، شهران، يومان\n"));
}

TEST_F(RangeCommand, RefusesADayTheCalendarDoesNotHaveWithOneLine)
{
    EXPECT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-02-30"), QStringLiteral("2020-03-01")}), 2);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("2020-02-30")));
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(run({QStringLiteral("range"), QStringLiteral("1447-09-31"), QStringLiteral("1447-10-01"),
                   QStringLiteral("--calendar=hijri")}),
              2);
    EXPECT_TRUE(err.contains(QStringLiteral("Hijri")));
    EXPECT_EQ(run({QStringLiteral("range"), QStringLiteral("01/01/2020"), QStringLiteral("2020-03-01")}), 2);
}

TEST_F(RangeCommand, RefusesAnUnknownCalendarOrAMissingDate)
{
    EXPECT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-01-01"), QStringLiteral("2020-03-01"),
                   QStringLiteral("--calendar"), QStringLiteral("julian")}),
              2);
    EXPECT_EQ(err, QStringLiteral("qamarly range: unknown calendar 'julian' (use gregorian or hijri)\n"));
    EXPECT_EQ(run({QStringLiteral("range"), QStringLiteral("2020-01-01")}), 2);
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1);
}

} // namespace
