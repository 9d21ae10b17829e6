// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/FirstWeekday.h"

#include "core/SharedDefaults.h"

namespace core {

std::optional<int> storedFirstWeekday(const platform::UserDefaults &suite)
{
    const auto stored = suite.integer(keys::firstWeekday);
    if (!stored || *stored < 1 || *stored > 7)
        return std::nullopt;
    return static_cast<int>(*stored);
}

bool storeFirstWeekday(platform::UserDefaults &suite, std::optional<int> weekday)
{
    return suite.setValues(
        {{keys::firstWeekday, platform::UserDefaults::Value(std::int64_t{weekday.value_or(0)})}});
}

} // namespace core
