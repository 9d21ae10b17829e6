// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/net/UrlSession.h"

#include "platform/net/linux/LoadedUrlSession.h"

namespace platform {

namespace {
std::shared_ptr<UrlSession> &installed()
{
    static std::shared_ptr<UrlSession> session;
    return session;
}
} // namespace

UrlSession &UrlSession::shared()
{
    std::shared_ptr<UrlSession> &session = installed();
    if (!session)
        session = LoadedUrlSession::besideProgram();
    return *session;
}

void UrlSession::install(std::shared_ptr<UrlSession> session)
{
    installed() = std::move(session);
}

} // namespace platform
