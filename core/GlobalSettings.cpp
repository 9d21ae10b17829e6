#include "core/GlobalSettings.h"

#include "core/RGConv.h"
#include "core/SharedDefaults.h"
#include "platform/ImageAssets.h"

#include <mutex>

namespace core {

namespace {

std::mutex wallpaperMutex;
QString &wallpaperName()
{
    static QString name;
    return name;
}

std::unique_ptr<GlobalSettings> &sharedInstance()
{
    static std::unique_ptr<GlobalSettings> instance;
    return instance;
}

std::int64_t readInteger(platform::UserDefaults &suite, const QString &key, std::int64_t fallback)
{
    if (const auto v = suite.integer(key))
        return *v;
    suite.setInteger(key, fallback);
    return fallback;
}

bool readBoolean(platform::UserDefaults &suite, const QString &key, bool fallback)
{
    if (const auto v = suite.boolean(key))
        return *v;
    suite.setBoolean(key, fallback);
    return fallback;
}

} // namespace

GlobalSettings &GlobalSettings::shared()
{
    auto &instance = sharedInstance();
    if (!instance)
        instance = std::make_unique<GlobalSettings>(sharedDefaults());
    return *instance;
}

void GlobalSettings::resetShared()
{
    sharedInstance().reset();
    setCurrentWallpaperName(QString());
}

GlobalSettings::GlobalSettings(std::shared_ptr<platform::UserDefaults> suite) : suite_(std::move(suite))
{
    load();
}

void GlobalSettings::load()
{
    platform::UserDefaults &s = *suite_;
    adjustmentNumber = RGConv::usableAdjustment(readInteger(s, keys::adjustmentNumber, 0));
    wallpaperIndex = readInteger(s, keys::wallpaperIndex, defaultWallpaperIndex);
    dailyNotificationEnabled = readBoolean(s, keys::dailyNotificationEnabled, true);
    todayAppBadgeEnabled = readBoolean(s, keys::todayAppBadgeEnabled, true);
    enableOptionRequested = readBoolean(s, keys::enableOptionRequested, false);
    enableNotificationsClicked = readBoolean(s, keys::enableNotificationsClicked, false);
    s.flush();
    const QString asset = wallpaperAssetName(wallpaperIndex);
    if (platform::ImageAssets::contains(asset))
        setCurrentWallpaperName(asset);
}

bool GlobalSettings::save()
{
    platform::UserDefaults &s = *suite_;
    s.setInteger(keys::adjustmentNumber, adjustmentNumber);
    s.setInteger(keys::wallpaperIndex, wallpaperIndex);
    s.setBoolean(keys::dailyNotificationEnabled, dailyNotificationEnabled);
    s.setBoolean(keys::todayAppBadgeEnabled, todayAppBadgeEnabled);
    s.setBoolean(keys::enableOptionRequested, enableOptionRequested);
    s.setBoolean(keys::enableNotificationsClicked, enableNotificationsClicked);
    return s.flush();
}

QString GlobalSettings::currentWallpaperName()
{
    std::lock_guard lock(wallpaperMutex);
    return wallpaperName();
}

void GlobalSettings::setCurrentWallpaperName(const QString &assetName)
{
    std::lock_guard lock(wallpaperMutex);
    wallpaperName() = assetName;
}

QString GlobalSettings::wallpaperAssetName(std::int64_t index)
{
    return QStringLiteral("wallpaper-") + QString::number(index);
}

} // namespace core
