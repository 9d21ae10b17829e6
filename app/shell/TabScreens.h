// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <functional>
#include <vector>

namespace platform {
class ViewController;
}

namespace app::shell {

// One tab of the main window: how to make its screen, the string key of its
// title and the resource path of its icon (empty for none).
struct TabScreen
{
    std::function<platform::ViewController *()> make;
    const char *titleKey = "";
    QString iconPath;
};

// The settings screen's tab; other screens switch to it by this index.
inline constexpr int settingsTabIndex = 3;

} // namespace app::shell
