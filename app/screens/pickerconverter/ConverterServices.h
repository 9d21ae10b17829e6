// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/screens/AdjustmentServices.h"

namespace app::screens {

// What the converter reaches outside itself: where a reset of the Hijri
// adjustment goes, and whether there is a settings tab to send the user to.
struct ConverterServices : AdjustmentServices
{
    // Whether the tab bar has a settings screen at its settings index; until
    // it does, the adjustment alert offers no way there rather than one that
    // lands on another screen.
    bool settingsTabShown = false;
};

} // namespace app::screens
