// The date core against the plain way of making its records (a fresh ICU
// formatter for every record). Run: build/bench/core/bench_core
// Ratios: compare each BM_X with BM_X_Literal of the same run.
#include "LiteralDateCore.h"
#include "core/LocalizedNumber.h"
#include "core/RGConv.h"
#include "platform/calendar/Clock.h"
#include "platform/system/Device.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

platform::Instant start()
{
    return platform::instantFromMSecs(1'780'000'000'000);
}

void BM_RGConvNow(benchmark::State &state)
{
    for (auto _ : state) {
        core::RGConv conv(platform::Clock::current());
        benchmark::DoNotOptimize(conv.hijriDate());
    }
}
void BM_RGConvNow_Literal(benchmark::State &state)
{
    for (auto _ : state) {
        literal::Converter conv(platform::Clock::current());
        benchmark::DoNotOptimize(conv.hijri.day);
    }
}

template <bool hijriSide> void BM_SetDate(benchmark::State &state)
{
    core::RGConv conv(start());
    const platform::Calendar calendar = hijriSide ? conv.islamicCalendar() : conv.gregorianCalendar();
    std::int64_t n = 0;
    for (auto _ : state) {
        conv.setDate(start() + std::chrono::hours(24 * (n++ % 400)), calendar);
        benchmark::DoNotOptimize(conv.hijriDate());
    }
}
template <bool hijriSide> void BM_SetDate_Literal(benchmark::State &state)
{
    literal::Converter conv(start());
    const platform::Calendar calendar = hijriSide ? conv.islamicCalendar : conv.gregorianCalendar;
    std::int64_t n = 0;
    for (auto _ : state) {
        conv.setDate(start() + std::chrono::hours(24 * (n++ % 400)), calendar);
        benchmark::DoNotOptimize(conv.hijri.day);
    }
}

void BM_LocalizedNumber(benchmark::State &state)
{
    std::int64_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::localizedNumber(n++ % 2000));
}
void BM_LocalizedNumber_Literal(benchmark::State &state)
{
    std::int64_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(literal::localizedNumber(n++ % 2000));
}

BENCHMARK(BM_RGConvNow);
BENCHMARK(BM_RGConvNow_Literal);
BENCHMARK(BM_SetDate<false>)->Name("BM_SetDateGregorian");
BENCHMARK(BM_SetDate_Literal<false>)->Name("BM_SetDateGregorian_Literal");
BENCHMARK(BM_SetDate<true>)->Name("BM_SetDateHijri");
BENCHMARK(BM_SetDate_Literal<true>)->Name("BM_SetDateHijri_Literal");
BENCHMARK(BM_LocalizedNumber);
BENCHMARK(BM_LocalizedNumber_Literal);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    if (qgetenv("TZ").isEmpty())
        qputenv("TZ", "Asia/Riyadh");
    platform::Device::reload();
    // The same bytes or the comparison means nothing.
    core::RGConv fast(start());
    literal::Converter plain(start());
    if (!literal::sameRecord(plain.gregorian, *fast.gregorianDate()) ||
        !literal::sameRecord(plain.hijri, *fast.hijriDate())) {
        std::fprintf(stderr, "records differ from the literal ones\n");
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
