// The settings object over the app-group suite: first load, wrong types,
// save, and what is not saved.
#include "TestEnvironment.h"
#include "core/GlobalSettings.h"
#include "core/RGConv.h"
#include "core/SharedDefaults.h"

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
