#pragma once

#include "app/cli/CommandLine.h"

namespace app::cli {

int runToday(Invocation &call);
int runConvert(Invocation &call);

} // namespace app::cli
