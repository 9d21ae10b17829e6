// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"

namespace app::cli {

// qamarly month [YYYY-MM] [--calendar gregorian|hijri] [--first-weekday N]
// [--json]: one month page laid out as the calendar view lays it out, with the
// other calendar's day in every cell as the calendar screen computes it.
int runMonth(Invocation &call);

} // namespace app::cli
