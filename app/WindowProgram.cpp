// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The window: a program of its own that `qamarly` runs in its place when the
// window opens.
#include "app/Composition.h"
#include "app/screens/calendar/HijriDayDialog.h"
#include "app/shell/ApplicationMain.h"

int main(int argc, char **argv)
{
    app::screens::installHijriDays();
    return app::shell::applicationMain(argc, argv, app::tabScreens());
}
