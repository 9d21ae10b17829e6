// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/shell/TabScreens.h"

#include <QStringList>
#include <vector>

namespace app::shell {

// Names the application, loads the device's locale and string tables, and
// lays the user interface out right to left under a right-to-left language.
void prepareApplication();

// The windowed application: makes the delegate and the main window with
// these tabs, launches, and runs the event loop until the window closes.
// When Qamarly already runs, hands the arguments to it and returns at once.
int applicationMain(int argc, char **argv, const std::vector<TabScreen> &tabs);

} // namespace app::shell
