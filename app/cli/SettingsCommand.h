// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"

namespace app::cli {

// qamarly settings [--json] | qamarly settings set KEY VALUE
int runSettings(Invocation &call);

} // namespace app::cli
