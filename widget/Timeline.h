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

// Entries in ascending date order.
struct Timeline
{
    std::vector<SimpleEntry> entries;
    TimelineReloadPolicy policy = TimelineReloadPolicy::atEnd;
};

// What the host tells the provider about the widget it draws. The provider
// does not consult it; it exists so a call reads like the host's request.
struct TimelineContext
{
    WidgetFamily family = WidgetFamily::systemSmall;
    bool isPreview = false;
};

// The entry the host shows at `now`: the last one dated at or before it (the
// first one when `now` precedes them all). No value for an empty timeline.
std::optional<std::size_t> indexInForce(const Timeline &timeline, platform::Instant now);
// The date at which the shown entry changes next, if any.
std::optional<platform::Instant> nextEntryDate(const Timeline &timeline, platform::Instant now);
// Whether the host should ask for a new timeline at `now`.
bool needsNewTimeline(const Timeline &timeline, platform::Instant now);

} // namespace widget
