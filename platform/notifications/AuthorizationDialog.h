// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/notifications/UserNotificationCenter.h"

namespace platform {

// The platform's permission dialog: asks whether Qamarly may show
// notifications and set its badge, without blocking the event loop. Answers
// false when the dialog is closed without a choice. Needs a QApplication.
void showAuthorizationDialog(AuthorizationOptions options, std::function<void(bool granted)> answer);

// Installs showAuthorizationDialog as the real centre's prompt, and the
// application's active state as the centre's foreground.
void installAuthorizationDialog();

} // namespace platform
