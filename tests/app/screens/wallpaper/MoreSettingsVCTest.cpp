// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The wallpaper chooser and notification switches, presented over a screen in
// a window of its own and driven at window coordinates: drags, the wheel,
// keys and clicks on the switches, the alert and the settings page.
#include "app/screens/wallpaper/MoreSettingsVC.h"

#include "app/notifications/NotEnabledAlert.h"
#include "app/notifications/NotificationScheduler.h"
#include "app/screens/ScreenTestSupport.h"
#include "app/screens/wallpaper/WallpaperCard.h"
#include "components/visual/WallpaperBackground.h"
#include "core/GlobalSettings.h"
#include "core/SharedDefaults.h"
#include "platform/settings/AppSettingsWindow.h"
#include "support/Printing.h"
#include "support/WindowInput.h"
#include "ui_MoreSettingsVC.h"

#include <QDir>
#include <QPushButton>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using app::wallpaper::MoreSettingsVC;
using app::wallpaper::WallpaperCard;
namespace input = windowinput;

namespace {

QString asset(int index)
{
    return core::GlobalSettings::wallpaperAssetName(index);
}

class MoreSettingsTest : public ::testing::Test
{
protected:
    MoreSettingsTest()
    {
        world.env.setNow(testenv::gregorianInstant(2026, 12, 5, 12, 0));
        // The first-visit question is its own case; most cases start after it.
        settings().enableNotificationsClicked = true;
        settings().save();
    }
    ~MoreSettingsTest() override
    {
        app::notifications::setApplicationSettingsOpener({});
        if (platform::AppSettingsWindow *page = platform::AppSettings::shared().window())
            page->close();
        if (presenter.presentedViewController())
            presenter.dismissViewController();
        world.settle();
        app::notifications::NotificationScheduler::shared().waitForPasses(10000);
    }

    static core::GlobalSettings &settings() { return core::GlobalSettings::shared(); }
    // What another reader of the suite sees.
    static std::int64_t storedWallpaper()
    {
        return core::sharedDefaults()->integer(core::keys::wallpaperIndex).value_or(-1);
    }

    void present()
    {
        presenter.resize(420, 760);
        ASSERT_TRUE(input::showAndExpose(&presenter));
        screen = MoreSettingsVC::presentOver(&presenter);
        carousel().setMediaClock(clock);
        world.settle();
        carousel().layoutIfNeeded();
        settle();
    }
    // Hidden and shown again, as when the window is minimised and restored.
    void reappear()
    {
        presenter.hide();
        world.settle();
        ASSERT_TRUE(input::showAndExpose(&presenter));
        world.settle();
        carousel().layoutIfNeeded();
    }
    void settle()
    {
        for (int i = 0; i < 2000 && carousel().isAnimating(); ++i) {
            clock->advance(1.0 / 60.0);
            carousel().step();
        }
        world.settle();
    }

    components::Carousel &carousel() { return *screen->outlets().carousel; }
    QCheckBox &dailySwitch() { return *screen->outlets().dailyNotificationSwitch; }
    QCheckBox &badgeSwitch() { return *screen->outlets().todayAppBadgeSwitch; }
    QString preview() { return screen->outlets().wallpaperImageView->imageName(); }
    QPoint centre() { return carousel().rect().center(); }
    // A slow drag by about `items` cards along the row (positive: forward).
    void dragBy(double items)
    {
        const int distance = static_cast<int>(items * carousel().itemWidth());
        input::drag(&carousel(), centre() + QPoint(distance / 2, 0),
                    centre() - QPoint(distance - distance / 2, 0), 20, [this] { clock->advance(0.05); });
    }
    void clickSwitch(QCheckBox &box) { input::click(&box, input::indicatorOf(&box)); }
    QStringList pendingIdentifiers()
    {
        QStringList ids;
        for (const auto &request : world.center->pending())
            ids << request.identifier;
        return ids;
    }
    void screenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("QAMARLY_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            presenter.grab().save(QDir(dir).filePath(name));
    }

    screentest::ScreenWorld world;
    std::shared_ptr<components::ManualMediaClock> clock = std::make_shared<components::ManualMediaClock>();
    platform::ViewController presenter;
    QPointer<MoreSettingsVC> screen;
};

TEST_F(MoreSettingsTest, OpensOnTheStoredWallpaperAsARotaryRingOfAllTwentyNine)
{
    settings().wallpaperIndex = 7;
    settings().save();
    present();
    ASSERT_FALSE(screen.isNull());
    EXPECT_EQ(screen->geometry(), presenter.rect());
    EXPECT_EQ(carousel().type(), components::CarouselType::rotary);
    EXPECT_EQ(carousel().numberOfItems(), 29);
    EXPECT_EQ(screen->wallpapersArray().first(), QStringLiteral("wallpaper-0"));
    EXPECT_EQ(screen->wallpapersArray().last(), QStringLiteral("wallpaper-28"));
    EXPECT_EQ(carousel().currentItemIndex(), 7);
    EXPECT_EQ(preview(), asset(7));
    auto *card = qobject_cast<WallpaperCard *>(carousel().itemViewAtIndex(7));
    ASSERT_NE(card, nullptr);
    EXPECT_EQ(card->assetName(), asset(7));
    EXPECT_EQ(card->cardSize(), WallpaperCard::cardSizeFor(WallpaperCard::screenSize(screen)));
    EXPECT_FALSE(carousel().wrapEnabled());
    EXPECT_DOUBLE_EQ(screen->valueForOption(&carousel(), components::CarouselOption::arc, 2.0), 0.7);
    EXPECT_DOUBLE_EQ(screen->valueForOption(&carousel(), components::CarouselOption::spacing, 1.0), 1.2);
    EXPECT_EQ(screen->valueForOption(&carousel(), components::CarouselOption::tilt, 0.9), 0.9);
    EXPECT_EQ(world.topAlert(), nullptr);
    screenshot(QStringLiteral("more-settings-en.png"));
}

TEST_F(MoreSettingsTest, DraggingPreviewsAndTheWallpaperIsKeptWhenTheCarouselComesToRest)
{
    present();
    ASSERT_EQ(carousel().currentItemIndex(), 18);
    const int distance = static_cast<int>(1.2 * carousel().itemWidth());
    input::press(&carousel(), centre() + QPoint(distance / 2, 0));
    for (int i = 1; i <= 20; ++i) {
        input::move(&carousel(), centre() + QPoint(distance / 2 - distance * i / 20, 0));
        clock->advance(0.05);
    }
    // Held on the next card: shown behind the screen, not yet chosen.
    EXPECT_EQ(carousel().currentItemIndex(), 19);
    EXPECT_EQ(preview(), asset(19));
    EXPECT_EQ(settings().wallpaperIndex, 18);
    EXPECT_EQ(storedWallpaper(), 18);
    EXPECT_EQ(core::GlobalSettings::currentWallpaperName(), asset(18));

    input::release(&carousel(), centre() + QPoint(distance / 2 - distance, 0));
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 19);
    EXPECT_EQ(settings().wallpaperIndex, 19);
    EXPECT_EQ(storedWallpaper(), 19);
    EXPECT_EQ(core::GlobalSettings::currentWallpaperName(), asset(19));
}

TEST_F(MoreSettingsTest, ComingToRestOnTheStoredWallpaperStoresNothing)
{
    present();
    // Marks whether the end of the scroll sets the current image again.
    core::GlobalSettings::setCurrentWallpaperName(QStringLiteral("marker"));
    dragBy(0.3);
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 18);
    EXPECT_EQ(preview(), asset(18));
    EXPECT_EQ(core::GlobalSettings::currentWallpaperName(), QStringLiteral("marker"));
    EXPECT_TRUE(settings().changedKeys().isEmpty());
    EXPECT_EQ(storedWallpaper(), 18);
}

TEST_F(MoreSettingsTest, TheRowEndsAtTheFirstAndTheLastWallpaper)
{
    struct Row
    {
        int stored;
        double dragItems;
    };
    for (const Row row : {Row{28, 2.5}, Row{0, -2.5}}) {
        SCOPED_TRACE(row.stored);
        settings().wallpaperIndex = row.stored;
        settings().save();
        present();
        dragBy(row.dragItems);
        settle();
        EXPECT_EQ(carousel().currentItemIndex(), row.stored);
        EXPECT_DOUBLE_EQ(carousel().scrollOffset(), row.stored);
        EXPECT_EQ(storedWallpaper(), row.stored);
        // The wheel and the arrow keys stop there too.
        input::wheelNotches(&carousel(), row.dragItems > 0 ? -3 : 3);
        QTest::keyClick(input::windowOf(&carousel()), row.dragItems > 0 ? Qt::Key_Right : Qt::Key_Left);
        settle();
        EXPECT_EQ(carousel().currentItemIndex(), row.stored);
        EXPECT_EQ(carousel().itemViewAtIndex(row.stored > 0 ? 29 : -1), nullptr);
        presenter.dismissViewController();
        world.settle();
    }
}

TEST_F(MoreSettingsTest, AStoredIndexOutsideTheRowShowsTheFirstWallpaper)
{
    for (const std::int64_t stored : {std::int64_t{-1}, std::int64_t{29}, std::int64_t{400}}) {
        SCOPED_TRACE(stored);
        settings().wallpaperIndex = stored;
        settings().save();
        present();
        EXPECT_EQ(carousel().currentItemIndex(), 0);
        EXPECT_EQ(preview(), asset(0));
        // Opening the chooser is no choice; turning it is.
        EXPECT_EQ(storedWallpaper(), stored);
        input::wheelNotches(&carousel(), -1);
        settle();
        EXPECT_EQ(storedWallpaper(), 1);
        input::wheelNotches(&carousel(), 1);
        settle();
        EXPECT_EQ(storedWallpaper(), 0);
        EXPECT_EQ(core::GlobalSettings::currentWallpaperName(), asset(0));
        presenter.dismissViewController();
        world.settle();
    }
}

TEST_F(MoreSettingsTest, WheelAndArrowKeysTurnTheChooserAndKeepWhereTheyStop)
{
    present();
    input::wheelNotches(&carousel(), -2);
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 20);
    EXPECT_EQ(storedWallpaper(), 20);
    QTest::keyClick(input::windowOf(&carousel()), Qt::Key_Left);
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 19);
    EXPECT_EQ(storedWallpaper(), 19);
    EXPECT_EQ(core::GlobalSettings::currentWallpaperName(), asset(19));
}

TEST_F(MoreSettingsTest, UnderRightToLeftDraggingLeftwardsGoesBack)
{
    world.useArabic();
    present();
    dragBy(1.2);
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 17);
    EXPECT_EQ(storedWallpaper(), 17);
}

TEST_F(MoreSettingsTest, TurningTheBadgeOffClearsTheBadgeAtOnce)
{
    world.center->setApplicationIconBadgeNumber(14);
    present();
    ASSERT_TRUE(badgeSwitch().isEnabled());
    ASSERT_TRUE(badgeSwitch().isChecked());
    clickSwitch(badgeSwitch());
    EXPECT_FALSE(badgeSwitch().isChecked());
    EXPECT_EQ(world.center->applicationIconBadgeNumber(), 0);
    EXPECT_FALSE(settings().todayAppBadgeEnabled);
    EXPECT_EQ(core::sharedDefaults()->boolean(core::keys::todayAppBadgeEnabled), false);

    // On again: stored, and nothing is asked while alerts are allowed.
    world.center->clearCalls();
    clickSwitch(badgeSwitch());
    EXPECT_TRUE(settings().todayAppBadgeEnabled);
    EXPECT_FALSE(world.center->calls().contains(QStringLiteral("requestAuthorization")));
}

TEST_F(MoreSettingsTest, TurningASwitchOnWithoutAlertsAsksForThem)
{
    present();
    // The permission was withdrawn and not yet asked again while the screen was open.
    world.center->setSettings({});
    world.center->setAuthorizationAnswer(true, platform::AuthorizationOption::alert);
    for (QCheckBox *box : {&dailySwitch(), &badgeSwitch()}) {
        SCOPED_TRACE(box->objectName().toStdString());
        clickSwitch(*box);
        world.center->clearCalls();
        world.center->setSettings({});
        clickSwitch(*box);
        EXPECT_TRUE(box->isChecked());
        EXPECT_EQ(world.center->calls().count(QStringLiteral("requestAuthorization")), 1);
    }
    EXPECT_TRUE(settings().dailyNotificationEnabled);
    EXPECT_TRUE(settings().todayAppBadgeEnabled);
    world.settle();
    EXPECT_TRUE(dailySwitch().isEnabled());
}

TEST_F(MoreSettingsTest, TheDailySwitchChangesThePlanOnlyWhenTheScreenCloses)
{
    auto &scheduler = app::notifications::NotificationScheduler::shared();
    scheduler.rescheduleNotifications();
    ASSERT_TRUE(scheduler.waitForPasses(10000));
    const QStringList before = pendingIdentifiers();
    ASSERT_TRUE(before.join(QLatin1Char(' ')).contains(QStringLiteral("QamloDailyNoti-")));

    present();
    QSignalSpy closed(screen.data(), &MoreSettingsVC::closed);
    clickSwitch(dailySwitch());
    EXPECT_FALSE(settings().dailyNotificationEnabled);
    EXPECT_EQ(core::sharedDefaults()->boolean(core::keys::dailyNotificationEnabled), false);
    EXPECT_TRUE(scheduler.waitForPasses(10000));
    EXPECT_EQ(pendingIdentifiers(), before);

    input::click(screen->outlets().closeButton);
    ASSERT_TRUE(scheduler.waitForPasses(10000));
    world.settle();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(screen.isNull());
    EXPECT_EQ(presenter.presentedViewController(), nullptr);
    const QStringList after = pendingIdentifiers();
    EXPECT_FALSE(after.isEmpty());
    EXPECT_FALSE(after.join(QLatin1Char(' ')).contains(QStringLiteral("QamloDailyNoti-")));
}

TEST_F(MoreSettingsTest, EscapeClosesAndClosingWithoutPermissionStillCloses)
{
    present();
    world.denyAlerts();
    QSignalSpy closed(screen.data(), &MoreSettingsVC::closed);
    QTest::keyClick(input::windowOf(&carousel()), Qt::Key_Escape);
    world.settle();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(screen.isNull());
    EXPECT_TRUE(presenter.isInView());
}

TEST_F(MoreSettingsTest, TheFirstVisitAsksForPermissionOnceAndSetsTheFlag)
{
    struct Row
    {
        bool grant;
        bool switchesEnabled;
        bool storedOn;
        bool alert;
    };
    for (const Row row : {Row{true, true, true, false}, Row{false, false, false, true}}) {
        SCOPED_TRACE(row.grant);
        settings().enableNotificationsClicked = false;
        settings().dailyNotificationEnabled = true;
        settings().todayAppBadgeEnabled = true;
        settings().save();
        world.center->setSettings({});
        world.center->setAuthorizationAnswer(row.grant, row.grant ? platform::AuthorizationOption::alert |
                                                                        platform::AuthorizationOption::badge
                                                                  : 0);
        world.center->clearCalls();
        present();
        EXPECT_EQ(world.center->calls().count(QStringLiteral("requestAuthorization")), 1);
        EXPECT_TRUE(settings().enableNotificationsClicked);
        EXPECT_EQ(core::sharedDefaults()->boolean(core::keys::enableNotificationsClicked), true);
        EXPECT_EQ(dailySwitch().isEnabled(), row.switchesEnabled);
        EXPECT_EQ(badgeSwitch().isEnabled(), row.switchesEnabled);
        EXPECT_EQ(dailySwitch().isChecked(), row.storedOn);
        EXPECT_EQ(settings().dailyNotificationEnabled, row.storedOn);
        EXPECT_EQ(settings().todayAppBadgeEnabled, row.storedOn);
        EXPECT_EQ(world.topAlert() != nullptr, row.alert);
        if (world.topAlert())
            world.topAlert()->reject();
        world.settle();

        // The flag stays: a later appearance asks nothing.
        reappear();
        EXPECT_EQ(world.center->calls().count(QStringLiteral("requestAuthorization")), 1);
        if (world.topAlert())
            world.topAlert()->reject();
        presenter.dismissViewController();
        world.settle();
    }
}

// On the desktop the question is a window of its own: the alert that
// notifications are off waits for the answer instead of standing beside it.
TEST_F(MoreSettingsTest, TheOffAlertWaitsForTheAnswerToTheFirstQuestion)
{
    for (const bool grant : {false, true}) {
        SCOPED_TRACE(grant);
        settings().enableNotificationsClicked = false;
        settings().dailyNotificationEnabled = true;
        settings().save();
        world.center->setSettings({});
        world.center->setAuthorizationAnswer(
            grant, grant ? platform::AuthorizationOptions(platform::AuthorizationOption::alert) : 0);
        world.center->setAuthorizationAnswersHeld(true);
        present();
        EXPECT_EQ(world.topAlert(), nullptr);
        EXPECT_FALSE(dailySwitch().isEnabled());
        EXPECT_FALSE(settings().dailyNotificationEnabled);

        ASSERT_TRUE(world.center->answerAuthorization());
        world.settle();
        EXPECT_EQ(world.topAlert() != nullptr, !grant);
        // Granted: back on, to be switched on again by hand.
        EXPECT_EQ(dailySwitch().isEnabled(), grant);
        EXPECT_FALSE(dailySwitch().isChecked());
        if (world.topAlert())
            world.topAlert()->reject();
        world.center->setAuthorizationAnswersHeld(false);
        presenter.dismissViewController();
        world.settle();
    }
}

TEST_F(MoreSettingsTest, WithAlertsDeniedTheSwitchesGoOffAndTheSettingsPageBringsThemBack)
{
    world.center->setApplicationIconBadgeNumber(9);
    auto &scheduler = app::notifications::NotificationScheduler::shared();
    scheduler.rescheduleNotifications();
    ASSERT_TRUE(scheduler.waitForPasses(10000));
    world.denyAlerts();
    present();

    EXPECT_FALSE(dailySwitch().isEnabled());
    EXPECT_FALSE(badgeSwitch().isEnabled());
    EXPECT_FALSE(dailySwitch().isChecked());
    EXPECT_FALSE(badgeSwitch().isChecked());
    EXPECT_EQ(core::sharedDefaults()->boolean(core::keys::dailyNotificationEnabled), false);
    EXPECT_EQ(core::sharedDefaults()->boolean(core::keys::todayAppBadgeEnabled), false);
    EXPECT_EQ(world.center->applicationIconBadgeNumber(), 0);
    EXPECT_TRUE(world.center->pending().isEmpty());
    // A click on a disabled switch changes nothing.
    clickSwitch(dailySwitch());
    EXPECT_FALSE(dailySwitch().isChecked());

    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    EXPECT_EQ(alert->title(), QStringLiteral("NotificationsNotEnabled"));
    EXPECT_EQ(alert->message(), platform::localized("NotificationsNotEnabledMessage"));
    ASSERT_EQ(alert->actions().size(), 2);
    EXPECT_EQ(alert->actions()[0].title, QStringLiteral("OK"));
    EXPECT_EQ(alert->actions()[0].style, platform::AlertController::ActionStyle::Cancel);
    EXPECT_EQ(alert->actions()[1].title, QStringLiteral("Settings"));
    EXPECT_EQ(alert->actions()[1].style, platform::AlertController::ActionStyle::Destructive);
    screenshot(QStringLiteral("more-settings-denied-en.png"));

    QPushButton *settingsButton = nullptr;
    for (QPushButton *button : alert->findChildren<QPushButton *>())
        if (button->text() == QStringLiteral("Settings"))
            settingsButton = button;
    ASSERT_NE(settingsButton, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(alert));
    input::click(settingsButton);
    world.settle();
    EXPECT_EQ(world.topAlert(), nullptr);
    platform::AppSettingsWindow *page = platform::AppSettings::shared().window();
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page));

    // The user allows alerts on the page: the switches come back, off as stored.
    input::click(page->alertsSwitch(), input::indicatorOf(page->alertsSwitch()));
    world.settle();
    ASSERT_TRUE(world.center->notificationSettings().alertsAllowed());
    EXPECT_TRUE(dailySwitch().isEnabled());
    EXPECT_TRUE(badgeSwitch().isEnabled());
    EXPECT_FALSE(dailySwitch().isChecked());
    page->close();
    world.settle();

    reappear();
    EXPECT_TRUE(dailySwitch().isEnabled());
    EXPECT_FALSE(badgeSwitch().isChecked());
    EXPECT_EQ(world.topAlert(), nullptr);
    clickSwitch(dailySwitch());
    EXPECT_TRUE(settings().dailyNotificationEnabled);
}

TEST_F(MoreSettingsTest, TheSettingsButtonOpensThePageOnlyFromTheEventLoop)
{
    int opened = 0;
    app::notifications::setApplicationSettingsOpener([&opened] {
        ++opened;
        return true;
    });
    world.denyAlerts();
    present();
    ASSERT_NE(world.topAlert(), nullptr);
    // One alert however often the screen comes back.
    reappear();
    EXPECT_EQ(platform::AlertController::shownAlerts().size(), 1);
    EXPECT_TRUE(world.topAlert()->press(1));
    EXPECT_EQ(opened, 0);
    world.settle();
    EXPECT_EQ(opened, 1);
}

TEST_F(MoreSettingsTest, UnderArabicTheCaptionsAndTheAlertAreArabic)
{
    world.useArabic();
    world.denyAlerts();
    settings().wallpaperIndex = 3;
    settings().save();
    present();
    EXPECT_EQ(screen->outlets().wallpaperLabel->text(), QStringLiteral("الخلفية"));
    EXPECT_EQ(screen->outlets().closeButton->text(), QStringLiteral("تم"));
    ASSERT_NE(world.topAlert(), nullptr);
    EXPECT_EQ(world.topAlert()->title(), QStringLiteral("NotificationsNotEnabled"));
    EXPECT_EQ(world.topAlert()->actions()[1].title, QStringLiteral("الإعدادات"));
    world.topAlert()->reject();
    world.settle();
    screenshot(QStringLiteral("more-settings-ar.png"));
}

TEST(WallpaperCardTest, TheCardIsDrawnOnceWithRoundCornersAndAShadowBelow)
{
    WallpaperCard::clearRenderedCards();
    const QSize size = WallpaperCard::cardSizeFor(QSize(420, 760));
    EXPECT_EQ(size, QSize(221, 304));
    const QPixmap first = WallpaperCard::renderedCard(asset(4), size, 1.0);
    const QPixmap again = WallpaperCard::renderedCard(asset(4), size, 1.0);
    EXPECT_EQ(WallpaperCard::renderedCardCount(), 1);
    EXPECT_EQ(first.cacheKey(), again.cacheKey());

    const QImage image = first.toImage();
    const int m = WallpaperCard::shadowMargin;
    EXPECT_EQ(image.size(), size + QSize(2 * m, 2 * m));
    // Inside the card: the wallpaper, opaque.
    EXPECT_EQ(qAlpha(image.pixel(m + size.width() / 2, m + size.height() / 2)), 255);
    // Just outside the corner the card is round: no wallpaper there, only shadow.
    EXPECT_LT(qAlpha(image.pixel(m, m)), 255);
    // The shadow falls below the card, darker than above it.
    const int x = m + size.width() / 2;
    const int below = qAlpha(image.pixel(x, m + size.height() + 4));
    const int above = qAlpha(image.pixel(x, m - 4));
    EXPECT_GT(below, above);
    EXPECT_LE(below, 128);
}

} // namespace
