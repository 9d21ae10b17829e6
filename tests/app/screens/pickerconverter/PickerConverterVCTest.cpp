// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The converter tab driven as a user drives it: picking, switching the
// segment, dragging sideways, the adjustment button and its alert, the
// wallpaper control, and the notification prompt it presents.
#include "app/screens/pickerconverter/PickerConverterVC.h"

#include "app/notifications/CustomError.h"
#include "app/notifications/EnableOptionsVC.h"
#include "app/screens/ScreenTestSupport.h"
#include "app/screens/pickerconverter/AdjustmentMessage.h"
#include "core/GlobalSettings.h"
#include "core/LocalizedNumber.h"
#include "core/SharedDefaults.h"
#include "platform/ui/TabBarController.h"
#include "support/WindowInput.h"
#include "ui_EnableOptionsVC.h"
#include "ui_PickerConverterVC.h"

#include <QTest>
#include <gtest/gtest.h>

using app::screens::PickerConverterVC;
using screentest::gregorianDayOf;
using screentest::hijriDayOf;
using testenv::gregorianInstant;

namespace {

struct Calls
{
    int watch = 0;
    int reschedule = 0;
    int widgets = 0;
};

class ConverterScreen : public ::testing::Test
{
protected:
    void setAdjustment(std::int64_t days)
    {
        core::GlobalSettings::shared().adjustmentNumber = days;
        core::GlobalSettings::shared().save();
    }

    bool settingsTabShown = true;

    // Shown on its own, as the selected tab would be.
    PickerConverterVC &show()
    {
        screen = std::make_unique<PickerConverterVC>();
        app::screens::ConverterServices services;
        services.sendAdjustmentToWatch = [this] { ++calls.watch; };
        services.rescheduleNotifications = [this] {
            ++calls.reschedule;
            throw app::notifications::CustomError(app::notifications::CustomError::NotificationsNotAllowed);
        };
        services.reloadWidgetTimelines = [this] { ++calls.widgets; };
        services.settingsTabShown = settingsTabShown;
        screen->setServices(services);
        screen->resize(420, 700);
        EXPECT_TRUE(windowinput::showAndExpose(screen.get()));
        world.settle();
        return *screen;
    }
    Ui::PickerConverterVC &ui() { return screen->outlets(); }

    // The user turns the picker to `at`.
    void pick(platform::Instant at)
    {
        ui().datePicker->setDate(at);
        screen->pickerDateHasChanged();
    }
    void chooseSegment(int index) { ui().calendarSegControl->setCurrentIndex(index); }
    void drag(int dx)
    {
        const QPoint from(210, 650);
        windowinput::press(screen.get(), from);
        windowinput::release(screen.get(), from + QPoint(dx, 4));
    }
    QString resultDay() const { return screen->outlets().convertedDayLabel->text(); }

    screentest::ScreenWorld world;
    Calls calls;
    std::unique_ptr<PickerConverterVC> screen;
};

TEST_F(ConverterScreen, OpensOnTodayWithTheButtonHiddenAndThePlainConversion)
{
    show();
    const platform::Instant now = world.env.clock()->now();
    EXPECT_EQ(screen->selectedSegment(), 0);
    EXPECT_EQ(ui().datePicker->date(), now);
    EXPECT_FALSE(ui().AdjRoundButton->isVisible());
    const auto h = hijriDayOf(now);
    EXPECT_EQ(resultDay(), QString::number(h.day));
    EXPECT_EQ(ui().convertedYearLabel->text(), QString::number(h.year));
    EXPECT_EQ(ui().convertedMonthLabel->text(), screen->conv().hijriDate()->monthName());
    EXPECT_EQ(ui().convertedWeekDayLabel->text(), QStringLiteral("Saturday"));
    EXPECT_EQ(ui().datePickerMonthNumberString->text(), QStringLiteral("12"));
    // The today panel.
    EXPECT_EQ(ui().todayWeekDayLabel->text(), QStringLiteral("Saturday"));
    EXPECT_EQ(ui().todayGreDayLabel->text(), QStringLiteral("5"));
    EXPECT_EQ(ui().todayGreMonthNameLabel->text(), QStringLiteral("December (12)"));
    EXPECT_EQ(ui().todayGreYearLabel->text(), QStringLiteral("2026"));
    EXPECT_EQ(ui().todayConvDayLabel->text(), QString::number(h.day));
    EXPECT_EQ(ui().todayConvYearLabel->text(), QString::number(h.year));
    EXPECT_TRUE(ui().todayGreDayLabel->alignment() & Qt::AlignRight);
}

TEST_F(ConverterScreen, WithAdjustmentPlusOneBothDirectionsShowTheShiftedHijriDay)
{
    setAdjustment(1);
    show();
    const platform::Instant picked = gregorianInstant(2026, 3, 19, 12);
    pick(picked);
    const auto shifted = hijriDayOf(gregorianInstant(2026, 3, 20, 12));
    EXPECT_EQ(resultDay(), QString::number(shifted.day));
    EXPECT_EQ(screen->convResult().month(), shifted.month);
    // The weekday is the picked Gregorian day's, not the shifted one's.
    EXPECT_EQ(ui().convertedWeekDayLabel->text(), QStringLiteral("Thursday"));
    EXPECT_TRUE(ui().AdjRoundButton->isVisible());
    EXPECT_EQ(ui().AdjRoundButton->text(), QStringLiteral("1"));

    // Segment 1: the picker shows that same Hijri day, the result is the picked Gregorian day.
    chooseSegment(1);
    EXPECT_EQ(ui().datePicker->calendar().identifier(), platform::CalendarIdentifier::islamicUmmAlQura);
    const auto inPicker = hijriDayOf(ui().datePicker->date());
    EXPECT_EQ(inPicker.day, shifted.day);
    EXPECT_EQ(inPicker.month, shifted.month);
    EXPECT_EQ(resultDay(), QStringLiteral("19"));
    EXPECT_EQ(ui().convertedMonthLabel->text(), QStringLiteral("March (3)"));
    EXPECT_EQ(ui().datePickerMonthNumberString->text(), QString::number(shifted.month));

    // Converting a Hijri day picked by the user takes the adjustment away.
    const auto firstOfShawwal = platform::Calendar::islamicUmmAlQura().date(1447, 10, 1, 12);
    ASSERT_TRUE(firstOfShawwal);
    pick(*firstOfShawwal);
    const auto gregorian =
        gregorianDayOf(*platform::Calendar::gregorian().dateByAddingDays(-1, *firstOfShawwal));
    EXPECT_EQ(resultDay(), QString::number(gregorian.day));

    // And back to segment 0: the Gregorian day the Hijri day was converted to.
    chooseSegment(0);
    EXPECT_EQ(gregorianDayOf(ui().datePicker->date()).day, gregorian.day);
    EXPECT_EQ(resultDay(), QStringLiteral("1"));
}

TEST_F(ConverterScreen, TheSegmentRoundTripKeepsThePickedDay)
{
    setAdjustment(-2);
    show();
    const platform::Instant picked = gregorianInstant(2027, 2, 9, 15);
    pick(picked);
    const QString hijriResult = resultDay();
    chooseSegment(1);
    chooseSegment(0);
    EXPECT_EQ(ui().datePicker->date(), picked);
    EXPECT_EQ(resultDay(), hijriResult);
}

TEST_F(ConverterScreen, DraggingSidewaysStepsAcrossTheEndOfAYear)
{
    show();
    pick(gregorianInstant(2026, 12, 31, 12));
    drag(-120); // to the left: the next day
    EXPECT_EQ(gregorianDayOf(ui().datePicker->date()), gregorianDayOf(gregorianInstant(2027, 1, 1, 12)));
    EXPECT_EQ(ui().datePickerMonthNumberString->text(), QStringLiteral("1"));
    EXPECT_EQ(screen->conv().gregorianDate()->year(), 2027);
    drag(+120); // to the right: the day before
    EXPECT_EQ(gregorianDayOf(ui().datePicker->date()).day, 31);
    EXPECT_EQ(ui().datePickerMonthNumberString->text(), QStringLiteral("12"));
    // A short or mostly vertical drag is no swipe.
    drag(-20);
    EXPECT_EQ(gregorianDayOf(ui().datePicker->date()).day, 31);
}

TEST_F(ConverterScreen, ArrowKeysStepAcrossTheEndOfAHijriMonth)
{
    show();
    chooseSegment(1);
    const platform::Calendar hijri = platform::Calendar::islamicUmmAlQura();
    const platform::Instant first = *hijri.date(1447, 9, 1, 12);
    const int length = hijri.daysInMonth(first);
    pick(*hijri.date(1447, 9, length, 12));
    EXPECT_EQ(ui().datePickerMonthNumberString->text(), QStringLiteral("9"));
    QTest::keyClick(screen.get(), Qt::Key_Right);
    EXPECT_EQ(hijriDayOf(ui().datePicker->date()).month, 10);
    EXPECT_EQ(hijriDayOf(ui().datePicker->date()).day, 1);
    EXPECT_EQ(ui().datePickerMonthNumberString->text(), QStringLiteral("10"));
    QTest::keyClick(screen.get(), Qt::Key_Left);
    EXPECT_EQ(hijriDayOf(ui().datePicker->date()).day, length);
}

TEST_F(ConverterScreen, TheAlertExplainsTheAdjustmentWithItsSign)
{
    for (const std::int64_t days : {-1, 1, -2, 2}) {
        SCOPED_TRACE(days);
        setAdjustment(days);
        show();
        EXPECT_EQ(ui().AdjRoundButton->text(), core::localizedNumber(days));
        windowinput::click(ui().AdjRoundButton);
        platform::AlertController *alert = world.topAlert();
        ASSERT_NE(alert, nullptr);
        EXPECT_TRUE(alert->title().isEmpty());
        EXPECT_EQ(alert->message(), app::screens::adjustmentAlertMessage(days));
        EXPECT_TRUE(alert->message().contains(
            QStringLiteral("( %1 ) %2")
                .arg(days)
                .arg(std::abs(days) == 1 ? QStringLiteral("day") : QStringLiteral("days"))));
        ASSERT_EQ(alert->actions().size(), 3);
        EXPECT_EQ(alert->actions()[0].style, platform::AlertController::ActionStyle::Default);
        EXPECT_EQ(alert->actions()[1].style, platform::AlertController::ActionStyle::Cancel);
        EXPECT_EQ(alert->actions()[2].style, platform::AlertController::ActionStyle::Destructive);
        EXPECT_EQ(alert->actions()[2].title, platform::localized("reset"));
        EXPECT_TRUE(alert->press(platform::localized("cancel")));
        world.settle();
        EXPECT_EQ(core::GlobalSettings::shared().adjustmentNumber, days);
    }
}

TEST_F(ConverterScreen, WithoutASettingsTabTheAlertOffersOnlyCancelAndReset)
{
    settingsTabShown = false;
    setAdjustment(1);
    show();
    windowinput::click(ui().AdjRoundButton);
    platform::AlertController *alert = world.topAlert();
    ASSERT_NE(alert, nullptr);
    ASSERT_EQ(alert->actions().size(), 2);
    EXPECT_EQ(alert->actions()[0].title, platform::localized("cancel"));
    EXPECT_EQ(alert->actions()[1].title, platform::localized("reset"));
    EXPECT_TRUE(alert->press(platform::localized("cancel")));
    world.settle();
}

TEST_F(ConverterScreen, ResetSavesZeroAndReachesTheWatchTheSchedulerAndTheWidgets)
{
    setAdjustment(2);
    show();
    chooseSegment(1);
    windowinput::click(ui().AdjRoundButton);
    ASSERT_NE(world.topAlert(), nullptr);
    // The scheduler double fails as it does without permission; the failure is ignored.
    EXPECT_TRUE(world.topAlert()->press(2));
    world.settle();
    EXPECT_EQ(core::GlobalSettings::shared().adjustmentNumber, 0);
    EXPECT_EQ(world.env.suite()->integer(core::keys::adjustmentNumber), 0);
    EXPECT_EQ(calls.watch, 1);
    EXPECT_EQ(calls.reschedule, 1);
    EXPECT_EQ(calls.widgets, 1);
    // Both panels show the plain conversion again, back on segment 0.
    EXPECT_FALSE(ui().AdjRoundButton->isVisible());
    EXPECT_EQ(screen->selectedSegment(), 0);
    EXPECT_EQ(ui().todayConvDayLabel->text(), QString::number(hijriDayOf(world.env.clock()->now()).day));
}

TEST_F(ConverterScreen, GoSettingsSelectsTheSettingsTab)
{
    setAdjustment(1);
    platform::TabBarController tabs;
    auto *converter = new PickerConverterVC;
    app::screens::ConverterServices services;
    services.settingsTabShown = true;
    converter->setServices(services);
    tabs.addTab(converter, QStringLiteral("Converter"));
    for (int i = 1; i <= 3; ++i)
        tabs.addTab(new platform::ViewController, QString::number(i));
    tabs.resize(420, 760);
    ASSERT_TRUE(windowinput::showAndExpose(&tabs));
    world.settle();
    windowinput::click(converter->outlets().AdjRoundButton);
    ASSERT_NE(world.topAlert(), nullptr);
    EXPECT_TRUE(world.topAlert()->press(0));
    world.settle();
    EXPECT_EQ(tabs.selectedIndex(), 3);
    EXPECT_EQ(core::GlobalSettings::shared().adjustmentNumber, 1);
}

TEST_F(ConverterScreen, TodayKeepsTheHijriSegmentAndComingBackStartsAgainFromToday)
{
    setAdjustment(1);
    show();
    chooseSegment(1);
    pick(*platform::Calendar::islamicUmmAlQura().date(1446, 1, 10, 12));
    windowinput::click(ui().todayButton);
    const platform::Instant now = world.env.clock()->now();
    EXPECT_EQ(screen->selectedSegment(), 1);
    EXPECT_EQ(hijriDayOf(ui().datePicker->date()),
              hijriDayOf(*platform::Calendar::gregorian().dateByAddingDays(1, now)));
    EXPECT_EQ(resultDay(), QStringLiteral("5"));

    screen->hide();
    world.settle();
    screen->show();
    world.settle();
    EXPECT_EQ(screen->selectedSegment(), 0);
    EXPECT_EQ(ui().datePicker->date(), now);
}

TEST_F(ConverterScreen, TheWallpaperControlCyclesThroughEveryImageAndSavesTheChoice)
{
    show();
    auto &settings = core::GlobalSettings::shared();
    for (const auto &[from, to] :
         std::vector<std::pair<std::int64_t, std::int64_t>>{{5, 6}, {27, 28}, {28, 0}, {40, 0}, {-3, 0}}) {
        SCOPED_TRACE(from);
        settings.wallpaperIndex = from;
        windowinput::click(ui().changeWallpaperButton);
        EXPECT_EQ(settings.wallpaperIndex, to);
        EXPECT_EQ(world.env.suite()->integer(core::keys::wallpaperIndex), to);
        EXPECT_EQ(core::GlobalSettings::currentWallpaperName(), QStringLiteral("wallpaper-%1").arg(to));
    }
}

TEST_F(ConverterScreen, PresentsTheNotificationPromptOnlyWhileAlertsAreOffAndItIsUnsettled)
{
    world.denyAlerts();
    show();
    auto *prompt = qobject_cast<app::notifications::EnableOptionsVC *>(screen->presentedViewController());
    ASSERT_NE(prompt, nullptr);
    EXPECT_EQ(prompt->objectName(), QStringLiteral("EnableOptionsVC"));
    EXPECT_TRUE(prompt->isVisible());

    // Closed: settled for good, whatever the permission.
    windowinput::click(prompt->outlets().closeButton);
    world.settle();
    EXPECT_EQ(screen->presentedViewController(), nullptr);
    EXPECT_TRUE(core::GlobalSettings::shared().enableOptionRequested);
    screen->hide();
    world.settle();
    screen->show();
    world.settle();
    EXPECT_EQ(screen->presentedViewController(), nullptr);
}

TEST_F(ConverterScreen, PresentsNoPromptWhenAlertsAreAllowed)
{
    show();
    EXPECT_EQ(screen->presentedViewController(), nullptr);
}

TEST_F(ConverterScreen, MirrorsUnderArabic)
{
    world.useArabic();
    show();
    EXPECT_TRUE(screen->isRightToLeft());
    EXPECT_EQ(ui().datePicker->localeName(), QStringLiteral("ar"));
    EXPECT_EQ(ui().bubleImageView->property("assetName").toString(), QStringLiteral("buble-ar"));
    EXPECT_EQ(ui().todayGreDayLabel->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft | Qt::AlignAbsolute);
    EXPECT_EQ(ui().todayConvDayLabel->alignment() & Qt::AlignHorizontal_Mask,
              Qt::AlignLeft | Qt::AlignAbsolute);
    // Arabic-Indic digits and Arabic names.
    EXPECT_EQ(ui().todayGreDayLabel->text(), QStringLiteral("٥"));
    EXPECT_EQ(ui().todayWeekDayLabel->text(), QStringLiteral("السبت"));
    EXPECT_EQ(ui().todayButton->text(), QStringLiteral("اليوم"));
    // The day sits on the right of its month name.
    EXPECT_GT(ui().todayGreDayLabel->mapTo(screen.get(), QPoint()).x(),
              ui().todayGreMonthNameLabel->mapTo(screen.get(), QPoint()).x());
}

} // namespace
