// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QImage>

namespace widget {

// The picture of a Hijri day: the moon as it looks on that day of the month
// (a month begins with the first crescent), on a night sky. `side` in pixels.
QImage moonPicture(int hijriDay, int side);

// Fraction of the synodic month that has passed at the evening of `hijriDay`.
double moonAge(int hijriDay);

} // namespace widget
