// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "InProcess.h"
#include "app/cli/CommandLine.h"
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {

// An invitation as mail programs send them: a scheduling method, a zone, a
// series with one changed occurrence, a second event, and a to-do.
const QByteArray invitation =
    "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Mailer//EN\r\nMETHOD:REQUEST\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Asia/Riyadh\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
    "TZOFFSETFROM:+0300\r\nTZOFFSETTO:+0300\r\nTZNAME:+03\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VTIMEZONE\r\nTZID:Europe/Paris\r\nBEGIN:STANDARD\r\nDTSTART:19701025T030000\r\n"
    "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n"
    "BEGIN:VEVENT\r\nUID:class@example.org\r\nDTSTAMP:20261201T000000Z\r\nSEQUENCE:1\r\n"
    "DTSTART;TZID=Asia/Riyadh:20261208T100000\r\nDTEND;TZID=Asia/Riyadh:20261208T110000\r\n"
    "RRULE:FREQ=WEEKLY;COUNT=4\r\nSUMMARY:Arabic class\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:class@example.org\r\nDTSTAMP:20261201T000000Z\r\n"
    "RECURRENCE-ID;TZID=Asia/Riyadh:20261215T100000\r\nDTSTART;TZID=Asia/Riyadh:20261215T120000\r\n"
    "DTEND;TZID=Asia/Riyadh:20261215T130000\r\nSUMMARY:Arabic class (moved)\r\nEND:VEVENT\r\n"
    "BEGIN:VEVENT\r\nUID:../../../escape\r\nDTSTAMP:20261201T000000Z\r\n"
    "DTSTART;VALUE=DATE:20261210\r\nSUMMARY:Day off\r\nEND:VEVENT\r\n"
    "BEGIN:VTODO\r\nUID:todo\r\nSUMMARY:Not an event\r\nEND:VTODO\r\n"
    "END:VCALENDAR\r\n";

class ImportCommand : public ::testing::Test
{
protected:
    ImportCommand()
    {
        platform::installTranslations();
        QDir().mkpath(folder);
        write(folder + QStringLiteral("/displayname"), "Personal\n");
        write(env.dataHome() + QStringLiteral("/invite.ics"), invitation);
    }
    static void write(const QString &path, const QByteArray &data) { clitest::write(path, data); }
    int run(const QStringList &arguments)
    {
        const clitest::Outcome r = clitest::run(arguments);
        output = r.out;
        errors = r.err;
        return r.status;
    }
    QJsonObject importJson(const QString &file)
    {
        EXPECT_EQ(run({QStringLiteral("import"), file, QStringLiteral("--json")}), app::cli::exitOk)
            << errors.toStdString();
        return QJsonDocument::fromJson(output.toUtf8()).object();
    }
    QStringList eventFiles() const { return QDir(folder).entryList({QStringLiteral("*.ics")}, QDir::Files); }
    QByteArray fileHolding(const QByteArray &needle) const
    {
        for (const QString &name : eventFiles()) {
            QFile file(QDir(folder).filePath(name));
            if (file.open(QIODevice::ReadOnly)) {
                const QByteArray data = file.readAll();
                if (data.contains(needle))
                    return data;
            }
        }
        return {};
    }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    QString folder = env.dataHome() + QStringLiteral("/qamarly/calendars/personal");
    QString output;
    QString errors;
};

TEST_F(ImportCommand, EachEventBecomesAFileOfItsOwnWithItsZoneAndOverrides)
{
    const QJsonObject first = importJson(env.dataHome() + QStringLiteral("/invite.ics"));
    EXPECT_EQ(first.value(QStringLiteral("added")).toInt(), 2);
    EXPECT_EQ(first.value(QStringLiteral("calendar")).toString(), QStringLiteral("Personal"));
    ASSERT_EQ(eventFiles().size(), 2) << eventFiles().join(QLatin1Char(' ')).toStdString();
    // A hostile UID names no path outside the folder.
    EXPECT_FALSE(QFile::exists(env.dataHome() + QStringLiteral("/escape.ics")));

    const QByteArray series = fileHolding("UID:class@example.org");
    EXPECT_EQ(series.count("BEGIN:VEVENT"), 2);
    EXPECT_TRUE(series.contains("TZID:Asia/Riyadh"));
    EXPECT_FALSE(series.contains("Europe/Paris")) << "a zone no event names stays behind";
    EXPECT_FALSE(series.contains("METHOD:")) << "a stored event carries no scheduling method";
    EXPECT_FALSE(fileHolding("Day off").contains("VTIMEZONE"));

    // The moved occurrence is where the sender put it.
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("2026-12-15"), QStringLiteral("--json")}), 0);
    const auto events =
        QJsonDocument::fromJson(output.toUtf8()).object().value(QStringLiteral("events")).toArray();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].toObject().value(QStringLiteral("title")).toString(),
              QStringLiteral("Arabic class (moved)"));
    EXPECT_EQ(events[0].toObject().value(QStringLiteral("start")).toString(),
              QStringLiteral("2026-12-15T12:00:00+03:00"));
}

TEST_F(ImportCommand, ImportingAgainAddsNothingAndOnlyALaterVersionReplaces)
{
    importJson(env.dataHome() + QStringLiteral("/invite.ics"));
    const QJsonObject again = importJson(env.dataHome() + QStringLiteral("/invite.ics"));
    EXPECT_EQ(again.value(QStringLiteral("added")).toInt(), 0);
    EXPECT_EQ(again.value(QStringLiteral("unchanged")).toInt(), 2);
    EXPECT_EQ(eventFiles().size(), 2);

    // The user's own later change (a higher SEQUENCE) outranks an old copy.
    QByteArray edited = fileHolding("UID:class@example.org");
    edited.replace("SEQUENCE:1", "SEQUENCE:3").replace("SUMMARY:Arabic class\r\n", "SUMMARY:My class\r\n");
    write(QDir(folder).filePath(QStringLiteral("class@example.org.ics")), edited);
    EXPECT_EQ(
        importJson(env.dataHome() + QStringLiteral("/invite.ics")).value(QStringLiteral("unchanged")).toInt(),
        2);
    EXPECT_TRUE(fileHolding("UID:class@example.org").contains("SUMMARY:My class"));

    // The organiser's update (SEQUENCE 4) replaces it.
    QByteArray update = invitation;
    update.replace("SEQUENCE:1", "SEQUENCE:4")
        .replace("SUMMARY:Arabic class\r\n", "SUMMARY:Arabic class, room 2\r\n");
    write(env.dataHome() + QStringLiteral("/update.ics"), update);
    const QJsonObject updated = importJson(env.dataHome() + QStringLiteral("/update.ics"));
    EXPECT_EQ(updated.value(QStringLiteral("updated")).toInt(), 1);
    EXPECT_TRUE(fileHolding("UID:class@example.org").contains("SUMMARY:Arabic class, room 2"));
    EXPECT_EQ(eventFiles().size(), 2);
}

TEST_F(ImportCommand, AFileThatIsNoCalendarWritesNothingAndSaysWhy)
{
    write(env.dataHome() + QStringLiteral("/notes.ics"), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nSUMMARY:x\r\n");
    const QString import = QStringLiteral("import");
    EXPECT_EQ(run({import, env.dataHome() + QStringLiteral("/notes.ics")}), app::cli::exitFailure);
    EXPECT_TRUE(errors.contains(QStringLiteral("notes.ics"))) << errors.toStdString();
    EXPECT_EQ(run({import, env.dataHome() + QStringLiteral("/missing.ics")}), app::cli::exitFailure);
    EXPECT_EQ(run({import, env.dataHome() + QStringLiteral("/invite.ics"), QStringLiteral("--calendar"),
                   QStringLiteral("Nowhere")}),
              app::cli::exitUsage);
    EXPECT_TRUE(eventFiles().isEmpty());
}

} // namespace
