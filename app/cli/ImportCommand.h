// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"

namespace app::cli {

// qamarly import FILE [--calendar NAME] [--json]: adds the events of an
// iCalendar file (an invitation, another program's export, "-" for standard
// input) to a calendar; events it holds already are left as they are unless
// the file has a later version.
int runImport(Invocation &call);

} // namespace app::cli
