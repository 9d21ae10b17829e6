// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/bundle/BundleInfo.h"

#include "platform/localization/Localization.h"

#include <mutex>

namespace platform {

namespace {
std::mutex mutex;

std::optional<BundleInfo> &installed()
{
    static std::optional<BundleInfo> info;
    return info;
}

BundleInfo builtIn()
{
    BundleInfo info;
    info.bundleName = QStringLiteral("Qamarly");
    const QString localizedName = localized("app.name");
    info.displayName = localizedName == QLatin1String("app.name") ? info.bundleName : localizedName;
    info.shortVersion = QStringLiteral(QAMARLY_VERSION);
    info.bundleVersion = QStringLiteral(QAMARLY_VERSION);
    info.bundleIdentifier = QStringLiteral("org.qamarly.Qamarly");
    // A distribution that publishes Qamarly in a store names it at build time.
    info.storeLookupUrl = QUrl(QStringLiteral(QAMARLY_STORE_LOOKUP_URL));
    info.storePageUrl = QUrl(QStringLiteral(QAMARLY_STORE_PAGE_URL));
    info.supportEmail = QStringLiteral("support@qamarly.org");
    info.makerAppsUrl = QUrl(QStringLiteral("https://qamarly.org/apps"));
    info.socialAppUrl = QUrl(QStringLiteral("fb://page/qamarly"));
    info.socialWebUrl = QUrl(QStringLiteral("https://www.facebook.com/qamarly"));
    return info;
}
} // namespace

BundleInfo BundleInfo::main()
{
    std::lock_guard lock(mutex);
    return installed() ? *installed() : builtIn();
}

void BundleInfo::install(std::optional<BundleInfo> info)
{
    std::lock_guard lock(mutex);
    installed() = std::move(info);
}

} // namespace platform
