// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The enable-notifications prompt through its three states: never answered,
// permission requested, settled.
#include "app/notifications/EnableOptionsVC.h"

#include "app/notifications/NotEnabledAlert.h"
#include "app/screens/ScreenTestSupport.h"
#include "core/GlobalSettings.h"
#include "core/SharedDefaults.h"
#include "support/WindowInput.h"
#include "ui_EnableOptionsVC.h"

#include <QTest>
#include <gtest/gtest.h>

using app::notifications::EnableOptionsVC;

namespace {

class NotificationPrompt : public ::testing::Test
{
protected:
    void SetUp() override
    {
        world.denyAlerts();
        // Not yet determined: the platform asks, and the test answers.
        world.center->setSettings({});
        presenter.resize(420, 700);
        ASSERT_TRUE(windowinput::showAndExpose(&presenter));
        world.settle();
        prompt = new EnableOptionsVC;
        prompt->setRescheduleNotifications([this] { ++reschedules; });
        presenter.presentViewController(prompt);
        world.settle();
        app::notifications::setApplicationSettingsOpener([this] {
            ++settingsOpened;
            return true;
        });
    }
    void TearDown() override
    {
        app::notifications::setApplicationSettingsOpener({});
        // Leave no screen presented over one that is about to go.
        if (presenter.presentedViewController())
            presenter.dismissViewController();
        world.settle();
    }

    std::pair<bool, bool> state() const
    {
        const auto &s = core::GlobalSettings::shared();
        const auto suite = core::sharedDefaults();
        EXPECT_EQ(suite->boolean(core::keys::enableOptionRequested), s.enableOptionRequested);
        EXPECT_EQ(suite->boolean(core::keys::enableNotificationsClicked), s.enableNotificationsClicked);
        return {s.enableOptionRequested, s.enableNotificationsClicked};
    }
    // The one-second wait, without waiting: the pending check runs now.
    void permissionSettles()
    {
        world.settle();
        ASSERT_TRUE(prompt->isWaitingForPermission());
        prompt->checkPermission();
        world.settle();
    }

    screentest::ScreenWorld world;
    platform::ViewController presenter;
    QPointer<EnableOptionsVC> prompt;
    int reschedules = 0;
    int settingsOpened = 0;
};

TEST_F(NotificationPrompt, CloseSettlesThePromptForGood)
{
    EXPECT_EQ(state(), std::make_pair(false, false));
    EXPECT_TRUE(prompt->isObservingActivation());
    windowinput::click(prompt->outlets().closeButton);
    world.settle();
    EXPECT_EQ(state(), std::make_pair(true, false));
    EXPECT_TRUE(prompt.isNull());
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    EXPECT_EQ(reschedules, 0);
}

TEST_F(NotificationPrompt, EnableThenAllowSchedulesAndCloses)
{
    world.center->setAuthorizationAnswer(true, platform::AuthorizationOption::alert |
                                                   platform::AuthorizationOption::badge |
                                                   platform::AuthorizationOption::sound);
    windowinput::click(prompt->outlets().enableNotificationButton);
    EXPECT_EQ(state(), std::make_pair(false, true));
    EXPECT_TRUE(world.center->calls().contains(QStringLiteral("requestAuthorization")));
    permissionSettles();
    EXPECT_EQ(reschedules, 1);
    EXPECT_EQ(state(), std::make_pair(true, false));
    EXPECT_TRUE(prompt.isNull());
    EXPECT_EQ(world.topAlert(), nullptr);
}

TEST_F(NotificationPrompt, EnableThenDenyShowsTheAlertAndKeepsAsking)
{
    world.center->setAuthorizationAnswer(false, 0);
    windowinput::click(prompt->outlets().enableNotificationButton);
    permissionSettles();
    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), QStringLiteral("NotificationsNotEnabled"));
    EXPECT_EQ(alert->message(), platform::localized("NotificationsNotEnabledMessage"));
    ASSERT_EQ(alert->actions().size(), 2);
    EXPECT_EQ(alert->actions()[0].title, QStringLiteral("OK"));
    EXPECT_EQ(alert->actions()[0].style, platform::AlertController::ActionStyle::Cancel);
    EXPECT_EQ(alert->actions()[1].style, platform::AlertController::ActionStyle::Destructive);
    // Coming back again while the alert is up adds no second one.
    prompt->applicationDidBecomeActive();
    permissionSettles();
    EXPECT_EQ(platform::AlertController::shownAlerts().size(), 1);
    EXPECT_EQ(world.topAlert(), alert);
    EXPECT_TRUE(alert->press(1));
    EXPECT_EQ(settingsOpened, 0); // opened from the event loop, after the alert has gone
    world.settle();
    EXPECT_EQ(settingsOpened, 1);
    EXPECT_EQ(state(), std::make_pair(false, true));
    ASSERT_FALSE(prompt.isNull());

    // Back from the settings with alerts allowed: schedules and closes.
    world.center->setSettings(
        {platform::AuthorizationStatus::authorized, platform::AuthorizationOption::alert});
    prompt->applicationDidBecomeActive();
    permissionSettles();
    EXPECT_EQ(reschedules, 1);
    EXPECT_EQ(state(), std::make_pair(true, false));
    EXPECT_TRUE(prompt.isNull());
}

TEST_F(NotificationPrompt, TheWaitForThePermissionDoesNotHoldUpTheWindow)
{
    auto &settings = core::GlobalSettings::shared();
    settings.enableNotificationsClicked = true;
    settings.save();
    prompt->applicationDidBecomeActive();
    // Returns with the check still pending (nothing was read yet); a second
    // return restarts the wait instead of stacking checks.
    EXPECT_TRUE(prompt->isWaitingForPermission());
    prompt->applicationDidBecomeActive();
    EXPECT_EQ(world.topAlert(), nullptr);
    // The check runs on its own from the event loop.
    QTRY_VERIFY_WITH_TIMEOUT(world.topAlert() != nullptr, 10000);
    EXPECT_FALSE(prompt->isWaitingForPermission());
}

TEST_F(NotificationPrompt, ReturningWithoutHavingAskedDoesNothing)
{
    prompt->applicationDidBecomeActive();
    permissionSettles();
    EXPECT_EQ(world.topAlert(), nullptr);
    EXPECT_FALSE(prompt.isNull());
    EXPECT_EQ(state(), std::make_pair(false, false));
    EXPECT_EQ(reschedules, 0);
}

TEST_F(NotificationPrompt, StopsWatchingForReturnsOnceItLeavesView)
{
    EXPECT_TRUE(prompt->isObservingActivation());
    prompt->viewWillDisappear();
    EXPECT_FALSE(prompt->isObservingActivation());
}

} // namespace
