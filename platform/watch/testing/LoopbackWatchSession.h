// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/watch/WatchSession.h"

#include <QList>
#include <mutex>

namespace platform {

// A watch session whose other end is played in-process, by a test or a
// preview: it records the contexts the application sends and lets the
// caller activate, deactivate and send contexts as the watch would. Each
// "watch" call reaches the delegate on the thread that makes it, as a real
// session's callbacks may arrive on any thread.
class LoopbackWatchSession final : public WatchSession
{
public:
    void activateSession() override;
    WatchSessionActivationState activationState() const override;
    // Refused while the session is not activated, or with the error set by
    // refuseUpdates().
    std::optional<QString> updateApplicationContext(const WatchContext &context) override;

    // When on (the default is off), activateSession() completes at once as
    // activated; otherwise the caller completes it with completeActivation().
    void setActivatesImmediately(bool on);
    void completeActivation(WatchSessionActivationState state, const std::optional<QString> &error = {});
    // The watch sends its application context to the phone.
    void sendContextFromWatch(const WatchContext &context);
    // The watch goes away: inactive, then deactivated.
    void deactivate();
    // Every update is refused with `error` (none: accept again).
    void refuseUpdates(const std::optional<QString> &error);

    int activationRequests() const;
    // Contexts the watch has received, oldest first.
    QList<WatchContext> receivedContexts() const;

private:
    mutable std::mutex mutex_;
    WatchSessionActivationState state_ = WatchSessionActivationState::notActivated;
    bool activatesImmediately_ = false;
    std::optional<QString> refusal_;
    int activationRequests_ = 0;
    QList<WatchContext> received_;
};

} // namespace platform
