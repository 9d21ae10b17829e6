// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/ui/ViewController.h"

#include <QMetaObject>
#include <QPointer>
#include <functional>
#include <memory>

class QTimer;

namespace core {
class GlobalSettings;
}
namespace platform {
class AlertController;
class UserNotificationCenter;
} // namespace platform
namespace Ui {
class EnableOptionsVC;
}

namespace app::notifications {

// The full-screen invitation to allow notifications, presented by the
// converter while alerts are not permitted and the prompt was never settled.
// Enable asks the platform; the outcome is read once the permission has had
// a moment to settle, after the answer arrives or the application becomes
// active again. Close settles the prompt for good.
class EnableOptionsVC : public platform::ViewController
{
    Q_OBJECT

public:
    // How long the permission is given to settle before it is read.
    static constexpr int settleDelayMs = 1000;

    explicit EnableOptionsVC(QWidget *parent = nullptr);
    ~EnableOptionsVC() override;

    void viewDidLoad() override;
    void viewWillAppear() override;
    void viewDidAppear() override;
    void viewWillDisappear() override;

    Ui::EnableOptionsVC &outlets() { return *ui_; }

    // Storyboard actions.
    void closeButtonActions();
    void enableNotificationAction();
    // The application became active: read the permission after settleDelayMs,
    // without holding up the event loop.
    void applicationDidBecomeActive();
    // What runs once the permission has settled (tests call it directly).
    void checkPermission();
    bool isWaitingForPermission() const;
    bool isObservingActivation() const { return static_cast<bool>(activation_); }

    // How the permission is rescheduled for; the scheduler's by default.
    void setRescheduleNotifications(std::function<void()> reschedule) { reschedule_ = std::move(reschedule); }

private:
    void startObserving();
    void stopObserving();
    void showNotEnabledAlert();

    std::unique_ptr<Ui::EnableOptionsVC> ui_;
    platform::UserNotificationCenter &center_;
    core::GlobalSettings &settings_;
    std::function<void()> reschedule_;
    QTimer *settleTimer_;
    QMetaObject::Connection activation_;
    // Permission changed on the settings page, which is a window of this
    // application: leaving it need not make the application active again.
    QMetaObject::Connection permissionChange_;
    QPointer<platform::AlertController> notEnabledAlert_;
};

} // namespace app::notifications
