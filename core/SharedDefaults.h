// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/defaults/UserDefaults.h"

#include <memory>

namespace core {

// The app group both deliverables belong to; its suite holds every setting.
inline constexpr const char *appGroupIdentifier = "group.org.qamarly.QamarlyTodayExtension";

// The app-group suite, opened on first use and kept for the life of the process.
std::shared_ptr<platform::UserDefaults> sharedDefaults();
// Tests: use this suite instead (nullptr reopens the real one at next use).
void setSharedDefaults(std::shared_ptr<platform::UserDefaults> suite);

namespace keys {
inline const QString adjustmentNumber = QStringLiteral("adjustmentNumber");
inline const QString wallpaperIndex = QStringLiteral("wallpaperIndex");
inline const QString dailyNotificationEnabled = QStringLiteral("dailyNotificationEnabled");
inline const QString todayAppBadgeEnabled = QStringLiteral("todayAppBadgeEnabled");
inline const QString enableOptionRequested = QStringLiteral("enableOptionRequested");
inline const QString enableNotificationsClicked = QStringLiteral("enableNotificationsClicked");
inline const QString lastRefreshDate = QStringLiteral("lastRefreshDate");
inline const QString firstWeekday = QStringLiteral("firstWeekday");
} // namespace keys

} // namespace core
