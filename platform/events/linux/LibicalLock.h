// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <mutex>

namespace platform::ical {

// libical's zone tables and error state are process-wide and unguarded:
// every use of libical in the process holds this.
std::mutex &libicalMutex();
// A value libical cannot read is reported by the caller, never fatal.
void quietLibicalErrors();

} // namespace platform::ical
