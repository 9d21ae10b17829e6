// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/watch/testing/LoopbackWatchSession.h"

namespace platform {

void LoopbackWatchSession::activateSession()
{
    bool completeNow = false;
    {
        std::lock_guard lock(mutex_);
        ++activationRequests_;
        completeNow = activatesImmediately_;
    }
    if (completeNow)
        completeActivation(WatchSessionActivationState::activated);
}

WatchSessionActivationState LoopbackWatchSession::activationState() const
{
    std::lock_guard lock(mutex_);
    return state_;
}

std::optional<QString> LoopbackWatchSession::updateApplicationContext(const WatchContext &context)
{
    std::lock_guard lock(mutex_);
    if (refusal_)
        return refusal_;
    if (state_ != WatchSessionActivationState::activated)
        return QStringLiteral("The watch session has not been activated.");
    received_.append(context);
    return std::nullopt;
}

void LoopbackWatchSession::setActivatesImmediately(bool on)
{
    std::lock_guard lock(mutex_);
    activatesImmediately_ = on;
}

void LoopbackWatchSession::completeActivation(WatchSessionActivationState state,
                                              const std::optional<QString> &error)
{
    {
        std::lock_guard lock(mutex_);
        state_ = state;
    }
    if (WatchSessionDelegate *d = delegate())
        d->activationDidCompleteWithState(*this, state, error);
}

void LoopbackWatchSession::sendContextFromWatch(const WatchContext &context)
{
    if (WatchSessionDelegate *d = delegate())
        d->didReceiveApplicationContext(*this, context);
}

void LoopbackWatchSession::deactivate()
{
    {
        std::lock_guard lock(mutex_);
        state_ = WatchSessionActivationState::inactive;
    }
    if (WatchSessionDelegate *d = delegate())
        d->sessionDidBecomeInactive(*this);
    {
        std::lock_guard lock(mutex_);
        state_ = WatchSessionActivationState::notActivated;
    }
    if (WatchSessionDelegate *d = delegate())
        d->sessionDidDeactivate(*this);
}

void LoopbackWatchSession::refuseUpdates(const std::optional<QString> &error)
{
    std::lock_guard lock(mutex_);
    refusal_ = error;
}

int LoopbackWatchSession::activationRequests() const
{
    std::lock_guard lock(mutex_);
    return activationRequests_;
}

QList<WatchContext> LoopbackWatchSession::receivedContexts() const
{
    std::lock_guard lock(mutex_);
    return received_;
}

} // namespace platform
