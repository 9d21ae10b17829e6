// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/cli/CommandLine.h"
#include "platform/events/EventStore.h"

#include <memory>

namespace app::cli {

// qamarly events [YYYY-MM-DD] [--json]: the calendar events of a Gregorian day
// (today by default) as the calendar tab lists them. The person running it
// owns the calendar files, so no access is asked.
int runEvents(Invocation &call);

// The calendar called `name` (its title, folder name or folder), or the
// first writable one when `name` is empty.
std::shared_ptr<const platform::EventCalendar> findCalendar(platform::EventStore &store, const QString &name);

} // namespace app::cli
