// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The date core against the plain way of making its records (a fresh ICU
// formatter for every record), and against two baselines: one ICU format of a
// full Umm al-Qura date, and a bare lookup in the day table.
// Run: build/bench/core/bench_core
// Ratios: compare each BM_X with BM_X_Literal of the same run, and
// BM_SetDateGregorian / BM_SetDateHijri with BM_Baseline_IcuFullDate.
#include "LiteralDateCore.h"
#include "core/DayTable.h"
#include "core/LocalizedNumber.h"
#include "core/RGConv.h"
#include "core/SharedDefaults.h"
#include "platform/calendar/Clock.h"
#include "platform/system/Device.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <memory>
#include <unicode/datefmt.h>
#include <unicode/timezone.h>

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

// One day of 2026 and its neighbours, in the years the argument names.
template <bool hijriSide> void BM_SetDateInYear(benchmark::State &state)
{
    const auto from = platform::instantFromMSecs(
        (core::DayTable::fromGregorian(state.range(0), 3, 1) * 86'400 + 43'200) * 1000);
    core::RGConv conv(from);
    const platform::Calendar calendar = hijriSide ? conv.islamicCalendar() : conv.gregorianCalendar();
    std::int64_t n = 0;
    for (auto _ : state) {
        conv.setDate(from + std::chrono::hours(24 * (n++ % 400)), calendar);
        benchmark::DoNotOptimize(conv.hijriDate());
    }
}

// What a single full-date format costs with ICU: the yardstick for one setDate.
void BM_Baseline_IcuFullDate(benchmark::State &state)
{
    const QByteArray locale = platform::Device::localeName().toLatin1() + "@calendar=islamic-umalqura";
    std::unique_ptr<icu::DateFormat> format(
        icu::DateFormat::createDateInstance(icu::DateFormat::kFull, icu::Locale(locale.constData())));
    format->adoptTimeZone(icu::TimeZone::createDefault());
    std::int64_t n = 0;
    for (auto _ : state) {
        icu::UnicodeString text;
        format->format(platform::udateOf(start() + std::chrono::hours(24 * (n++ % 400))), text);
        benchmark::DoNotOptimize(text);
    }
}

void BM_Baseline_TableLookup(benchmark::State &state)
{
    const std::int64_t from = core::DayTable::fromGregorian(2026, 1, 1);
    std::int64_t n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(core::DayTable::hijri(from + n++ % 400));
}

// The parts of one setDate, to show where its time goes.
void BM_Part_ReadAdjustment(benchmark::State &state)
{
    const auto suite = core::sharedDefaults();
    for (auto _ : state)
        benchmark::DoNotOptimize(core::RGConv::storedAdjustment(*suite));
}
void BM_Part_TwoRecords(benchmark::State &state)
{
    const core::RGConv conv(start());
    std::int64_t n = 0;
    for (auto _ : state) {
        const auto at = start() + std::chrono::hours(24 * (n++ % 400));
        benchmark::DoNotOptimize(core::RGDate(at, conv.gregorianCalendar()));
        benchmark::DoNotOptimize(core::RGDate(at, conv.islamicCalendar()));
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
BENCHMARK(BM_SetDateInYear<false>)->Name("BM_SetDateGregorianInYear")->Arg(1883)->Arg(2026)->Arg(2170);
BENCHMARK(BM_SetDateInYear<true>)->Name("BM_SetDateHijriInYear")->Arg(1883)->Arg(2026)->Arg(2170);
BENCHMARK(BM_Baseline_IcuFullDate);
BENCHMARK(BM_Baseline_TableLookup);
BENCHMARK(BM_Part_ReadAdjustment);
BENCHMARK(BM_Part_TwoRecords);
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
