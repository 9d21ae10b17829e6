// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/AdjustmentServices.h"

#include <functional>

namespace platform {
class ViewController;
}

namespace app::screens {

// What the settings screen reaches outside itself, handed in by whoever
// makes it (the application's own in app/Composition.cpp, doubles in tests).
// An empty one is skipped.
struct SettingsServices : AdjustmentServices
{
    // Presents the wallpaper and notification screen over `presenter`. While
    // none is given, the screen offers no button for it.
    std::function<void(platform::ViewController &presenter)> presentMoreSettings;
    // Opens the store's page for rating the application; the rating prompt's
    // when none is given.
    std::function<void()> openRatingsPage;
};

} // namespace app::screens
