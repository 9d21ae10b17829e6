#pragma once

#include <functional>

namespace screens {

// What a reset of the Hijri adjustment reaches outside the screen. The
// defaults are the application's own (watch link, notification scheduler,
// widget reload); tests put doubles in their place.
struct ConverterServices
{
    std::function<void()> sendAdjustmentToWatch;
    // May throw notifications::CustomError; the screen ignores that failure.
    std::function<void()> rescheduleNotifications;
    std::function<void()> reloadWidgetTimelines;

    static ConverterServices application();
};

} // namespace screens
