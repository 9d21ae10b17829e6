#pragma once

#include "app/cli/CommandLine.h"

namespace notifications {

// qamarly notifications plan [--json] | pending [--json] | reschedule
int runNotificationsCommand(cli::Invocation &call);

} // namespace notifications
