// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/net/UrlSession.h"

#include <QHostAddress>

namespace platform {

namespace {
std::shared_ptr<UrlSession> &installed()
{
    static std::shared_ptr<UrlSession> session;
    return session;
}
} // namespace

std::shared_ptr<UrlSession> makeNetworkUrlSession();

bool UrlSession::isAllowedAddress(const QUrl &url, QString *why)
{
    auto refuse = [why](const QString &reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (!url.isValid() || url.host().isEmpty())
        return refuse(QStringLiteral("the address %1 is not valid").arg(url.toString()));
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("https"))
        return true;
    if (scheme != QLatin1String("http"))
        return refuse(QStringLiteral("the address %1 is neither https nor http").arg(url.toString()));
    const QString host = url.host().toLower();
    const QHostAddress address(host);
    if (host == QLatin1String("localhost") || (!address.isNull() && address.isLoopback()))
        return true;
    return refuse(
        QStringLiteral("plain http is refused for %1; only https leaves this machine").arg(url.host()));
}

UrlSession &UrlSession::shared()
{
    std::shared_ptr<UrlSession> &session = installed();
    if (!session)
        session = makeNetworkUrlSession();
    return *session;
}

void UrlSession::install(std::shared_ptr<UrlSession> session)
{
    installed() = std::move(session);
}

} // namespace platform
