// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QElapsedTimer>

namespace components {

// Seconds on a monotonic clock, for animations. Tests use ManualMediaClock so
// that nothing waits for real time.
class MediaClock
{
public:
    virtual ~MediaClock() = default;
    virtual double now() const = 0;
};

class SteadyMediaClock final : public MediaClock
{
public:
    SteadyMediaClock() { timer_.start(); }
    double now() const override { return static_cast<double>(timer_.nsecsElapsed()) / 1e9; }

private:
    QElapsedTimer timer_;
};

class ManualMediaClock final : public MediaClock
{
public:
    explicit ManualMediaClock(double start = 100.0) : now_(start) {}
    double now() const override { return now_; }
    void set(double seconds) { now_ = seconds; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
};

} // namespace components
