#pragma once

#include "app/cli/CommandLine.h"

namespace cli {

int runToday(Invocation &call);
int runConvert(Invocation &call);

} // namespace cli
