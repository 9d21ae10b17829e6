// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"

namespace app::notifications {

// qamarly notifications plan [--json] | pending [--json] | reschedule
int runNotificationsCommand(cli::Invocation &call);

} // namespace app::notifications
