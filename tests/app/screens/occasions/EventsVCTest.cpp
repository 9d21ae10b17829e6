// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The occasions screen end to end: built from its layout files, shown
// offscreen on fixed days, its carousel driven by a manual clock.
#include "app/screens/occasions/EventsVC.h"

#include "app/screens/occasions/EventView.h"
#include "app/screens/occasions/TimingLabelView.h"
#include "core/GlobalSettings.h"
#include "core/LocalizedNumber.h"
#include "platform/events/EventImportDialog.h"
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"
#include "support/WindowInput.h"
#include "ui_EventView.h"
#include "ui_EventsVC.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <chrono>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using app::occasions::EventsVC;
using components::CarouselOption;

namespace {

class EventsVCTest : public ::testing::Test
{
protected:
    testenv::ScopedEnvironment env{QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh")};
    std::shared_ptr<components::ManualMediaClock> clock = std::make_shared<components::ManualMediaClock>();
    std::unique_ptr<EventsVC> vc;

    EventsVCTest()
    {
        platform::installTranslations();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        env.setNow(testenv::hijriInstant(1448, 1, 5) + 12h);
    }
    ~EventsVCTest() override
    {
        vc.reset();
        QApplication::setLayoutDirection(Qt::LeftToRight);
        platform::installTranslations();
    }

    components::Carousel &carousel() { return *vc->outlets().carousel; }
    QString timing() { return vc->outlets().timingLabel->text(); }

    // Shown again, as when the user comes back to the tab.
    void reappear()
    {
        vc->hide();
        vc->show();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        carousel().layoutIfNeeded();
        settle();
    }

    void appear()
    {
        vc = std::make_unique<EventsVC>();
        vc->resize(420, 700);
        carousel().setMediaClock(clock);
        vc->setAttribute(Qt::WA_DontShowOnScreen);
        vc->show();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
        carousel().layoutIfNeeded();
    }

    void settle()
    {
        for (int i = 0; i < 2000 && carousel().isAnimating(); ++i) {
            clock->advance(1.0 / 60.0);
            carousel().step();
        }
    }

    app::occasions::EventView *card(int index)
    {
        return qobject_cast<app::occasions::EventView *>(carousel().itemViewAtIndex(index));
    }

    void screenshot(const QString &name)
    {
        const QString dir = qEnvironmentVariable("QAMARLY_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            vc->grab().save(QDir(dir).filePath(name));
    }
};

TEST_F(EventsVCTest, OpensOnTheFirstOccasionStillToComeWithItsTimingText)
{
    appear();
    EXPECT_TRUE(vc->isViewLoaded());
    EXPECT_EQ(carousel().type(), components::CarouselType::rotary);
    EXPECT_EQ(carousel().numberOfItems(), 6);
    EXPECT_TRUE(carousel().isScrolling());
    EXPECT_DOUBLE_EQ(carousel().engine().endOffset(), 1.0);
    EXPECT_EQ(timing(), QStringLiteral("In: 4 days and 12 hours"));
    EXPECT_EQ(vc->outlets().timingLabelView->bottomCornerRadius(), 100.0);
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 1);
    EXPECT_EQ(timing(), QStringLiteral("In: 4 days and 12 hours"));
    screenshot(QStringLiteral("occasions-en.png"));
}

TEST_F(EventsVCTest, CardsShowTheNameTheHijriDateAndTheGregorianDayMonthAndYear)
{
    appear();
    settle();
    app::occasions::EventView *ashura = card(1);
    ASSERT_NE(ashura, nullptr);
    const auto &event = *vc->eventsArray()[1];
    EXPECT_EQ(ashura->outlets().eventLabel->text(), QStringLiteral("Ashura"));
    EXPECT_EQ(ashura->outlets().eventHijriDate->text(), QStringLiteral("10 Muharram (1), 1448"));
    EXPECT_EQ(ashura->outlets().dayLabel->text(), core::localizedNumber(event.conv->gregorianDate()->day()));
    EXPECT_EQ(ashura->outlets().monthLabel->text(), event.conv->gregorianDate()->monthName());
    EXPECT_EQ(ashura->outlets().yearLabel->text(), QStringLiteral("2026"));
    // A card covers 1/1.7 of the screen's width and 47% of its height.
    EXPECT_EQ(ashura->size(), QSize(247, 329));
}

TEST_F(EventsVCTest, TurningToAnotherCardShowsItsTimingAndOptionsFollowTheScreen)
{
    appear();
    settle();
    carousel().scrollToItemAtIndex(0, false);
    EXPECT_EQ(timing(), QStringLiteral("Since: 4 days and 12 hours"));
    QTest::keyClick(&carousel(), Qt::Key_Right);
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 1);

    EXPECT_EQ(vc->valueForOption(&carousel(), CarouselOption::wrap, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(vc->valueForOption(&carousel(), CarouselOption::arc, 2.0), 0.5);
    EXPECT_DOUBLE_EQ(vc->valueForOption(&carousel(), CarouselOption::spacing, 1.0), 1.15);
    EXPECT_EQ(vc->valueForOption(&carousel(), CarouselOption::tilt, 7.0), 7.0);
    // Too narrow for a neighbour card whole: only the centre card is shown.
    EXPECT_EQ(vc->valueForOption(&carousel(), CarouselOption::fadeMax, 7.0), 0.0);
    EXPECT_EQ(vc->valueForOption(&carousel(), CarouselOption::fadeMin, -7.0), 0.0);
}

TEST_F(EventsVCTest, EachAppearanceRecomputesAndTurnsToTheFirstComingOccasion)
{
    appear();
    settle();
    env.setNow(testenv::hijriInstant(1448, 12, 20));
    reappear();
    EXPECT_EQ(carousel().currentItemIndex(), 5);
    EXPECT_EQ(timing(), QStringLiteral("Since: 10 days"));
}

TEST_F(EventsVCTest, HalfAnHourBeforeRamadanItIsStillAheadAndAtMidnightItIsToday)
{
    // 1 Ramadan 1448 is 8 February 2027; the day is the local one.
    env.setTimeZone(QStringLiteral("Europe/London"));
    env.setNow(testenv::gregorianInstant(2027, 2, 7, 23, 30));
    appear();
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 2);
    EXPECT_EQ(timing(), QStringLiteral("In: 30 minutes"));

    env.setNow(testenv::gregorianInstant(2027, 2, 8, 0, 0));
    reappear();
    EXPECT_EQ(carousel().currentItemIndex(), 2);
    EXPECT_EQ(timing(), QStringLiteral("Today"));
}

TEST_F(EventsVCTest, ResizingTheScreenMakesTheCardsAgainAndKeepsTheCurrentOne)
{
    appear();
    settle();
    vc->resize(600, 900);
    carousel().layoutIfNeeded();
    settle();
    EXPECT_EQ(carousel().currentItemIndex(), 1);
    ASSERT_NE(card(1), nullptr);
    // The screen's share, but no larger than a card needs on a desktop.
    EXPECT_EQ(card(1)->size(), QSize(300, 420));
}

TEST_F(EventsVCTest, UnderArabicTheScreenReadsRightToLeftWithArabicDigits)
{
    env.setLocale(QStringLiteral("ar_SA"));
    platform::installTranslations();
    QApplication::setLayoutDirection(Qt::RightToLeft);
    core::GlobalSettings::setCurrentWallpaperName(core::GlobalSettings::wallpaperAssetName(5));
    appear();
    settle();
    EXPECT_EQ(timing(), QStringLiteral("بعد: ٤ أيام و١٢ ساعة"));
    ASSERT_NE(card(1), nullptr);
    EXPECT_EQ(card(1)->outlets().eventLabel->text(), QStringLiteral("يوم عاشوراء"));
    EXPECT_EQ(card(1)->outlets().yearLabel->text(), QStringLiteral("٢٠٢٦"));
    EXPECT_EQ(vc->outlets().titleLabel->text(), QStringLiteral("المناسبات الإسلامية"));
    screenshot(QStringLiteral("occasions-ar.png"));
    // Mid-scroll, for looking at the perspective.
    carousel().scrollToItemAtIndex(3, true);
    for (int i = 0; i < 9; ++i) {
        clock->advance(1.0 / 60.0);
        carousel().step();
    }
    screenshot(QStringLiteral("occasions-ar-mid-scroll.png"));
}

} // namespace

namespace {

platform::EventImportDialog *openImportDialog()
{
    for (int i = 0; i < 50; ++i) {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<platform::EventImportDialog *>(w); dialog && dialog->isVisible())
                return dialog;
        }
        QTest::qWait(10);
    }
    return nullptr;
}

TEST_F(EventsVCTest, AddToCalendarPutsFiveYearsOfOccasionsIntoTheCalendarOnce)
{
    platform::keepEventAccess(platform::EventAccessStatus::authorized);
    const QDir personal(env.dataHome() + QStringLiteral("/qamarly/calendars/personal"));
    const auto addOnce = [&] {
        auto *button = vc->findChild<QPushButton *>(QStringLiteral("addToCalendarButton"));
        EXPECT_TRUE(windowinput::reaches(button));
        windowinput::click(button);
        const QPointer<platform::EventImportDialog> dialog = openImportDialog();
        EXPECT_NE(dialog, nullptr);
        if (!dialog)
            return QString();
        EXPECT_TRUE(windowinput::showAndExpose(dialog));
        EXPECT_EQ(dialog->eventList()->count(), 30);
        EXPECT_EQ(dialog->calendarChoice()->currentText(), QStringLiteral("Personal"));
        windowinput::click(dialog->findChild<QPushButton *>(QStringLiteral("addButton")));
        QTest::qWait(50);
        // Done without a word, it closes itself; otherwise it says what happened.
        if (!dialog)
            return QString();
        const QString said = dialog->findChild<QLabel *>(QStringLiteral("importMessage"))->text();
        dialog->close();
        return said;
    };
    appear();
    EXPECT_EQ(addOnce(), QString()) << "a first import closes without a word";
    EXPECT_EQ(personal.entryList({QStringLiteral("*.ics")}, QDir::Files).size(), 30);
    // The same years again change nothing and say so.
    EXPECT_EQ(addOnce(), QStringLiteral("Personal: 0 added, 0 updated, 30 already there."));
    EXPECT_EQ(personal.entryList({QStringLiteral("*.ics")}, QDir::Files).size(), 30);
}

} // namespace
