// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <cstdint>

namespace app::screens {

// The explanation of the round adjustment button: "adjmsg1 ( -2 ) days2 adjmsg2".
// The number is plain ASCII digits with its minus sign, whatever the locale,
// so it reads the same inside an Arabic sentence as on the settings screen.
QString adjustmentAlertMessage(std::int64_t adjustment);

// The wallpaper after `index` in the cycle 0 ... maxIndex, 0. An index outside
// that range (a suite edited by hand, an older version) starts the cycle
// again rather than naming an image that does not exist.
std::int64_t nextWallpaperIndex(std::int64_t index, std::int64_t maxIndex);

} // namespace app::screens
