// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Where the main window opens: fitted to the screen the first time, then
// where the user left it, as long as that place still exists.
#include "app/shell/MainWindow.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/ui/Window.h"
#include "support/TestEnvironment.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

using platform::Window;

namespace {

const QSize minimum(app::shell::mainWindowMinimumWidth, app::shell::mainWindowMinimumHeight);
const QSize usual(app::shell::mainWindowWidth, app::shell::mainWindowHeight);

struct FitCase
{
    const char *screen;
    QRect available;
    QSize expected;
};

TEST(WindowPlacement, TheUsualSizeShrinksToTheFreeAreaOfTheScreenAndIsCentred)
{
    const FitCase cases[] = {
        // A 1366x768 laptop with a 28-pixel panel: the usual 760 would hide the tab bar.
        {"1366x768 with a top panel", QRect(0, 28, 1366, 740), QSize(420, 700)},
        {"1366x768 with a bottom panel", QRect(0, 0, 1366, 720), QSize(420, 680)},
        {"1920x1080", QRect(0, 0, 1920, 1040), usual},
        {"a second screen to the right", QRect(1920, 0, 1280, 1024), usual},
        {"smaller than the minimum", QRect(0, 0, 300, 400), minimum},
    };
    for (const FitCase &c : cases) {
        SCOPED_TRACE(c.screen);
        const QRect r = Window::fittedGeometry(usual, minimum, c.available);
        EXPECT_EQ(r.size(), c.expected);
        if (c.expected != minimum) {
            // With its title bar and borders it still lies on the screen.
            EXPECT_TRUE(c.available.contains(r.adjusted(0, -Window::decorationAllowance / 2, 0, 0)));
            EXPECT_LE(std::abs(r.center().x() - c.available.center().x()), 1);
        } else {
            EXPECT_TRUE(c.available.contains(r.topLeft()));
        }
    }
}

struct RestoreCase
{
    const char *situation;
    QRect saved;
    std::optional<QRect> expected;
};

TEST(WindowPlacement, ARememberedPlaceIsUsedOnlyWhereItIsStillOnAScreen)
{
    const QList<QRect> laptop = {QRect(0, 28, 1366, 740)};
    const RestoreCase cases[] = {
        {"where it was", QRect(100, 60, 420, 600), QRect(100, 60, 420, 600)},
        {"on a second screen that is gone", QRect(2000, 100, 420, 700), std::nullopt},
        {"its title bar above the screen", QRect(100, -300, 420, 700), std::nullopt},
        {"left on the big screen: shrunk and pulled on", QRect(0, 28, 1900, 1040), QRect(0, 28, 1346, 700)},
        {"hanging over the right edge", QRect(1100, 60, 420, 600), QRect(946, 60, 420, 600)},
        {"smaller than the minimum", QRect(100, 60, 100, 100), QRect(100, 60, 320, 480)},
        {"nonsense", QRect(), std::nullopt},
    };
    for (const RestoreCase &c : cases) {
        SCOPED_TRACE(c.situation);
        EXPECT_EQ(Window::restorableGeometry(c.saved, minimum, laptop), c.expected);
    }
}

QRect available()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(WindowPlacement, TheMainWindowOpensOnTheScreenAndReopensWhereTheUserLeftIt)
{
    testenv::ScopedEnvironment env;
    QRect left;
    {
        const auto window = app::shell::makeMainWindow({});
        EXPECT_TRUE(available().contains(window->geometry()))
            << "the offscreen screen is smaller than the usual size";
        EXPECT_EQ(window->minimumSize(), minimum);
        window->show();
        left = QRect(available().topLeft() + QPoint(30, 40), QSize(360, 500));
        window->setGeometry(left);
        window->close();
    }
    const auto again = app::shell::makeMainWindow({});
    EXPECT_EQ(again->geometry(), left);
    EXPECT_FALSE(again->windowState() & Qt::WindowMaximized);
}

TEST(WindowPlacement, AMaximisedWindowOpensMaximisedAndAGarbledRecordIsIgnored)
{
    testenv::ScopedEnvironment env;
    {
        const auto window = app::shell::makeMainWindow({});
        window->show();
        window->showMaximized();
        window->rememberGeometry();
    }
    {
        const auto again = app::shell::makeMainWindow({});
        EXPECT_TRUE(again->windowState() & Qt::WindowMaximized);
    }
    for (const char *garbled : {"", "1,2,3", "a,b,c,d", "10,10,-5,-5", "0,0,400,600,max,extra"}) {
        SCOPED_TRACE(garbled);
        platform::UserDefaults::standard()->setString(QString::fromLatin1(app::shell::mainWindowGeometryKey),
                                                      QString::fromLatin1(garbled));
        const auto window = app::shell::makeMainWindow({});
        EXPECT_TRUE(available().contains(window->geometry()));
        EXPECT_EQ(window->geometry().center(), Window::fittedGeometry(usual, minimum, available()).center());
    }
}

TEST(WindowPlacement, NothingIsRememberedInTheSharedAppGroupSuite)
{
    testenv::ScopedEnvironment env;
    {
        const auto window = app::shell::makeMainWindow({});
        window->show();
        window->close();
    }
    EXPECT_FALSE(env.suite()->keys().contains(QString::fromLatin1(app::shell::mainWindowGeometryKey)));
    EXPECT_TRUE(
        platform::UserDefaults::standard()->string(QString::fromLatin1(app::shell::mainWindowGeometryKey)));
}

} // namespace
