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
    static void write(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }
    int run(const QStringList &arguments)
    {
        output.clear();
        errors.clear();
        QTextStream out(&output);
        QTextStream err(&errors);
        const auto status = app::cli::runCommandLine(arguments, out, err);
        out.flush();
        err.flush();
        return status.value_or(-1);
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
}

TEST_F(EventsCommand, DayArgumentsAndPlainText)
{
    struct Row
    {
        QStringList arguments;
        int status;
        QString firstLine;
        int lines;
    };
    const Row rows[] = {
        {{QStringLiteral("events")}, app::cli::exitOk, QStringLiteral("2026-12-05"), 1},
        {{QStringLiteral("events"), QStringLiteral("2026-12-08")},
         app::cli::exitOk,
         QStringLiteral("2026-12-08"),
         2},
        {{QStringLiteral("events"), QStringLiteral("2026-12-07")},
         app::cli::exitOk,
         QStringLiteral("2026-12-07"),
         3},
        {{QStringLiteral("events"), QStringLiteral("2026-02-30")}, app::cli::exitUsage, QString(), 0},
        {{QStringLiteral("events"), QStringLiteral("tomorrow")}, app::cli::exitUsage, QString(), 0},
        {{QStringLiteral("events"), QStringLiteral("2026-12-07"), QStringLiteral("2026-12-08")},
         app::cli::exitUsage,
         QString(),
         0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.arguments.join(' ').toStdString());
        EXPECT_EQ(run(row.arguments), row.status);
        const QStringList lines = output.split('\n', Qt::SkipEmptyParts);
        EXPECT_EQ(lines.size(), row.lines) << output.toStdString();
        if (row.status == app::cli::exitOk)
            EXPECT_EQ(lines.value(0), row.firstLine);
        else
            EXPECT_FALSE(errors.isEmpty());
    }
    run({QStringLiteral("events"), QStringLiteral("2026-12-07")});
    EXPECT_TRUE(output.contains(
        QStringLiteral("Review | 2026-12-07 09:00 - 2026-12-07 10:30 | Room 4 | Work | 1 h, 30 m")))
        << output.toStdString();
}

} // namespace
