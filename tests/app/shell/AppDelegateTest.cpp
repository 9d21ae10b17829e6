// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The delegate's launch, foreground and notification steps, and the desktop
// lifecycle that drives them.
#include "app/shell/AppDelegate.h"

#include "Printing.h"
#include "app/notifications/NotificationScheduler.h"
#include "app/shell/ApplicationLifecycle.h"
#include "app/shell/ApplicationMain.h"
#include "app/shell/MainWindow.h"
#include "app/shell/WindowArguments.h"
#include "core/GlobalSettings.h"
#include "core/SharedDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

QApplication &app()
{
    return *qobject_cast<QApplication *>(QCoreApplication::instance());
}

platform::Notification notificationWithBadge(std::optional<int> badge)
{
    platform::Notification n;
    n.request.identifier = QStringLiteral("daily-1");
    n.request.content.title = QStringLiteral("Today");
    n.request.content.badge = badge;
    return n;
}

TEST(AppDelegate, LaunchMakesItTheCentreDelegateBeforeRefreshingAndTintsTheTabBarsWhite)
{
    testenv::ScopedEnvironment env;
    platform::TestNotificationCenter center;
    QStringList log;
    app::shell::AppDelegate *self = nullptr;
    app::shell::AppServices services;
    services.center = &center;
    services.refreshNotificationsIfNeeded = [&] {
        log << (center.delegate() == self ? QStringLiteral("refresh after delegate")
                                          : QStringLiteral("refresh"));
    };
    app::shell::AppDelegate delegate(services);
    self = &delegate;
    EXPECT_EQ(&delegate.center(), &center);
    EXPECT_EQ(center.delegate(), nullptr) << "construction puts nothing in place";

    const QColor before = platform::TabBarController::appearanceTintColor();
    EXPECT_TRUE(delegate.didFinishLaunchingWithOptions(app(), {}));
    EXPECT_EQ(log, QStringList{QStringLiteral("refresh after delegate")});
    EXPECT_EQ(platform::TabBarController::appearanceTintColor(), QColor(Qt::white));
    EXPECT_EQ(delegate.watchSession(), nullptr) << "no watch on a desktop";
    EXPECT_EQ(app::shell::AppDelegate::shared(), &delegate);
    platform::TabBarController::setAppearanceTintColor(before);
}

TEST(AppDelegate, NotificationsAreRescheduledAtMostOnceADayAcrossLaunchAndReturns)
{
    testenv::ScopedEnvironment env;
    platform::TestNotificationCenter center;
    center.setSettings({platform::AuthorizationStatus::authorized,
                        platform::AuthorizationOption::alert | platform::AuthorizationOption::badge});
    app::notifications::NotificationScheduler scheduler(&center, env.suite());
    // Last planned the day before.
    env.suite()->setString(
        core::keys::lastRefreshDate,
        app::notifications::NotificationScheduler::refreshStamp(env.clock()->now() - std::chrono::hours(24)));
    app::shell::AppServices services;
    services.center = &center;
    services.refreshNotificationsIfNeeded = [&] { scheduler.refreshNotificationsIfNeeded(); };
    app::shell::AppDelegate delegate(services);
    const auto reschedules = [&] {
        EXPECT_TRUE(scheduler.waitForPasses(10000));
        return center.calls().count(QStringLiteral("removePending"));
    };

    delegate.didFinishLaunchingWithOptions(app(), {});
    EXPECT_EQ(reschedules(), 1);
    delegate.applicationWillEnterForeground(app());
    env.clock()->advance(std::chrono::hours(6));
    delegate.applicationWillEnterForeground(app());
    EXPECT_EQ(reschedules(), 1) << "same day";
    EXPECT_EQ(env.suite()->string(core::keys::lastRefreshDate),
              app::notifications::NotificationScheduler::refreshStamp(env.clock()->now()));

    env.clock()->advance(std::chrono::hours(24));
    delegate.applicationWillEnterForeground(app());
    EXPECT_EQ(reschedules(), 2) << "a new day";
    EXPECT_FALSE(center.pending().isEmpty());
}

TEST(AppDelegate, ANotificationInFrontSetsItsBadgeAndShowsNothing)
{
    testenv::ScopedEnvironment env;
    platform::TestNotificationCenter center;
    app::shell::AppServices services;
    services.center = &center;
    services.refreshNotificationsIfNeeded = [] {};
    app::shell::AppDelegate delegate(services);
    delegate.didFinishLaunchingWithOptions(app(), {});
    center.setApplicationIconBadgeNumber(3);

    EXPECT_EQ(center.presentInForeground(notificationWithBadge(17)), platform::PresentationOptions(0));
    EXPECT_EQ(center.applicationIconBadgeNumber(), 17);

    EXPECT_EQ(center.presentInForeground(notificationWithBadge(std::nullopt)),
              platform::PresentationOptions(0));
    EXPECT_EQ(center.applicationIconBadgeNumber(), 17) << "no badge carried, nothing changes";
}

struct RunningApplication
{
    testenv::ScopedEnvironment env;
    platform::TestNotificationCenter center;
    int refreshes = 0;
    int opened = 0;
    std::unique_ptr<app::shell::AppDelegate> delegate;
    std::unique_ptr<platform::Window> window;
    std::unique_ptr<app::shell::ApplicationLifecycle> lifecycle;

    RunningApplication()
    {
        app::shell::AppServices services;
        services.center = &center;
        services.refreshNotificationsIfNeeded = [this] { ++refreshes; };
        delegate = std::make_unique<app::shell::AppDelegate>(services);
        const auto screen = [] { return new platform::ViewController; };
        window = app::shell::makeMainWindow({{screen, "tab.converter", {}}, {screen, "tab.occasions", {}}});
        delegate->setWindow(window.get());
        delegate->didFinishLaunchingWithOptions(app(), {});
        lifecycle = std::make_unique<app::shell::ApplicationLifecycle>(app(), *delegate, *window);
        lifecycle->applicationStateChanged(Qt::ApplicationActive);
        window->show();
    }
    int returns() const { return refreshes - 1; }
};

TEST(ApplicationLifecycle, FocusMovingToAnotherProgramAndBackIsNoReturn)
{
    RunningApplication a;
    EXPECT_EQ(a.returns(), 0) << "the first activation is the launch";
    for (int i = 0; i < 5; ++i) {
        a.lifecycle->applicationStateChanged(Qt::ApplicationInactive);
        a.lifecycle->applicationStateChanged(Qt::ApplicationActive);
    }
    EXPECT_EQ(a.returns(), 0) << "five changes of focus, and the window stayed on screen";
    a.lifecycle->applicationStateChanged(Qt::ApplicationHidden);
    a.lifecycle->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(a.returns(), 1) << "the whole application was hidden";
}

TEST(ApplicationLifecycle, OnlyEveryWindowHiddenOrMinimisedAndThenOneShownIsAReturn)
{
    RunningApplication a;
    QWidget other; // a second window of the application, as a dialog left open
    other.show();
    a.window->setWindowState(Qt::WindowMinimized);
    a.window->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(a.returns(), 0) << "the other window stayed on screen";

    a.window->setWindowState(Qt::WindowMinimized);
    other.hide();
    EXPECT_EQ(a.returns(), 0);
    other.show();
    EXPECT_EQ(a.returns(), 1);
    a.window->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(a.returns(), 1) << "already back";

    other.hide();
    a.window->hide();
    a.window->show();
    EXPECT_EQ(a.returns(), 2);
}

TEST(ApplicationLifecycle, ALockedScreenIsTheBackgroundUntilItIsUnlocked)
{
    RunningApplication a;
    a.lifecycle->screenLockChanged(true);
    a.lifecycle->applicationStateChanged(Qt::ApplicationInactive);
    a.lifecycle->screenLockChanged(false);
    a.lifecycle->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(a.returns(), 1);

    a.window->setWindowState(Qt::WindowMinimized);
    a.lifecycle->screenLockChanged(true);
    a.lifecycle->screenLockChanged(false);
    EXPECT_EQ(a.returns(), 1) << "unlocked with the window still minimised";
    a.window->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(a.returns(), 2);
}

TEST(ApplicationLifecycle, RestoringTheMinimisedWindowWhileActiveIsAReturn)
{
    RunningApplication a;
    a.window->setWindowState(Qt::WindowMinimized);
    a.window->setWindowState(Qt::WindowNoState);
    EXPECT_EQ(a.returns(), 1);
}

TEST(ApplicationLifecycle, AnotherStartBringsTheWindowForwardAndCountsAsOneReturn)
{
    RunningApplication a;
    a.lifecycle->applicationStateChanged(Qt::ApplicationInactive);
    a.window->setWindowState(Qt::WindowMinimized);

    a.lifecycle->activationRequested({});
    EXPECT_FALSE(a.window->isMinimized());
    EXPECT_TRUE(a.window->isVisible());
    EXPECT_EQ(a.returns(), 1);
    a.lifecycle->applicationStateChanged(Qt::ApplicationActive);
    EXPECT_EQ(a.returns(), 1) << "the activation that follows is the same return";
}

TEST(ApplicationLifecycle, OpeningThroughAnAddressOnlyBringsTheApplicationToTheFront)
{
    RunningApplication a;
    auto *tabs = app::shell::rootTabBarController(*a.window);
    tabs->setSelectedIndex(1);
    core::GlobalSettings::shared().adjustmentNumber = 1;
    core::GlobalSettings::shared().save();
    a.window->setWindowState(Qt::WindowMinimized);

    EXPECT_TRUE(
        a.delegate->openURL(app(), QUrl(QStringLiteral("qamarly://settings")), QString(), QVariant()));
    a.lifecycle->activationRequested({QStringLiteral("qamarly://settings?adjustment=5")});
    EXPECT_TRUE(a.window->isVisible());
    EXPECT_EQ(tabs->selectedIndex(), 1);
    EXPECT_EQ(a.env.suite()->integer(core::keys::adjustmentNumber), 1);
    EXPECT_EQ(a.returns(), 1);
}

TEST(ApplicationLifecycle, FindsTheAddressAmongTheArguments)
{
    using app::shell::ApplicationLifecycle;
    EXPECT_EQ(ApplicationLifecycle::urlArgument(
                  {QStringLiteral("-style"), QStringLiteral("fusion"), QStringLiteral("qamarly://today")}),
              QUrl(QStringLiteral("qamarly://today")));
    EXPECT_TRUE(ApplicationLifecycle::urlArgument({QStringLiteral("today")}).isEmpty());
    EXPECT_TRUE(ApplicationLifecycle::urlArgument({}).isEmpty());
}

TEST(MainWindow, IsTitledQamarlyWithOneTabPerScreenInOrder)
{
    testenv::ScopedEnvironment env;
    platform::installTranslations();
    int made = 0;
    const auto screen = [&made] {
        ++made;
        return new platform::ViewController;
    };
    const auto window = app::shell::makeMainWindow({{screen, "tab.calendar", {}},
                                                    {screen, "tab.converter", {}},
                                                    {[] { return nullptr; }, "tab.dateRange", {}}});
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Qamarly"));
    // Under Arabic the title is the name the launcher entry and the dialogs use.
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    EXPECT_EQ(app::shell::makeMainWindow({})->windowTitle(), QString::fromUtf8("قمرلي"));
    env.setLocale(QStringLiteral("en_US"));
    platform::installTranslations();
    EXPECT_TRUE(QFile::exists(QStringLiteral(":/images/qamarly.png"))) << "the window's icon is built in";
    EXPECT_TRUE(QGuiApplication::primaryScreen()->availableGeometry().contains(window->geometry()))
        << "the window fits its screen";
    auto *tabs = app::shell::rootTabBarController(*window);
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->count(), 3);
    EXPECT_EQ(made, 1) << "only the tab in view is made before the window shows";
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                      tabs->tabButton(1)->mapTo(window.get(), tabs->tabButton(1)->rect().center()));
    EXPECT_EQ(made, 2) << "a tab's screen is made when the tab is first selected";
    EXPECT_TRUE(tabs->isTabLoaded(1));
    EXPECT_EQ(tabs->viewControllerAt(2), nullptr) << "a screen that cannot be made leaves its tab empty";
    EXPECT_FALSE(tabs->isTabLoaded(2));
}

} // namespace

namespace {

TEST(ApplicationMain, ArabicLaysTheApplicationOutRightToLeft)
{
    {
        testenv::ScopedEnvironment arabic(QStringLiteral("ar_SA"));
        app::shell::prepareApplication();
        EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::RightToLeft);
        EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("qamarly"));
    }
    testenv::ScopedEnvironment english;
    app::shell::prepareApplication();
    EXPECT_EQ(QGuiApplication::layoutDirection(), Qt::LeftToRight);
}

TEST(ApplicationMain, TheWindowIsForNoArgumentsQtOptionsAddressesAndCalendarFilesOnly)
{
    EXPECT_TRUE(app::shell::wantsWindow({}));
    EXPECT_TRUE(app::shell::wantsWindow({QStringLiteral("-style"), QStringLiteral("fusion")}));
    EXPECT_TRUE(app::shell::wantsWindow({QStringLiteral("qamarly://today")}));
    EXPECT_TRUE(app::shell::wantsWindow({QStringLiteral("Invitation.ICS")}));
    EXPECT_FALSE(app::shell::wantsWindow({QStringLiteral("today")}));
    EXPECT_FALSE(app::shell::wantsWindow({QStringLiteral("--help")}));
    // A file named from a terminal reaches a window started elsewhere whole.
    const QUrl file =
        app::shell::addressArgument(app::shell::forwardableArguments({QStringLiteral("sub dir/a.ics")}));
    EXPECT_TRUE(file.isLocalFile());
    EXPECT_EQ(file.toLocalFile(), QDir::current().absoluteFilePath(QStringLiteral("sub dir/a.ics")));
}

TEST(ApplicationMain, ADisplayIsAnXOrWaylandDisplayOrAPlatformThatNeedsNone)
{
    const QByteArray display = qgetenv("DISPLAY"), wayland = qgetenv("WAYLAND_DISPLAY"),
                     platformName = qgetenv("QT_QPA_PLATFORM");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "xcb");
    EXPECT_FALSE(app::shell::displayAvailable({}));
    EXPECT_TRUE(app::shell::displayAvailable({QStringLiteral("-platform"), QStringLiteral("offscreen")}));
    qputenv("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_TRUE(app::shell::displayAvailable({}));
    qunsetenv("WAYLAND_DISPLAY");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_TRUE(app::shell::displayAvailable({}));
    for (const auto &[name, value] :
         {std::pair{"DISPLAY", display}, {"WAYLAND_DISPLAY", wayland}, {"QT_QPA_PLATFORM", platformName}}) {
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
}

} // namespace
