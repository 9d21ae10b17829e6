// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The application delegate configures the rating prompt when it is made and
// checks for an update at launch and at every return to the foreground.
#include "StoreTestSupport.h"
#include "app/shell/AppDelegate.h"
#include "app/store/RatingPrompt.h"
#include "app/store/UpdateChecker.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "platform/ui/Window.h"

#include <QApplication>

namespace {

// The store is asked once the window is on the screen, not before, by the
// update check and by the rating prompt's launch: the request's session
// would otherwise delay the window's first frame. One test, because the
// rating prompt's launch happens once a process.
TEST(AppDelegateStore, LaunchOnceShownAndEachReturnCheckTheStoreAndShowOneAlert)
{
    StoreWorld world;
    world.local.route(
        QStringLiteral("/lookup"),
        {200, LocalStore::lookupBody(QStringLiteral("1.1"), QStringLiteral("2026-12-01T00:00:00Z"))});
    platform::TestNotificationCenter center;
    app::shell::AppServices services{.center = &center, .refreshNotificationsIfNeeded = [] {}};
    app::shell::AppDelegate delegate(services);
    platform::Window window;
    window.resize(320, 240);
    delegate.setWindow(&window);

    app::store::RatingPrompt &prompt = app::store::RatingPrompt::sharedInstance();
    EXPECT_FALSE(prompt.onlyPromptIfLatestVersion);
    EXPECT_EQ(prompt.daysUntilPrompt, 3.0f);
    EXPECT_EQ(prompt.usesUntilPrompt, 7u);
    EXPECT_EQ(prompt.remindPeriod, 2.0f);

    auto &app = *qobject_cast<QApplication *>(QCoreApplication::instance());
    delegate.didFinishLaunchingWithOptions(app, {});
    EXPECT_EQ(app::store::UpdateChecker::shared().alertType(), app::store::AlertType::option);
    spin(300);
    EXPECT_TRUE(world.local.requests().isEmpty())
        << "asked before the window was shown: "
        << world.local.requests().join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(world.defaults->integer(QStringLiteral("RatingPromptUseCount")), 1)
        << "the launch counted a use";

    window.show();
    ASSERT_TRUE(waitUntil([] { return shownAlert() != nullptr; }));
    EXPECT_EQ(buttonTitles(shownAlert()),
              (QStringList{QStringLiteral("Next time"), QStringLiteral("Update")}));
    // The rating prompt looks at the store of the user's region.
    EXPECT_TRUE(waitUntil([&] {
        return world.local.requests().contains(QStringLiteral("/SA/lookup?bundleId=org.qamarly.Qamarly"));
    })) << world.local.requests().join(QLatin1Char(' ')).toStdString();

    const qsizetype lookups =
        world.local.requests().count(QStringLiteral("/lookup?bundleId=org.qamarly.Qamarly"));
    delegate.applicationWillEnterForeground(app);
    ASSERT_TRUE(waitUntil([&] {
        return world.local.requests().count(QStringLiteral("/lookup?bundleId=org.qamarly.Qamarly")) > lookups;
    }));
    spin(100);
    EXPECT_EQ(platform::AlertController::shownAlerts().size(), 1) << "the open alert is not shown twice";
    EXPECT_EQ(world.defaults->integer(QStringLiteral("RatingPromptUseCount")), 2);

    clickButton(shownAlert(), QStringLiteral("Next time"));
    ASSERT_TRUE(waitUntil([] { return !app::store::UpdateChecker::shared().alertViewIsVisible; }));

    // A window already on the screen runs what comes later at once.
    bool ran = false;
    window.afterFirstFrame([&] { ran = true; });
    EXPECT_TRUE(waitUntil([&] { return ran; }));
}

} // namespace
