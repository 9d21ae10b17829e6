// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/defaults/UserDefaults.h"

#include <memory>

namespace platform {

// The application's own defaults (not the app-group suite the widget shares):
// "org.qamarly.Qamarly" in UserDefaults::configDirectory(). It is opened
// again when the config home changes.
std::shared_ptr<UserDefaults> standardUserDefaults();
// Replaces the standard defaults; nullptr returns to the file.
void installStandardUserDefaults(std::shared_ptr<UserDefaults> defaults);

} // namespace platform
