// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/GlobalSettings.h"

#include "core/RGConv.h"
#include "core/SharedDefaults.h"
#include "platform/bundle/ImageAssets.h"

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
    const auto v = suite.setDefault(key, platform::UserDefaults::Value(fallback));
    return std::get<std::int64_t>(v);
}

bool readBoolean(platform::UserDefaults &suite, const QString &key, bool fallback)
{
    const auto v = suite.setDefault(key, platform::UserDefaults::Value(fallback));
    return std::get<bool>(v);
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
    stored_ = current();
    const QString asset = wallpaperAssetName(wallpaperIndex);
    if (platform::ImageAssets::contains(asset))
        setCurrentWallpaperName(asset);
}

GlobalSettings::Stored GlobalSettings::current() const
{
    return Stored{adjustmentNumber,     wallpaperIndex,        dailyNotificationEnabled,
                  todayAppBadgeEnabled, enableOptionRequested, enableNotificationsClicked};
}

QList<std::pair<QString, platform::UserDefaults::Value>> GlobalSettings::changes() const
{
    using Value = platform::UserDefaults::Value;
    QList<std::pair<QString, Value>> result;
    auto integer = [&](const QString &key, std::int64_t now, std::int64_t before) {
        if (now != before)
            result.append({key, Value(now)});
    };
    auto boolean = [&](const QString &key, bool now, bool before) {
        if (now != before)
            result.append({key, Value(now)});
    };
    integer(keys::adjustmentNumber, adjustmentNumber, stored_.adjustmentNumber);
    integer(keys::wallpaperIndex, wallpaperIndex, stored_.wallpaperIndex);
    boolean(keys::dailyNotificationEnabled, dailyNotificationEnabled, stored_.dailyNotificationEnabled);
    boolean(keys::todayAppBadgeEnabled, todayAppBadgeEnabled, stored_.todayAppBadgeEnabled);
    boolean(keys::enableOptionRequested, enableOptionRequested, stored_.enableOptionRequested);
    boolean(keys::enableNotificationsClicked, enableNotificationsClicked, stored_.enableNotificationsClicked);
    return result;
}

QStringList GlobalSettings::changedKeys() const
{
    QStringList result;
    for (const auto &change : changes())
        result << change.first;
    return result;
}

bool GlobalSettings::save()
{
    platform::UserDefaults &s = *suite_;
    // Writing an unchanged field would put back a value this process read
    // long ago over one another process stored since.
    const auto pending = changes();
    // Where nothing outlives the process the change still reaches this
    // process's date core, but stays unsaved.
    if (!s.setValues(pending) || !s.canSave())
        return false;
    stored_ = current();
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
