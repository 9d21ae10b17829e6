// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The permission dialog: answered once, by the button pressed or by closing it.
#include "platform/notifications/AuthorizationDialog.h"

#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"
#include "support/WindowInput.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace platform;

namespace {

QMessageBox *shownDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("notificationPermissionDialog") && w->isVisible())
            return qobject_cast<QMessageBox *>(w);
    return nullptr;
}

TEST(AuthorizationDialogTest, AllowGrantsAndTheAnswerComesOnce)
{
    testenv::ScopedEnvironment env;
    installTranslations();
    int answers = 0;
    bool granted = false;
    showAuthorizationDialog(AuthorizationOption::alert | AuthorizationOption::badge, [&](bool g) {
        ++answers;
        granted = g;
    });
    ASSERT_TRUE(QTest::qWaitFor([] { return shownDialog() != nullptr; }, 10000));
    QMessageBox *box = shownDialog();
    EXPECT_EQ(box->text(), QString::fromUtf8("“Qamarly” Would Like to Send You Notifications"));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(box));
    windowinput::click(box->findChild<QPushButton *>(QStringLiteral("allowButton")));
    ASSERT_TRUE(QTest::qWaitFor([] { return shownDialog() == nullptr; }, 10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(answers, 1);
    EXPECT_TRUE(granted);
}

TEST(AuthorizationDialogTest, ClosingWithoutAChoiceRefusesAndSpeaksTheDevicesLanguage)
{
    testenv::ScopedEnvironment env(QStringLiteral("ar_SA"), QStringLiteral("Asia/Riyadh"));
    installTranslations();
    int answers = 0;
    bool granted = true;
    showAuthorizationDialog(AuthorizationOption::alert, [&](bool g) {
        ++answers;
        granted = g;
    });
    ASSERT_TRUE(QTest::qWaitFor([] { return shownDialog() != nullptr; }, 10000));
    QMessageBox *box = shownDialog();
    EXPECT_EQ(box->findChild<QPushButton *>(QStringLiteral("allowButton"))->text(),
              QString::fromUtf8("السماح"));
    QTest::keyClick(box, Qt::Key_Escape);
    ASSERT_TRUE(QTest::qWaitFor([] { return shownDialog() == nullptr; }, 10000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(answers, 1);
    EXPECT_FALSE(granted);
}

} // namespace
