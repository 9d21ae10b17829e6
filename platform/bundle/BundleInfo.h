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

    // The installed information, else this build's.
    static BundleInfo main();
    // nullopt returns to this build's.
    static void install(std::optional<BundleInfo> info);
};

} // namespace platform
