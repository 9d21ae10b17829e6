// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Where each occasion stands in the list the screen shows: the year's order
// from the new year on.
#pragma once

namespace occasionindex {

enum
{
    NY,
    ASH,
    RMD,
    FET,
    ARF,
    ADH
};

} // namespace occasionindex
