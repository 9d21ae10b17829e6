// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/watch/WatchSession.h"

#include <mutex>

namespace platform {

namespace {
std::mutex sessionMutex;
std::shared_ptr<WatchSession> &installedSession()
{
    static std::shared_ptr<WatchSession> session;
    return session;
}
} // namespace

bool WatchSession::isSupported()
{
    return defaultSession() != nullptr;
}

WatchSession *WatchSession::defaultSession()
{
    std::lock_guard lock(sessionMutex);
    return installedSession().get();
}

void WatchSession::setDefaultSession(std::shared_ptr<WatchSession> session)
{
    std::lock_guard lock(sessionMutex);
    installedSession() = std::move(session);
}

void WatchSession::setDelegate(WatchSessionDelegate *delegate)
{
    delegate_.store(delegate);
}

WatchSessionDelegate *WatchSession::delegate() const
{
    return delegate_.load();
}

} // namespace platform
