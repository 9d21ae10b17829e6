#pragma once

#include "app/cli/CommandLine.h"

namespace cli {

// qamarly settings [--json] | qamarly settings set KEY VALUE
int runSettings(Invocation &call);

} // namespace cli
