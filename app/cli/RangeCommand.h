// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"

namespace app::cli {

// qamarly range FROM TO [--calendar gregorian|hijri] [--json]: the span the
// date range screen shows for the same two days.
int runRange(Invocation &call);

} // namespace app::cli
