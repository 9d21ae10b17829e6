// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "core/RGConv.h"
#include "widget/Timeline.h"

#include <functional>

namespace widget {

// The timeline provider of both widgets. Stateless itself; every entry comes
// from the process's one shared widget converter, re-aimed per entry. Calls
// are serialised, so hosts on other threads may call it too.
class Provider
{
public:
    static constexpr int timelineLength = 30;

    // An entry for now, returned directly.
    SimpleEntry placeholder(const TimelineContext &context) const;
    // An entry for now, passed to `completion` once before returning.
    void getSnapshot(const TimelineContext &context,
                     const std::function<void(const SimpleEntry &)> &completion) const;
    // Thirty entries at the local midnights of today and the next 29 days,
    // policy atEnd, passed to `completion` once before returning.
    void getTimeline(const TimelineContext &context,
                     const std::function<void(const Timeline &)> &completion) const;

    // The shared widget converter, made on first use for now with the stored
    // adjustment; it keeps that adjustment until the next timeline, snapshot
    // or placeholder reads it again.
    static core::RGConv &sharedConverter();
    // Tests: forget the shared converter so the next call makes it anew (in
    // the current zone, against the current suite).
    static void resetSharedConverter();

private:
    static SimpleEntry entryFor(platform::Instant date);
    static void pinAdjustment();
};

} // namespace widget
