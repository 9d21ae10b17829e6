// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/shell/TabScreens.h"

#include <memory>
#include <vector>

namespace platform {
class TabBarController;
class Window;
} // namespace platform

namespace app::shell {

// The desktop's usual size for a phone-shaped application window; smaller
// screens get a window fitted to them.
inline constexpr int mainWindowWidth = 420;
inline constexpr int mainWindowHeight = 760;
inline constexpr int mainWindowMinimumWidth = 320;
inline constexpr int mainWindowMinimumHeight = 480;
// Where the window's place and size are remembered, in the application's
// standard defaults.
inline constexpr const char *mainWindowGeometryKey = "MainWindowGeometry";

// The main window: titled "Qamarly", resizable, its root a tab bar
// controller holding one screen per entry of `tabs`, titles looked up now.
// It opens where the user left it, or at the usual size fitted to the screen.
std::unique_ptr<platform::Window> makeMainWindow(const std::vector<TabScreen> &tabs);
// The window's menu: Qamarly's notification settings page (also on the
// desktop's Preferences shortcut) and Quit. makeMainWindow adds it.
void addApplicationMenu(platform::Window &window);
// The tab bar controller at the root of a window made by makeMainWindow.
platform::TabBarController *rootTabBarController(const platform::Window &window);

} // namespace app::shell
