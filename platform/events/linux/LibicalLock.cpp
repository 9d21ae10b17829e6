// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/LibicalLock.h"

extern "C" {
#include <libical/ical.h>
}

namespace platform::ical {

std::mutex &libicalMutex()
{
    static std::mutex mutex;
    return mutex;
}

void quietLibicalErrors()
{
    static std::once_flag once;
    std::call_once(once, [] { icalerror_set_errors_are_fatal(0); });
}

} // namespace platform::ical
