// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// One carousel tick as a frame sees it: the engine's step (offsets, loading,
// the 4x4 transforms of the 12 loaded containers), the depth order, and the
// offscreen paint of every container's image in perspective. Reported as a
// share of the 16.7 ms a 60 Hz frame allows, beside a baseline that only blits
// the same twelve images flat.
#include "bench/BenchSupport.h"
#include "components/carousel/Carousel.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using components::Carousel;
using components::CarouselOption;

constexpr double frameSeconds = 1.0 / 60.0;

class Wallpapers final : public components::CarouselDataSource, public components::CarouselDelegate
{
public:
    int numberOfItemsInCarousel(Carousel *) override { return 29; }
    QWidget *viewForItemAtIndex(Carousel *carousel, int index, QWidget *) override
    {
        auto *card = new QLabel(QString::number(index));
        card->setAlignment(Qt::AlignCenter);
        card->setStyleSheet(QStringLiteral("background: hsl(%1, 60%, 50%); color: white; font: bold 40px; "
                                           "border-radius: 16px;")
                                .arg(index * 12 % 360));
        card->resize(qRound(carousel->width() / 1.9), qRound(carousel->height() * 0.8));
        return card;
    }
    double valueForOption(Carousel *, CarouselOption option, double withDefault) override
    {
        if (option == CarouselOption::wrap)
            return 0.0;
        if (option == CarouselOption::arc)
            return withDefault * 0.35;
        if (option == CarouselOption::spacing)
            return withDefault * 1.2;
        return withDefault;
    }
};

struct Scene
{
    std::shared_ptr<components::ManualMediaClock> clock = std::make_shared<components::ManualMediaClock>();
    Wallpapers wallpapers;
    Carousel carousel{nullptr, clock};
    QImage frame{420, 760, QImage::Format_ARGB32_Premultiplied};

    Scene()
    {
        carousel.resize(frame.size());
        carousel.setType(components::CarouselType::rotary);
        carousel.setDelegate(&wallpapers);
        carousel.setDataSource(&wallpapers);
        carousel.layoutIfNeeded();
        carousel.scrollToItemAtIndex(14, false);
        while (carousel.isAnimating())
            tick();
        paint(); // every card rasterized once, as on screen
    }

    void tick()
    {
        clock->advance(frameSeconds);
        carousel.step();
    }

    void paint()
    {
        frame.fill(Qt::black);
        QPainter painter(&frame);
        carousel.paintItems(painter);
    }
};

void reportBudgetShare(benchmark::State &state)
{
    // time per iteration / 16.7 ms.
    state.counters["frame_budget_share"] = benchmark::Counter(
        frameSeconds, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Twelve containers moving between two neighbouring items: no views load.
void BM_CarouselTick(benchmark::State &state)
{
    Scene scene;
    int target = 15;
    for (auto _ : state) {
        if (!scene.carousel.isScrolling()) {
            target = target == 15 ? 14 : 15;
            scene.carousel.scrollToItemAtIndex(target, 2.0);
        }
        scene.tick();
        scene.carousel.engine().depthSortViews();
        scene.paint();
    }
    reportBudgetShare(state);
}
BENCHMARK(BM_CarouselTick)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// Sweeping end to end: views scroll out to the pool and in again, each new one rasterized.
void BM_CarouselTickWhileLoading(benchmark::State &state)
{
    Scene scene;
    int target = 28;
    for (auto _ : state) {
        if (!scene.carousel.isScrolling()) {
            target = target == 28 ? 0 : 28;
            scene.carousel.scrollToItemAtIndex(target, 1.0);
        }
        scene.tick();
        scene.carousel.engine().depthSortViews();
        scene.paint();
    }
    reportBudgetShare(state);
}
BENCHMARK(BM_CarouselTickWhileLoading)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// Baseline: the same twelve images drawn flat, without engine or transforms.
void BM_FlatBlitBaseline(benchmark::State &state)
{
    Scene scene;
    std::vector<QPixmap> images;
    for (QWidget *view : scene.carousel.visibleItemViews())
        images.push_back(view->parentWidget()->grab());
    for (auto _ : state) {
        scene.frame.fill(Qt::black);
        QPainter painter(&scene.frame);
        int x = -200;
        for (const QPixmap &image : images) {
            painter.drawPixmap(x, 40, image);
            x += 50;
        }
    }
    reportBudgetShare(state);
}
BENCHMARK(BM_FlatBlitBaseline)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
