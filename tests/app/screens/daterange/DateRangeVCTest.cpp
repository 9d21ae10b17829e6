// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The duration tab driven as a user drives it: the pickers, the calendar
// selector, Today and Reset, and what the four result labels read.
#include "app/screens/daterange/DateRangeVC.h"

#include "app/screens/ScreenTestSupport.h"
#include "core/GlobalSettings.h"
#include "support/WindowInput.h"
#include "ui_DateRangeVC.h"

#include <QTest>
#include <gtest/gtest.h>

using app::screens::DateRangeVC;
using screentest::gregorianDayOf;
using screentest::hijriDayOf;
using testenv::gregorianInstant;

namespace {

class DateRangeScreen : public ::testing::Test
{
protected:
    void setAdjustment(std::int64_t days)
    {
        core::GlobalSettings::shared().adjustmentNumber = days;
        core::GlobalSettings::shared().save();
    }
    DateRangeVC &show()
    {
        screen = std::make_unique<DateRangeVC>();
        screen->resize(420, 700);
        EXPECT_TRUE(windowinput::showAndExpose(screen.get()));
        world.settle();
        return *screen;
    }
    Ui::DateRangeVC &ui() { return screen->outlets(); }

    void pickFrom(platform::Instant at)
    {
        ui().fromDatePicker->setDate(at);
        screen->fromDatePickerValueChanged();
    }
    void pickTo(platform::Instant at)
    {
        ui().toDatePicker->setDate(at);
        screen->toDatePickerValueChanged();
    }
    void chooseSegment(int index) { ui().calendarSegControler->setCurrentIndex(index); }
    QStringList shown()
    {
        return {ui().daysTextLabel->text(), ui().yearsLabel->text(), ui().monthsLabel->text(),
                ui().daysLabel->text()};
    }

    screentest::ScreenWorld world;
    std::unique_ptr<DateRangeVC> screen;
};

TEST_F(DateRangeScreen, EveryVisitStartsOnTodayInGregorianWithEveryValueZero)
{
    show();
    const platform::Instant now = world.env.clock()->now();
    EXPECT_EQ(screen->selectedSegment(), 0);
    EXPECT_EQ(ui().fromDatePicker->date(), now);
    EXPECT_EQ(ui().toDatePicker->date(), now);
    EXPECT_EQ(ui().toDatePicker->minimumDate(), now);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                    QStringLiteral("0")}));

    chooseSegment(1);
    pickTo(gregorianInstant(2027, 5, 1));
    screen->hide();
    world.settle();
    screen->show();
    world.settle();
    EXPECT_EQ(screen->selectedSegment(), 0);
    EXPECT_EQ(ui().toDatePicker->date(), now);
    EXPECT_EQ(ui().toDatePicker->calendar().identifier(), platform::CalendarIdentifier::gregorian);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                    QStringLiteral("0")}));
}

TEST_F(DateRangeScreen, FirstOfJanuaryToFirstOfMarch2020IsSixtyDaysOrTwoMonths)
{
    show();
    pickFrom(gregorianInstant(2020, 1, 1, 18));
    EXPECT_EQ(ui().toDatePicker->minimumDate(), gregorianInstant(2020, 1, 1, 18));
    pickTo(gregorianInstant(2020, 3, 1, 7));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("60"), QStringLiteral("0"), QStringLiteral("2"),
                                    QStringLiteral("0")}));
    EXPECT_EQ(ui().totalDaysLabel->text(), QStringLiteral("Total days"));
}

TEST_F(DateRangeScreen, OneHijriMonthInHijriModeIsOneMonthOfItsUmmAlQuraLength)
{
    setAdjustment(1);
    show();
    chooseSegment(1);
    const platform::Calendar hijri = platform::Calendar::islamicUmmAlQura();
    pickFrom(*hijri.date(1447, 8, 1, 12));
    pickTo(*hijri.date(1447, 9, 1, 12));
    const int length = hijri.daysInMonth(*hijri.date(1447, 8, 1));
    EXPECT_EQ(shown(), (QStringList{QString::number(length), QStringLiteral("0"), QStringLiteral("1"),
                                    QStringLiteral("0")}));
    // Each caption takes the plural form of the number above it.
    EXPECT_EQ(ui().yearsCaptionLabel->text(), QStringLiteral("Years"));
    EXPECT_EQ(ui().monthsCaptionLabel->text(), QStringLiteral("Month"));
    EXPECT_EQ(ui().daysCaptionLabel->text(), QStringLiteral("Days"));
}

TEST_F(DateRangeScreen, SwitchingToHijriShowsTheAdjustedDayAndSwitchingBackRestoresTheDays)
{
    setAdjustment(1);
    show();
    pickFrom(gregorianInstant(2026, 3, 1, 12));
    pickTo(gregorianInstant(2026, 4, 15, 12));
    chooseSegment(1);
    EXPECT_EQ(ui().fromDatePicker->calendar().identifier(), platform::CalendarIdentifier::islamicUmmAlQura);
    EXPECT_EQ(hijriDayOf(ui().fromDatePicker->date()), hijriDayOf(gregorianInstant(2026, 3, 2, 12)));
    EXPECT_EQ(hijriDayOf(ui().toDatePicker->date()), hijriDayOf(gregorianInstant(2026, 4, 16, 12)));
    EXPECT_EQ(ui().daysTextLabel->text(), QStringLiteral("45"));
    chooseSegment(0);
    EXPECT_EQ(ui().fromDatePicker->date(), gregorianInstant(2026, 3, 1, 12));
    EXPECT_EQ(ui().toDatePicker->date(), gregorianInstant(2026, 4, 15, 12));
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("45"), QStringLiteral("0"), QStringLiteral("1"),
                                    QStringLiteral("14")}));
}

TEST_F(DateRangeScreen, TheMinimumStaysOnTheFromDayWhenTheCalendarChanges)
{
    // With a negative adjustment the shifted to day lies before the old
    // minimum instant; the picker must still get the day it is given.
    setAdjustment(-1);
    show();
    chooseSegment(1);
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                    QStringLiteral("0")}));
    EXPECT_EQ(ui().toDatePicker->date(), ui().fromDatePicker->date());
    EXPECT_EQ(ui().toDatePicker->minimumDate(), ui().fromDatePicker->date());
    chooseSegment(0);
    EXPECT_EQ(ui().toDatePicker->date(), world.env.clock()->now());
    EXPECT_EQ(ui().toDatePicker->minimumDate(), world.env.clock()->now());
}

TEST_F(DateRangeScreen, TodayAfterAnEarlierToDayGivesNegativeValuesInTheLocalesSigns)
{
    world.useArabic();
    show();
    pickFrom(gregorianInstant(2026, 11, 1, 9));
    pickTo(gregorianInstant(2026, 11, 20, 9));
    windowinput::click(ui().todayButton);
    EXPECT_EQ(ui().fromDatePicker->date(), world.env.clock()->now());
    EXPECT_EQ(ui().toDatePicker->date(), gregorianInstant(2026, 11, 20, 9));
    EXPECT_EQ(screen->shownRange().totalDays, -15);
    EXPECT_EQ(screen->shownRange().days, -15);
    EXPECT_TRUE(ui().daysTextLabel->text().contains(QStringLiteral("١٥")));
    EXPECT_TRUE(ui().daysTextLabel->text().contains(QChar(u'-')));
}

TEST_F(DateRangeScreen, TodayInHijriModePutsTheFromPickerOnTodaysAdjustedHijriDate)
{
    setAdjustment(1);
    show();
    chooseSegment(1);
    pickFrom(*platform::Calendar::islamicUmmAlQura().date(1440, 1, 1, 12));
    windowinput::click(ui().todayButton);
    const platform::Instant tomorrow =
        *platform::Calendar::gregorian().dateByAddingDays(1, world.env.clock()->now());
    EXPECT_EQ(hijriDayOf(ui().fromDatePicker->date()), hijriDayOf(tomorrow));
    // The to picker still holds today's adjusted Hijri day: nothing between them.
    EXPECT_EQ(screen->shownRange().totalDays, 0);
    EXPECT_EQ(screen->selectedSegment(), 1);
}

TEST_F(DateRangeScreen, ResetReturnsToGregorianToday)
{
    show();
    chooseSegment(1);
    pickFrom(*platform::Calendar::islamicUmmAlQura().date(1440, 1, 1, 12));
    windowinput::click(ui().resetButton);
    EXPECT_EQ(screen->selectedSegment(), 0);
    EXPECT_EQ(ui().fromDatePicker->calendar().identifier(), platform::CalendarIdentifier::gregorian);
    EXPECT_EQ(ui().fromDatePicker->date(), world.env.clock()->now());
    EXPECT_EQ(shown(), (QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
                                    QStringLiteral("0")}));
}

TEST_F(DateRangeScreen, MirrorsUnderArabic)
{
    world.useArabic();
    show();
    EXPECT_TRUE(screen->isRightToLeft());
    EXPECT_EQ(ui().fromDatePicker->localeName(), QStringLiteral("ar"));
    EXPECT_EQ(ui().toDatePicker->localeName(), QStringLiteral("ar"));
    EXPECT_EQ(ui().totalDaysLabel->text(), QStringLiteral("مجموع الأيام"));
    EXPECT_EQ(ui().daysTextLabel->text(), QStringLiteral("٠"));
    EXPECT_EQ(ui().yearsCaptionLabel->text(), QStringLiteral("سنة"));
    EXPECT_EQ(ui().monthsCaptionLabel->text(), QStringLiteral("شهر"));
    // Years come first in reading order, so on the right.
    EXPECT_GT(ui().yearsLabel->mapTo(screen.get(), QPoint()).x(),
              ui().daysLabel->mapTo(screen.get(), QPoint()).x());
}

} // namespace
