#pragma once

#include "app/cli/CommandLine.h"

namespace app::notifications {

// qamarly notifications plan [--json] | pending [--json] | reschedule
int runNotificationsCommand(cli::Invocation &call);

} // namespace app::notifications
