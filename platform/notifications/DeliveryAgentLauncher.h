// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>

namespace platform {

// The delivery agent's program name; it is installed next to qamarly.
inline constexpr const char *deliveryAgentProgram = "qamarly-notifyd";

// Starts qamarly-notifyd (found next to the running program) unless one is
// already running for this user's notification store. Returns true when an
// agent runs or was started; one console line when it cannot be started.
bool startDeliveryAgentIfNeeded();
// Whether an agent holds the store's lock right now.
bool isDeliveryAgentRunning();
// The lock a running agent holds, in the config directory.
QString deliveryAgentLockPath();

} // namespace platform
