// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>

namespace app::store {

// Compares two texts with every run of digits taken by its value, so "1.9"
// comes before "1.10" and "13.10" after "13.9". Negative, zero or positive.
int compareNumerically(const QString &a, const QString &b);

// Two dotted versions compare part by part, a missing part counting as 0,
// so "12" and "12.0" are the same version; anything else compares
// numerically as above.
int compareVersions(const QString &a, const QString &b);

// Digits separated by single dots: "2", "1.10.3". Not "", "1..2", "v2", "2.".
bool isDottedVersion(const QString &text);

} // namespace app::store
