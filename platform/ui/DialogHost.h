// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

class QWidget;

namespace platform {

// The window dialogs, alerts and message boxes open over when no screen
// names one: the main window once it is made. The active window is no
// answer: it is null at start, and on Wayland a dialog without a parent may
// open behind the window it is about.
void setMainWindow(QWidget *window);
QWidget *mainWindow();
// The main window, else the active one, else none.
QWidget *dialogHost();

// Return and Enter press the focused button, as Space does, in every window
// outside dialogs (which give them to their default button). Installed once
// for the application.
void installEnterActivatesButtons();

} // namespace platform
