// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/notifications/NotEnabledAlert.h"

#include "platform/localization/Localization.h"
#include "platform/settings/AppSettingsWindow.h"
#include "platform/ui/AlertController.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

namespace app::notifications {

namespace {
SettingsOpener &settingsOpener()
{
    static SettingsOpener opener;
    return opener;
}

bool openSettings(QWidget *over)
{
    if (const SettingsOpener &open = settingsOpener())
        return open();
    return platform::openApplicationSettings(over);
}
} // namespace

void setApplicationSettingsOpener(SettingsOpener opener)
{
    settingsOpener() = std::move(opener);
}

void showNotEnabledAlert(QWidget *over, QPointer<platform::AlertController> &shown)
{
    // The alert is moved to the window it is shown over, so it is known by
    // its pointer rather than by its parent.
    if (shown && platform::AlertController::shownAlerts().contains(shown.data()))
        return;
    auto *alert = new platform::AlertController(QString::fromLatin1(notEnabledTitle),
                                                platform::localized("NotificationsNotEnabledMessage"), over);
    shown = alert;
    alert->addAction(platform::localized("ok"), platform::AlertController::ActionStyle::Cancel);
    QPointer<QWidget> screen(over);
    alert->addAction(platform::localized("settings"), platform::AlertController::ActionStyle::Destructive,
                     [screen] { QTimer::singleShot(0, qApp, [screen] { openSettings(screen); }); });
    alert->showOver(over);
}

} // namespace app::notifications
