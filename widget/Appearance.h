// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

namespace widget {

// Light or dark drawing of a widget: the host's or the command line's choice.
enum class Appearance
{
    light,
    dark
};

} // namespace widget
