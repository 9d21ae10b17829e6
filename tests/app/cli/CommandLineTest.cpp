// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The qamarly executable run as a user would from a shell: output, JSON and
// exit codes, with the zone, locale and settings folder set for each run.
#include <QDir>
#include <QFile>
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

class CommandLine : public ::testing::Test
{
protected:
    RunResult run(const QStringList &args, const QString &locale = QStringLiteral("en_US.UTF-8"),
                  const QString &zone = QStringLiteral("Asia/Riyadh"))
    {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
        env.insert(QStringLiteral("LC_ALL"), locale);
        env.insert(QStringLiteral("TZ"), zone);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(QAMARLY_EXECUTABLE), args);
        p.waitForFinished(60000);
        return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QString suitePath() const
    {
        return home.filePath(QStringLiteral("qamarly/group.org.qamarly.QamarlyTodayExtension.sqlite"));
    }
    QTemporaryDir home;
};

TEST_F(CommandLine, ConvertGivesBothRecordsAsJson)
{
    const RunResult r =
        run({QStringLiteral("convert"), QStringLiteral("2026-06-16"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("adjustment")].toInt(), 0);
    const QJsonObject h = o[QStringLiteral("hijri")].toObject();
    EXPECT_EQ(h[QStringLiteral("year")].toInt(), 1448);
    EXPECT_EQ(h[QStringLiteral("month")].toInt(), 1);
    EXPECT_EQ(h[QStringLiteral("day")].toInt(), 1);
    EXPECT_EQ(h[QStringLiteral("monthName")].toString(), QStringLiteral("Muharram (1)"));
    const QJsonObject g = o[QStringLiteral("gregorian")].toObject();
    EXPECT_EQ(g[QStringLiteral("date")].toString(), QStringLiteral("2026-06-16T00:00:00+03:00"));
    EXPECT_EQ(g[QStringLiteral("dateFullString")].toString(), QStringLiteral("16 June (6), 2026"));
    EXPECT_EQ(g[QStringLiteral("weekDayName")].toString(), QStringLiteral("Tuesday"));
}

TEST_F(CommandLine, AHijriDateIsConvertedWithTheStoredAdjustment)
{
    ASSERT_EQ(run({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("adjustmentNumber"),
                   QStringLiteral("1")})
                  .status,
              0);
    const RunResult r = run({QStringLiteral("convert"), QStringLiteral("1447-09-01"),
                             QStringLiteral("--from"), QStringLiteral("hijri"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QJsonObject o = r.json();
    EXPECT_EQ(o[QStringLiteral("adjustment")].toInt(), 1);
    EXPECT_EQ(o[QStringLiteral("hijri")].toObject()[QStringLiteral("day")].toInt(), 1);
    // With +1 the Hijri side runs a day ahead, so 1 Ramadan falls on 17 February.
    EXPECT_EQ(o[QStringLiteral("gregorian")].toObject()[QStringLiteral("day")].toInt(), 17);
}

TEST_F(CommandLine, TextOutputIsForPeopleInTheirLanguage)
{
    const RunResult en = run({QStringLiteral("convert"), QStringLiteral("2026-02-18")});
    ASSERT_EQ(en.status, 0);
    EXPECT_TRUE(en.out.contains(QStringLiteral("01 Ramadan (9), 1447"))) << en.out.toStdString();
    EXPECT_TRUE(en.out.contains(QStringLiteral("18 February (2), 2026")));
    const RunResult ar =
        run({QStringLiteral("convert"), QStringLiteral("2026-02-18")}, QStringLiteral("ar_SA.UTF-8"));
    ASSERT_EQ(ar.status, 0);
    EXPECT_TRUE(ar.out.contains(QStringLiteral("رمضان (٩)"))) << ar.out.toStdString();
    EXPECT_TRUE(ar.out.contains(QStringLiteral("١٤٤٧")));
}

TEST_F(CommandLine, BadInputGivesOneLineAndStatusTwoAndWritesNothing)
{
    const QList<QStringList> bad{
        {QStringLiteral("convert"), QStringLiteral("2026-02-30")},
        {QStringLiteral("convert"), QStringLiteral("1447-08-30"), QStringLiteral("--from"),
         QStringLiteral("hijri")},
        {QStringLiteral("convert"), QStringLiteral("yesterday")},
        {QStringLiteral("convert"), QStringLiteral("2026-01-01"), QStringLiteral("--from"),
         QStringLiteral("julian")},
        {QStringLiteral("convert")},
        {QStringLiteral("today"), QStringLiteral("--verbose")},
        {QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("colour"), QStringLiteral("red")},
        {QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("adjustmentNumber"),
         QStringLiteral("1.5")},
        {QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("wallpaperIndex"),
         QStringLiteral("29")},
        {QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("todayAppBadgeEnabled"),
         QStringLiteral("maybe")},
        {QStringLiteral("frobnicate")},
    };
    for (const QStringList &args : bad) {
        SCOPED_TRACE(args.join(QLatin1Char(' ')).toStdString());
        const RunResult r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.out.isEmpty() || args.first() == QLatin1String("frobnicate"));
        EXPECT_FALSE(r.err.trimmed().isEmpty());
    }
    const QJsonObject s = run({QStringLiteral("settings"), QStringLiteral("--json")}).json();
    EXPECT_EQ(s[QStringLiteral("adjustmentNumber")].toInt(), 0);
    EXPECT_EQ(s[QStringLiteral("wallpaperIndex")].toInt(), 18);
    EXPECT_TRUE(s[QStringLiteral("todayAppBadgeEnabled")].toBool());
}

TEST_F(CommandLine, AnUnknownCommandIsOneEscapedLine)
{
    const RunResult r = run({QStringLiteral("fr\x1b]0;owned\x07ob\nnicate")});
    EXPECT_EQ(r.status, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains(QChar(0x1b)));
    EXPECT_TRUE(r.err.contains(QStringLiteral("fr\\x{1b}]0;owned\\x{7}ob\\nnicate"))) << r.err.toStdString();
}

TEST_F(CommandLine, AdjustmentsBeyondAYearAreRefusedAndStoredOnesIgnored)
{
    for (const char *value : {"366", "-366", "2147483648", "-9223372036854775808"}) {
        SCOPED_TRACE(value);
        const RunResult r = run({QStringLiteral("settings"), QStringLiteral("set"),
                                 QStringLiteral("adjustmentNumber"), QString::fromLatin1(value)});
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
    }
    for (const char *value : {"365", "-365"})
        EXPECT_EQ(run({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("adjustmentNumber"),
                       QString::fromLatin1(value)})
                      .status,
                  0);

    // A value written by something else: every command goes on with 0.
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("sqlite3"),
                          {suitePath(), QStringLiteral("UPDATE defaults SET value = 2147483648 WHERE key = "
                                                       "'adjustmentNumber'")}),
        0);
    const RunResult today =
        run({QStringLiteral("convert"), QStringLiteral("2026-06-16"), QStringLiteral("--json")});
    ASSERT_EQ(today.status, 0);
    EXPECT_EQ(today.json()[QStringLiteral("adjustment")].toInt(), 0);
    EXPECT_EQ(today.json()[QStringLiteral("hijri")].toObject()[QStringLiteral("day")].toInt(), 1);
    EXPECT_EQ(today.err.count(QLatin1Char('\n')), 1) << today.err.toStdString();
    QProcess occasions;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.path());
    env.insert(QStringLiteral("TZ"), QStringLiteral("Asia/Riyadh"));
    occasions.setProcessEnvironment(env);
    occasions.start(QStringLiteral(QAMARLY_EXECUTABLE),
                    {QStringLiteral("occasions"), QStringLiteral("--json")});
    ASSERT_TRUE(occasions.waitForFinished(30000)) << "occasions did not return";
    EXPECT_EQ(occasions.exitCode(), 0);
}

TEST_F(CommandLine, TheWallpaperReportedIsTheOneInUse)
{
    ASSERT_EQ(run({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("wallpaperIndex"),
                   QStringLiteral("3")})
                  .status,
              0);
    ASSERT_EQ(
        QProcess::execute(QStringLiteral("sqlite3"),
                          {suitePath(), QStringLiteral("UPDATE defaults SET value = 1000000 WHERE key = "
                                                       "'wallpaperIndex'")}),
        0);
    const RunResult text = run({QStringLiteral("settings")});
    EXPECT_TRUE(
        text.out.contains(QStringLiteral("wallpaperIndex = none (stored 1000000 is not a wallpaper)")))
        << text.out.toStdString();
    EXPECT_TRUE(run({QStringLiteral("settings"), QStringLiteral("--json")})
                    .json()[QStringLiteral("wallpaperIndex")]
                    .isNull());
}

TEST_F(CommandLine, SettingsSetChangesOneFieldAndKeepsTheRest)
{
    ASSERT_EQ(run({QStringLiteral("settings"), QStringLiteral("set"),
                   QStringLiteral("dailyNotificationEnabled"), QStringLiteral("false")})
                  .status,
              0);
    ASSERT_EQ(run({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("wallpaperIndex"),
                   QStringLiteral("3")})
                  .status,
              0);
    const QJsonObject s = run({QStringLiteral("settings"), QStringLiteral("--json")}).json();
    EXPECT_FALSE(s[QStringLiteral("dailyNotificationEnabled")].toBool());
    EXPECT_EQ(s[QStringLiteral("wallpaperIndex")].toInt(), 3);
    EXPECT_TRUE(s[QStringLiteral("todayAppBadgeEnabled")].toBool());
    EXPECT_TRUE(s[QStringLiteral("lastRefreshDate")].isNull());
}

TEST_F(CommandLine, ACorruptSettingsFileIsMovedAsideAndTheProgramWorks)
{
    QDir().mkpath(home.filePath(QStringLiteral("qamarly")));
    QFile f(suitePath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("this is not a database, it is a note to self");
    f.close();
    const RunResult r = run({QStringLiteral("settings"), QStringLiteral("--json")});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.json()[QStringLiteral("wallpaperIndex")].toInt(), 18);
    EXPECT_TRUE(r.err.contains(QStringLiteral("moved it to"))) << r.err.toStdString();
    EXPECT_EQ(
        QDir(home.filePath(QStringLiteral("qamarly"))).entryList({QStringLiteral("*.corrupt-*")}).size(), 1);
}

TEST_F(CommandLine, AnUnwritableSettingsFolderStillAnswers)
{
    QFile blocker(home.filePath(QStringLiteral("qamarly")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    const RunResult r = run({QStringLiteral("today"), QStringLiteral("--json")});
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.json().contains(QStringLiteral("hijri")));
    EXPECT_EQ(r.err.count(QLatin1Char('\n')), 1) << r.err.toStdString();
}

} // namespace

namespace {

TEST_F(CommandLine, ChangingTheAdjustmentAsksTheWidgetsToReload)
{
    const QString request = home.filePath(QStringLiteral("qamarly/widget-center/reload-request"));
    ASSERT_EQ(run({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("wallpaperIndex"),
                   QStringLiteral("4")})
                  .status,
              0);
    EXPECT_FALSE(QFile::exists(request)) << "a wallpaper is nothing the widgets show";
    ASSERT_EQ(run({QStringLiteral("settings"), QStringLiteral("set"), QStringLiteral("adjustmentNumber"),
                   QStringLiteral("-1")})
                  .status,
              0);
    EXPECT_TRUE(QFile::exists(request));
}

} // namespace

namespace {

TEST_F(CommandLine, SettingsSetSaysWhatItStored)
{
    const RunResult r = run({QStringLiteral("settings"), QStringLiteral("set"),
                             QStringLiteral("todayAppBadgeEnabled"), QStringLiteral("off")});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith(QStringLiteral("todayAppBadgeEnabled = false (stored in ") + suitePath()))
        << r.out.toStdString();
}

// The settings folder cannot be made: the change is kept nowhere, and the
// command says so instead of reporting success.
TEST_F(CommandLine, SettingsSetFailsLoudlyWhenNothingCanBeStored)
{
    QFile blocker(home.filePath(QStringLiteral("qamarly")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const RunResult r = run({QStringLiteral("settings"), QStringLiteral("set"),
                             QStringLiteral("adjustmentNumber"), QStringLiteral("2")});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("could not store adjustmentNumber"))) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QStringLiteral("cannot be written"))) << r.err.toStdString();
}

} // namespace
