// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/carousel/PanTracker.h"

#include <cmath>

namespace components {

void PanTracker::press(QPointF position, double time)
{
    phase_ = Phase::pressed;
    start_ = position;
    translation_ = 0.0;
    samples_.clear();
    record(position, time);
}

void PanTracker::record(QPointF position, double time)
{
    samples_.push_back({time, along(position)});
    while (samples_.size() > 1 && time - samples_.front().time > velocityWindow)
        samples_.pop_front();
}

double PanTracker::velocity() const
{
    if (samples_.size() < 2)
        return 0.0;
    const Sample &first = samples_.front();
    const Sample &last = samples_.back();
    const double elapsed = last.time - first.time;
    if (elapsed < 1e-3)
        return 0.0;
    return (last.position - first.position) / elapsed;
}

PanTracker::Action PanTracker::move(QPointF position, double time)
{
    if (phase_ == Phase::idle || phase_ == Phase::refused)
        return Action::none;
    record(position, time);
    const QPointF moved = position - start_;
    translation_ = along(moved);
    if (phase_ == Phase::panning)
        return Action::panChanged;
    if (std::hypot(moved.x(), moved.y()) < threshold)
        return Action::none;
    if (ignorePerpendicularSwipes) {
        const bool alongAxis = vertical ? std::fabs(moved.x()) <= std::fabs(moved.y())
                                        : std::fabs(moved.x()) >= std::fabs(moved.y());
        if (!alongAxis) {
            phase_ = Phase::refused;
            return Action::none;
        }
    }
    phase_ = Phase::panning;
    return Action::panBegan;
}

PanTracker::Action PanTracker::release(QPointF position, double time)
{
    const Phase was = phase_;
    if (was == Phase::idle)
        return Action::none;
    if (was == Phase::panning) {
        record(position, time);
        translation_ = along(position - start_);
    }
    phase_ = Phase::idle;
    switch (was) {
    case Phase::panning:
        return Action::panEnded;
    case Phase::pressed:
        return Action::tap;
    default:
        return Action::settle;
    }
}

PanTracker::Action PanTracker::cancel()
{
    const Phase was = phase_;
    phase_ = Phase::idle;
    samples_.clear();
    if (was == Phase::panning)
        return Action::panEnded;
    return was == Phase::idle ? Action::none : Action::settle;
}

} // namespace components
