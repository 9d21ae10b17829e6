// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// A wallpaper card coming into the chooser, as the carousel loads it: the
// card is made and rasterized. The card with its blurred shadow is drawn once
// per process and then reused; compare the cached card and one drawn anew
// each time against a baseline card that only draws the wallpaper, without
// rounding or shadow.
#include "app/screens/wallpaper/WallpaperCard.h"
#include "bench/BenchSupport.h"
#include "components/visual/WallpaperBackground.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

using app::wallpaper::WallpaperCard;

const QSize cardSize = WallpaperCard::cardSizeFor(QSize(420, 760));

class PlainCard : public QWidget
{
public:
    explicit PlainCard(QString name) : name_(std::move(name)) { resize(cardSize); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        components::WallpaperBackground::paintWallpaper(painter, rect(), name_);
    }

private:
    QString name_;
};

const QString asset = QStringLiteral("wallpaper-7");

void BM_PlainCardBaseline(benchmark::State &state)
{
    for (auto _ : state) {
        PlainCard card(asset);
        benchmark::DoNotOptimize(card.grab());
    }
}
BENCHMARK(BM_PlainCardBaseline)->Unit(benchmark::kMicrosecond);

void BM_CachedShadowCard(benchmark::State &state)
{
    WallpaperCard::renderedCard(asset, cardSize, 1.0);
    for (auto _ : state) {
        WallpaperCard card(asset, cardSize);
        benchmark::DoNotOptimize(card.grab());
    }
}
BENCHMARK(BM_CachedShadowCard)->Unit(benchmark::kMicrosecond);

void BM_ShadowCardDrawnAnew(benchmark::State &state)
{
    for (auto _ : state) {
        WallpaperCard::clearRenderedCards();
        WallpaperCard card(asset, cardSize);
        benchmark::DoNotOptimize(card.grab());
    }
}
BENCHMARK(BM_ShadowCardDrawnAnew)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
