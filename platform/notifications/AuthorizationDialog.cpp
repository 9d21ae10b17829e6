// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/AuthorizationDialog.h"

#include "platform/notifications/LocalNotificationCenter.h"
#include "platform/ui/PermissionDialog.h"

#include <QGuiApplication>

namespace platform {

void showAuthorizationDialog(AuthorizationOptions, std::function<void(bool)> answer)
{
    askPermission(QStringLiteral("notificationPermissionDialog"), QStringLiteral("notifications.permission"),
                  std::move(answer));
}

void installAuthorizationDialog()
{
    setAuthorizationPrompt(showAuthorizationDialog);
    LocalNotificationCenter::setDefaultForegroundProbe([] {
        return qobject_cast<QGuiApplication *>(QCoreApplication::instance()) &&
               QGuiApplication::applicationState() == Qt::ApplicationActive;
    });
}

} // namespace platform
