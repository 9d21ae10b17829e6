// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The settings object over the app-group suite: first load, wrong types,
// save, and what is not saved.
#include "core/GlobalSettings.h"

#include "TestEnvironment.h"
#include "core/RGConv.h"
#include "core/SharedDefaults.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using core::GlobalSettings;
namespace keys = core::keys;

TEST(GlobalSettings, FirstLoadWritesEveryDefaultButTheRefreshStamp)
{
    testenv::ScopedEnvironment env;
    GlobalSettings &s = GlobalSettings::shared();
    EXPECT_EQ(&s, &GlobalSettings::shared());
    auto suite = env.suite();
    EXPECT_EQ(suite->integer(keys::adjustmentNumber), 0);
    EXPECT_EQ(suite->integer(keys::wallpaperIndex), 18);
    EXPECT_EQ(suite->boolean(keys::dailyNotificationEnabled), true);
    EXPECT_EQ(suite->boolean(keys::todayAppBadgeEnabled), true);
    EXPECT_EQ(suite->boolean(keys::enableOptionRequested), false);
    EXPECT_EQ(suite->boolean(keys::enableNotificationsClicked), false);
    EXPECT_EQ(suite->type(keys::lastRefreshDate), platform::UserDefaults::Type::none);
    EXPECT_EQ(GlobalSettings::wallpaperMaxIndex, 28);
    EXPECT_TRUE(suite->isPersistent());
}

TEST(GlobalSettings, AValueOfTheWrongTypeIsReplacedByTheDefault)
{
    testenv::ScopedEnvironment env;
    env.suite()->setString(keys::wallpaperIndex, QStringLiteral("seven"));
    env.suite()->setInteger(keys::dailyNotificationEnabled, 0);
    const GlobalSettings &s = GlobalSettings::shared();
    EXPECT_EQ(s.wallpaperIndex, 18);
    EXPECT_TRUE(s.dailyNotificationEnabled);
    EXPECT_EQ(env.suite()->integer(keys::wallpaperIndex), 18);
    EXPECT_EQ(env.suite()->boolean(keys::dailyNotificationEnabled), true);
}

TEST(GlobalSettings, StoredValuesLoadEvenWithoutAnAsset)
{
    testenv::ScopedEnvironment env;
    env.suite()->setInteger(keys::wallpaperIndex, 40);
    env.suite()->setInteger(keys::adjustmentNumber, -2);
    const GlobalSettings &s = GlobalSettings::shared();
    EXPECT_EQ(s.wallpaperIndex, 40);
    EXPECT_EQ(s.adjustmentNumber, -2);
    EXPECT_TRUE(GlobalSettings::currentWallpaperName().isEmpty());
}

TEST(GlobalSettings, AStoredAdjustmentNoSurfaceCanApplyLoadsAsZero)
{
    for (std::int64_t stored : {std::int64_t(2'147'483'648), std::int64_t(-366)}) {
        SCOPED_TRACE(stored);
        testenv::ScopedEnvironment env;
        env.suite()->setInteger(keys::adjustmentNumber, stored);
        EXPECT_EQ(GlobalSettings::shared().adjustmentNumber, 0);
        GlobalSettings::resetShared();
    }
}

TEST(GlobalSettings, OnlySaveMakesAChangeVisibleToTheDateCore)
{
    testenv::ScopedEnvironment env;
    GlobalSettings &s = GlobalSettings::shared();
    s.adjustmentNumber = 1;
    EXPECT_EQ(core::RGConv(testenv::gregorianInstant(2026, 1, 1)).adjustmentNumber(), 0);
    ASSERT_TRUE(s.save());
    EXPECT_EQ(core::RGConv(testenv::gregorianInstant(2026, 1, 1)).adjustmentNumber(), 1);

    // A new process (here: a fresh object over the same file) sees the saved values.
    s.wallpaperIndex = 3;
    s.todayAppBadgeEnabled = false;
    s.save();
    s.enableOptionRequested = true; // not saved
    GlobalSettings::resetShared();
    core::setSharedDefaults(nullptr);
    const GlobalSettings &again = GlobalSettings::shared();
    EXPECT_EQ(again.adjustmentNumber, 1);
    EXPECT_EQ(again.wallpaperIndex, 3);
    EXPECT_FALSE(again.todayAppBadgeEnabled);
    EXPECT_FALSE(again.enableOptionRequested);
}

// Two processes, each with its own object over the same file: one saving a
// change must not put back the other's older values.
TEST(GlobalSettings, ASaveWritesOnlyWhatThisObjectChanged)
{
    testenv::ScopedEnvironment env;
    const QString path = env.suite()->path();
    GlobalSettings first(platform::UserDefaults::open(path));
    GlobalSettings second(platform::UserDefaults::open(path));

    second.wallpaperIndex = 5;
    second.dailyNotificationEnabled = false;
    ASSERT_TRUE(second.save());
    first.adjustmentNumber = 2;
    EXPECT_EQ(first.changedKeys(), QStringList{keys::adjustmentNumber});
    ASSERT_TRUE(first.save());
    EXPECT_TRUE(first.changedKeys().isEmpty());

    const auto suite = platform::UserDefaults::open(path);
    EXPECT_EQ(suite->integer(keys::adjustmentNumber), 2);
    EXPECT_EQ(suite->integer(keys::wallpaperIndex), 5);
    EXPECT_EQ(suite->boolean(keys::dailyNotificationEnabled), false);

    // Nothing changed: nothing written, so the other's next value stays too.
    second.adjustmentNumber = 0; // as it was loaded: no change of its own
    second.wallpaperIndex = 6;
    ASSERT_TRUE(second.save());
    EXPECT_EQ(suite->integer(keys::adjustmentNumber), 2);
    EXPECT_EQ(suite->integer(keys::wallpaperIndex), 6);
}

TEST(GlobalSettings, ASaveThatCannotOutliveTheProcessSaysSo)
{
    testenv::ScopedEnvironment env;
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly);
    GlobalSettings inMemoryStandIn(
        platform::UserDefaults::open(dir.filePath(QStringLiteral("blocker/qamarly/suite.sqlite"))));
    inMemoryStandIn.adjustmentNumber = 3;
    EXPECT_FALSE(inMemoryStandIn.save());
    EXPECT_EQ(inMemoryStandIn.changedKeys(), QStringList{keys::adjustmentNumber}) << "still unsaved";
    EXPECT_EQ(inMemoryStandIn.suite()->integer(keys::adjustmentNumber), 3) << "this run still uses it";

    GlobalSettings scratch(platform::UserDefaults::inMemory());
    scratch.adjustmentNumber = 3;
    EXPECT_TRUE(scratch.save());
}
