// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/store/StoreEndpoint.h"

#include "platform/bundle/BundleInfo.h"
#include "platform/defaults/StandardUserDefaults.h"
#include "platform/net/UrlSession.h"

namespace app::store {

namespace {
std::optional<QString> problemWith(const QUrl &base, const QString &source)
{
    if (base.isEmpty())
        return QStringLiteral("no store is configured (set QAMARLY_STORE_URL or the StoreURL setting)");
    QString why;
    if (!platform::UrlSession::isAllowedAddress(base, &why))
        return QStringLiteral("the store address from %1 is refused: %2").arg(source, why);
    return std::nullopt;
}

QUrl join(const QUrl &base, const QString &path, const QUrlQuery &query)
{
    QUrl url = base;
    QString prefix = base.path();
    while (prefix.endsWith(QLatin1Char('/')))
        prefix.chop(1);
    url.setPath(prefix + path);
    url.setQuery(query);
    url.setFragment(QString());
    return url;
}
} // namespace

StoreEndpoint StoreEndpoint::resolve()
{
    StoreEndpoint endpoint;
    QString source;
    const QString fromEnvironment = qEnvironmentVariable("QAMARLY_STORE_URL").trimmed();
    const QString fromSetting =
        platform::standardUserDefaults()->string(QStringLiteral("StoreURL")).value_or(QString()).trimmed();
    if (!fromEnvironment.isEmpty()) {
        endpoint.lookupBase = endpoint.pageBase = QUrl(fromEnvironment, QUrl::StrictMode);
        source = QStringLiteral("QAMARLY_STORE_URL");
    } else if (!fromSetting.isEmpty()) {
        endpoint.lookupBase = endpoint.pageBase = QUrl(fromSetting, QUrl::StrictMode);
        source = QStringLiteral("the StoreURL setting");
    } else {
        const platform::BundleInfo bundle = platform::BundleInfo::main();
        endpoint.lookupBase = bundle.storeLookupUrl;
        endpoint.pageBase = bundle.storePageUrl;
        source = QStringLiteral("the bundle information");
    }
    endpoint.lookupProblem = problemWith(endpoint.lookupBase, source);
    endpoint.pageProblem = problemWith(endpoint.pageBase, source);
    return endpoint;
}

QUrl StoreEndpoint::lookupUrl(const QString &path, const QUrlQuery &query) const
{
    return lookupProblem ? QUrl() : join(lookupBase, path, query);
}

QUrl StoreEndpoint::pageUrl(const QString &path, const QUrlQuery &query) const
{
    return pageProblem ? QUrl() : join(pageBase, path, query);
}

} // namespace app::store
