#pragma once

#include <functional>

namespace app::screens {

// What a reset of the Hijri adjustment reaches outside the screen, handed in
// by whoever makes the screen (the application's own in app/Composition.cpp,
// doubles in tests). An empty one is skipped.
struct ConverterServices
{
    std::function<void()> sendAdjustmentToWatch;
    // May throw notifications::CustomError; the screen ignores that failure.
    std::function<void()> rescheduleNotifications;
    std::function<void()> reloadWidgetTimelines;
    // Whether the tab bar has a settings screen at its settings index; until
    // it does, the adjustment alert offers no way there rather than one that
    // lands on another screen.
    bool settingsTabShown = false;
};

} // namespace app::screens
