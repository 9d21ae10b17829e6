// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/defaults/UserDefaults.h"

#include <optional>

namespace core {

// The weekday the user chose to start weeks with (1 = Sunday ... 7 =
// Saturday), kept under keys::firstWeekday; none when the locale's own first
// day applies (nothing stored, 0, or a value that is no weekday).
std::optional<int> storedFirstWeekday(const platform::UserDefaults &suite);
// Stores `weekday`, or removes the choice for none. False when the suite
// could not keep it.
bool storeFirstWeekday(platform::UserDefaults &suite, std::optional<int> weekday);

} // namespace core
