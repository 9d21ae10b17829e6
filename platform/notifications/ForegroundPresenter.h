// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QObject>
#include <QString>

namespace platform {

class LocalNotificationCenter;

// The application's side of a delivery while it is in front: the agent calls
// Present before showing anything on the desktop.
class ForegroundPresenter : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.qamarly.NotificationPresenter")

public:
    explicit ForegroundPresenter(LocalNotificationCenter &center);

public Q_SLOTS:
    // True when the application took the notification (its delegate saw it
    // and asked for no banner); false when the agent should show it. A badge
    // below 0 means none.
    bool Present(const QString &identifier, const QString &title, const QString &body, int badge);

private:
    LocalNotificationCenter &center_;
};

} // namespace platform
