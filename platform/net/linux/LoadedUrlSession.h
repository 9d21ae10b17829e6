// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/net/UrlSession.h"

namespace platform {

// The network's session, from a module loaded at the first request: Qt
// Network and what it maps (Kerberos, proxies, TLS) cost a window's start
// even when nothing is asked, and most starts ask nothing before their
// first frame. The module stays loaded for the rest of the run.
class LoadedUrlSession final : public UrlSession
{
public:
    static constexpr const char *moduleFileName = "qamarly-network.so";
    static constexpr const char *factoryName = "qamarly_network_session";

    explicit LoadedUrlSession(QString modulePath);
    // The module beside the running program, where the window's is.
    static std::shared_ptr<UrlSession> besideProgram();

    // A request the module cannot be loaded for ends with the reason.
    void dataTask(const UrlRequest &request, QObject *context, Completion completion) override;

    // The session the module at `path` makes, or none and why.
    static std::shared_ptr<UrlSession> load(const QString &path, QString *why);

private:
    QString modulePath_;
    std::shared_ptr<UrlSession> loaded_;
};

} // namespace platform
