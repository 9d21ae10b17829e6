// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The real centre over its store: requests that replace each other and
// survive a restart, the permission asked once, triggers and their moments.
#include "platform/notifications/LocalNotificationCenter.h"
#include "platform/notifications/NotificationRequests.h"
#include "platform/notifications/NotificationStore.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <chrono>
#include <climits>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <thread>
#include <vector>

using namespace platform;

namespace {

using testrequests::request;

class NotificationCenterTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env;
    QString path = env.configHome() + QStringLiteral("/qamarly/notifications.sqlite");
    std::optional<QString> add(LocalNotificationCenter &center, const NotificationRequest &r)
    {
        std::optional<QString> error = QStringLiteral("no answer");
        center.addNotificationRequest(r, [&error](const std::optional<QString> &e) { error = e; });
        return error;
    }
    QList<NotificationRequest> pending(UserNotificationCenter &center)
    {
        QList<NotificationRequest> result;
        center.getPendingNotificationRequests([&result](const QList<NotificationRequest> &r) { result = r; });
        return result;
    }
    void TearDown() override { setAuthorizationPrompt(nullptr); }
};

TEST_F(NotificationCenterTest, RequestsAreKeptUnderTheConfigHomeAndSurviveARestart)
{
    {
        LocalNotificationCenter center;
        EXPECT_EQ(
            add(center, request(QStringLiteral("a"), QStringLiteral("A"), 3, TimeIntervalTrigger{60, false})),
            std::nullopt);
        EXPECT_EQ(
            add(center, request(QStringLiteral("b"), QStringLiteral("B"), std::nullopt,
                                CalendarTrigger{2026, 12, 6, 9, 0, 0, CalendarIdentifier::gregorian, false})),
            std::nullopt);
        center.setApplicationIconBadgeNumber(14);
    }
    LocalNotificationCenter again(path);
    const auto requests = pending(again);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0],
              request(QStringLiteral("a"), QStringLiteral("A"), 3, TimeIntervalTrigger{60, false}));
    EXPECT_EQ(requests[1].trigger, NotificationTrigger(CalendarTrigger{
                                       2026, 12, 6, 9, 0, 0, CalendarIdentifier::gregorian, false}));
    EXPECT_EQ(again.applicationIconBadgeNumber(), 14);
}

TEST_F(NotificationCenterTest, ACorruptStoreIsMovedAsideAndTheCentreStillWorks)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x7f'));
    junk.close();
    LocalNotificationCenter center(path);
    EXPECT_EQ(
        add(center, request(QStringLiteral("a"), QStringLiteral("A"), 1, TimeIntervalTrigger{60, false})),
        std::nullopt);
    EXPECT_EQ(pending(center).size(), 1);
    EXPECT_EQ(QDir(QFileInfo(path).absolutePath())
                  .entryList({QStringLiteral("notifications.sqlite.corrupt-*")})
                  .size(),
              1);
}

TEST_F(NotificationCenterTest, ARequestWithAPendingIdentifierReplacesIt)
{
    LocalNotificationCenter center(path);
    add(center, request(QStringLiteral("same"), QStringLiteral("old"), 1, TimeIntervalTrigger{60, false}));
    add(center, request(QStringLiteral("other"), QStringLiteral("x"), 2, TimeIntervalTrigger{60, false}));
    add(center, request(QStringLiteral("same"), QStringLiteral("new"), 3, TimeIntervalTrigger{90, false}));
    const auto requests = pending(center);
    ASSERT_EQ(requests.size(), 2);
    EXPECT_EQ(requests[0].identifier, QStringLiteral("other"));
    EXPECT_EQ(requests[1],
              request(QStringLiteral("same"), QStringLiteral("new"), 3, TimeIntervalTrigger{90, false}));
}

TEST_F(NotificationCenterTest, TriggersThatCanNeverFireAreRefused)
{
    LocalNotificationCenter center(path);
    // The fixed clock says 5 December 2026, 12:00.
    EXPECT_TRUE(add(center, request(QStringLiteral("past"), QString(), 1,
                                    CalendarTrigger{2026, 12, 5, 9, 0, 0, std::nullopt, false}))
                    .has_value());
    EXPECT_TRUE(add(center, request(QStringLiteral("31 April"), QString(), 1,
                                    CalendarTrigger{2027, 4, 31, 9, 0, 0, std::nullopt, false}))
                    .has_value());
    EXPECT_TRUE(add(center, request(QString(), QString(), 1, TimeIntervalTrigger{1, false})).has_value());
    EXPECT_TRUE(pending(center).isEmpty());
}

TEST_F(NotificationCenterTest, RemovingPendingKeepsDeliveredAndTheOtherWayRound)
{
    LocalNotificationCenter center(path);
    add(center, request(QStringLiteral("p"), QStringLiteral("P"), 1, TimeIntervalTrigger{60, false}));
    auto store = NotificationStore::open(path);
    store->add(request(QStringLiteral("d"), QStringLiteral("D"), 2, TimeIntervalTrigger{0, false}),
               env.clock()->now());
    const NotificationStore::Entry shown = store->entries(NotificationStore::State::pending).last();
    const qint64 seq = shown.seq;
    ASSERT_TRUE(store->claim(shown));
    ASSERT_TRUE(store->markDelivered(seq, env.clock()->now(), 0, 2));

    center.removeAllPendingNotificationRequests();
    EXPECT_TRUE(pending(center).isEmpty());
    QList<Notification> delivered;
    center.getDeliveredNotifications([&delivered](const QList<Notification> &n) { delivered = n; });
    ASSERT_EQ(delivered.size(), 1);
    EXPECT_EQ(delivered[0].request.identifier, QStringLiteral("d"));
    EXPECT_EQ(center.applicationIconBadgeNumber(), 2);

    add(center, request(QStringLiteral("p2"), QStringLiteral("P"), 1, TimeIntervalTrigger{60, false}));
    center.removeAllDeliveredNotifications();
    center.getDeliveredNotifications([&delivered](const QList<Notification> &n) { delivered = n; });
    EXPECT_TRUE(delivered.isEmpty());
    EXPECT_EQ(pending(center).size(), 1);
}

TEST_F(NotificationCenterTest, ANewPlanTakesThePlaceOfEveryPendingRequestAtOnce)
{
    LocalNotificationCenter center(path);
    add(center, request(QStringLiteral("old-1"), QStringLiteral("O"), 1, TimeIntervalTrigger{60, false}));
    add(center, request(QStringLiteral("old-2"), QStringLiteral("O"), 2, TimeIntervalTrigger{60, false}));
    auto store = NotificationStore::open(path);
    store->add(request(QStringLiteral("shown"), QStringLiteral("S"), 3, TimeIntervalTrigger{0, false}),
               env.clock()->now());
    const NotificationStore::Entry shown = store->entries(NotificationStore::State::pending).last();
    const qint64 seq = shown.seq;
    ASSERT_TRUE(store->claim(shown));
    ASSERT_TRUE(store->markDelivered(seq, env.clock()->now(), 0, 3));

    // A refused request is left out; the rest still replaces the old plan.
    ASSERT_TRUE(center.replacePendingNotificationRequests(
        {request(QStringLiteral("new-1"), QStringLiteral("N"), 4, TimeIntervalTrigger{60, false}),
         request(QStringLiteral("past"), QString(), 5,
                 CalendarTrigger{2026, 12, 5, 9, 0, 0, std::nullopt, false}),
         request(QStringLiteral("new-2"), QStringLiteral("N"), 6,
                 CalendarTrigger{2026, 12, 6, 9, 0, 0, std::nullopt, false})}));
    QStringList ids;
    for (const auto &r : pending(center))
        ids << r.identifier;
    EXPECT_EQ(ids, (QStringList{QStringLiteral("new-1"), QStringLiteral("new-2")}));
    EXPECT_EQ(store->entries(NotificationStore::State::delivered).size(), 1);

    EXPECT_TRUE(center.replacePendingNotificationRequests({}));
    EXPECT_TRUE(pending(center).isEmpty());
}

TEST_F(NotificationCenterTest, PlanAfterPlanOnOneStoreKeepsTheLatestAndALaterDuplicateWins)
{
    struct Row
    {
        const char *what;
        QStringList added; // identifier:title
        QStringList pending;
    };
    const std::vector<Row> rows{
        {"distinct",
         {QStringLiteral("a:1"), QStringLiteral("b:1"), QStringLiteral("c:1")},
         {QStringLiteral("a:1"), QStringLiteral("b:1"), QStringLiteral("c:1")}},
        {"a later duplicate takes the earlier one's place at the end",
         {QStringLiteral("a:1"), QStringLiteral("b:1"), QStringLiteral("a:2")},
         {QStringLiteral("b:1"), QStringLiteral("a:2")}},
        {"three of one identifier",
         {QStringLiteral("a:1"), QStringLiteral("a:2"), QStringLiteral("a:3")},
         {QStringLiteral("a:3")}},
        {"an empty plan", {}, {}},
        {"after an empty one",
         {QStringLiteral("x:1"), QStringLiteral("y:1")},
         {QStringLiteral("x:1"), QStringLiteral("y:1")}},
    };
    LocalNotificationCenter center(path);
    // Twice through, so every statement runs again on the same connection.
    for (int round = 0; round < 2; ++round) {
        for (const Row &row : rows) {
            QList<NotificationRequest> plan;
            for (const QString &item : row.added)
                plan << request(item.section(QLatin1Char(':'), 0, 0), item.section(QLatin1Char(':'), 1), 1,
                                TimeIntervalTrigger{60, false});
            ASSERT_TRUE(center.replacePendingNotificationRequests(plan)) << row.what;
            QStringList have;
            for (const auto &r : pending(center))
                have << r.identifier + QLatin1Char(':') + r.content.title;
            EXPECT_EQ(have, row.pending) << row.what << ", round " << round;
        }
    }
}

TEST_F(NotificationCenterTest, NoReadLeavesASnapshotOpenThatWouldKeepTheLogFromBeingCheckpointed)
{
    LocalNotificationCenter center(path);
    add(center, request(QStringLiteral("a"), QStringLiteral("A"), 1, TimeIntervalTrigger{60, false}));
    center.setApplicationIconBadgeNumber(7);
    // Reads of one row stop before the statement is done; each must still let go.
    EXPECT_EQ(center.applicationIconBadgeNumber(), 7);
    EXPECT_FALSE(center.notificationSettings().alertsAllowed());
    EXPECT_EQ(pending(center).size(), 1);
    // The badge is written behind the caller's back; a write still under way
    // blocks a checkpoint as it should.
    ASSERT_TRUE(center.waitForWrites(5000));

    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
    sqlite3_stmt *checkpoint = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(other, "PRAGMA wal_checkpoint(TRUNCATE)", -1, &checkpoint, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(checkpoint), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(checkpoint, 0), 0) << "a reader blocked the checkpoint";
    EXPECT_EQ(sqlite3_column_int(checkpoint, 1), 0) << "the log was not emptied";
    sqlite3_finalize(checkpoint);
    sqlite3_close(other);

    // And the centre goes on working after the other connection rewrote the file.
    EXPECT_EQ(
        add(center, request(QStringLiteral("b"), QStringLiteral("B"), 2, TimeIntervalTrigger{60, false})),
        std::nullopt);
    EXPECT_EQ(pending(center).size(), 2);
}

TEST_F(NotificationCenterTest, AStoreThatCannotBeOpenedIsNamedAsTheProblem)
{
    QFile blocker(env.configHome() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    LocalNotificationCenter broken(env.configHome() + QStringLiteral("/blocker/notifications.sqlite"));
    const auto reason = broken.unavailableReason();
    ASSERT_TRUE(reason.has_value());
    EXPECT_TRUE(reason->contains(QStringLiteral("notification store"))) << reason->toStdString();
    EXPECT_FALSE(broken.replacePendingNotificationRequests({}));
    EXPECT_EQ(LocalNotificationCenter(path).unavailableReason(), std::nullopt);
}

TEST_F(NotificationCenterTest, AnotherProcessHoldingTheLockNeitherStallsTheWindowNorLosesItsWrites)
{
    LocalNotificationCenter center(path);
    ASSERT_TRUE(center.replacePendingNotificationRequests(
        {request(QStringLiteral("a"), QStringLiteral("A"), 2, TimeIntervalTrigger{60, false})}));
    center.setApplicationIconBadgeNumber(2);
    ASSERT_TRUE(center.waitForWrites(5000));

    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(path.toUtf8().constData(), &other), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);
    // The window clears while the lock is held on this very thread: a wait
    // for it here could only end in failure.
    center.setApplicationIconBadgeNumber(0);
    center.removeAllDeliveredNotifications();
    center.removeAllPendingNotificationRequests();
    EXPECT_EQ(center.applicationIconBadgeNumber(), 0);
    EXPECT_TRUE(pending(center).isEmpty());
    EXPECT_EQ(center.pendingPlanBasis(), std::nullopt);
    // A plan made meanwhile on the scheduler's thread lands after the clear.
    bool planned = false;
    std::thread planner([&] {
        planned = center.replacePendingNotificationRequests(
            {request(QStringLiteral("b"), QStringLiteral("B"), 1, TimeIntervalTrigger{90, false})});
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    planner.join();
    EXPECT_TRUE(planned);
    ASSERT_TRUE(center.waitForWrites(5000));

    LocalNotificationCenter elsewhere(path);
    EXPECT_EQ(elsewhere.applicationIconBadgeNumber(), 0);
    const auto kept = pending(elsewhere);
    ASSERT_EQ(kept.size(), 1);
    EXPECT_EQ(kept[0].identifier, QStringLiteral("b"));
}

TEST_F(NotificationCenterTest, PermissionIsAskedOnceAndTheAnswerIsKept)
{
    int asked = 0;
    setAuthorizationPrompt([&asked](AuthorizationOptions, std::function<void(bool)> answer) {
        ++asked;
        answer(true);
    });
    LocalNotificationCenter center(path);
    EXPECT_EQ(center.notificationSettings().authorizationStatus, AuthorizationStatus::notDetermined);
    bool granted = false;
    center.requestAuthorization(AuthorizationOption::alert | AuthorizationOption::badge,
                                [&granted](bool g) { granted = g; });
    EXPECT_TRUE(granted);
    center.requestAuthorization(AuthorizationOption::alert | AuthorizationOption::badge,
                                [&granted](bool g) { granted = g; });
    EXPECT_EQ(asked, 1);

    ASSERT_TRUE(center.waitForWrites(5000));
    LocalNotificationCenter afterRestart(path);
    const NotificationSettings settings = afterRestart.notificationSettings();
    EXPECT_EQ(settings.authorizationStatus, AuthorizationStatus::authorized);
    EXPECT_TRUE(settings.alertsAllowed());
    EXPECT_TRUE(settings.badgeAllowed());
}

TEST_F(NotificationCenterTest, ARefusalIsKeptAndAMissingDialogDecidesNothing)
{
    LocalNotificationCenter center(path);
    bool granted = true;
    center.requestAuthorization(AuthorizationOption::alert, [&granted](bool g) { granted = g; });
    EXPECT_FALSE(granted);
    EXPECT_EQ(center.notificationSettings().authorizationStatus, AuthorizationStatus::notDetermined);

    setAuthorizationPrompt([](AuthorizationOptions, std::function<void(bool)> answer) { answer(false); });
    center.requestAuthorization(AuthorizationOption::alert, [&granted](bool g) { granted = g; });
    EXPECT_FALSE(granted);
    setAuthorizationPrompt([](AuthorizationOptions, std::function<void(bool)> answer) { answer(true); });
    center.requestAuthorization(AuthorizationOption::alert, [&granted](bool g) { granted = g; });
    EXPECT_FALSE(granted);
    EXPECT_EQ(center.notificationSettings(), (NotificationSettings{AuthorizationStatus::denied, 0}));
}

TEST_F(NotificationCenterTest, BadgeOnlyPermissionDoesNotAllowAlerts)
{
    LocalNotificationCenter center(path);
    center.setNotificationSettings({AuthorizationStatus::authorized, AuthorizationOption::badge});
    EXPECT_FALSE(center.notificationSettings().alertsAllowed());
    EXPECT_TRUE(center.notificationSettings().badgeAllowed());
}

TEST_F(NotificationCenterTest, APermissionChangedOnTheSettingsPageIsKeptAndAStoreThatCannotBeWrittenRefusesIt)
{
    {
        LocalNotificationCenter center(path);
        EXPECT_TRUE(center.setNotificationSettings(
            {AuthorizationStatus::authorized, AuthorizationOption::alert | AuthorizationOption::badge}));
    }
    LocalNotificationCenter again(path);
    EXPECT_TRUE(again.notificationSettings().alertsAllowed());
    // Asking again changes nothing once the user has decided on the page.
    EXPECT_TRUE(again.setNotificationSettings({AuthorizationStatus::denied, 0}));
    bool granted = true;
    again.requestAuthorization(AuthorizationOption::alert, [&granted](bool g) { granted = g; });
    EXPECT_FALSE(granted);

    // A store below a plain file can never be made.
    QFile plain(env.configHome() + QStringLiteral("/plain"));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    LocalNotificationCenter broken(plain.fileName() + QStringLiteral("/notifications.sqlite"));
    EXPECT_FALSE(
        broken.setNotificationSettings({AuthorizationStatus::authorized, AuthorizationOption::alert}));
    EXPECT_FALSE(broken.notificationSettings().alertsAllowed());
}

TEST_F(NotificationCenterTest, CalendarTriggersFireAtTheirWallClockTimeInTheDevicesZone)
{
    env.setTimeZone(QStringLiteral("Asia/Riyadh"));
    const Instant added = testenv::gregorianInstant(2026, 12, 5, 12, 0);
    EXPECT_EQ(triggerDate(CalendarTrigger{2026, 12, 6, 9, 0, 0, std::nullopt, false}, added, added),
              testenv::gregorianInstant(2026, 12, 6, 9, 0));
    // Only the hour given: the next nine o'clock.
    EXPECT_EQ(
        triggerDate(CalendarTrigger{std::nullopt, std::nullopt, std::nullopt, 9, 0, 0, std::nullopt, false},
                    added, added),
        testenv::gregorianInstant(2026, 12, 6, 9, 0));
    // A day of the month given: the next such day.
    EXPECT_EQ(triggerDate(CalendarTrigger{std::nullopt, std::nullopt, 1, 0, 0, 0, std::nullopt, false}, added,
                          added),
              testenv::gregorianInstant(2027, 1, 1, 0, 0));
    // On the Umm al-Qura calendar: 1 Rajab 1448.
    EXPECT_EQ(triggerDate(CalendarTrigger{1448, 7, 1, 0, 0, 0, CalendarIdentifier::islamicUmmAlQura, false},
                          added, added),
              testenv::hijriInstant(1448, 7, 1));
    EXPECT_EQ(triggerDate(TimeIntervalTrigger{1.5, false}, added, added),
              added + std::chrono::milliseconds(1500));
    EXPECT_EQ(triggerDate(TimeIntervalTrigger{-1, false}, added, added), std::nullopt);
}

TEST_F(NotificationCenterTest, TriggersRoundTripThroughTheirJson)
{
    const NotificationTrigger calendar =
        CalendarTrigger{2026, 12, 6, 9, 0, 0, CalendarIdentifier::gregorian, false};
    EXPECT_EQ(
        QJsonDocument(toJson(calendar)).toJson(QJsonDocument::Compact),
        R"({"calendar":"gregorian","day":6,"hour":9,"minute":0,"month":12,"second":0,"type":"calendar","year":2026})");
    EXPECT_EQ(triggerFromJson(toJson(calendar)), calendar);
    const NotificationTrigger interval = TimeIntervalTrigger{1, false};
    EXPECT_EQ(QJsonDocument(toJson(interval)).toJson(QJsonDocument::Compact),
              R"({"seconds":1,"type":"interval"})");
    EXPECT_EQ(triggerFromJson(toJson(interval)), interval);
    EXPECT_EQ(triggerFromJson(QJsonObject{{QStringLiteral("type"), QStringLiteral("calendar")},
                                          {QStringLiteral("calendar"), QStringLiteral("julian")}}),
              std::nullopt);
    EXPECT_EQ(triggerFromJson(QJsonObject{{QStringLiteral("type"), QStringLiteral("interval")}}),
              std::nullopt);
}

TEST_F(NotificationCenterTest, TheStoredTextOfATriggerIsItsJsonAndReadsBackAsIt)
{
    const std::vector<NotificationTrigger> triggers{
        CalendarTrigger{2026, 12, 6, 9, 0, 0, CalendarIdentifier::gregorian, false},
        CalendarTrigger{2026, 12, 6, 0, 0, 0, std::nullopt, false},
        CalendarTrigger{1448, 9, 1, std::nullopt, std::nullopt, std::nullopt,
                        CalendarIdentifier::islamicUmmAlQura, true},
        CalendarTrigger{std::nullopt, std::nullopt, 29, 23, 59, 59, std::nullopt, true},
        CalendarTrigger{-5, 0, -1, 0, 0, 0, std::nullopt, false},
        // The longest text there is.
        CalendarTrigger{INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN,
                        CalendarIdentifier::islamicUmmAlQura, true},
        CalendarTrigger{INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, CalendarIdentifier::gregorian,
                        true},
        CalendarTrigger{},
        TimeIntervalTrigger{1, false},
        TimeIntervalTrigger{0, false},
        TimeIntervalTrigger{0.5, true},
        TimeIntervalTrigger{86400, true},
        TimeIntervalTrigger{1e10, false},
        TimeIntervalTrigger{1.0 / 3.0, false},
        TimeIntervalTrigger{-2.25, false},
    };
    for (const NotificationTrigger &t : triggers) {
        const QByteArray expected = QJsonDocument(toJson(t)).toJson(QJsonDocument::Compact);
        EXPECT_EQ(toJsonText(t), expected);
        EXPECT_EQ(triggerFromJson(QJsonDocument::fromJson(toJsonText(t)).object()), t)
            << expected.constData();
        EXPECT_EQ(triggerFromJsonText(toJsonText(t)), t) << expected.constData();
    }
}

TEST_F(NotificationCenterTest, ATriggerReadFromTextIsTheOneItsJsonObjectGives)
{
    // Texts the store may hold that toJsonText() never writes: another
    // writer's, a damaged file's. Each must read as the JSON object reads.
    const std::vector<QByteArray> texts{
        R"({"day":6,"hour":9,"minute":0,"month":12,"second":0,"type":"calendar","year":2026})",
        R"({ "type" : "calendar", "year" : 2026, "month" : 12, "day" : 6 })",
        R"({"type":"calendar","year":2026,"year":2027})",
        R"({"type":"calendar","day":1.5})",
        R"({"type":"calendar","day":1e2})",
        R"({"type":"calendar","day":01})",
        R"({"type":"calendar","day":-0})",
        R"({"type":"calendar","day":+1})",
        R"({"type":"calendar","day":"6"})",
        R"({"type":"calendar","day":null})",
        R"({"type":"calendar","day":2147483648})",
        R"({"type":"calendar","day":-2147483649})",
        R"({"type":"calendar","calendar":"julian"})",
        R"({"type":"calendar","calendar":"gregorian","extra":1})",
        R"({"type":"calendar","repeats":1})",
        R"({"type":"calendar","repeats":false,"seconds":5})",
        R"({"type":"interval","seconds":60})",
        R"({"type":"interval","seconds":60,"day":3})",
        R"({"type":"interval","seconds":0.25,"repeats":true})",
        R"({"type":"interval","seconds":9007199254740993})",
        R"({"type":"interval"})",
        R"({"type":"Interval","seconds":1})",
        R"({"type":"weekly"})",
        R"({"seconds":1})",
        R"({"type":"interval","seconds":1)",
        R"({"type":"interval","seconds":1}x)",
        R"([{"type":"interval","seconds":1}])",
        R"({"type":"calendar",})",
        R"({"type":"calend\u0061r","day":6})",
        "",
        "{}",
        "not json",
    };
    for (const QByteArray &text : texts)
        EXPECT_EQ(triggerFromJsonText(text), triggerFromJson(QJsonDocument::fromJson(text).object()))
            << text.constData();
}

} // namespace

namespace {

TEST(NotificationCenterHomeTest, TheProcessCentreFollowsTheConfigHomeInForce)
{
    QString first;
    {
        testenv::ScopedEnvironment env;
        UserNotificationCenter::current().setApplicationIconBadgeNumber(5);
        first = env.configHome();
        EXPECT_EQ(UserNotificationCenter::current().applicationIconBadgeNumber(), 5);
    }
    testenv::ScopedEnvironment env;
    EXPECT_EQ(UserNotificationCenter::current().applicationIconBadgeNumber(), 0);
    EXPECT_TRUE(QFile::exists(env.configHome() + QStringLiteral("/qamarly/notifications.sqlite")));
}

} // namespace
