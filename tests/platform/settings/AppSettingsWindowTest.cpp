// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Qamarly's settings page: its switches show and change the notification
// permission the centre keeps, clicked through the page's own window.
#include "platform/settings/AppSettingsWindow.h"

#include "platform/events/EventStore.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "support/TestEnvironment.h"
#include "support/WindowInput.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using platform::AppSettings;
using platform::AppSettingsWindow;
using platform::AuthorizationOption;
using platform::AuthorizationStatus;
using platform::NotificationSettings;
namespace input = windowinput;

namespace {

class SettingsPage : public ::testing::Test
{
protected:
    SettingsPage()
    {
        platform::UserNotificationCenter::setCurrent(center);
        platform::installTranslations();
    }
    ~SettingsPage() override
    {
        if (AppSettingsWindow *page = AppSettings::shared().window())
            page->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        platform::UserNotificationCenter::setCurrent(nullptr);
        env.setLocale(QStringLiteral("en_US"));
        platform::installTranslations();
    }

    AppSettingsWindow *open(const NotificationSettings &kept)
    {
        center->setSettings(kept);
        EXPECT_TRUE(AppSettings::shared().open());
        AppSettingsWindow *page = AppSettings::shared().window();
        EXPECT_NE(page, nullptr);
        if (page) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(page));
        }
        return page;
    }

    testenv::ScopedEnvironment env;
    std::shared_ptr<platform::TestNotificationCenter> center =
        std::make_shared<platform::TestNotificationCenter>();
};

TEST_F(SettingsPage, TheSwitchesShowWhatIsKept)
{
    struct Row
    {
        NotificationSettings kept;
        bool alerts, badge;
    };
    const Row rows[] = {
        {{}, false, false},
        {{AuthorizationStatus::denied, 0}, false, false},
        {{AuthorizationStatus::authorized, AuthorizationOption::alert}, true, false},
        {{AuthorizationStatus::authorized, AuthorizationOption::badge}, false, true},
        {{AuthorizationStatus::authorized, AuthorizationOption::alert | AuthorizationOption::badge},
         true,
         true},
    };
    for (const Row &r : rows) {
        AppSettingsWindow *page = open(r.kept);
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->alertsSwitch()->isChecked(), r.alerts);
        EXPECT_EQ(page->badgeSwitch()->isChecked(), r.badge);
        page->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(SettingsPage, ARefusedPermissionIsGrantedAgainAndWithdrawnByClicks)
{
    AppSettingsWindow *page = open({AuthorizationStatus::denied, 0});
    ASSERT_NE(page, nullptr);
    QSignalSpy changed(&AppSettings::shared(), &AppSettings::notificationSettingsChanged);

    input::click(page->alertsSwitch(), input::indicatorOf(page->alertsSwitch()));
    NotificationSettings now = center->notificationSettings();
    EXPECT_EQ(now.authorizationStatus, AuthorizationStatus::authorized);
    EXPECT_TRUE(now.alertsAllowed());
    EXPECT_FALSE(now.badgeAllowed());
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.at(0).at(0).value<NotificationSettings>(), now);

    input::click(page->badgeSwitch(), input::indicatorOf(page->badgeSwitch()));
    EXPECT_TRUE(center->notificationSettings().badgeAllowed());

    // Both off again is a refusal the application will not ask past.
    input::click(page->alertsSwitch(), input::indicatorOf(page->alertsSwitch()));
    input::click(page->badgeSwitch(), input::indicatorOf(page->badgeSwitch()));
    now = center->notificationSettings();
    EXPECT_EQ(now.authorizationStatus, AuthorizationStatus::denied);
    EXPECT_EQ(now.options, 0u);
    EXPECT_EQ(changed.size(), 4);
}

TEST_F(SettingsPage, CalendarAccessIsGrantedAndWithdrawnByClicks)
{
    platform::keepEventAccess(platform::EventAccessStatus::denied);
    AppSettingsWindow *page = open({AuthorizationStatus::denied, 0});
    ASSERT_NE(page, nullptr);
    QCheckBox *access = page->calendarAccessSwitch();
    EXPECT_FALSE(access->isChecked());
    for (const auto expected :
         {platform::EventAccessStatus::authorized, platform::EventAccessStatus::denied}) {
        input::click(access, input::indicatorOf(access));
        EXPECT_EQ(platform::keptEventAccess(), expected);
        EXPECT_EQ(access->isChecked(), expected == platform::EventAccessStatus::authorized);
    }
    // The notification permission is left alone.
    EXPECT_EQ(center->notificationSettings().authorizationStatus, AuthorizationStatus::denied);
}

TEST_F(SettingsPage, AChangeThatCannotBeKeptSaysSoAndTheSwitchStaysOff)
{
    AppSettingsWindow *page = open({AuthorizationStatus::denied, 0});
    ASSERT_NE(page, nullptr);
    QSignalSpy changed(&AppSettings::shared(), &AppSettings::notificationSettingsChanged);
    center->setKeepSettingsFails(true);
    input::click(page->alertsSwitch(), input::indicatorOf(page->alertsSwitch()));
    EXPECT_FALSE(page->alertsSwitch()->isChecked());
    EXPECT_FALSE(center->notificationSettings().alertsAllowed());
    EXPECT_TRUE(page->findChild<QLabel *>(QStringLiteral("keepError"))->isVisible());
    EXPECT_EQ(changed.size(), 0);

    center->setKeepSettingsFails(false);
    input::click(page->alertsSwitch(), input::indicatorOf(page->alertsSwitch()));
    EXPECT_TRUE(page->alertsSwitch()->isChecked());
    EXPECT_FALSE(page->findChild<QLabel *>(QStringLiteral("keepError"))->isVisible());
}

TEST_F(SettingsPage, OpeningTwiceShowsTheOnePageAndCloseDismissesIt)
{
    AppSettingsWindow *page = open({});
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(AppSettings::shared().open());
    EXPECT_EQ(AppSettings::shared().window(), page);
    QPointer<AppSettingsWindow> guard(page);
    input::click(page->findChild<QPushButton *>(QStringLiteral("closeButton")));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(AppSettings::shared().window(), nullptr);

    // Escape closes it too.
    page = open({});
    ASSERT_NE(page, nullptr);
    guard = page;
    page->activateWindow();
    QTest::keyClick(page->windowHandle(), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(guard.isNull());
}

TEST_F(SettingsPage, CalendarFoldersOfOtherToolsAreAddedAndRemovedByClicks)
{
    QTemporaryDir synced;
    QTemporaryDir khal;
    std::vector<QString> offered{synced.path(), khal.path(), QString()};
    const auto previous = AppSettingsWindow::setFolderPicker([&offered](QWidget *) {
        const QString next = offered.front();
        offered.erase(offered.begin());
        return next;
    });
    AppSettingsWindow *page = open({});
    ASSERT_NE(page, nullptr);
    auto *add = page->findChild<QPushButton *>(QStringLiteral("addCalendarFolderButton"));
    auto *remove = page->findChild<QPushButton *>(QStringLiteral("removeCalendarFolderButton"));
    ASSERT_TRUE(add && remove);
    EXPECT_FALSE(remove->isEnabled()) << "nothing chosen to remove";
    for (int i = 0; i < 3; ++i)
        input::click(add);
    EXPECT_EQ(platform::calendarFolders(), (QStringList{synced.path(), khal.path()}))
        << "a cancelled choice adds none";

    QListWidget *list = page->calendarFoldersList();
    ASSERT_EQ(list->count(), 2);
    input::click(list->viewport(), list->visualItemRect(list->item(0)).center());
    ASSERT_TRUE(remove->isEnabled());
    input::click(remove);
    EXPECT_EQ(platform::calendarFolders(), QStringList{khal.path()});
    EXPECT_EQ(list->count(), 1);
    AppSettingsWindow::setFolderPicker(previous);
}

TEST_F(SettingsPage, ReadsInArabic)
{
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    AppSettingsWindow *page = open({});
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->alertsSwitch()->text(), QStringLiteral("السماح بالإشعارات"));
    EXPECT_EQ(page->windowTitle(), QStringLiteral("إعدادات قمرلي"));
    EXPECT_EQ(page->findChild<QPushButton *>(QStringLiteral("closeButton"))->text(), QStringLiteral("إغلاق"));
}

} // namespace
