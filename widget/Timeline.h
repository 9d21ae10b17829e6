// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "widget/SimpleEntry.h"
#include "widget/WidgetFamily.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace widget {

// When the host asks for the next timeline: atEnd, once the last entry's date
// has been reached.
enum class TimelineReloadPolicy
{
    atEnd,
    never
};

QString policyName(TimelineReloadPolicy policy);

// Entries in ascending date order; each is today from its date until the
// next one's, the last until `end`.
struct Timeline
{
    std::vector<SimpleEntry> entries;
    TimelineReloadPolicy policy = TimelineReloadPolicy::atEnd;
    // The midnight after the last entry's day. Unknown (a timeline from an
    // older program), the last entry counts for a day of 24 hours at most.
    std::optional<platform::Instant> end;

    // When the last entry stops being today.
    platform::Instant endDate() const;
};

// What the host tells the provider about the widget it draws. The provider
// does not consult it; it exists so a call reads like the host's request.
struct TimelineContext
{
    WidgetFamily family = WidgetFamily::systemSmall;
    bool isPreview = false;
};

// The entry the host shows at `now`: the last one dated at or before it. No
// value when the timeline does not cover `now` (it is empty, `now` precedes
// it or comes at or after its end): another day must never pass for today.
std::optional<std::size_t> indexInForce(const Timeline &timeline, platform::Instant now);
// The date at which the shown entry changes next (the end of the timeline
// included), if any.
std::optional<platform::Instant> nextEntryDate(const Timeline &timeline, platform::Instant now);
// Whether the host should ask for a new timeline at `now`.
bool needsNewTimeline(const Timeline &timeline, platform::Instant now);

} // namespace widget
