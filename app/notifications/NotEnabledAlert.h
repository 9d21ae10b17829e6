// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QPointer>
#include <functional>

class QWidget;

namespace platform {
class AlertController;
}

namespace app::notifications {

// The alert's title, the fixed text the platform shows.
inline constexpr const char *notEnabledTitle = "NotificationsNotEnabled";

// Tells the user that notifications are not allowed and offers Qamarly's
// settings page. `shown` keeps the one alert of its screen: while it is up,
// no second one is stacked on it.
void showNotEnabledAlert(QWidget *over, QPointer<platform::AlertController> &shown);

// How the alert's "settings" button opens this application's page of the
// platform settings; returns false when it cannot. The platform's page by
// default; an empty opener puts that back.
using SettingsOpener = std::function<bool()>;
void setApplicationSettingsOpener(SettingsOpener opener);

} // namespace app::notifications
