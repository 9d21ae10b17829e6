// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The agent's event alerts below the notification service: calendar folders
// on disk, an injected clock and zone, and a stand-in that records what
// would have been shown.
#include "platform/notifications/agent/EventAlerts.h"

#include "platform/events/linux/VdirEventStore.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;
using testenv::gregorianInstant;

namespace {

QByteArray eventFile(const QByteArray &uid, const QByteArray &title, const QByteArray &times,
                     const QByteArray &alarms)
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Other//Program//EN\r\nBEGIN:VEVENT\r\nUID:" + uid +
           "\r\nDTSTAMP:20260101T000000Z\r\n" + times + "SUMMARY:" + title + "\r\n" + alarms +
           "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

QByteArray alarm(const QByteArray &trigger)
{
    return "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:Reminder\r\n" + trigger + "\r\nEND:VALARM\r\n";
}

class EventAlerts : public ::testing::Test
{
protected:
    EventAlerts() { QDir().mkpath(folder); }

    // As another program writes: a whole new file renamed into place.
    void put(const QString &dir, const QString &name, const QByteArray &data)
    {
        QSaveFile file(dir + QLatin1Char('/') + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        ASSERT_TRUE(file.commit());
    }
    void startAgent()
    {
        store = std::make_shared<VdirEventStore>(env.dataHome() + QStringLiteral("/calendars"),
                                                 QStringList{synced});
        scheduler = std::make_unique<EventAlertScheduler>(
            store, env.configHome() + QStringLiteral("/delivered-alerts.json"),
            [this](const EventAlertMoment &alert, std::function<void(bool)> done) {
                shown << alert.title;
                done(serviceAnswers);
            });
        scheduler->start();
    }
    void stopAgent()
    {
        scheduler.reset();
        store.reset();
    }
    void at(Instant now)
    {
        env.setNow(now);
        scheduler->check();
    }
    // What the store hears of a change comes through the event loop.
    bool nextAlertBecomes(std::optional<Instant> expected)
    {
        return QTest::qWaitFor([&] { return scheduler->nextAlert() == expected; }, 5000);
    }

    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Europe/Berlin")};
    QString folder = env.dataHome() + QStringLiteral("/calendars/home");
    QString synced = env.dataHome() + QStringLiteral("/vdirsyncer/work");
    std::shared_ptr<VdirEventStore> store;
    std::unique_ptr<EventAlertScheduler> scheduler;
    QStringList shown;
    bool serviceAnswers = true;
};

TEST_F(EventAlerts, EachAlertIsShownOnceAtItsMomentEvenAcrossRestarts)
{
    put(folder, QStringLiteral("dentist.ics"),
        eventFile("dentist", "Dentist", "DTSTART;TZID=Europe/Berlin:20261210T100000\r\nDURATION:PT45M\r\n",
                  alarm("TRIGGER:-PT15M")));
    put(folder, QStringLiteral("call.ics"),
        eventFile("call", "Call", "DTSTART:20261210T090000Z\r\nDTEND:20261210T093000Z\r\n",
                  alarm("TRIGGER:-PT1H")));
    env.setNow(gregorianInstant(2026, 12, 10, 9, 40));
    startAgent();
    // The call's alert (09:00) passed forty minutes before the agent came: let go.
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_EQ(scheduler->nextAlert(), gregorianInstant(2026, 12, 10, 9, 45));

    // Not running at 09:45; started seven minutes late, it shows it once.
    stopAgent();
    env.setNow(gregorianInstant(2026, 12, 10, 9, 52));
    serviceAnswers = false;
    startAgent();
    EXPECT_EQ(shown, QStringList{QStringLiteral("Dentist")});
    // The service was not there: tried again, and then never more.
    serviceAnswers = true;
    at(gregorianInstant(2026, 12, 10, 9, 53));
    at(gregorianInstant(2026, 12, 10, 9, 54));
    EXPECT_EQ(shown, (QStringList{QStringLiteral("Dentist"), QStringLiteral("Dentist")}));
    stopAgent();
    startAgent();
    at(gregorianInstant(2026, 12, 10, 9, 58));
    EXPECT_EQ(shown.size(), 2);
    // The call's next alert is ahead: none, it was its only day.
    EXPECT_EQ(scheduler->nextAlert(), std::nullopt);
}

TEST_F(EventAlerts, ADayBeforeKeepsItsWallTimeAcrossTheChangeOfClocksAndAllDayEventsRemindAtNine)
{
    CalendarEvent event;
    event.uid = QStringLiteral("brunch");
    event.title = QStringLiteral("Brunch");
    // Sunday 29 March 2026, the day Berlin's clocks go forward, 10:00 CEST.
    event.startDate = gregorianInstant(2026, 3, 29, 10);
    event.endDate = gregorianInstant(2026, 3, 29, 12);
    event.alerts = {EventAlert::minutesBefore(24 * 60), EventAlert::minutesBefore(8 * 60)};
    const auto moments = alertMomentsOf(event);
    ASSERT_EQ(moments.size(), 2u);
    // 10:00 CET the day before, 25 hours earlier; eight hours is eight hours.
    EXPECT_EQ(moments[0].at, gregorianInstant(2026, 3, 28, 10));
    EXPECT_EQ(moments[1].at, gregorianInstant(2026, 3, 29, 1));
    EXPECT_NE(moments[0].key, moments[1].key);

    event.allDay = true;
    event.startDate = gregorianInstant(2026, 3, 30, 0);
    event.endDate = gregorianInstant(2026, 3, 30, 23, 59) + std::chrono::seconds(59);
    event.alerts = {EventAlert::minutesBefore(0), EventAlert::minutesBefore(24 * 60),
                    EventAlert{-30 * 60, true, std::nullopt}};
    const auto allDay = alertMomentsOf(event);
    ASSERT_EQ(allDay.size(), 3u);
    EXPECT_EQ(allDay[0].at, gregorianInstant(2026, 3, 30, 9));
    EXPECT_EQ(allDay[1].at, gregorianInstant(2026, 3, 29, 9));
    EXPECT_EQ(allDay[2].at, gregorianInstant(2026, 3, 30, 8, 30));
}

TEST_F(EventAlerts, AnEventChangedOrRemovedByAnotherProgramMovesOrCancelsItsAlert)
{
    QDir().mkpath(synced);
    const QByteArray alarms = alarm("TRIGGER;RELATED=END:-PT10M") + alarm("TRIGGER:P1D") +
                              "BEGIN:VALARM\r\nACTION:DISPLAY\r\nDESCRIPTION:none\r\nEND:VALARM\r\n";
    put(synced, QStringLiteral("standup.ics"),
        eventFile("standup", "Standup", "DTSTART:20261210T080000Z\r\nDTEND:20261210T081500Z\r\n", alarms));
    env.setNow(gregorianInstant(2026, 12, 10, 8, 0));
    startAgent();
    EXPECT_EQ(scheduler->nextAlert(), gregorianInstant(2026, 12, 10, 9, 5));

    // A sync moves it an hour later: its alert follows, none at the old time.
    put(synced, QStringLiteral("standup.ics"),
        eventFile("standup", "Standup", "DTSTART:20261210T090000Z\r\nDTEND:20261210T091500Z\r\n", alarms));
    ASSERT_TRUE(nextAlertBecomes(gregorianInstant(2026, 12, 10, 10, 5)));
    at(gregorianInstant(2026, 12, 10, 9, 6));
    EXPECT_TRUE(shown.isEmpty());
    at(gregorianInstant(2026, 12, 10, 10, 5));
    EXPECT_EQ(shown, QStringList{QStringLiteral("Standup")});
    // The alert a day after is still ahead until the event goes.
    EXPECT_EQ(scheduler->nextAlert(), gregorianInstant(2026, 12, 11, 10));
    ASSERT_TRUE(QFile::remove(synced + QStringLiteral("/standup.ics")));
    EXPECT_TRUE(nextAlertBecomes(std::nullopt));
}

} // namespace
