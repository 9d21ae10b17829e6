// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/settings/SettingsServices.h"
#include "platform/ui/ViewController.h"

#include <QList>
#include <QUrl>
#include <cstdint>
#include <memory>

namespace core {
class GlobalSettings;
}
namespace Ui {
class SettingsVC;
}

namespace app::screens {

// The settings tab: the Hijri adjustment (the + and − buttons and a spin box
// that stay in step), the first day of the week, feedback by e-mail, telling a friend, rating, the
// maker's other apps and social page, and the way to the wallpaper and
// notification settings.
class SettingsVC : public platform::ViewController
{
    Q_OBJECT

public:
    explicit SettingsVC(QWidget *parent = nullptr);
    ~SettingsVC() override;

    void setServices(SettingsServices services);

    void viewWillAppear() override;

    // The layout's outlets, by their object names.
    Ui::SettingsVC &outlets() { return *ui_; }

    // The adjustment as this screen counts it.
    std::int64_t adjNumber() const { return adjNumber_; }

    // User actions, as the controls send them.
    void incrementalAdjust();
    void decrementalAdjust();
    void adjustmentStepperValueChanged();
    void emailAction();
    void tellFriendButtonAction();
    void rateAppAction();
    void ourAppsAction();
    void facebookAction();
    void moreSettingsButtonAction();

    // Opens the first address the desktop has a handler for; false when it
    // opened none.
    static bool openFirstAvailable(const QList<QUrl> &addresses);

private:
    void adjustBy(std::int64_t step);
    void applyStepperValue();
    // Shows, stores and spreads a new adjustment: the one path of the
    // buttons and the spin box.
    void applyAdjustment(std::int64_t days);
    void showAdjustment();
    // A number typed beyond the range: said below the field, nothing stored.
    void refuseAdjustment(const QString &text);
    void fillWeekStartChoices();
    void showWeekStart();
    void weekStartChanged();
    void composeFeedbackMail();
    void showMailUnavailable();

    std::unique_ptr<Ui::SettingsVC> ui_;
    core::GlobalSettings &settings_;
    SettingsServices services_;
    std::int64_t adjNumber_ = 0;
};

} // namespace app::screens
