// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QVariantMap>
#include <atomic>
#include <memory>
#include <optional>

namespace platform {

class WatchSession;

enum class WatchSessionActivationState
{
    notActivated,
    inactive,
    activated
};

// A dictionary exchanged with the companion watch application.
using WatchContext = QVariantMap;

// Told what the watch session does. The calls may arrive on any thread.
class WatchSessionDelegate
{
public:
    virtual ~WatchSessionDelegate() = default;
    virtual void activationDidCompleteWithState(WatchSession &session, WatchSessionActivationState state,
                                                const std::optional<QString> &error) = 0;
    virtual void didReceiveApplicationContext(WatchSession &session, const WatchContext &context) = 0;
    virtual void sessionDidBecomeInactive(WatchSession &session) = 0;
    virtual void sessionDidDeactivate(WatchSession &session) = 0;
};

// The link to a companion watch application. A desktop has no watch, so
// isSupported() is false and there is no default session unless a test (or
// a future backend) installs one.
class WatchSession
{
public:
    virtual ~WatchSession() = default;

    static bool isSupported();
    // The installed session; nullptr when watch connectivity is not supported.
    static WatchSession *defaultSession();
    // Installs the session defaultSession() returns; nullptr removes it.
    static void setDefaultSession(std::shared_ptr<WatchSession> session);

    void setDelegate(WatchSessionDelegate *delegate);
    WatchSessionDelegate *delegate() const;

    // Asks for activation; the outcome arrives at the delegate.
    virtual void activateSession() = 0;
    virtual WatchSessionActivationState activationState() const = 0;
    // Replaces the context the watch receives. Returns the error's
    // description when the session refuses it, nothing on success.
    virtual std::optional<QString> updateApplicationContext(const WatchContext &context) = 0;

private:
    std::atomic<WatchSessionDelegate *> delegate_{nullptr};
};

} // namespace platform
