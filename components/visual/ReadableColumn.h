// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>

class QScrollArea;
class QWidget;

namespace components {

// Screens over a wallpaper keep their content readable at any window size:
// the content keeps its natural height and scrolls when the window is
// shorter, and on wide windows it stays a centred column of at most
// `maxWidth` pixels while the wallpaper fills the rest.
//
// Moves everything `background` lays out into a scroll area that fills it.
// The scroll area and the page inside it are see-through, so the wallpaper
// stays behind; the page is named "<background's name>Page".
QScrollArea *makeReadableColumn(QWidget *background, int maxWidth);

// The usual widest column for a screen of text and controls.
inline constexpr int readableColumnWidth = 520;

// Style sheet rules every screen over a wallpaper shares: translucent dark
// panels behind text and controls, so that no wallpaper's light parts (a
// moon, a glow) show through them, and a focus ring that shows on light and
// dark alike.
QString legibilityStyleSheet();
// The panels' darkness (alpha of black, 0 to 255).
inline constexpr int legibilityPanelAlpha = 200;
// The focus ring's colour: a warm yellow that reads on the dark panels, the
// white buttons and the blue tab bar.
inline constexpr const char *focusRingColor = "#ffc83d";

} // namespace components
