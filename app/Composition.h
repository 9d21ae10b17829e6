// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/pickerconverter/ConverterServices.h"
#include "app/screens/settings/SettingsServices.h"
#include "app/shell/TabScreens.h"

#include <vector>

namespace app {

// The application's tabs in order, each screen given the services it uses.
// The settings screen must end up at shell::settingsTabIndex.
const std::vector<shell::TabScreen> &tabScreens();

// What a reset of the Hijri adjustment reaches in the running application:
// the watch link, the notification scheduler and the widgets.
screens::ConverterServices converterServices();
// The same for a change of the adjustment on the settings screen.
screens::SettingsServices settingsServices();

} // namespace app
