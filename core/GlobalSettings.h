// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/defaults/UserDefaults.h"

#include <QString>
#include <memory>

namespace core {

// The process's one settings object over the app-group suite. Fields are
// changed in memory; save() is the only way a change reaches the suite, the
// date core and the other process. It writes only the fields changed since
// the load or the last save, so a value another process stored meanwhile
// under a key this one did not touch stays.
class GlobalSettings
{
public:
    static constexpr std::int64_t wallpaperMaxIndex = 28;
    static constexpr std::int64_t defaultWallpaperIndex = 18;

    // Loads from sharedDefaults() on first use.
    static GlobalSettings &shared();
    // Tests: forget the shared object so the next shared() loads again.
    static void resetShared();

    explicit GlobalSettings(std::shared_ptr<platform::UserDefaults> suite);

    std::int64_t adjustmentNumber = 0;
    std::int64_t wallpaperIndex = defaultWallpaperIndex;
    bool dailyNotificationEnabled = true;
    bool todayAppBadgeEnabled = true;
    bool enableOptionRequested = false;
    bool enableNotificationsClicked = false;

    // Returns false when the suite could not keep the values (they stay in
    // memory, and stay unsaved for the next save to try again).
    bool save();
    // The keys save() would write now.
    QStringList changedKeys() const;

    const std::shared_ptr<platform::UserDefaults> &suite() const { return suite_; }

    // The process-wide current wallpaper, as the asset name it was found
    // under ("wallpaper-18"); empty until something sets it.
    static QString currentWallpaperName();
    static void setCurrentWallpaperName(const QString &assetName);
    static QString wallpaperAssetName(std::int64_t index);

private:
    struct Stored
    {
        std::int64_t adjustmentNumber;
        std::int64_t wallpaperIndex;
        bool dailyNotificationEnabled;
        bool todayAppBadgeEnabled;
        bool enableOptionRequested;
        bool enableNotificationsClicked;
    };

    void load();
    Stored current() const;
    QList<std::pair<QString, platform::UserDefaults::Value>> changes() const;

    // The values as last read from or written to the suite.
    Stored stored_{};
    std::shared_ptr<platform::UserDefaults> suite_;
};

} // namespace core
