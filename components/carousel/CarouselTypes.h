// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

namespace components {

// Layout types, numbered as the carousel's users know them. Rotary is the one
// the application uses; linear, the two cylinders and custom are laid out too,
// the others fall back to linear placement.
enum class CarouselType : int
{
    linear = 0,
    rotary = 1,
    invertedRotary = 2,
    cylinder = 3,
    invertedCylinder = 4,
    wheel = 5,
    invertedWheel = 6,
    tiltedFlow = 7,
    tiltedFlow2 = 8,
    recedingStack = 9,
    invertedRecedingStack = 10,
    custom = 11,
};

// Options asked from the delegate with a default the carousel computes.
enum class CarouselOption : int
{
    wrap = 0,
    showBackfaces = 1,
    offsetMultiplier = 2,
    visibleItems = 3,
    count = 4,
    arc = 5,
    angle = 6,
    radius = 7,
    tilt = 8,
    spacing = 9,
    fadeMin = 10,
    fadeMax = 11,
    fadeRange = 12,
    fadeMinAlpha = 13,
};

namespace carouselconst {
inline constexpr int maxVisibleItems = 30;
// A ring never has fewer slots than this, so few items do not spread all round it.
inline constexpr int minRingSlots = 12;
inline constexpr double scrollDuration = 0.4;
// A settle onto the item already under the centre still runs as a (very short)
// animation so that the end-of-scroll notice follows every drag.
inline constexpr double settleDuration = 0.01;
inline constexpr double tickInterval = 1.0 / 60.0;
inline constexpr double decelerationMultiplier = 30.0;
inline constexpr double flingSpeedThreshold = 2.0;
inline constexpr double decelerationDistanceThreshold = 0.1;
inline constexpr double scrollDistanceThreshold = 0.1;
inline constexpr double floatTolerance = 1e-6;
inline constexpr double toggleMinDuration = 0.2;
inline constexpr double toggleMaxDuration = 0.4;
} // namespace carouselconst

} // namespace components
