// One scheduling pass (30 converters, 59 requests) against its floor: making
// the 30 converters alone. Run: build/bench/notifications/bench_notifications
// Ratio: BM_SchedulingPass / BM_ThirtyConverters of the same run. The pass
// into the on-disk store is there to show what the disk adds.
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

// 5 December 2026, 12:00 UTC.
const platform::Instant now = platform::instantFromMSecs(1'796'472'000'000);

void BM_ThirtyConverters(benchmark::State &state)
{
    const platform::Calendar calendar = platform::Calendar::gregorian();
    for (auto _ : state) {
        for (int n = 0; n < app::notifications::NotificationScheduler::windowDays; ++n) {
            core::RGConv conv(calendar.startOfDay(*calendar.dateByAddingDays(n, now)));
            benchmark::DoNotOptimize(conv.hijriDate());
        }
    }
}

// What the worker does: plan with 30 converters, then 59 adds into the centre.
void BM_SchedulingPass(benchmark::State &state)
{
    platform::TestNotificationCenter center;
    for (auto _ : state) {
        center.removeAllPendingNotificationRequests();
        for (const auto &r : app::notifications::NotificationScheduler::plan(now, {true, true}))
            center.addNotificationRequest(r, [](const std::optional<QString> &) {});
        benchmark::DoNotOptimize(center.pending().size());
    }
}

// The whole reschedule as a caller sees it: clear, permission, hand-off to
// the worker and back, into the test double.
void BM_Reschedule(benchmark::State &state)
{
    platform::TestNotificationCenter center;
    app::notifications::NotificationScheduler scheduler(&center);
    for (auto _ : state) {
        scheduler.rescheduleNotifications();
        scheduler.waitForPasses();
    }
}

void BM_SchedulingPassIntoTheStore(benchmark::State &state)
{
    QTemporaryDir dir;
    platform::LocalNotificationCenter center(dir.filePath(QStringLiteral("notifications.sqlite")));
    for (auto _ : state) {
        center.removeAllPendingNotificationRequests();
        for (const auto &r : app::notifications::NotificationScheduler::plan(now, {true, true}))
            center.addNotificationRequest(r, [](const std::optional<QString> &) {});
    }
}

} // namespace

BENCHMARK(BM_ThirtyConverters)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchedulingPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Reschedule)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchedulingPassIntoTheStore)->Unit(benchmark::kMillisecond);

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
