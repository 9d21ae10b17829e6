// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// One frame of a morphing label (character list and painting of a
// four-character label into an offscreen image) against painting a plain
// QLabel of the same text and font into the same image.
//
// Goal: a morphing frame within 10% of a 60 Hz frame (1.67 ms). The ratio
// morphing / plain (processor time, interleaved runs) and the frame's share
// of the 60 Hz budget are printed as counters of the morphing run.
#include "bench/BenchSupport.h"
#include "components/visual/MorphingLabel.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <ctime>

namespace {

constexpr int labelWidth = 320;
constexpr int labelHeight = 140;

QFont labelFont()
{
    QFont font;
    font.setPixelSize(96);
    font.setBold(true);
    return font;
}

// A label running the change "1446" -> "1447" (and back), one frame per call.
struct MorphingFixture
{
    components::MorphingLabel label;
    QImage image{labelWidth, labelHeight, QImage::Format_ARGB32_Premultiplied};
    MorphingFixture()
    {
        label.setFont(labelFont());
        label.setAlignment(Qt::AlignCenter);
        label.setFrameDuration(1.0 / 60.0);
        label.resize(labelWidth, labelHeight);
        label.setText(QStringLiteral("1446"));
        while (label.isMorphing())
            label.displayFrameTick();
        label.setText(QStringLiteral("1447"));
    }
    void frame()
    {
        label.displayFrameTick();
        if (!label.isMorphing())
            label.setText(label.text() == QStringLiteral("1447") ? QStringLiteral("1446")
                                                                 : QStringLiteral("1447"));
        image.fill(Qt::transparent);
        const auto limbo = label.model().limboList();
        benchmark::DoNotOptimize(limbo.data());
        label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    }
};

struct PlainFixture
{
    QLabel label;
    QImage image{labelWidth, labelHeight, QImage::Format_ARGB32_Premultiplied};
    PlainFixture()
    {
        label.setFont(labelFont());
        label.setAlignment(Qt::AlignCenter);
        label.resize(labelWidth, labelHeight);
        label.setText(QStringLiteral("1447"));
    }
    void frame()
    {
        image.fill(Qt::transparent);
        label.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    }
};

void BM_PlainLabelPaint(benchmark::State &state)
{
    PlainFixture plain;
    for (auto _ : state)
        plain.frame();
}

void BM_MorphingLabelFrame(benchmark::State &state)
{
    MorphingFixture morphing;
    if (!morphing.label.isMorphing()) {
        state.SkipWithError("the label is not morphing");
        return;
    }
    for (auto _ : state)
        morphing.frame();

    // The baseline side by side, interleaved so both see the same machine load.
    PlainFixture plain;
    double morphingSeconds = 0;
    double plainSeconds = 0;
    for (int round = 0; round < 5; ++round) {
        morphingSeconds += bench::secondsPerCall([&] { morphing.frame(); }, 180);
        plainSeconds += bench::secondsPerCall([&] { plain.frame(); }, 180);
    }
    // Processor time per frame; the ratio is against the plain label.
    state.counters["ratio"] = morphingSeconds / plainSeconds;
    state.counters["frame_ms"] = morphingSeconds / 5 * 1000.0;
    state.counters["budget_share"] = (morphingSeconds / 5) / (1.0 / 60.0);
}

BENCHMARK(BM_PlainLabelPaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_MorphingLabelFrame)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
