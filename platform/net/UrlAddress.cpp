// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The addresses any session may ask, apart from the session itself, so that
// the network module carries none of the process's session state.
#include "platform/net/UrlSession.h"

#include <arpa/inet.h>
#include <netinet/in.h>

namespace platform {

namespace {
// A numeric loopback address: 127.0.0.0/8, ::1, or 127.x mapped into IPv6.
bool isLoopback(const QString &host)
{
    const QByteArray text = host.toLatin1();
    in_addr v4{};
    if (::inet_pton(AF_INET, text.constData(), &v4) == 1)
        return (ntohl(v4.s_addr) >> 24) == 127;
    in6_addr v6{};
    if (::inet_pton(AF_INET6, text.constData(), &v6) != 1)
        return false;
    return IN6_IS_ADDR_LOOPBACK(&v6) || (IN6_IS_ADDR_V4MAPPED(&v6) && v6.s6_addr[12] == 127);
}
} // namespace

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
    if (host == QLatin1String("localhost") || isLoopback(host))
        return true;
    return refuse(
        QStringLiteral("plain http is refused for %1; only https leaves this machine").arg(url.host()));
}

} // namespace platform
