// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Alerts never block the event loop, and tests answer them like a user.
#include "platform/ui/AlertController.h"

#include "Printing.h"
#include "support/WindowInput.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using Style = platform::AlertController::ActionStyle;

TEST(AlertController, ShowingReturnsAtOnceAndTheHookSeesTheAlertWithItsButtonsInOrder)
{
    QWidget window;
    window.show();
    QList<platform::AlertController *> hooked;
    const auto previous = platform::AlertController::setShowHook([&](auto *alert) { hooked << alert; });

    auto *alert = new platform::AlertController(QStringLiteral("Title"), QStringLiteral("Message"));
    alert->addAction(QStringLiteral("Go"), Style::Default);
    alert->addAction(QStringLiteral("Cancel"), Style::Cancel);
    alert->addAction(QStringLiteral("Reset"), Style::Destructive);
    alert->showOver(&window);

    ASSERT_EQ(hooked.size(), 1);
    EXPECT_EQ(platform::AlertController::shownAlerts(), hooked);
    EXPECT_EQ(alert->title(), QStringLiteral("Title"));
    EXPECT_EQ(alert->message(), QStringLiteral("Message"));
    EXPECT_EQ(alert->actions().size(), 3);
    EXPECT_EQ(alert->actions().at(2).title, QStringLiteral("Reset"));
    EXPECT_EQ(alert->windowModality(), Qt::WindowModal);
    EXPECT_EQ(alert->parentWidget(), &window);
    EXPECT_TRUE(alert->isVisible());
    platform::AlertController::setShowHook(previous);
    alert->press(1);
}

TEST(AlertController, PressingAButtonClosesTheAlertThenRunsOnlyThatHandler)
{
    QWidget window;
    window.show();
    QStringList ran;
    QPointer<platform::AlertController> alert = new platform::AlertController(QString(), QStringLiteral("m"));
    alert->addAction(QStringLiteral("ok"), Style::Cancel, [&] {
        ran << QStringLiteral("ok");
        EXPECT_TRUE(platform::AlertController::shownAlerts().isEmpty()) << "closed before the handler";
    });
    alert->addAction(QStringLiteral("settings"), Style::Destructive,
                     [&] { ran << QStringLiteral("settings"); });
    alert->showOver(&window);

    EXPECT_TRUE(alert->press(QStringLiteral("settings")));
    EXPECT_EQ(ran, QStringList{QStringLiteral("settings")});
    EXPECT_FALSE(alert->press(0)) << "an answered alert takes no second answer";
    EXPECT_FALSE(alert->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(alert.isNull()) << "deletes itself";
}

TEST(AlertController, ClickingAButtonWorksLikePressingIt)
{
    QWidget window;
    ASSERT_TRUE(windowinput::showAndExpose(&window));
    bool pressed = false;
    auto *alert = new platform::AlertController(QStringLiteral("t"), QString());
    alert->addAction(QStringLiteral("Yes"), Style::Default, [&] { pressed = true; });
    alert->showOver(&window);
    auto *button = alert->findChild<QPushButton *>(QStringLiteral("alertButton0"));
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(alert));
    windowinput::click(button);
    EXPECT_TRUE(pressed);
}

TEST(AlertController, EscapeAnswersWithTheCancelButtonOrJustCloses)
{
    QWidget window;
    window.show();
    QStringList ran;
    auto *withCancel = new platform::AlertController(QStringLiteral("t"), QString());
    withCancel->addAction(QStringLiteral("Delete"), Style::Destructive,
                          [&] { ran << QStringLiteral("delete"); });
    withCancel->addAction(QStringLiteral("Keep"), Style::Cancel, [&] { ran << QStringLiteral("keep"); });
    withCancel->showOver(&window);
    QTest::keyClick(withCancel, Qt::Key_Escape);
    EXPECT_EQ(ran, QStringList{QStringLiteral("keep")});

    auto *withoutCancel = new platform::AlertController(QStringLiteral("t"), QString());
    withoutCancel->addAction(QStringLiteral("Delete"), Style::Destructive,
                             [&] { ran << QStringLiteral("delete"); });
    withoutCancel->showOver(&window);
    QTest::keyClick(withoutCancel, Qt::Key_Escape);
    EXPECT_EQ(ran, QStringList{QStringLiteral("keep")});
    EXPECT_TRUE(platform::AlertController::shownAlerts().isEmpty());
}

} // namespace
