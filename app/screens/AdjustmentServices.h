// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <functional>

namespace app::screens {

// Where a change of the Hijri adjustment reaches outside the screen that made
// it, handed in by whoever makes the screen (the application's own in
// app/Composition.cpp, doubles in tests). An empty one is skipped.
struct AdjustmentServices
{
    std::function<void()> sendAdjustmentToWatch;
    // May throw notifications::CustomError; that failure is ignored.
    std::function<void()> rescheduleNotifications;
    std::function<void()> reloadWidgetTimelines;

    // After the new adjustment is saved: the watch is sent what is in
    // memory, then the notifications and the widgets follow.
    void adjustmentChanged() const;
};

} // namespace app::screens
