// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

// What several benchmarks share: a clock of this thread's processor time, so
// the other programs of a busy machine do not count, and the main function of
// a benchmark that draws widgets.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <ctime>

namespace bench {

inline double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

// Processor seconds of one call of `work`, averaged over `calls`.
template <typename Work> double secondsPerCall(Work &&work, int calls)
{
    const double start = threadSeconds();
    for (int i = 0; i < calls; ++i)
        work();
    return (threadSeconds() - start) / calls;
}

// Runs the registered benchmarks in an application without a display unless
// one is asked for.
inline int runWidgetBenchmarks(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
