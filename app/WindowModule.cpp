// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The window's side of the qamarly executable, loaded by main() only when the
// window opens.
#include "app/Composition.h"
#include "app/shell/ApplicationMain.h"

extern "C" __attribute__((visibility("default"))) int qamarly_window_main(int argc, char **argv)
{
    return app::shell::applicationMain(argc, argv, app::tabScreens());
}
