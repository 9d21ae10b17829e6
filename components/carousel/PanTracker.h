// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QPointF>
#include <deque>

namespace components {

// Turns one pointer's press, moves and release into the carousel's pan and
// tap: a pan begins once the pointer has moved past the threshold (along the
// scrolling axis only, when perpendicular swipes are ignored); a press that
// never becomes a pan is a tap. Times are seconds of the carousel's clock.
class PanTracker
{
public:
    enum class Action
    {
        none,
        panBegan,
        panChanged,
        panEnded,
        tap,
        settle
    };

    void press(QPointF position, double time);
    Action move(QPointF position, double time);
    Action release(QPointF position, double time);
    // The pointer went away (window lost it, touch cancelled): a pan ends without a fling.
    Action cancel();

    bool active() const { return phase_ != Phase::idle; }
    bool panning() const { return phase_ == Phase::panning; }
    // Distance moved along the scrolling axis since the press.
    double translation() const { return translation_; }
    // Points per second along the axis over the last moments of movement.
    double velocity() const;

    bool vertical = false;
    bool ignorePerpendicularSwipes = true;
    double threshold = 10.0;
    // Movement older than this no longer counts towards the release velocity.
    static constexpr double velocityWindow = 0.1;

private:
    enum class Phase
    {
        idle,
        pressed,
        panning,
        refused
    };
    struct Sample
    {
        double time;
        double position;
    };
    double along(QPointF p) const { return vertical ? p.y() : p.x(); }
    void record(QPointF position, double time);

    Phase phase_ = Phase::idle;
    QPointF start_;
    double translation_ = 0.0;
    std::deque<Sample> samples_;
};

} // namespace components
