// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/linux/Recurrence.h"

#include <QString>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace platform::ical {

// The zone an event's wall-clock times are read in.
class EventZone
{
public:
    virtual ~EventZone() = default;

    // The instant (ms since the epoch) of a wall-clock time. A time that
    // occurs twice is the first; a time skipped by a clock change moves on by
    // the length of the gap (RFC 5545 3.3.5). No value when the zone's rules
    // could not be followed within their budget.
    std::optional<std::int64_t> msecsAt(LocalSeconds local) const;
    // The wall-clock time at an instant (ms since the epoch).
    std::optional<LocalSeconds> localAt(std::int64_t msecs) const;

    // UTC, "…Z" times.
    static std::shared_ptr<const EventZone> utc();
    // A zone of the system's database by its id, or by a Windows zone name
    // (what Outlook writes); null when there is none of that name.
    static std::shared_ptr<const EventZone> named(const QString &name);
    // The device's zone, for floating times and whole days.
    static std::shared_ptr<const EventZone> device();

protected:
    // Seconds east of UTC at an instant given in seconds.
    virtual std::optional<int> offsetAt(std::int64_t utcSeconds) const = 0;
};

// A zone a calendar file defines itself (VTIMEZONE) under a name the system
// does not know. Its observances' rules are walked near each instant asked
// for, within a budget, so a rule such as "every second" costs a refusal, not
// a frozen window.
class DefinedZone final : public EventZone
{
public:
    struct Observance
    {
        LocalSeconds start = 0;
        int offsetFrom = 0;
        int offsetTo = 0;
        std::optional<RecurrenceRule> rule;
        std::vector<TimeValue> dates;
    };
    explicit DefinedZone(std::vector<Observance> observances);

    // Periods walked per lookup before the zone is given up on.
    static constexpr std::int64_t lookupBudget = 20000;

protected:
    std::optional<int> offsetAt(std::int64_t utcSeconds) const override;

private:
    // The last onset at or before the instant, as (instant, offset after).
    std::optional<std::optional<std::pair<std::int64_t, int>>> lastOnset(const Observance &observance,
                                                                         std::int64_t utcSeconds) const;
    std::vector<Observance> observances_;
};

} // namespace platform::ical
