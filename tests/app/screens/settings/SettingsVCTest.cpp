// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The settings tab driven as a user drives it: the + and − buttons and the
// spin box for the Hijri adjustment, feedback by e-mail, the social and apps
// addresses, telling a friend, rating and the way to the further settings.
#include "app/screens/settings/SettingsVC.h"

#include "app/notifications/CustomError.h"
#include "app/screens/ScreenTestSupport.h"
#include "app/store/RatingPrompt.h"
#include "core/FirstWeekday.h"
#include "core/GlobalSettings.h"
#include "core/LocalizedNumber.h"
#include "core/SharedDefaults.h"
#include "platform/bundle/testing/ScopedBundleInfo.h"
#include "platform/defaults/testing/ScopedStandardDefaults.h"
#include "platform/ui/ShareDialog.h"
#include "platform/ui/testing/RecordingUrlOpener.h"
#include "support/WindowInput.h"
#include "ui_SettingsVC.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <QUrlQuery>
#include <gtest/gtest.h>

using app::screens::SettingsVC;
namespace input = windowinput;

namespace {

// What the screen asked of the world outside it, with the adjustment the
// suite held at each watch send.
struct Calls
{
    QList<std::int64_t> watch;
    int reschedule = 0;
    int widgets = 0;
};

class SettingsScreen : public ::testing::Test
{
protected:
    SettingsScreen() { platform::UrlOpener::install(opener); }
    ~SettingsScreen() override
    {
        screen.reset();
        world.settle();
        platform::UrlOpener::install(nullptr);
    }

    static void setAdjustment(std::int64_t days)
    {
        core::GlobalSettings::shared().adjustmentNumber = days;
        core::GlobalSettings::shared().save();
    }
    // What the suite holds, read past the shared settings object.
    std::int64_t storedAdjustment() const
    {
        return world.env.suite()->integer(QStringLiteral("adjustmentNumber")).value_or(0);
    }

    // Shown on its own, as the selected tab would be.
    SettingsVC &show(app::screens::SettingsServices services = {})
    {
        screen = std::make_unique<SettingsVC>();
        services.sendAdjustmentToWatch = [this] {
            calls.watch << core::GlobalSettings::shared().adjustmentNumber;
        };
        // As the scheduler does without alerts: it refuses.
        services.rescheduleNotifications = [this] {
            ++calls.reschedule;
            throw app::notifications::CustomError(app::notifications::CustomError::NotificationsNotAllowed);
        };
        services.reloadWidgetTimelines = [this] { ++calls.widgets; };
        screen->setServices(std::move(services));
        screen->resize(420, 760);
        EXPECT_TRUE(input::showAndExpose(screen.get()));
        world.settle();
        return *screen;
    }
    Ui::SettingsVC &ui() { return screen->outlets(); }
    QString shownAdjustment() { return ui().adjustmentLabel->text(); }

    // Types a number into the spin box and confirms it with Return.
    void typeIntoStepper(const QString &text)
    {
        QSpinBox *box = ui().adjustmnetStpper;
        input::click(box, box->findChild<QLineEdit *>()->geometry().center());
        QWindow *window = input::windowOf(box);
        QTest::keyClick(window, Qt::Key_A, Qt::ControlModifier);
        for (const QChar c : text)
            QTest::keyClick(window, c.toLatin1());
        QTest::keyClick(window, Qt::Key_Return);
        world.settle();
    }

    screentest::ScreenWorld world;
    std::shared_ptr<platform::RecordingUrlOpener> opener = std::make_shared<platform::RecordingUrlOpener>();
    Calls calls;
    std::unique_ptr<SettingsVC> screen;
};

TEST_F(SettingsScreen, ThreePressesOfPlusShowStoreAndSpreadEachStepInTheLocalesDigits)
{
    world.useArabic();
    show();
    ASSERT_EQ(shownAdjustment(), QStringLiteral("٠"));
    for (int i = 0; i < 3; ++i)
        input::click(ui().incrementButton);
    EXPECT_EQ(shownAdjustment(), QStringLiteral("٣"));
    EXPECT_EQ(screen->adjNumber(), 3);
    EXPECT_EQ(storedAdjustment(), 3);
    EXPECT_EQ(calls.watch, (QList<std::int64_t>{1, 2, 3})) << "each send carries the value just saved";
    EXPECT_EQ(calls.reschedule, 3) << "a refused rescheduling stops nothing";
    EXPECT_EQ(calls.widgets, 3);
    EXPECT_EQ(ui().adjustmnetStpper->value(), 3)
        << "the spin box follows the buttons, without a save of its own";
}

TEST_F(SettingsScreen, MinusFromZeroGivesMinusOne)
{
    show();
    input::click(ui().decrementButton);
    EXPECT_EQ(shownAdjustment(), QStringLiteral("-1"));
    EXPECT_EQ(storedAdjustment(), -1);
    EXPECT_EQ(calls.watch, QList<std::int64_t>{-1});
    EXPECT_EQ(ui().adjustmnetStpper->value(), -1);
}

// The spin box takes the same road as the buttons: the locale's digits, the
// save, the watch, the notifications and the widgets, and the buttons go on
// from its value.
TEST_F(SettingsScreen, TheSpinBoxTakesTheButtonsRoadAndPlusGoesOnFromIt)
{
    world.useArabic();
    setAdjustment(-4);
    show();
    typeIntoStepper(QStringLiteral("2"));
    EXPECT_EQ(shownAdjustment(), QStringLiteral("٢"));
    EXPECT_EQ(screen->adjNumber(), 2);
    EXPECT_EQ(storedAdjustment(), 2);
    EXPECT_EQ(calls.watch, QList<std::int64_t>{2});
    EXPECT_EQ(calls.reschedule, 1);
    EXPECT_EQ(calls.widgets, 1);

    input::click(ui().incrementButton);
    EXPECT_EQ(shownAdjustment(), QStringLiteral("٣"));
    EXPECT_EQ(storedAdjustment(), 3);
    EXPECT_EQ(ui().adjustmnetStpper->value(), 3);

    // The Up key and the wheel over it are the same change.
    input::click(ui().adjustmnetStpper);
    QTest::keyClick(input::windowOf(ui().adjustmnetStpper), Qt::Key_Up);
    world.settle();
    EXPECT_EQ(storedAdjustment(), 4);
    input::wheelNotches(ui().adjustmnetStpper, -1);
    EXPECT_EQ(storedAdjustment(), 3);
    EXPECT_EQ(shownAdjustment(), QStringLiteral("٣"));
    EXPECT_EQ(calls.watch, (QList<std::int64_t>{2, 3, 4, 3}));
    EXPECT_EQ(calls.widgets, 4);
}

// Converters read an adjustment past the limit as none at all, so the count
// stops at the limit rather than show one shift and apply another.
TEST_F(SettingsScreen, TheCountStopsAtTheLimitEveryConverterApplies)
{
    struct Row
    {
        std::int64_t stored;
        bool plus;
        std::int64_t after;
    };
    for (const Row &row :
         {Row{364, true, 365}, Row{365, true, 365}, Row{-365, false, -365}, Row{-364, false, -365}}) {
        setAdjustment(row.stored);
        calls = {};
        show();
        QPushButton *button = row.plus ? ui().incrementButton : ui().decrementButton;
        input::click(button);
        input::click(button);
        EXPECT_EQ(storedAdjustment(), row.after) << row.stored;
        EXPECT_EQ(shownAdjustment(), core::localizedNumber(row.after)) << row.stored;
        EXPECT_FALSE(button->isEnabled()) << row.stored;
        EXPECT_EQ(calls.watch.size(), qsizetype(row.after - row.stored) * (row.plus ? 1 : -1)) << row.stored;
    }
}

// The spin box alone would drop the last key of 400 and store 40.
TEST_F(SettingsScreen, ANumberBeyondTheLimitIsRefusedAloudAndNothingIsStored)
{
    setAdjustment(2);
    show();
    EXPECT_TRUE(ui().adjustmentErrorLabel->isHidden());
    for (const char *typed : {"400", "-1000"}) {
        SCOPED_TRACE(typed);
        calls = {};
        typeIntoStepper(QString::fromLatin1(typed));
        EXPECT_EQ(storedAdjustment(), 2);
        EXPECT_EQ(ui().adjustmnetStpper->value(), 2);
        EXPECT_EQ(shownAdjustment(), QStringLiteral("2"));
        EXPECT_TRUE(calls.watch.isEmpty());
        EXPECT_FALSE(ui().adjustmentErrorLabel->isHidden());
        EXPECT_TRUE(ui().adjustmentErrorLabel->text().contains(QStringLiteral("365")))
            << ui().adjustmentErrorLabel->text().toStdString();
    }
    // A number in range goes through and the message goes away.
    typeIntoStepper(QStringLiteral("40"));
    EXPECT_EQ(storedAdjustment(), 40);
    EXPECT_TRUE(ui().adjustmentErrorLabel->isHidden());
}

TEST_F(SettingsScreen, TheFirstDayOfTheWeekIsTheLocalesUntilChosen)
{
    show();
    QComboBox *choice = ui().weekStartCombo;
    EXPECT_EQ(choice->currentIndex(), 0);
    // en_US: the weekdays listed from Sunday, after the locale's own choice.
    ASSERT_EQ(choice->count(), 8);
    EXPECT_EQ(choice->itemText(1), QStringLiteral("Sunday"));
    EXPECT_EQ(choice->itemText(2), QStringLiteral("Monday"));
    input::click(choice);
    world.settle();
    QTest::keyClick(input::windowOf(choice->view()), Qt::Key_Down);
    QTest::keyClick(input::windowOf(choice->view()), Qt::Key_Down);
    QTest::keyClick(input::windowOf(choice->view()), Qt::Key_Return);
    world.settle();
    EXPECT_EQ(core::storedFirstWeekday(*world.env.suite()), 2);
    screen->hide();
    ASSERT_TRUE(input::showAndExpose(screen.get()));
    world.settle();
    EXPECT_EQ(choice->currentIndex(), 2);
}

TEST_F(SettingsScreen, EveryAppearanceTakesTheAdjustmentSavedElsewhere)
{
    show();
    input::click(ui().incrementButton);
    setAdjustment(-7); // the converter's reset, say, while this tab is away
    screen->hide();
    ASSERT_TRUE(input::showAndExpose(screen.get()));
    world.settle();
    EXPECT_EQ(shownAdjustment(), QStringLiteral("-7"));
    EXPECT_EQ(ui().adjustmnetStpper->value(), -7);
    input::click(ui().incrementButton);
    EXPECT_EQ(storedAdjustment(), -6);
    EXPECT_EQ(ui().wallpaperImageView->imageName(), core::GlobalSettings::currentWallpaperName());
}

TEST_F(SettingsScreen, FeedbackOpensAMailToSupportWithTheNameAndVersion)
{
    show();
    input::click(ui().emailButton);
    ASSERT_EQ(opener->opened.size(), 1);
    const QUrl mail = opener->opened.first();
    EXPECT_EQ(mail.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(mail.path(), QStringLiteral("support@qamarly.org"));
    const QUrlQuery query(mail);
    EXPECT_EQ(query.queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Qamarly: V" QAMARLY_PROJECT_VERSION));
    EXPECT_EQ(query.queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              platform::localized("emailBody"));
    EXPECT_NE(platform::localized("emailBody"), QStringLiteral("emailBody"));
    EXPECT_EQ(world.topAlert(), nullptr);
}

TEST_F(SettingsScreen, WithoutAMailProgramFeedbackShowsTheNoticeAndOpensNothing)
{
    for (const bool handlerFailsToStart : {false, true}) {
        opener->opened.clear();
        if (handlerFailsToStart) {
            opener->openableSchemes.clear();
            opener->succeeds = false;
        } else {
            opener->onlyOpens({QStringLiteral("https")});
        }
        show();
        input::click(ui().emailButton);
        platform::AlertController *alert = world.topAlert();
        ASSERT_NE(alert, nullptr) << handlerFailsToStart;
        EXPECT_EQ(alert->title(), platform::localized("notice"));
        EXPECT_TRUE(alert->message().contains(QStringLiteral("support@qamarly.org")))
            << alert->message().toStdString();
        ASSERT_EQ(alert->actions().size(), 1);
        EXPECT_EQ(alert->actions().first().title, platform::localized("ok"));
        EXPECT_TRUE(QTest::qWaitForWindowExposed(alert));
        input::click(alert->findChild<QPushButton *>(QStringLiteral("alertButton0")));
        world.settle();
        EXPECT_EQ(world.topAlert(), nullptr);
        EXPECT_TRUE(opener->opened.isEmpty() || handlerFailsToStart);
    }
}

TEST_F(SettingsScreen, TheSocialPageOpensInItsAppFirstThenOnTheWebAndTheAppsPageInTheBrowser)
{
    struct Row
    {
        const char *name;
        QSet<QString> schemes; // empty: every scheme has a handler
        QList<QUrl> opened;
    };
    const QUrl app(QStringLiteral("fb://page/qamarly"));
    const QUrl web(QStringLiteral("https://www.facebook.com/qamarly"));
    const Row rows[] = {
        {"the app is installed", {}, {app}},
        {"only a browser", {QStringLiteral("https")}, {web}},
        {"nothing opens either", {QStringLiteral("gopher")}, {}},
    };
    for (const Row &row : rows) {
        opener = std::make_shared<platform::RecordingUrlOpener>();
        if (!row.schemes.isEmpty())
            opener->onlyOpens(row.schemes);
        platform::UrlOpener::install(opener);
        show();
        input::click(ui().facebookButton);
        EXPECT_EQ(opener->opened, row.opened) << row.name;
        EXPECT_EQ(opener->asked.value(0), app) << row.name << ": the app's address is tried first";
        EXPECT_EQ(world.topAlert(), nullptr) << row.name;
    }
    input::click(ui().ourAppsButton);
    EXPECT_TRUE(opener->opened.isEmpty()) << "no browser either";
    opener->onlyOpens({QStringLiteral("https")});
    input::click(ui().ourAppsButton);
    EXPECT_EQ(opener->opened, QList<QUrl>{QUrl(QStringLiteral("https://qamarly.org/apps"))});
}

TEST_F(SettingsScreen, TellAFriendCopiesTheRecommendationAndOffersItByMail)
{
    world.useArabic();
    show();
    input::click(ui().tellFriendButton);
    QPointer<platform::ShareDialog> share = screen->findChild<platform::ShareDialog *>();
    ASSERT_FALSE(share.isNull());
    EXPECT_TRUE(QTest::qWaitForWindowExposed(share));
    const QString text = share->text();
    EXPECT_EQ(text, platform::localized("TellFriend"));
    EXPECT_NE(text, QStringLiteral("TellFriend"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), text);
    input::click(share->emailButton());
    ASSERT_EQ(opener->opened.size(), 1);
    EXPECT_EQ(QUrlQuery(opener->opened.first()).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              text);
    world.settle();
    EXPECT_TRUE(share.isNull()) << "the dialog closes once the mail program has the text";
}

TEST_F(SettingsScreen, RateOpensTheStoresReviewPage)
{
    platform::ScopedStandardDefaults defaults;
    const QUrl review(QStringLiteral("https://store.example/app/qamarly?action=write-review"));
    app::store::RatingPrompt::sharedInstance().setRatingsURL(review);
    show();
    input::click(ui().rateAppButton);
    EXPECT_EQ(opener->opened, QList<QUrl>{review});
    app::store::RatingPrompt::sharedInstance().setRatingsURL(std::nullopt);
}

TEST_F(SettingsScreen, TheFurtherSettingsButtonShowsOnlyWhenThereIsAScreenToPresent)
{
    show();
    EXPECT_FALSE(ui().moreSettingsButton->isVisible());

    app::screens::SettingsServices services;
    platform::ViewController *presenter = nullptr;
    services.presentMoreSettings = [&presenter](platform::ViewController &from) { presenter = &from; };
    show(services);
    ASSERT_TRUE(ui().moreSettingsButton->isVisible());
    input::click(ui().moreSettingsButton);
    EXPECT_EQ(presenter, screen.get());
}

} // namespace
