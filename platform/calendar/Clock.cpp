// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/calendar/Clock.h"

#include <atomic>

namespace platform {

namespace {
std::shared_ptr<Clock> &installedClock()
{
    static std::shared_ptr<Clock> clock;
    return clock;
}
} // namespace

Instant SystemClock::now() const
{
    return std::chrono::time_point_cast<std::chrono::milliseconds>(std::chrono::system_clock::now());
}

Instant Clock::current()
{
    auto clock = std::atomic_load(&installedClock());
    if (clock)
        return clock->now();
    return SystemClock().now();
}

void Clock::install(std::shared_ptr<Clock> clock)
{
    std::atomic_store(&installedClock(), std::move(clock));
}

} // namespace platform
