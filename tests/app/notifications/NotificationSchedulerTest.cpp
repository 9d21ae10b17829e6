// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The scheduler against the centre's test double: the plan it makes, the
// switches and permission it obeys, the daily refresh, and passes that
// supersede each other.
#include "app/notifications/NotificationScheduler.h"

#include "core/GlobalSettings.h"
#include "core/RGConv.h"
#include "core/SharedDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/LocalNotificationCenter.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

using namespace platform;
using app::notifications::CustomError;
using app::notifications::NotificationScheduler;

namespace {

QStringList identifiers(const QList<NotificationRequest> &requests)
{
    QStringList ids;
    for (const auto &r : requests)
        ids << r.identifier;
    return ids;
}

int countWithPrefix(const QList<NotificationRequest> &requests, const QString &prefix)
{
    int n = 0;
    for (const auto &r : requests)
        n += r.identifier.startsWith(prefix) ? 1 : 0;
    return n;
}

class NotificationSchedulerTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env;
    TestNotificationCenter center;
    NotificationScheduler scheduler{&center};

    void SetUp() override { platform::installTranslations(); }

    void setSwitches(bool badge, bool daily)
    {
        auto &s = core::GlobalSettings::shared();
        s.todayAppBadgeEnabled = badge;
        s.dailyNotificationEnabled = daily;
        s.save();
    }
    void reschedule()
    {
        scheduler.rescheduleNotifications();
        ASSERT_TRUE(scheduler.waitForPasses(60000));
    }
    std::optional<QString> lastRefresh() { return env.suite()->string(core::keys::lastRefreshDate); }
};

TEST_F(NotificationSchedulerTest, PlanOnFifthOfDecemberStartsWithTodaysBadgeAndTomorrowsDailyNotification)
{
    // 5 December 2026, 12:00 UTC, English: 5 Dec is 25 Jumada II 1448 (Umm al-Qura), 6 Dec the 26th.
    const auto plan = NotificationScheduler::plan(env.clock()->now(), {true, true});
    ASSERT_EQ(plan.size(), 59);
    EXPECT_EQ(countWithPrefix(plan, QStringLiteral("QamloAppBadge-")), 30);
    EXPECT_EQ(countWithPrefix(plan, QStringLiteral("QamloDailyNoti-")), 29);

    const NotificationRequest &today = plan[0];
    EXPECT_EQ(today.identifier, QStringLiteral("QamloAppBadge-2026125"));
    EXPECT_EQ(today.content.badge, 25);
    EXPECT_FALSE(today.content.hasAlert());
    EXPECT_EQ(today.trigger, NotificationTrigger(TimeIntervalTrigger{1.0, false}));

    const NotificationRequest &tomorrowBadge = plan[1];
    EXPECT_EQ(tomorrowBadge.identifier, QStringLiteral("QamloAppBadge-2026126"));
    EXPECT_EQ(tomorrowBadge.content.badge, 26);
    EXPECT_EQ(tomorrowBadge.trigger,
              NotificationTrigger(CalendarTrigger{2026, 12, 6, 0, 0, 0, std::nullopt, false}));

    const NotificationRequest &daily = plan[30];
    EXPECT_EQ(daily.identifier, QStringLiteral("QamloDailyNoti-1-2026126"));
    EXPECT_EQ(daily.content.title, QStringLiteral("Today: 26 Jumada II (6), 1448"));
    EXPECT_EQ(daily.content.body, QStringLiteral("Sunday, 06 December (12), 2026"));
    EXPECT_EQ(daily.content.badge, 26);
    EXPECT_FALSE(daily.content.sound);
    EXPECT_EQ(daily.trigger, NotificationTrigger(CalendarTrigger{2026, 12, 6, 9, 0, 0,
                                                                 CalendarIdentifier::gregorian, false}));

    // The window crosses into January with unpadded identifiers.
    EXPECT_EQ(plan[29].identifier, QStringLiteral("QamloAppBadge-202713"));
    EXPECT_EQ(plan.last().identifier, QStringLiteral("QamloDailyNoti-29-202713"));
}

TEST_F(NotificationSchedulerTest, EveryDayOfTheWindowStartsAtLocalMidnightInTheDevicesZone)
{
    env.setTimeZone(QStringLiteral("Asia/Riyadh"));
    // 23:30 in Riyadh on 5 December is still the 5th there (20:30 UTC).
    const auto plan =
        NotificationScheduler::plan(testenv::gregorianInstant(2026, 12, 5, 23, 30), {true, true});
    EXPECT_EQ(plan[0].identifier, QStringLiteral("QamloAppBadge-2026125"));
    EXPECT_EQ(plan[30].identifier, QStringLiteral("QamloDailyNoti-1-2026126"));
}

TEST_F(NotificationSchedulerTest, RescheduleWithBothSwitchesOnLeavesTheWholePlanPendingAndStampsToday)
{
    center.setApplicationIconBadgeNumber(7);
    center.clearCalls();
    reschedule();
    EXPECT_EQ(identifiers(center.pending()),
              identifiers(NotificationScheduler::plan(env.clock()->now(), {true, true})));
    EXPECT_EQ(lastRefresh(), QStringLiteral("20261205"));
    // The clear came first: badge 0, delivered and pending removed.
    const QStringList calls = center.calls();
    ASSERT_GE(calls.size(), 3);
    EXPECT_EQ(calls.mid(0, 3), (QStringList{QStringLiteral("badge:0"), QStringLiteral("removeDelivered"),
                                            QStringLiteral("removePending")}));
}

TEST_F(NotificationSchedulerTest, SwitchesChooseWhichKindsArePlanned)
{
    setSwitches(false, true);
    reschedule();
    auto pending = center.pending();
    EXPECT_EQ(pending.size(), 29);
    EXPECT_EQ(countWithPrefix(pending, QStringLiteral("QamloDailyNoti-")), 29);
    // Off means no number on the icon: the daily notifications set none either.
    for (const auto &r : pending)
        EXPECT_EQ(r.content.badge, std::nullopt) << r.identifier.toStdString();

    setSwitches(true, false);
    reschedule();
    pending = center.pending();
    EXPECT_EQ(pending.size(), 30);
    EXPECT_EQ(countWithPrefix(pending, QStringLiteral("QamloAppBadge-")), 30);
}

TEST_F(NotificationSchedulerTest, BothSwitchesOffClearEverythingAndKeepTheOldStamp)
{
    env.suite()->setString(core::keys::lastRefreshDate, QStringLiteral("20261201"));
    center.addNotificationRequest(
        NotificationRequest{QStringLiteral("left-over"), {}, TimeIntervalTrigger{60, false}});
    setSwitches(false, false);
    reschedule();
    EXPECT_TRUE(center.pending().isEmpty());
    EXPECT_EQ(center.applicationIconBadgeNumber(), 0);
    EXPECT_EQ(lastRefresh(), QStringLiteral("20261201"));
}

TEST_F(NotificationSchedulerTest, AdjustmentShiftsBadgesAndTitlesButNotIdentifiersOrTriggers)
{
    auto &s = core::GlobalSettings::shared();
    s.adjustmentNumber = 1;
    s.save();
    reschedule();
    const auto pending = center.pending();
    ASSERT_EQ(pending.size(), 59);
    EXPECT_EQ(pending[0].identifier, QStringLiteral("QamloAppBadge-2026125"));
    EXPECT_EQ(pending[0].content.badge, 26);
    EXPECT_EQ(pending[30].identifier, QStringLiteral("QamloDailyNoti-1-2026126"));
    EXPECT_EQ(pending[30].content.title, QStringLiteral("Today: 27 Jumada II (6), 1448"));
    EXPECT_EQ(pending[30].content.body, QStringLiteral("Sunday, 06 December (12), 2026"));
    EXPECT_EQ(pending[30].trigger, NotificationTrigger(CalendarTrigger{
                                       2026, 12, 6, 9, 0, 0, CalendarIdentifier::gregorian, false}));
}

TEST_F(NotificationSchedulerTest, PermissionWithoutAlertsClearsAndFailsWithNotificationsNotAllowed)
{
    center.addNotificationRequest(
        NotificationRequest{QStringLiteral("left-over"), {}, TimeIntervalTrigger{60, false}});
    center.setApplicationIconBadgeNumber(12);
    for (const NotificationSettings &settings :
         {NotificationSettings{AuthorizationStatus::authorized, AuthorizationOption::badge},
          NotificationSettings{AuthorizationStatus::denied, 0},
          NotificationSettings{AuthorizationStatus::notDetermined, 0}}) {
        center.setSettings(settings);
        try {
            scheduler.rescheduleNotifications();
            ADD_FAILURE() << "rescheduling without alerts succeeded";
        } catch (const CustomError &e) {
            EXPECT_EQ(e.errorCase(), CustomError::NotificationsNotAllowed);
        }
        ASSERT_TRUE(scheduler.waitForPasses(60000));
        EXPECT_TRUE(center.pending().isEmpty());
        EXPECT_EQ(center.applicationIconBadgeNumber(), 0);
        EXPECT_FALSE(lastRefresh().has_value());
    }
}

TEST_F(NotificationSchedulerTest, RefreshDoesNothingOnAFreshInstallation)
{
    scheduler.refreshNotificationsIfNeeded();
    ASSERT_TRUE(scheduler.waitForPasses(60000));
    EXPECT_TRUE(center.calls().isEmpty());
}

TEST_F(NotificationSchedulerTest, RefreshReschedulesAtMostOnceADayAndRebuildsFromTheNewDay)
{
    reschedule();
    center.clearCalls();
    env.setNow(testenv::gregorianInstant(2026, 12, 5, 23, 59));
    scheduler.refreshNotificationsIfNeeded();
    scheduler.refreshNotificationsIfNeeded();
    ASSERT_TRUE(scheduler.waitForPasses(60000));
    // Looked at, not touched.
    EXPECT_EQ(center.calls().filter(QStringLiteral("add:")).size(), 0);
    EXPECT_EQ(center.calls().count(QStringLiteral("removePending")), 0);

    env.setNow(testenv::gregorianInstant(2026, 12, 6, 8, 0));
    scheduler.refreshNotificationsIfNeeded();
    ASSERT_TRUE(scheduler.waitForPasses(60000));
    scheduler.refreshNotificationsIfNeeded();
    ASSERT_TRUE(scheduler.waitForPasses(60000));
    EXPECT_EQ(center.calls().count(QStringLiteral("removePending")), 1);
    EXPECT_EQ(lastRefresh(), QStringLiteral("20261206"));
    const auto pending = center.pending();
    ASSERT_EQ(pending.size(), 59);
    EXPECT_EQ(pending[0].identifier, QStringLiteral("QamloAppBadge-2026126"));
    EXPECT_EQ(pending[30].identifier, QStringLiteral("QamloDailyNoti-1-2026127"));
}

TEST_F(NotificationSchedulerTest, RefreshWithoutPermissionSwallowsTheFailure)
{
    env.suite()->setString(core::keys::lastRefreshDate, QStringLiteral("20261201"));
    center.setSettings({AuthorizationStatus::denied, 0});
    EXPECT_NO_THROW(scheduler.refreshNotificationsIfNeeded());
    EXPECT_TRUE(center.pending().isEmpty());
}

TEST_F(NotificationSchedulerTest, TheLatestOfManyQuickReschedulesDecidesWhatIsPending)
{
    auto &s = core::GlobalSettings::shared();
    for (int i = 0; i < 12; ++i) {
        s.todayAppBadgeEnabled = i % 2 == 0;
        s.dailyNotificationEnabled = true;
        s.adjustmentNumber = i % 3;
        s.save();
        scheduler.rescheduleNotifications();
    }
    // The last one: daily only, adjustment 2.
    ASSERT_TRUE(scheduler.waitForPasses(60000));
    const auto pending = center.pending();
    EXPECT_EQ(countWithPrefix(pending, QStringLiteral("QamloAppBadge-")), 0);
    ASSERT_EQ(pending.size(), 29);
    EXPECT_EQ(pending[0].content.title, QStringLiteral("Today: 28 Jumada II (6), 1448"));
}

TEST_F(NotificationSchedulerTest, ClearingStopsAPassThatIsStillAdding)
{
    scheduler.rescheduleNotifications();
    scheduler.clearNotifications();
    ASSERT_TRUE(scheduler.waitForPasses(60000));
    EXPECT_TRUE(center.pending().isEmpty());
}

TEST_F(NotificationSchedulerTest, APassUsesTheSwitchesAsTheyWereWhenItWasAskedFor)
{
    setSwitches(true, true);
    scheduler.rescheduleNotifications();
    // Written on this thread after the call; the pass must not see it.
    core::GlobalSettings::shared().dailyNotificationEnabled = false;
    ASSERT_TRUE(scheduler.waitForPasses(60000));
    EXPECT_EQ(center.pending().size(), 59);
}

TEST_F(NotificationSchedulerTest, ARefusedRequestIsDroppedAndThePassGoesOn)
{
    center.setAddError(QStringLiteral("store full"));
    reschedule();
    EXPECT_TRUE(center.pending().isEmpty());
    EXPECT_EQ(center.calls().filter(QStringLiteral("add:")).size(), 59);
    EXPECT_EQ(lastRefresh(), QStringLiteral("20261205"));
}

// What a start finds after a pass that was killed or made for other settings,
// although the plan was stamped today; only a plan that is current stays.
TEST_F(NotificationSchedulerTest, AStartRepairsAPlanThatIsNotTheOneTheSettingsGive)
{
    struct Row
    {
        const char *what;
        std::function<void(TestNotificationCenter &)> damage;
        bool repaired;
    };
    const Row rows[] = {
        {"current plan", [](TestNotificationCenter &) {}, false},
        {"today's badge already shown",
         [](TestNotificationCenter &c) {
             c.deliver(QStringLiteral("QamloAppBadge-2026125"),
                       testenv::gregorianInstant(2026, 12, 5, 12, 0));
         },
         false},
        {"39 of 59 requests",
         [](TestNotificationCenter &c) {
             const auto all = c.pending();
             c.removeAllPendingNotificationRequests();
             for (int i = 0; i < 39; ++i)
                 c.addNotificationRequest(all[i]);
         },
         true},
        {"nothing pending", [](TestNotificationCenter &c) { c.removeAllPendingNotificationRequests(); },
         true},
        {"plan of the old adjustment",
         [](TestNotificationCenter &) {
             auto &s = core::GlobalSettings::shared();
             s.adjustmentNumber = 1;
             s.save();
         },
         true},
        {"a request of nobody's",
         [](TestNotificationCenter &c) {
             c.addNotificationRequest({QStringLiteral("stray"), {}, TimeIntervalTrigger{60.0, false}});
         },
         false},
    };
    for (const Row &row : rows) {
        auto &s = core::GlobalSettings::shared();
        s.adjustmentNumber = 0;
        s.save();
        reschedule();
        row.damage(center);
        center.clearCalls();
        scheduler.refreshNotificationsIfNeeded();
        ASSERT_TRUE(scheduler.waitForPasses(60000));
        EXPECT_EQ(center.calls().contains(QStringLiteral("replacePending")), row.repaired) << row.what;
        EXPECT_TRUE(scheduler.pendingMatchesPlan()) << row.what;
    }
}

TEST_F(NotificationSchedulerTest, APlanUsesTheAdjustmentItWasGivenForEveryDay)
{
    env.suite()->setInteger(core::keys::adjustmentNumber, 0);
    const auto plan = NotificationScheduler::plan(env.clock()->now(), {true, true, 2});
    // 5 December 2026 is 25 Jumada II; two days on for every day of the window.
    EXPECT_EQ(plan[0].content.badge, 27);
    EXPECT_EQ(plan[30].content.title, QStringLiteral("Today: 28 Jumada II (6), 1448"));
    env.suite()->setInteger(core::keys::adjustmentNumber, 2);
    EXPECT_EQ(plan, NotificationScheduler::plan(env.clock()->now(), {true, true}));
}

TEST_F(NotificationSchedulerTest, PassAfterPassIntoTheStoreOnDiskLeavesExactlyTheLatestPlan)
{
    LocalNotificationCenter store(env.configHome() + QStringLiteral("/qamarly/notifications.sqlite"));
    NotificationSettings allowed;
    allowed.authorizationStatus = AuthorizationStatus::authorized;
    allowed.options = AuthorizationOption::alert | AuthorizationOption::badge;
    ASSERT_TRUE(store.setNotificationSettings(allowed));
    NotificationScheduler onDisk(&store);
    struct Row
    {
        std::int64_t adjustment;
        bool badge;
        bool daily;
    };
    // Each pass runs on the worker thread against the same connection.
    for (const Row &row : {Row{0, true, true}, Row{1, true, true}, Row{-2, false, true}, Row{1, true, false},
                           Row{0, true, true}}) {
        auto &s = core::GlobalSettings::shared();
        s.adjustmentNumber = row.adjustment;
        s.todayAppBadgeEnabled = row.badge;
        s.dailyNotificationEnabled = row.daily;
        s.save();
        env.suite()->remove(core::keys::lastRefreshDate);
        onDisk.rescheduleNotifications();
        ASSERT_TRUE(onDisk.waitForPasses(60000));
        QList<NotificationRequest> pending;
        store.getPendingNotificationRequests(
            [&pending](const QList<NotificationRequest> &r) { pending = r; });
        EXPECT_EQ(pending, NotificationScheduler::plan(env.clock()->now(), {row.badge, row.daily}))
            << "adjustment " << row.adjustment << ", badge " << row.badge << ", daily " << row.daily;
        EXPECT_EQ(lastRefresh(), QStringLiteral("20261205"));
    }
}

} // namespace
