// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"

namespace app::cli {

int runToday(Invocation &call);
int runConvert(Invocation &call);

} // namespace app::cli
