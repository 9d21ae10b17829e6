#pragma once

#include "core/RGDate.h"
#include "platform/calendar/Instant.h"

namespace widget {

// One timeline entry: shown from `date` on; the day seen on both calendars.
// The records are shared, immutable, and belong to this entry alone.
struct SimpleEntry
{
    platform::Instant date;
    core::RGDatePtr hijriDate;
    core::RGDatePtr gregorianDate;
};

} // namespace widget
