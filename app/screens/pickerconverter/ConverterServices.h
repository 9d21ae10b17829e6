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
};

} // namespace app::screens
