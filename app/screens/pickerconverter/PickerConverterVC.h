// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/pickerconverter/ConverterServices.h"
#include "core/RGConv.h"
#include "platform/ui/ViewController.h"

#include <QFont>
#include <QPixmap>
#include <QPoint>
#include <memory>

namespace core {
class GlobalSettings;
}
namespace Ui {
class PickerConverterVC;
}

namespace app::screens {

// The converter tab: today on both calendars, and any picked day converted
// from Gregorian to Hijri or back, with the user's Hijri adjustment applied by
// the date core. Drag sideways (or press Left/Right) to move the picked day.
class PickerConverterVC : public platform::ViewController
{
    Q_OBJECT

public:
    explicit PickerConverterVC(QWidget *parent = nullptr);
    ~PickerConverterVC() override;

    void setServices(ConverterServices services) { services_ = std::move(services); }

    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;

    // The layout's outlets, by their object names.
    Ui::PickerConverterVC &outlets() { return *ui_; }

    const core::RGConv &conv() const { return conv_; }
    const core::RGConv &today() const { return today_; }
    const core::RGDate &convResult() const { return *convResult_; }
    // 0: the picked date is Gregorian; 1: it is Hijri.
    int selectedSegment() const;

    // User actions, as the controls send them.
    void ValueChanged();
    void pickerDateHasChanged();
    void datePickerWillChange();
    void todayButtonAction();
    void swipeRight();
    void swipeLeft();
    void AdjRoundButtonAction();
    void changeWallpaper();

    // A drag shorter than this (in pixels) is a click, not a swipe.
    static constexpr int swipeThreshold = 40;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void refreshTodayPanel();
    void resetConverterToToday();
    void applySourceCalendar();
    void convertPickedDate();
    void showConvertedResult();
    void showAdjustmentButton();
    void stepPickedDate(int days);
    void showAdjustmentAlert();
    void resetAdjustment();
    void cycleWallpaper();
    void applyPresentation();
    // Draws the bubble at its own proportions, centred in its place, and
    // keeps the result inside it.
    void fitBubble();
    void presentEnableOptionsIfNeeded();
    void selectSegment(int index);
    const platform::Calendar &convCalendarFor(const platform::Calendar &calendar) const;

    std::unique_ptr<Ui::PickerConverterVC> ui_;
    core::RGConv today_;
    core::RGConv conv_;
    core::RGDatePtr convResult_;
    core::GlobalSettings &settings_;
    ConverterServices services_;
    QPixmap bubble_;
    // The result day's face before a narrow bubble shrinks it.
    QFont dayFont_;
    QPoint pressPosition_;
    bool pressed_ = false;
};

} // namespace app::screens
