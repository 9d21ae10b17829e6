// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/notifications/EnableOptionsVC.h"

#include "app/notifications/CustomError.h"
#include "app/notifications/NotEnabledAlert.h"
#include "app/notifications/NotificationScheduler.h"
#include "components/visual/ReadableColumn.h"
#include "core/GlobalSettings.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/UserNotificationCenter.h"
#include "platform/settings/AppSettingsWindow.h"
#include "platform/ui/AlertController.h"
#include "ui_EnableOptionsVC.h"

#include <QGuiApplication>
#include <QTimer>

namespace app::notifications {

EnableOptionsVC::EnableOptionsVC(QWidget *parent)
    : platform::ViewController(parent), ui_(std::make_unique<Ui::EnableOptionsVC>()),
      center_(platform::UserNotificationCenter::current()), settings_(core::GlobalSettings::shared()),
      reschedule_([] { NotificationScheduler::shared().rescheduleNotifications(); }),
      settleTimer_(new QTimer(this))
{
    ui_->setupUi(this);
    setObjectName(QStringLiteral("EnableOptionsVC"));
    setStyleSheet(styleSheet() + components::legibilityStyleSheet());
    components::makeReadableColumn(ui_->wallpaperImageView, components::readableColumnWidth);
    ui_->promptTitleLabel->setText(platform::localized("prompt.title"));
    ui_->promptMessageLabel->setText(platform::localized("prompt.message"));
    ui_->enableNotificationButton->setText(platform::localized("prompt.enable"));
    ui_->closeButton->setText(platform::localized("prompt.close"));
    connect(ui_->enableNotificationButton, &QPushButton::clicked, this,
            &EnableOptionsVC::enableNotificationAction);
    connect(ui_->closeButton, &QPushButton::clicked, this, &EnableOptionsVC::closeButtonActions);

    // One pending check at a time: a second activation restarts the wait.
    settleTimer_->setSingleShot(true);
    settleTimer_->setInterval(settleDelayMs);
    connect(settleTimer_, &QTimer::timeout, this, &EnableOptionsVC::checkPermission);
}

EnableOptionsVC::~EnableOptionsVC()
{
    stopObserving();
}

void EnableOptionsVC::viewDidLoad()
{
    startObserving();
}

void EnableOptionsVC::viewWillAppear()
{
    ui_->wallpaperImageView->setImageName(core::GlobalSettings::currentWallpaperName());
    // Back in view after the window was minimised: watch again.
    startObserving();
}

void EnableOptionsVC::viewDidAppear()
{
    // The keyboard starts on the prompt's own buttons, not on the screen it covers.
    ui_->enableNotificationButton->setFocus(Qt::OtherFocusReason);
}

void EnableOptionsVC::viewWillDisappear()
{
    stopObserving();
}

void EnableOptionsVC::startObserving()
{
    if (!permissionChange_)
        permissionChange_ =
            connect(&platform::AppSettings::shared(), &platform::AppSettings::notificationSettingsChanged,
                    this, [this] { applicationDidBecomeActive(); });
    if (activation_)
        return;
    if (auto *app = qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        activation_ =
            connect(app, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
                if (s == Qt::ApplicationActive)
                    applicationDidBecomeActive();
            });
}

void EnableOptionsVC::stopObserving()
{
    if (activation_)
        disconnect(activation_);
    activation_ = {};
    if (permissionChange_)
        disconnect(permissionChange_);
    permissionChange_ = {};
}

void EnableOptionsVC::closeButtonActions()
{
    settings_.enableOptionRequested = true;
    settings_.enableNotificationsClicked = false;
    settings_.save();
    settleTimer_->stop();
    dismissViewController();
}

void EnableOptionsVC::enableNotificationAction()
{
    settings_.enableNotificationsClicked = true;
    settings_.save();
    // The platform's dialog is a window of this application, so answering it
    // need not make the application active again: the answer itself starts
    // the same settling wait as a return to the application.
    QPointer<EnableOptionsVC> self(this);
    center_.requestAuthorization(platform::AuthorizationOption::badge | platform::AuthorizationOption::sound |
                                     platform::AuthorizationOption::alert,
                                 [self](bool) {
                                     if (!self)
                                         return;
                                     QMetaObject::invokeMethod(
                                         self,
                                         [self] {
                                             if (self)
                                                 self->applicationDidBecomeActive();
                                         },
                                         Qt::QueuedConnection);
                                 });
}

void EnableOptionsVC::applicationDidBecomeActive()
{
    settleTimer_->start();
}

bool EnableOptionsVC::isWaitingForPermission() const
{
    return settleTimer_->isActive();
}

void EnableOptionsVC::checkPermission()
{
    if (!settings_.enableNotificationsClicked)
        return;
    if (center_.notificationSettings().alertsAllowed()) {
        try {
            if (reschedule_)
                reschedule_();
        } catch (const CustomError &) {
            // The permission changed again in between; nothing to schedule.
        }
        settings_.enableOptionRequested = true;
        settings_.enableNotificationsClicked = false;
        settings_.save();
        dismissViewController();
        return;
    }
    showNotEnabledAlert();
}

void EnableOptionsVC::showNotEnabledAlert()
{
    notifications::showNotEnabledAlert(this, notEnabledAlert_);
}

} // namespace app::notifications
