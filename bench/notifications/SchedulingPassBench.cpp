// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// One scheduling pass (30 converters, 59 requests) into the on-disk store,
// against the same pass into the in-memory test double and against its floor,
// making the 30 converters alone.
// Run: build/bench/notifications/bench_notifications
// Ratios of the same run:
//   BM_SchedulingPassIntoTheStore / BM_SchedulingPass   what the disk adds (goal: at most 1.5)
//   BM_RescheduleIntoTheStore / BM_Reschedule           the same for the whole reschedule
//   BM_SchedulingPass / BM_ThirtyConverters             what planning adds to the converters
//   BM_ChangedPassIntoTheStore / BM_SchedulingPass      the disk's share when every pass's plan differs
// BM_AddEachIntoTheStore is the plan added one request at a time (a
// transaction each), as a caller without the bulk replace would.
// bench/notifications/ratios.py runs this interleaved and prints the ratios.
#include "app/notifications/NotificationScheduler.h"
#include "core/GlobalSettings.h"
#include "core/RGConv.h"
#include "platform/calendar/Calendar.h"
#include "platform/calendar/Clock.h"
#include "platform/notifications/LocalNotificationCenter.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "platform/system/Device.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using app::notifications::NotificationScheduler;

// 5 December 2026, 12:00 UTC.
const platform::Instant now = platform::instantFromMSecs(1'796'472'000'000);

platform::NotificationSettings alertsAllowed()
{
    platform::NotificationSettings s;
    s.authorizationStatus = platform::AuthorizationStatus::authorized;
    s.options = platform::AuthorizationOption::alert | platform::AuthorizationOption::badge;
    return s;
}

void BM_ThirtyConverters(benchmark::State &state)
{
    const platform::Calendar calendar = platform::Calendar::gregorian();
    for (auto _ : state) {
        for (int n = 0; n < NotificationScheduler::windowDays; ++n) {
            core::RGConv conv(calendar.startOfDay(*calendar.dateByAddingDays(n, now)));
            benchmark::DoNotOptimize(conv.hijriDate());
        }
    }
}

// What the worker does: plan with 30 converters, replace the pending
// requests with the plan at once, then ask for the pending requests (and
// ignore them). The suite's stamp in between is the same for both centres.
void pass(platform::UserNotificationCenter &center, benchmark::State &state)
{
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            center.replacePendingNotificationRequests(NotificationScheduler::plan(now, {true, true})));
        center.getPendingNotificationRequests(
            [](const QList<platform::NotificationRequest> &pending) { benchmark::DoNotOptimize(pending); });
    }
}

void BM_SchedulingPass(benchmark::State &state)
{
    platform::TestNotificationCenter center;
    pass(center, state);
}

void BM_SchedulingPassIntoTheStore(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::LocalNotificationCenter center(dir.filePath(QStringLiteral("notifications.sqlite")));
    pass(center, state);
    center.getPendingNotificationRequests([&state](const QList<platform::NotificationRequest> &pending) {
        if (pending.size() != 59)
            state.SkipWithError("the store does not hold the plan");
    });
}

// The same pass when the plan is never the one pending (the day moves on
// between passes): every row is replaced rather than renewed in place.
void BM_ChangedPassIntoTheStore(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::LocalNotificationCenter center(dir.filePath(QStringLiteral("notifications.sqlite")));
    const platform::Instant tomorrow = now + std::chrono::hours(24);
    bool nextDay = false;
    for (auto _ : state) {
        benchmark::DoNotOptimize(center.replacePendingNotificationRequests(
            NotificationScheduler::plan(nextDay ? tomorrow : now, {true, true})));
        center.getPendingNotificationRequests(
            [](const QList<platform::NotificationRequest> &pending) { benchmark::DoNotOptimize(pending); });
        nextDay = !nextDay;
    }
}

// The store's share alone: the same plan, made once, replacing the pending one.
void BM_ReplaceOnlyIntoTheStore(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::LocalNotificationCenter center(dir.filePath(QStringLiteral("notifications.sqlite")));
    const auto plan = NotificationScheduler::plan(now, {true, true});
    for (auto _ : state)
        benchmark::DoNotOptimize(center.replacePendingNotificationRequests(plan));
}

// And reading the plan back, as the pass's last step does.
void BM_PendingFromTheStore(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::LocalNotificationCenter center(dir.filePath(QStringLiteral("notifications.sqlite")));
    center.replacePendingNotificationRequests(NotificationScheduler::plan(now, {true, true}));
    for (auto _ : state) {
        center.getPendingNotificationRequests(
            [](const QList<platform::NotificationRequest> &pending) { benchmark::DoNotOptimize(pending); });
    }
}

void BM_AddEachIntoTheStore(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::LocalNotificationCenter center(dir.filePath(QStringLiteral("notifications.sqlite")));
    for (auto _ : state) {
        center.removeAllPendingNotificationRequests();
        for (const auto &r : NotificationScheduler::plan(now, {true, true}))
            center.addNotificationRequest(r, [](const std::optional<QString> &) {});
    }
}

// The whole reschedule as a caller sees it: clear, permission, hand-off to
// the worker, the pass, the stamp in the suite.
void reschedule(platform::UserNotificationCenter &center, benchmark::State &state)
{
    NotificationScheduler scheduler(&center);
    for (auto _ : state) {
        scheduler.rescheduleNotifications();
        scheduler.waitForPasses();
    }
}

void BM_Reschedule(benchmark::State &state)
{
    platform::TestNotificationCenter center;
    center.setSettings(alertsAllowed());
    reschedule(center, state);
}

void BM_RescheduleIntoTheStore(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::LocalNotificationCenter center(dir.filePath(QStringLiteral("notifications.sqlite")));
    center.setNotificationSettings(alertsAllowed());
    reschedule(center, state);
}

} // namespace

// Side by side, each measured in CPU and in wall time (the disk shows in the latter).
BENCHMARK(BM_ThirtyConverters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchedulingPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchedulingPassIntoTheStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ChangedPassIntoTheStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReplaceOnlyIntoTheStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PendingFromTheStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AddEachIntoTheStore)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reschedule)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_RescheduleIntoTheStore)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    qputenv("TZ", "UTC");
    qputenv("LC_ALL", "en_US.UTF-8");
    QCoreApplication app(argc, argv);
    platform::Device::reload();
    platform::Clock::install(std::make_shared<platform::FixedClock>(now));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
