// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace platform {

// The application's information keys and the store it is published in.
struct BundleInfo
{
    QString displayName;
    QString bundleName;
    QString shortVersion;
    QString bundleVersion;
    QString bundleIdentifier;
    // Where the store's lookup service and its pages are; empty when this
    // build names no store.
    QUrl storeLookupUrl;
    QUrl storePageUrl;
    // Where users reach the maker: the support mailbox, the page listing the
    // maker's other applications, and the social page, first as the social
    // application's own address, then on the web.
    QString supportEmail;
    QUrl makerAppsUrl;
    QUrl socialAppUrl;
    QUrl socialWebUrl;

    // The installed information, else this build's.
    static BundleInfo main();
    // nullopt returns to this build's.
    static void install(std::optional<BundleInfo> info);
};

} // namespace platform
