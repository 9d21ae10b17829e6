// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// `qamarly month` run as from a shell: the page the calendar view lays out,
// the other calendar's day in every cell, and clear errors for bad input.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct RunResult
{
    int status = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

class MonthCommand : public ::testing::Test
{
protected:
    RunResult run(const QStringList &args, const QString &locale = QStringLiteral("en_US.UTF-8"))
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Riyadh"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QAMARLY_EXECUTABLE), QStringList{QStringLiteral("month")} + args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QTemporaryDir home;
};

TEST_F(MonthCommand, AGregorianMonthStartingOnSundayOpensWithAFullRowOfJanuary)
{
    const RunResult r = run({QStringLiteral("2026-02"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("calendar")].toString(), QStringLiteral("gregorian"));
    EXPECT_EQ(o[QStringLiteral("year")].toInt(), 2026);
    EXPECT_EQ(o[QStringLiteral("month")].toInt(), 2);
    EXPECT_EQ(o[QStringLiteral("firstWeekday")].toInt(), 1);
    const QJsonArray cells = o[QStringLiteral("cells")].toArray();
    ASSERT_EQ(cells.size(), 42);
    EXPECT_EQ(cells[0].toObject()[QStringLiteral("date")].toString(), QStringLiteral("2026-01-25"));
    EXPECT_TRUE(cells[6].toObject()[QStringLiteral("placeholder")].toBool());
    const QJsonObject first = cells[7].toObject();
    EXPECT_EQ(first[QStringLiteral("date")].toString(), QStringLiteral("2026-02-01"));
    EXPECT_EQ(first[QStringLiteral("day")].toInt(), 1);
    EXPECT_FALSE(first[QStringLiteral("placeholder")].toBool());
    // 18 February 2026 was 1 Ramadan 1447.
    EXPECT_EQ(cells[24].toObject()[QStringLiteral("subtitle")].toString(), QStringLiteral("1"));
    EXPECT_EQ(cells[35].toObject()[QStringLiteral("date")].toString(), QStringLiteral("2026-03-01"));
    EXPECT_TRUE(cells[35].toObject()[QStringLiteral("placeholder")].toBool());
    int today = 0;
    for (const auto &cell : cells)
        today += cell.toObject()[QStringLiteral("today")].toBool() ? 1 : 0;
    EXPECT_LE(today, 1);
}

TEST_F(MonthCommand, AHijriMonthIsNamedByItsHijriYearAndMonthAndCarriesTheAdjustment)
{
    QProcess set;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    set.setProcessEnvironment(env);
    set.start(QStringLiteral(QAMARLY_EXECUTABLE), {QStringLiteral("settings"), QStringLiteral("set"),
                                                   QStringLiteral("adjustmentNumber"), QStringLiteral("1")});
    ASSERT_TRUE(set.waitForFinished(60000));
    ASSERT_EQ(set.exitCode(), 0);

    const RunResult r =
        run({QStringLiteral("1447-09"), QStringLiteral("--calendar"), QStringLiteral("hijri"),
             QStringLiteral("--first-weekday"), QStringLiteral("2"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("calendar")].toString(), QStringLiteral("hijri"));
    EXPECT_EQ(o[QStringLiteral("year")].toInt(), 1447);
    EXPECT_EQ(o[QStringLiteral("month")].toInt(), 9);
    EXPECT_EQ(o[QStringLiteral("adjustment")].toInt(), 1);
    const QJsonArray cells = o[QStringLiteral("cells")].toArray();
    ASSERT_EQ(cells.size(), 42);
    // 1 Ramadan 1447 by the table is Wednesday 18 February; with +1 it names
    // Tuesday the 17th, the second cell of a week from Monday.
    const QJsonObject first = cells[1].toObject();
    EXPECT_EQ(first[QStringLiteral("day")].toInt(), 1);
    EXPECT_EQ(first[QStringLiteral("date")].toString(), QStringLiteral("2026-02-17"));
    EXPECT_EQ(first[QStringLiteral("subtitle")].toString(), QStringLiteral("17"));
    EXPECT_TRUE(cells[0].toObject()[QStringLiteral("placeholder")].toBool());
}

TEST_F(MonthCommand, TextLooksLikeCalWithTheOtherDayBesideEachDay)
{
    const RunResult en = run({QStringLiteral("2026-02")});
    ASSERT_EQ(en.status, 0) << en.err.toStdString();
    const QStringList lines = en.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines[0].trimmed(), QStringLiteral("February 2026"));
    EXPECT_TRUE(lines[1].trimmed().startsWith(QStringLiteral("Sun")));
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral("(25 6 )")));
    EXPECT_TRUE(lines[3].startsWith(QStringLiteral("  1 13 ")));

    const RunResult ar = run({QStringLiteral("2026-02")}, QStringLiteral("ar_SA.UTF-8"));
    ASSERT_EQ(ar.status, 0) << ar.err.toStdString();
    EXPECT_TRUE(ar.out.contains(QStringLiteral("فبراير")));
    // The other calendar's day in the same digits as the day.
    EXPECT_TRUE(ar.out.contains(QStringLiteral("  ١ ١٣ "))) << ar.out.toStdString();
}

TEST_F(MonthCommand, BadInputIsOneLineOnStderrAndStatusTwo)
{
    const QList<QStringList> cases = {
        {QStringLiteral("2026-13")},
        {QStringLiteral("February")},
        {QStringLiteral("2175-01")},
        {QStringLiteral("1881-12")},
        {QStringLiteral("1601-01"), QStringLiteral("--calendar"), QStringLiteral("hijri")},
        {QStringLiteral("2026-01"), QStringLiteral("2026-02")},
        {QStringLiteral("--first-weekday"), QStringLiteral("0")},
        {QStringLiteral("--first-weekday"), QStringLiteral("Monday")},
        {QStringLiteral("--calendar"), QStringLiteral("julian")},
        {QStringLiteral("--weeks")},
    };
    for (const QStringList &args : cases) {
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.out.isEmpty());
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("qamarly month: ")));
    }
}

} // namespace
