// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QDBusConnection>
#include <optional>

namespace platform::dbusnames {

// Where a running application takes deliveries while it is in front.
inline constexpr const char *presenterService = "org.qamarly.Qamarly";
inline constexpr const char *presenterPath = "/org/qamarly/Notifications";
inline constexpr const char *presenterInterface = "org.qamarly.NotificationPresenter";

inline constexpr const char *notificationsService = "org.freedesktop.Notifications";
inline constexpr const char *notificationsPath = "/org/freedesktop/Notifications";
inline constexpr const char *notificationsInterface = "org.freedesktop.Notifications";

inline constexpr const char *launcherInterface = "com.canonical.Unity.LauncherEntry";
inline constexpr const char *launcherPath = "/org/qamarly/Qamarly/LauncherEntry";
inline constexpr const char *launcherAppUri = "application://org.qamarly.Qamarly.desktop";
inline constexpr const char *desktopEntry = "org.qamarly.Qamarly";

// The session bus when one is configured. Never asks libdbus to autolaunch
// a bus (which could start one on a machine that has none).
std::optional<QDBusConnection> sessionBusIfAny();

} // namespace platform::dbusnames
