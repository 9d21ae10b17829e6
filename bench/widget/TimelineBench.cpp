// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The widget's timeline against its floor: thirty converters made alone.
// Run both side by side and read the ratio of their times.
#include "core/RGConv.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/Calendar.h"
#include "platform/calendar/Clock.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/system/Device.h"
#include "widget/Provider.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void prepare()
{
    static QTemporaryDir home;
    static bool done = false;
    if (done)
        return;
    done = true;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    platform::Device::override(QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh"));
    auto suite = platform::UserDefaults::open(
        platform::UserDefaults::suitePath(QString::fromLatin1(core::appGroupIdentifier)));
    suite->setInteger(core::keys::adjustmentNumber, 1);
    core::setSharedDefaults(platform::UserDefaults::openReadOnly(suite->path()));
}

void ThirtyConvertersAlone(benchmark::State &state)
{
    prepare();
    const platform::Calendar calendar(platform::CalendarIdentifier::gregorian);
    const platform::Instant start = calendar.startOfDay(platform::Clock::current());
    for (auto _ : state) {
        for (int i = 0; i < 30; ++i) {
            core::RGConv conv(*calendar.dateByAddingDays(i, start));
            benchmark::DoNotOptimize(conv.hijriDate());
        }
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(ThirtyConvertersAlone)->Unit(benchmark::kMicrosecond);

void GetTimeline(benchmark::State &state)
{
    prepare();
    widget::Provider provider;
    for (auto _ : state) {
        provider.getTimeline({},
                             [](const widget::Timeline &t) { benchmark::DoNotOptimize(t.entries.data()); });
    }
    state.SetItemsProcessed(state.iterations() * 30);
}
BENCHMARK(GetTimeline)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
