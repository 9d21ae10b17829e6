// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"

namespace app::cli {

// qamarly occasions [--json]: the six occasions of the current Hijri year as
// the occasions screen computes them, and the one its carousel opens on.
int runOccasions(Invocation &call);

} // namespace app::cli
