// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <memory>

namespace platform {

// Where "now" comes from. Tests install a fixed clock; the programs use the system's.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual Instant now() const = 0;

    static Instant current();
    // Replaces the process clock; pass nullptr to return to the system clock.
    static void install(std::shared_ptr<Clock> clock);
};

class SystemClock final : public Clock
{
public:
    Instant now() const override;
};

class FixedClock final : public Clock
{
public:
    explicit FixedClock(Instant at) : at_(at) {}
    Instant now() const override { return at_; }
    void set(Instant at) { at_ = at; }
    void advance(std::chrono::milliseconds by) { at_ += by; }

private:
    Instant at_;
};

} // namespace platform
