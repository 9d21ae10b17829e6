// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/Timeline.h"

#include "core/LocalizedNumber.h"

#include <algorithm>

namespace widget {

QString SimpleEntry::numberText(std::int64_t value) const
{
    const auto it = numberTexts.constFind(value);
    return it != numberTexts.constEnd() ? *it : core::localizedNumber(value);
}

QString policyName(TimelineReloadPolicy policy)
{
    return policy == TimelineReloadPolicy::atEnd ? QStringLiteral("atEnd") : QStringLiteral("never");
}

platform::Instant Timeline::endDate() const
{
    if (end)
        return *end;
    return entries.empty() ? platform::Instant{} : entries.back().date + std::chrono::hours(24);
}

std::optional<std::size_t> indexInForce(const Timeline &timeline, platform::Instant now)
{
    const auto &e = timeline.entries;
    if (e.empty() || now >= timeline.endDate())
        return std::nullopt;
    const auto after =
        std::upper_bound(e.begin(), e.end(), now,
                         [](platform::Instant t, const SimpleEntry &entry) { return t < entry.date; });
    if (after == e.begin())
        return std::nullopt;
    return static_cast<std::size_t>(after - e.begin() - 1);
}

std::optional<platform::Instant> nextEntryDate(const Timeline &timeline, platform::Instant now)
{
    const auto &e = timeline.entries;
    if (e.empty() || now >= timeline.endDate())
        return std::nullopt;
    const auto after =
        std::upper_bound(e.begin(), e.end(), now,
                         [](platform::Instant t, const SimpleEntry &entry) { return t < entry.date; });
    if (after == e.end())
        return timeline.endDate();
    return after->date;
}

bool needsNewTimeline(const Timeline &timeline, platform::Instant now)
{
    if (timeline.entries.empty())
        return true;
    return timeline.policy == TimelineReloadPolicy::atEnd && now >= timeline.entries.back().date;
}

} // namespace widget
