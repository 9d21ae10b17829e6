// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Screens hear about appearing and disappearing as a user would see them.
#include "platform/ui/ViewController.h"

#include "Printing.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"
#include "support/WindowInput.h"

#include <QApplication>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

class RecordingVC : public platform::ViewController
{
public:
    explicit RecordingVC(QString name, QStringList *log) : name_(std::move(name)), log_(log) {}
    void viewDidLoad() override { log_->append(name_ + QStringLiteral(":load")); }
    void viewWillAppear() override { log_->append(name_ + QStringLiteral(":willAppear")); }
    void viewDidAppear() override { log_->append(name_ + QStringLiteral(":didAppear")); }
    void viewWillDisappear() override { log_->append(name_ + QStringLiteral(":willDisappear")); }

private:
    QString name_;
    QStringList *log_;
};

struct TabbedWindow
{
    QStringList log;
    platform::Window window;
    platform::TabBarController *tabs = new platform::TabBarController;
    RecordingVC *first = new RecordingVC(QStringLiteral("a"), &log);
    RecordingVC *second = new RecordingVC(QStringLiteral("b"), &log);

    TabbedWindow()
    {
        tabs->addTab(first, QStringLiteral("First"));
        tabs->addTab(second, QStringLiteral("Second"));
        window.setRootViewController(tabs);
        window.resize(420, 760);
    }
    QStringList take()
    {
        QCoreApplication::processEvents();
        return std::exchange(log, {});
    }
};

TEST(ViewController, FirstShowLoadsThenAppearsOnlyTheSelectedTab)
{
    TabbedWindow w;
    w.window.show();
    EXPECT_EQ(w.take(), (QStringList{QStringLiteral("a:load"), QStringLiteral("a:willAppear"),
                                     QStringLiteral("a:didAppear")}));
    EXPECT_FALSE(w.second->isViewLoaded());
}

TEST(ViewController, SwitchingTabsDisappearsTheOldScreenAndAppearsTheNewOneEveryTime)
{
    TabbedWindow w;
    ASSERT_TRUE(windowinput::showAndExpose(&w.window));
    w.take();
    windowinput::click(w.tabs->tabButton(1));
    EXPECT_EQ(w.tabs->selectedIndex(), 1);
    const QStringList toSecond = w.take();
    EXPECT_TRUE(toSecond.contains(QStringLiteral("a:willDisappear")));
    EXPECT_EQ(toSecond.filter(QStringLiteral("b:")).join(QLatin1Char(' ')),
              QStringLiteral("b:load b:willAppear b:didAppear"));

    w.tabs->setSelectedIndex(0);
    const QStringList back = w.take();
    EXPECT_TRUE(back.contains(QStringLiteral("b:willDisappear")));
    EXPECT_EQ(back.filter(QStringLiteral("a:")).join(QLatin1Char(' ')),
              QStringLiteral("a:willAppear a:didAppear"))
        << "loaded only once";
}

TEST(TabBarController, ALazyTabIsMadeOnFirstSelectionAndThenBehavesLikeAnyOther)
{
    QStringList log;
    QStringList made;
    platform::Window window;
    auto *tabs = new platform::TabBarController;
    const auto lazy = [&](const QString &name) {
        return [&log, &made, name]() -> platform::ViewController * {
            made << name;
            return new RecordingVC(name, &log);
        };
    };
    tabs->addTab(lazy(QStringLiteral("a")), QStringLiteral("First"));
    tabs->addTab(lazy(QStringLiteral("b")), QStringLiteral("Second"));
    tabs->addTab([]() -> platform::ViewController * { return nullptr; }, QStringLiteral("Broken"));
    window.setRootViewController(tabs);
    window.resize(420, 760);
    EXPECT_EQ(made, QStringList{QStringLiteral("a")}) << "the first tab is in view, so it is made at once";
    EXPECT_FALSE(tabs->isTabLoaded(1));

    ASSERT_TRUE(windowinput::showAndExpose(&window));
    QCoreApplication::processEvents();
    EXPECT_EQ(std::exchange(log, {}), (QStringList{QStringLiteral("a:load"), QStringLiteral("a:willAppear"),
                                                   QStringLiteral("a:didAppear")}));

    windowinput::click(tabs->tabButton(1));
    QCoreApplication::processEvents();
    EXPECT_EQ(made, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_EQ(tabs->selectedIndex(), 1);
    EXPECT_EQ(tabs->selectedViewController(), tabs->viewControllerAt(1));
    EXPECT_TRUE(tabs->selectedViewController()->isVisible());
    EXPECT_EQ(tabs->selectedViewController()->tabBarController(), tabs);
    EXPECT_EQ(std::exchange(log, {}).join(QLatin1Char(' ')),
              QStringLiteral("a:willDisappear b:load b:willAppear b:didAppear"));

    windowinput::click(tabs->tabButton(0));
    windowinput::click(tabs->tabButton(1));
    EXPECT_EQ(made, (QStringList{QStringLiteral("a"), QStringLiteral("b")})) << "made once";
    EXPECT_EQ(tabs->tabTitle(1), QStringLiteral("Second"));

    windowinput::click(tabs->tabButton(2));
    EXPECT_EQ(tabs->selectedIndex(), 2)
        << "a tab whose screen cannot be made still switches, to an empty page";
    EXPECT_EQ(tabs->selectedViewController(), nullptr);
    windowinput::click(tabs->tabButton(0));
    EXPECT_EQ(tabs->selectedIndex(), 0);
    EXPECT_TRUE(tabs->viewControllerAt(0)->isInView());
}

TEST(TabBarController, AskingForAnUnmadeScreenMakesItWithoutSelectingIt)
{
    platform::Window window;
    auto *tabs = new platform::TabBarController;
    int made = 0;
    for (int i = 0; i < 3; ++i)
        tabs->addTab([&made] { return ++made, new platform::ViewController; }, QString::number(i));
    window.setRootViewController(tabs);
    ASSERT_TRUE(windowinput::showAndExpose(&window));
    platform::ViewController *third = tabs->viewControllerAt(2);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(made, 2);
    EXPECT_EQ(tabs->selectedIndex(), 0);
    EXPECT_FALSE(third->isVisible());
    EXPECT_TRUE(tabs->viewControllerAt(0)->isVisible());
    EXPECT_EQ(tabs->viewControllerAt(2), third);
}

TEST(ViewController, MinimisingAndRestoringTheWindowDisappearsAndReappearsTheVisibleScreen)
{
    TabbedWindow w;
    w.window.show();
    w.take();
    w.window.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(w.take(), (QStringList{QStringLiteral("a:willDisappear")}));
    w.window.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(w.take(), (QStringList{QStringLiteral("a:willAppear"), QStringLiteral("a:didAppear")}));
}

TEST(ViewController, APresentedScreenCoversTheWindowAndItsPresenterReappearsOnDismissal)
{
    TabbedWindow w;
    w.window.show();
    w.take();
    auto *sheet = new RecordingVC(QStringLiteral("sheet"), &w.log);
    w.first->presentViewController(sheet);
    EXPECT_EQ(w.take(), (QStringList{QStringLiteral("a:willDisappear"), QStringLiteral("sheet:load"),
                                     QStringLiteral("sheet:willAppear"), QStringLiteral("sheet:didAppear")}));
    EXPECT_EQ(sheet->geometry(), w.window.rect());
    EXPECT_EQ(sheet->presentingViewController(), w.first);
    EXPECT_EQ(sheet->tabBarController(), w.tabs) << "found through the presenter";

    w.window.resize(500, 800);
    EXPECT_EQ(sheet->geometry(), w.window.rect()) << "follows the window's size";

    // While covered, restoring the window brings back only the sheet.
    w.window.setWindowState(Qt::WindowMinimized);
    EXPECT_EQ(w.take(), (QStringList{QStringLiteral("sheet:willDisappear")}));
    w.window.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(w.take(), (QStringList{QStringLiteral("sheet:willAppear"), QStringLiteral("sheet:didAppear")}));

    QPointer<platform::ViewController> gone(sheet);
    sheet->dismissViewController();
    EXPECT_EQ(w.take(), (QStringList{QStringLiteral("sheet:willDisappear"), QStringLiteral("a:willAppear"),
                                     QStringLiteral("a:didAppear")}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(gone.isNull());
    EXPECT_EQ(w.first->presentedViewController(), nullptr);
}

TEST(ViewController, ASecondPresentationOverTheSameScreenIsRefused)
{
    TabbedWindow w;
    w.window.show();
    auto *sheet = new platform::ViewController;
    QPointer<platform::ViewController> refused(new platform::ViewController);
    w.first->presentViewController(sheet);
    w.first->presentViewController(refused);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(w.first->presentedViewController(), sheet);
    EXPECT_TRUE(refused.isNull());
}

TEST(ViewController, AScreenDeletedWhilePresentingTakesItsSheetWithItSafely)
{
    QStringList log;
    auto *presenter = new RecordingVC(QStringLiteral("p"), &log);
    presenter->resize(300, 400);
    presenter->show();
    QPointer<platform::ViewController> sheet(new RecordingVC(QStringLiteral("sheet"), &log));
    presenter->presentViewController(sheet);
    QCoreApplication::processEvents();
    delete presenter; // the sheet lies inside it and goes too, without calling back
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(sheet.isNull());
}

TEST(ViewController, ScreensInATabFindTheirTabBarController)
{
    TabbedWindow w;
    EXPECT_EQ(w.second->tabBarController(), w.tabs);
    w.second->tabBarController()->setSelectedIndex(1);
    EXPECT_EQ(w.tabs->selectedViewController(), w.second);
    w.tabs->setSelectedIndex(7);
    EXPECT_EQ(w.tabs->selectedIndex(), 1) << "out of range is ignored";
    platform::ViewController alone;
    EXPECT_EQ(alone.tabBarController(), nullptr);
}

TEST(TabBarController, TheAppearanceTintReachesEveryTabBarAndTheSelectedTitle)
{
    TabbedWindow w;
    const QColor before = platform::TabBarController::appearanceTintColor();
    platform::TabBarController::setAppearanceTintColor(Qt::white);
    EXPECT_EQ(w.tabs->tintColor(), QColor(Qt::white));
    EXPECT_EQ(w.tabs->tabButton(0)->palette().color(QPalette::ButtonText), QColor(Qt::white));
    EXPECT_LT(w.tabs->tabButton(1)->palette().color(QPalette::ButtonText).alphaF(), 1.0);
    platform::TabBarController::setAppearanceTintColor(before);
}

} // namespace
