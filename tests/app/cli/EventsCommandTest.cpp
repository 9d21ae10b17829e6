// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "InProcess.h"
#include "app/cli/CommandLine.h"
#include "core/DayTable.h"
#include "platform/localization/Localization.h"
#include "support/RowName.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class EventsCommand : public ::testing::Test
{
protected:
    EventsCommand()
    {
        platform::installTranslations();
        const QString folder = env.dataHome() + QStringLiteral("/qamarly/calendars/work");
        QDir().mkpath(folder);
        write(folder + QStringLiteral("/displayname"), "Work\n");
        write(folder + QStringLiteral("/b.ics"),
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:b\r\n"
              "DTSTAMP:20260101T000000Z\r\nDTSTART:20261207T060000Z\r\nDTEND:20261207T073000Z\r\n"
              "SUMMARY:Review\r\nLOCATION:Room 4\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
        write(folder + QStringLiteral("/a.ics"),
              "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:a\r\n"
              "DTSTAMP:20260101T000000Z\r\nDTSTART;VALUE=DATE:20261207\r\nDTEND;VALUE=DATE:20261209\r\n"
              "SUMMARY:Conference\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    }
    static void write(const QString &path, const QByteArray &data) { clitest::write(path, data); }
    int run(const QStringList &arguments)
    {
        const clitest::Outcome r = clitest::run(arguments);
        output = r.out;
        errors = r.err;
        return r.status;
    }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    QString output;
    QString errors;
};

TEST_F(EventsCommand, ListsTheDayAsTheCalendarTabDoesInJson)
{
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("2026-12-07"), QStringLiteral("--json")}),
              app::cli::exitOk)
        << errors.toStdString();
    const QJsonObject root = QJsonDocument::fromJson(output.toUtf8()).object();
    EXPECT_EQ(root.value(QStringLiteral("date")).toString(), QStringLiteral("2026-12-07"));
    const QJsonArray events = root.value(QStringLiteral("events")).toArray();
    ASSERT_EQ(events.size(), 2);
    const QJsonObject first = events[0].toObject();
    EXPECT_EQ(first.value(QStringLiteral("title")).toString(), QStringLiteral("Conference"));
    EXPECT_EQ(first.value(QStringLiteral("start")).toString(), QStringLiteral("2026-12-07T00:00:00+03:00"));
    EXPECT_EQ(first.value(QStringLiteral("end")).toString(), QStringLiteral("2026-12-08T23:59:59+03:00"));
    EXPECT_TRUE(first.value(QStringLiteral("allDay")).toBool());
    EXPECT_EQ(first.value(QStringLiteral("duration")).toString(), QStringLiteral("All Day"));
    const QJsonObject second = events[1].toObject();
    EXPECT_EQ(second.value(QStringLiteral("title")).toString(), QStringLiteral("Review"));
    EXPECT_EQ(second.value(QStringLiteral("start")).toString(), QStringLiteral("2026-12-07T09:00:00+03:00"));
    EXPECT_EQ(second.value(QStringLiteral("location")).toString(), QStringLiteral("Room 4"));
    EXPECT_EQ(second.value(QStringLiteral("calendar")).toString(), QStringLiteral("Work"));
    EXPECT_EQ(second.value(QStringLiteral("duration")).toString(), QStringLiteral("1 h, 30 m"));
    // A single event repeats never, not by a rule the program cannot follow.
    EXPECT_TRUE(second.value(QStringLiteral("repeat")).isNull());
}

// A day as typed, and what the plain listing of it begins with.
struct DayRow
{
    const char *what; // the arguments, split at spaces
    int status;
    const char *firstLine;
    int lines;
};

const DayRow dayRows[] = {
    {"events", app::cli::exitOk, "2026-12-05", 1},
    {"events 2026-12-08", app::cli::exitOk, "2026-12-08", 2},
    {"events 2026-12-07", app::cli::exitOk, "2026-12-07", 3},
    {"events 2026-02-30", app::cli::exitUsage, "", 0},
    {"events tomorrow", app::cli::exitUsage, "", 0},
    {"events 2026-12-07 2026-12-08", app::cli::exitUsage, "", 0},
};

class EventsDayArgument : public EventsCommand, public ::testing::WithParamInterface<DayRow>
{
};

TEST_P(EventsDayArgument, ListsThatDayOrIsRefused)
{
    const DayRow &row = GetParam();
    EXPECT_EQ(run(QString::fromLatin1(row.what).split(QLatin1Char(' '))), row.status);
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(lines.size(), row.lines) << output.toStdString();
    if (row.status == app::cli::exitOk)
        EXPECT_EQ(lines.value(0), QString::fromLatin1(row.firstLine));
    else
        EXPECT_FALSE(errors.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(EventsCommand, EventsDayArgument, ::testing::ValuesIn(dayRows), testenv::RowWhat());

TEST_F(EventsCommand, APlainLineGivesTitleTimesPlaceCalendarAndLength)
{
    run({QStringLiteral("events"), QStringLiteral("2026-12-07")});
    EXPECT_TRUE(output.contains(
        QStringLiteral("Review | 2026-12-07 09:00 - 2026-12-07 10:30 | Room 4 | Work | 1 h, 30 m")))
        << output.toStdString();
}

// Everything in the calendar folder, to prove a refused command wrote nothing.
QMap<QString, QByteArray> folderContent(const QString &folder)
{
    QMap<QString, QByteArray> content;
    for (const QString &name : QDir(folder).entryList(QDir::Files)) {
        QFile file(folder + QLatin1Char('/') + name);
        if (file.open(QIODevice::ReadOnly))
            content.insert(name, file.readAll());
    }
    return content;
}

TEST_F(EventsCommand, AddEditAndDeleteGoThroughTheStoreAndBadInputWritesNothing)
{
    const QString folder = env.dataHome() + QStringLiteral("/qamarly/calendars/work");
    write(folder + QStringLiteral("/weekly.ics"),
          "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:weekly\r\n"
          "DTSTAMP:20260101T000000Z\r\nDTSTART;TZID=Asia/Riyadh:20261209T170000\r\n"
          "DTEND;TZID=Asia/Riyadh:20261209T180000\r\nRRULE:FREQ=WEEKLY;COUNT=10\r\nSUMMARY:Class\r\n"
          "END:VEVENT\r\nEND:VCALENDAR\r\n");

    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("add"), QStringLiteral("--title"),
                   QStringLiteral("Call"), QStringLiteral("--start"), QStringLiteral("2026-12-09T09:00"),
                   QStringLiteral("--end"), QStringLiteral("2026-12-09T09:15"), QStringLiteral("--zone"),
                   QStringLiteral("Europe/Berlin"), QStringLiteral("--calendar"), QStringLiteral("Work")}),
              app::cli::exitOk)
        << errors.toStdString();
    const QString uid = output.trimmed();
    QFile added(folder + QLatin1Char('/') + uid + QStringLiteral(".ics"));
    ASSERT_TRUE(added.open(QIODevice::ReadOnly)) << uid.toStdString();
    const QByteArray addedText = added.readAll();
    EXPECT_TRUE(addedText.contains("DTSTART;TZID=Europe/Berlin:20261209T090000\r\n"))
        << addedText.toStdString();
    EXPECT_TRUE(addedText.contains("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"));
    EXPECT_FALSE(addedText.contains("X-LIC"));

    // A time without an offset is in the event's own zone; the length stays.
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("edit"), uid, QStringLiteral("--start"),
                   QStringLiteral("2026-12-09T10:00")}),
              app::cli::exitOk)
        << errors.toStdString();
    run({QStringLiteral("events"), QStringLiteral("2026-12-09"), QStringLiteral("--json")});
    QJsonArray listed =
        QJsonDocument::fromJson(output.toUtf8()).object().value(QStringLiteral("events")).toArray();
    ASSERT_EQ(listed.size(), 2) << output.toStdString();
    const QJsonObject call = listed[0].toObject();
    EXPECT_EQ(call.value(QStringLiteral("uid")).toString(), uid);
    EXPECT_EQ(call.value(QStringLiteral("start")).toString(), QStringLiteral("2026-12-09T12:00:00+03:00"));
    EXPECT_EQ(call.value(QStringLiteral("end")).toString(), QStringLiteral("2026-12-09T12:15:00+03:00"));
    EXPECT_TRUE(call.value(QStringLiteral("recurrenceId")).isNull());
    const QJsonObject lesson = listed[1].toObject();
    EXPECT_EQ(lesson.value(QStringLiteral("uid")).toString(), QStringLiteral("weekly"));
    EXPECT_EQ(lesson.value(QStringLiteral("recurrenceId")).toString(),
              QStringLiteral("2026-12-09T17:00:00+03:00"));

    const auto before = folderContent(folder);
    struct Row
    {
        QStringList arguments;
        int status;
    };
    const Row refused[] = {
        {{QStringLiteral("edit"), QStringLiteral("nobody"), QStringLiteral("--title"), QStringLiteral("x")},
         app::cli::exitUsage},
        {{QStringLiteral("delete"), QStringLiteral("weekly"), QStringLiteral("--occurrence"),
          QStringLiteral("2026-12-10")},
         app::cli::exitUsage},
        {{QStringLiteral("delete"), QStringLiteral("weekly"), QStringLiteral("--occurrence"),
          QStringLiteral("2026-12-16"), QStringLiteral("--from"), QStringLiteral("2026-12-23")},
         app::cli::exitUsage},
        {{QStringLiteral("edit"), uid, QStringLiteral("--start"), QStringLiteral("2026-12-09T12:00"),
          QStringLiteral("--end"), QStringLiteral("2026-12-09T11:00")},
         app::cli::exitUsage},
        {{QStringLiteral("edit"), uid}, app::cli::exitUsage},
        {{QStringLiteral("edit"), uid, QStringLiteral("--start"), QStringLiteral("noon")},
         app::cli::exitUsage},
        {{QStringLiteral("add"), QStringLiteral("--start"), QStringLiteral("2026-12-09T09:00"),
          QStringLiteral("--end"), QStringLiteral("2026-12-09T10:00")},
         app::cli::exitUsage},
        {{QStringLiteral("add"), QStringLiteral("--title"), QStringLiteral("x"), QStringLiteral("--start"),
          QStringLiteral("2026-12-09T09:00"), QStringLiteral("--end"), QStringLiteral("2026-12-09T10:00"),
          QStringLiteral("--zone"), QStringLiteral("Mars/Olympus")},
         app::cli::exitUsage},
        {{QStringLiteral("add"), QStringLiteral("--title"), QStringLiteral("x"), QStringLiteral("--start"),
          QStringLiteral("2026-12-09T09:00"), QStringLiteral("--end"), QStringLiteral("2026-12-09T10:00"),
          QStringLiteral("--calendar"), QStringLiteral("Holidays")},
         app::cli::exitUsage},
    };
    for (const Row &row : refused) {
        SCOPED_TRACE(row.arguments.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run(QStringList{QStringLiteral("events")} + row.arguments), row.status);
        EXPECT_EQ(errors.count(QLatin1Char('\n')), 1) << errors.toStdString();
        EXPECT_TRUE(output.isEmpty());
    }
    EXPECT_EQ(folderContent(folder), before);

    // One occurrence, then the rest from a day on, as a new series.
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("delete"), QStringLiteral("weekly"),
                   QStringLiteral("--occurrence"), QStringLiteral("2026-12-16")}),
              app::cli::exitOk)
        << errors.toStdString();
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("edit"), QStringLiteral("weekly"),
                   QStringLiteral("--from"), QStringLiteral("2026-12-30"), QStringLiteral("--title"),
                   QStringLiteral("Class (new room)")}),
              app::cli::exitOk)
        << errors.toStdString();
    QStringList weeks;
    for (QDate day(2026, 12, 9); day < QDate(2027, 2, 28); day = day.addDays(7)) {
        run({QStringLiteral("events"), day.toString(Qt::ISODate), QStringLiteral("--json")});
        const QJsonArray dayEvents =
            QJsonDocument::fromJson(output.toUtf8()).object().value(QStringLiteral("events")).toArray();
        for (const auto &e : dayEvents) {
            const QString title = e.toObject().value(QStringLiteral("title")).toString();
            if (title.startsWith(QStringLiteral("Class")))
                weeks << day.toString(QStringLiteral("MM-dd ")) + title;
        }
    }
    EXPECT_EQ(weeks,
              (QStringList{QStringLiteral("12-09 Class"), QStringLiteral("12-23 Class"),
                           QStringLiteral("12-30 Class (new room)"), QStringLiteral("01-06 Class (new room)"),
                           QStringLiteral("01-13 Class (new room)"), QStringLiteral("01-20 Class (new room)"),
                           QStringLiteral("01-27 Class (new room)"), QStringLiteral("02-03 Class (new room)"),
                           QStringLiteral("02-10 Class (new room)")}));
}

TEST_F(EventsCommand, RepeatsAreAddedChangedAndListedAndBadOnesRefused)
{
    const QString folder = env.dataHome() + QStringLiteral("/qamarly/calendars/work");
    const auto events = [this](QDate day) {
        run({QStringLiteral("events"), day.toString(Qt::ISODate), QStringLiteral("--json")});
        QMap<QString, QJsonObject> byTitle;
        const QJsonArray dayEvents =
            QJsonDocument::fromJson(output.toUtf8()).object().value(QStringLiteral("events")).toArray();
        for (const auto &e : dayEvents)
            byTitle.insert(e.toObject().value(QStringLiteral("title")).toString(), e.toObject());
        return byTitle;
    };
    // Every Hijri year, three times.
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("add"), QStringLiteral("--title"),
                   QStringLiteral("Birthday"), QStringLiteral("--all-day"), QStringLiteral("--start"),
                   QStringLiteral("2026-12-07"), QStringLiteral("--end"), QStringLiteral("2026-12-07"),
                   QStringLiteral("--repeat"), QStringLiteral("hijri-yearly"), QStringLiteral("--count"),
                   QStringLiteral("3"), QStringLiteral("--notes"), QStringLiteral("Cake")}),
              app::cli::exitOk)
        << errors.toStdString();
    const QString uid = output.trimmed();
    const auto first = core::DayTable::hijri(core::DayTable::fromGregorian(2026, 12, 7));
    ASSERT_TRUE(first);
    const core::CalendarDay next =
        core::DayTable::gregorian(*core::DayTable::fromHijri(first->year + 1, first->month, first->day));
    const QJsonObject birthday =
        events(QDate(static_cast<int>(next.year), next.month, next.day)).value(QStringLiteral("Birthday"));
    EXPECT_EQ(birthday.value(QStringLiteral("notes")).toString(), QStringLiteral("Cake"));
    EXPECT_EQ(birthday.value(QStringLiteral("repeat")).toObject(),
              (QJsonObject{{QStringLiteral("kind"), QStringLiteral("hijri-yearly")},
                           {QStringLiteral("count"), 3}}));
    EXPECT_FALSE(events(QDate(2027, 12, 7)).contains(QStringLiteral("Birthday")));

    const auto before = folderContent(folder);
    for (const QStringList &bad : {QStringList{QStringLiteral("--repeat"), QStringLiteral("fortnightly")},
                                   QStringList{QStringLiteral("--count"), QStringLiteral("1000000000")},
                                   QStringList{QStringLiteral("--repeat"), QStringLiteral("daily"),
                                               QStringLiteral("--until"), QStringLiteral("2026-12-01")},
                                   QStringList{QStringLiteral("--until"), QStringLiteral("2027-01-01"),
                                               QStringLiteral("--count"), QStringLiteral("2")},
                                   QStringList{QStringLiteral("--occurrence"), QStringLiteral("2026-12-07"),
                                               QStringLiteral("--repeat"), QStringLiteral("daily")}}) {
        SCOPED_TRACE(bad.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run(QStringList{QStringLiteral("events"), QStringLiteral("edit"), uid} + bad),
                  app::cli::exitUsage);
        EXPECT_EQ(errors.count(QLatin1Char('\n')), 1) << errors.toStdString();
    }
    EXPECT_EQ(folderContent(folder), before);

    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("edit"), uid, QStringLiteral("--repeat"),
                   QStringLiteral("weekly"), QStringLiteral("--until"), QStringLiteral("2026-12-21")}),
              app::cli::exitOk)
        << errors.toStdString();
    EXPECT_TRUE(events(QDate(2026, 12, 21)).contains(QStringLiteral("Birthday")));
    EXPECT_FALSE(events(QDate(2026, 12, 28)).contains(QStringLiteral("Birthday")));
    EXPECT_EQ(events(QDate(2026, 12, 14)).value(QStringLiteral("Birthday")).value(QStringLiteral("repeat")),
              (QJsonObject{{QStringLiteral("kind"), QStringLiteral("weekly")},
                           {QStringLiteral("until"), QStringLiteral("2026-12-21")}}));
}

TEST_F(EventsCommand, AWeeklyEventKeepsItsHourWhenTheClocksChange)
{
    env.setTimeZone(QStringLiteral("Europe/Berlin"));
    // Summer time ends on 25 October 2026, between the first and the second class.
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("add"), QStringLiteral("--title"),
                   QStringLiteral("Class"), QStringLiteral("--start"), QStringLiteral("2026-10-20T10:00"),
                   QStringLiteral("--end"), QStringLiteral("2026-10-20T11:00"), QStringLiteral("--repeat"),
                   QStringLiteral("weekly"), QStringLiteral("--count"), QStringLiteral("3")}),
              app::cli::exitOk)
        << errors.toStdString();
    for (const auto &[day, start] :
         {std::pair{QStringLiteral("2026-10-20"), QStringLiteral("T10:00:00+02:00")},
          std::pair{QStringLiteral("2026-10-27"), QStringLiteral("T10:00:00+01:00")}}) {
        ASSERT_EQ(run({QStringLiteral("events"), day, QStringLiteral("--json")}), app::cli::exitOk);
        const QJsonArray events =
            QJsonDocument::fromJson(output.toUtf8()).object().value(QStringLiteral("events")).toArray();
        ASSERT_EQ(events.size(), 1) << output.toStdString();
        EXPECT_EQ(events[0].toObject().value(QStringLiteral("start")).toString(), day + start);
    }
}

TEST_F(EventsCommand, AlertsAreGivenListedReplacedAndTakenAway)
{
    const QString folder = env.dataHome() + QStringLiteral("/qamarly/calendars/work");
    const auto alertsOf = [this](const QString &title) {
        run({QStringLiteral("events"), QStringLiteral("2026-12-07"), QStringLiteral("--json")});
        const QJsonArray dayEvents =
            QJsonDocument::fromJson(output.toUtf8()).object().value(QStringLiteral("events")).toArray();
        for (const auto &e : dayEvents) {
            if (e.toObject().value(QStringLiteral("title")).toString() == title)
                return e.toObject().value(QStringLiteral("alerts")).toArray();
        }
        return QJsonArray{QStringLiteral("no such event")};
    };
    const auto before = [](int minutes) {
        return QJsonObject{{QStringLiteral("minutesBefore"), minutes},
                           {QStringLiteral("relatedTo"), QStringLiteral("start")}};
    };
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("add"), QStringLiteral("--title"),
                   QStringLiteral("Call"), QStringLiteral("--start"), QStringLiteral("2026-12-07T15:00"),
                   QStringLiteral("--end"), QStringLiteral("2026-12-07T15:30"), QStringLiteral("--alert"),
                   QStringLiteral("15"), QStringLiteral("--alert=1440"), QStringLiteral("--url"),
                   QStringLiteral("example.org/call")}),
              app::cli::exitOk)
        << errors.toStdString();
    const QString uid = output.trimmed();
    EXPECT_EQ(alertsOf(QStringLiteral("Call")), (QJsonArray{before(15), before(1440)}));

    const auto files = folderContent(folder);
    for (const QStringList &bad :
         {QStringList{QStringLiteral("--alert"), QStringLiteral("soon")},
          QStringList{QStringLiteral("--alert"), QStringLiteral("-5")},
          QStringList{QStringLiteral("--alert"), QStringLiteral("99999999")},
          QStringList{QStringLiteral("--alert"), QStringLiteral("none"), QStringLiteral("--alert"),
                      QStringLiteral("5")},
          QStringList{QStringLiteral("--url"), QStringLiteral("file:///etc/passwd")}}) {
        SCOPED_TRACE(bad.join(QLatin1Char(' ')).toStdString());
        EXPECT_EQ(run(QStringList{QStringLiteral("events"), QStringLiteral("edit"), uid} + bad),
                  app::cli::exitUsage);
        EXPECT_EQ(errors.count(QLatin1Char('\n')), 1) << errors.toStdString();
    }
    EXPECT_EQ(folderContent(folder), files);

    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("edit"), uid, QStringLiteral("--alert"),
                   QStringLiteral("0")}),
              app::cli::exitOk)
        << errors.toStdString();
    EXPECT_EQ(alertsOf(QStringLiteral("Call")), (QJsonArray{before(0)}));
    ASSERT_EQ(run({QStringLiteral("events"), QStringLiteral("edit"), uid, QStringLiteral("--alert"),
                   QStringLiteral("none")}),
              app::cli::exitOk)
        << errors.toStdString();
    EXPECT_EQ(alertsOf(QStringLiteral("Call")), QJsonArray());
    // The address given, a bare host made a web address, until taken away.
    EXPECT_TRUE(output.contains(QStringLiteral("\"url\": \"https://example.org/call\"")));
    ASSERT_EQ(
        run({QStringLiteral("events"), QStringLiteral("edit"), uid, QStringLiteral("--url"), QString()}),
        app::cli::exitOk);
    alertsOf(QStringLiteral("Call"));
    EXPECT_TRUE(output.contains(QStringLiteral("\"url\": \"\"")));
}

TEST_F(EventsCommand, FoldersOfOtherToolsAreAddedListedAndRemoved)
{
    QTemporaryDir synced;
    write(synced.path() + QStringLiteral("/s.ics"),
          "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:s\r\n"
          "DTSTAMP:20260101T000000Z\r\nDTSTART:20261207T100000Z\r\nDTEND:20261207T110000Z\r\n"
          "SUMMARY:Synced\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n");
    const QString missing = synced.path() + QStringLiteral("/nowhere");
    EXPECT_EQ(
        run({QStringLiteral("settings"), QStringLiteral("add"), QStringLiteral("CalendarFolders"), missing}),
        app::cli::exitUsage);
    EXPECT_EQ(run({QStringLiteral("settings"), QStringLiteral("add"), QStringLiteral("CalendarFolders"),
                   synced.path()}),
              app::cli::exitOk)
        << errors.toStdString();
    EXPECT_EQ(run({QStringLiteral("settings"), QStringLiteral("list"), QStringLiteral("CalendarFolders")}),
              app::cli::exitOk);
    EXPECT_EQ(output, synced.path() + QLatin1Char('\n'));
    run({QStringLiteral("events"), QStringLiteral("2026-12-07")});
    EXPECT_TRUE(output.contains(QStringLiteral("Synced |"))) << output.toStdString();

    EXPECT_EQ(run({QStringLiteral("settings"), QStringLiteral("remove"), QStringLiteral("CalendarFolders"),
                   synced.path()}),
              app::cli::exitOk);
    EXPECT_EQ(run({QStringLiteral("settings"), QStringLiteral("remove"), QStringLiteral("CalendarFolders"),
                   synced.path()}),
              app::cli::exitUsage);
    run({QStringLiteral("events"), QStringLiteral("2026-12-07")});
    EXPECT_FALSE(output.contains(QStringLiteral("Synced")));
}

} // namespace
