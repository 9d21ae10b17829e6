// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// qamarly notifications plan | pending | reschedule, through the command table.
#include "app/cli/NotificationsCommand.h"

#include "app/cli/CommandLine.h"
#include "core/GlobalSettings.h"
#include "core/SharedDefaults.h"
#include "platform/notifications/LocalNotificationCenter.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace platform;

namespace {

class NotificationsCommandTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env;
    std::shared_ptr<TestNotificationCenter> center = std::make_shared<TestNotificationCenter>();
    QString out;
    QString err;

    void SetUp() override { UserNotificationCenter::setCurrent(center); }
    void TearDown() override { UserNotificationCenter::setCurrent(nullptr); }

    int run(const QStringList &arguments)
    {
        out.clear();
        err.clear();
        QTextStream o(&out);
        QTextStream e(&err);
        app::cli::Invocation call{arguments, o, e};
        const int status = app::notifications::runNotificationsCommand(call);
        o.flush();
        e.flush();
        return status;
    }
    QJsonArray json() const
    {
        return QJsonDocument::fromJson(out.toUtf8()).object().value(QStringLiteral("requests")).toArray();
    }
};

TEST_F(NotificationsCommandTest, PlanAsJsonListsWhatAPassWouldAddNow)
{
    ASSERT_EQ(run({QStringLiteral("plan"), QStringLiteral("--json")}), app::cli::exitOk);
    const QJsonArray plan = json();
    ASSERT_EQ(plan.size(), 59);
    const QJsonObject today = plan[0].toObject();
    EXPECT_EQ(today.value(QStringLiteral("identifier")).toString(), QStringLiteral("QamloAppBadge-2026125"));
    EXPECT_EQ(today.value(QStringLiteral("title")).toString(), QString());
    EXPECT_EQ(today.value(QStringLiteral("badge")).toInt(), 25);
    EXPECT_EQ(
        today.value(QStringLiteral("trigger")).toObject(),
        (QJsonObject{{QStringLiteral("type"), QStringLiteral("interval")}, {QStringLiteral("seconds"), 1}}));
    const QJsonObject daily = plan[30].toObject();
    EXPECT_EQ(daily.value(QStringLiteral("identifier")).toString(),
              QStringLiteral("QamloDailyNoti-1-2026126"));
    EXPECT_EQ(daily.value(QStringLiteral("title")).toString(),
              QStringLiteral("Today: 26 Jumada II (6), 1448"));
    EXPECT_EQ(daily.value(QStringLiteral("body")).toString(),
              QStringLiteral("Sunday, 06 December (12), 2026"));
    const QJsonObject trigger = daily.value(QStringLiteral("trigger")).toObject();
    EXPECT_EQ(trigger.value(QStringLiteral("type")).toString(), QStringLiteral("calendar"));
    EXPECT_EQ(trigger.value(QStringLiteral("year")).toInt(), 2026);
    EXPECT_EQ(trigger.value(QStringLiteral("month")).toInt(), 12);
    EXPECT_EQ(trigger.value(QStringLiteral("day")).toInt(), 6);
    EXPECT_EQ(trigger.value(QStringLiteral("hour")).toInt(), 9);
    EXPECT_EQ(trigger.value(QStringLiteral("minute")).toInt(), 0);
    EXPECT_EQ(trigger.value(QStringLiteral("second")).toInt(), 0);
    // Planning changes nothing.
    EXPECT_TRUE(center->calls().isEmpty());
}

TEST_F(NotificationsCommandTest, PlanFollowsTheSwitches)
{
    auto &s = core::GlobalSettings::shared();
    s.todayAppBadgeEnabled = false;
    s.dailyNotificationEnabled = false;
    s.save();
    ASSERT_EQ(run({QStringLiteral("plan"), QStringLiteral("--json")}), app::cli::exitOk);
    EXPECT_TRUE(json().isEmpty());
    ASSERT_EQ(run({QStringLiteral("plan")}), app::cli::exitOk);
    EXPECT_EQ(out, QStringLiteral("0 notifications\n"));
}

TEST_F(NotificationsCommandTest, RescheduleWaitsForThePassAndPendingShowsIt)
{
    ASSERT_EQ(run({QStringLiteral("reschedule")}), app::cli::exitOk);
    EXPECT_EQ(out, QStringLiteral("59 notifications pending\n"));
    ASSERT_EQ(run({QStringLiteral("pending"), QStringLiteral("--json")}), app::cli::exitOk);
    EXPECT_EQ(json().size(), 59);
    ASSERT_EQ(run({QStringLiteral("pending")}), app::cli::exitOk);
    EXPECT_TRUE(out.startsWith(QStringLiteral("QamloAppBadge-2026125  in 1 s  badge 25\n")));
}

// What a `settings set` killed between its commit and its replanning leaves:
// the stored settings say one thing and the pending plan another. The
// listing is what will be delivered, so it is the plan the settings give.
TEST_F(NotificationsCommandTest, PendingAfterAChangeWhosePlanningWasCutShortIsThePlanTheSettingsGive)
{
    using Value = UserDefaults::Value;
    const struct
    {
        const char *what;
        QString key;
        Value value;
    } rows[] = {
        {"badge switched off", core::keys::todayAppBadgeEnabled, Value(false)},
        {"daily notification switched off", core::keys::dailyNotificationEnabled, Value(false)},
        {"adjustment changed", core::keys::adjustmentNumber, Value(std::int64_t{2})},
    };
    for (const auto &row : rows) {
        core::GlobalSettings::resetShared();
        ASSERT_EQ(run({QStringLiteral("reschedule")}), app::cli::exitOk) << row.what;
        env.suite()->set(row.key, row.value);
        // Every command is a process of its own, which loads the settings anew.
        core::GlobalSettings::resetShared();
        ASSERT_EQ(run({QStringLiteral("pending"), QStringLiteral("--json")}), app::cli::exitOk);
        const QJsonArray pending = json();
        ASSERT_EQ(run({QStringLiteral("plan"), QStringLiteral("--json")}), app::cli::exitOk);
        EXPECT_EQ(pending, json()) << row.what;
        env.suite()->remove(row.key);
    }
}

TEST_F(NotificationsCommandTest, RescheduleWithoutPermissionExitsWithStatusThree)
{
    center->setSettings({AuthorizationStatus::denied, 0});
    EXPECT_EQ(run({QStringLiteral("reschedule")}), app::cli::exitNotAllowed);
    EXPECT_TRUE(err.contains(QStringLiteral("not allowed")));
    EXPECT_EQ(err.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(out.isEmpty());
}

TEST_F(NotificationsCommandTest, UnknownWordsGiveTheUsage)
{
    EXPECT_EQ(run({}), app::cli::exitUsage);
    EXPECT_EQ(run({QStringLiteral("plan"), QStringLiteral("extra")}), app::cli::exitUsage);
    EXPECT_EQ(run({QStringLiteral("reschedule"), QStringLiteral("--json")}), app::cli::exitUsage);
    EXPECT_TRUE(err.startsWith(QStringLiteral("usage: qamarly notifications")));
}

// A store that cannot be opened is not a missing permission: it is named,
// and it has its own status.
TEST_F(NotificationsCommandTest, AStoreThatCannotBeOpenedHasItsOwnStatus)
{
    QFile blocker(env.configHome() + QStringLiteral("/blocker"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    UserNotificationCenter::setCurrent(std::make_shared<LocalNotificationCenter>(
        env.configHome() + QStringLiteral("/blocker/notifications.sqlite")));
    for (const char *action : {"pending", "reschedule", "refresh"}) {
        EXPECT_EQ(run({QString::fromLatin1(action)}), app::cli::exitStoreUnavailable) << action;
        EXPECT_TRUE(err.contains(QStringLiteral("notification store"))) << err.toStdString();
        EXPECT_FALSE(err.contains(QStringLiteral("not allowed"))) << err.toStdString();
    }
    EXPECT_EQ(run({QStringLiteral("plan")}), app::cli::exitOk) << "the plan needs no store";
}

} // namespace
