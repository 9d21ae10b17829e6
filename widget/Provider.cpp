// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/Provider.h"

#include "core/SharedDefaults.h"
#include "platform/calendar/Clock.h"

#include <memory>
#include <mutex>

namespace widget {

namespace {

// Guards the converter's creation and every re-aiming of it. Recursive so a
// completion may ask the provider again.
std::recursive_mutex &providerMutex()
{
    static std::recursive_mutex m;
    return m;
}

std::unique_ptr<core::RGConv> &converterSlot()
{
    static std::unique_ptr<core::RGConv> c;
    return c;
}

std::int64_t storedAdjustment()
{
    const auto shared = core::sharedDefaults();
    return shared ? core::RGConv::storedAdjustment(*shared) : 0;
}

} // namespace

core::RGConv &Provider::sharedConverter()
{
    std::lock_guard lock(providerMutex());
    auto &slot = converterSlot();
    if (!slot)
        slot = std::make_unique<core::RGConv>(platform::Clock::current(), storedAdjustment());
    return *slot;
}

// The converter does not read the stored adjustment itself: each operation
// gives it the value once, so the thirty entries of one timeline cannot
// straddle a change saved while they are made. Called with the lock held.
void Provider::pinAdjustment()
{
    sharedConverter().setFixedAdjustment(storedAdjustment());
}

void Provider::resetSharedConverter()
{
    std::lock_guard lock(providerMutex());
    converterSlot().reset();
}

SimpleEntry Provider::entryFor(platform::Instant date)
{
    std::lock_guard lock(providerMutex());
    core::RGConv &conv = sharedConverter();
    const platform::Calendar gregorian = conv.gregorianCalendar();
    conv.setDate(date, gregorian);
    // setDate made new records, so this entry keeps its own.
    return SimpleEntry{date, conv.hijriDate(), conv.gregorianDate()};
}

SimpleEntry Provider::placeholder(const TimelineContext &) const
{
    std::lock_guard lock(providerMutex());
    pinAdjustment();
    return entryFor(platform::Clock::current());
}

void Provider::getSnapshot(const TimelineContext &,
                           const std::function<void(const SimpleEntry &)> &completion) const
{
    std::lock_guard lock(providerMutex());
    pinAdjustment();
    const SimpleEntry entry = entryFor(platform::Clock::current());
    if (completion)
        completion(entry);
}

void Provider::getTimeline(const TimelineContext &,
                           const std::function<void(const Timeline &)> &completion) const
{
    std::lock_guard lock(providerMutex());
    pinAdjustment(); // read once for all thirty entries
    const platform::Instant now = platform::Clock::current();
    const platform::Calendar today(platform::CalendarIdentifier::gregorian);
    const platform::Instant startOfToday = today.startOfDay(now);
    const platform::Calendar calendar = sharedConverter().gregorianCalendar();

    Timeline timeline;
    timeline.policy = TimelineReloadPolicy::atEnd;
    timeline.entries.reserve(timelineLength);
    for (int i = 0; i < timelineLength; ++i) {
        const platform::Instant sameWallClock =
            calendar.dateByAddingDays(i, startOfToday).value_or(startOfToday);
        // Adding days keeps the wall-clock time of startOfToday, which is not
        // midnight on a day whose midnight was skipped (01:00 in Sao Paulo on
        // 4 November 2018); every later entry must still start its own day.
        timeline.entries.push_back(entryFor(calendar.startOfDay(sameWallClock)));
    }
    // The last entry is today until the midnight after it.
    const platform::Instant afterLast =
        calendar.dateByAddingDays(timelineLength, startOfToday).value_or(startOfToday);
    timeline.end = calendar.startOfDay(afterLast);
    if (completion)
        completion(timeline);
}

} // namespace widget
