#pragma once

#include "platform/UserDefaults.h"

#include <QString>
#include <memory>

namespace core {

// The process's one settings object over the app-group suite. Fields are
// changed in memory; save() writes them all back and is the only way a change
// reaches the suite, the date core and the other process.
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

    // Returns false when the suite could not keep the values (they stay in memory).
    bool save();

    const std::shared_ptr<platform::UserDefaults> &suite() const { return suite_; }

    // The process-wide current wallpaper, as the asset name it was found
    // under ("wallpaper-18"); empty until something sets it.
    static QString currentWallpaperName();
    static void setCurrentWallpaperName(const QString &assetName);
    static QString wallpaperAssetName(std::int64_t index);

private:
    void load();

    std::shared_ptr<platform::UserDefaults> suite_;
};

} // namespace core
