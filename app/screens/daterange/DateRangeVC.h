// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/daterange/DateRangeCalculator.h"
#include "core/RGConv.h"
#include "platform/ui/ViewController.h"

#include <memory>

namespace Ui {
class DateRangeVC;
}
namespace components {
class DatePicker;
}

namespace app::screens {

// The duration calculator tab: the span between a "from" and a "to" day, as a
// total of days and as years, months and days of the chosen calendar. Every
// visit starts again from today in Gregorian mode; nothing is stored.
//
// In Hijri mode a picker holds its Gregorian instant shifted by the Hijri
// adjustment, so that the Umm al-Qura calendar shows the adjusted date; only
// applyCalendarSelection (and Today) make or undo that shift.
class DateRangeVC : public platform::ViewController
{
    Q_OBJECT

public:
    explicit DateRangeVC(QWidget *parent = nullptr);
    ~DateRangeVC() override;

    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;

    Ui::DateRangeVC &outlets() { return *ui_; }
    const DateRange &shownRange() const { return range_; }
    // 0: Gregorian; 1: Hijri.
    int selectedSegment() const;

    // User actions, as the controls send them.
    void fromDatePickerValueChanged();
    void toDatePickerValueChanged();
    void todayButtonAction();
    void resetButtonAction();
    void calendarSegValueChanged();

private:
    void resetToToday();
    void applyCalendarSelection();
    void updateResult();
    void applyAppearanceFonts();
    void selectSegment(int index);
    const platform::Calendar &calendarFor(const components::DatePicker &picker,
                                          const core::RGConv &conv) const;

    std::unique_ptr<Ui::DateRangeVC> ui_;
    core::RGConv fromConv_;
    core::RGConv toConv_;
    DateRange range_;
};

} // namespace app::screens
