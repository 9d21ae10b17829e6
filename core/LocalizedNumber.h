// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <cstdint>

namespace core {

// A whole number in the digits and minus sign of the device's current locale,
// without grouping separators: for day, month and year numbers shown outside
// the date strings.
QString localizedNumber(std::int64_t value);

// A count with its noun, "%1 days", in the plural form the string table gives
// for `count` (English has two forms, Arabic six); "%1" becomes
// localizedNumber(count). The form is chosen by the size of the count, so
// -1 reads "-1 day". A form may leave the number out ("يومان").
QString localizedCount(const char *key, std::int64_t count);

} // namespace core
