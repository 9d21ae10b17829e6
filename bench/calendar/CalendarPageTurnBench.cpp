// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Turning one month page of our calendar, with 42 subtitles computed as the
// calendar screen computes them (two converter re-aims per cell), beside
// turning one month of Qt's own QCalendarWidget, both drawn into an image.
// The parts of our turn are measured alone to show where the time goes. The
// goal: our turn within a quarter of a 60 Hz frame (4.2 ms).
#include "components/calendar/MonthCalendarView.h"
#include "components/calendar/OtherCalendarDaySource.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using components::MonthCalendarView;
using components::OtherCalendarDaySource;

constexpr QSize viewSize(390, 330);

// Pages from 1970 on: far more than the view keeps, so every turn is a fresh page.
struct OurCalendar
{
    OtherCalendarDaySource source{platform::CalendarIdentifier::gregorian};
    MonthCalendarView view;
    QImage image{viewSize, QImage::Format_ARGB32_Premultiplied};
    int page = 0;

    OurCalendar()
    {
        view.resize(viewSize);
        view.setDataSource(&source);
        page = view.model().currentPageIndex();
    }

    void turn()
    {
        page = (page + 1) % view.model().numberOfPages();
        view.setCurrentPage(view.model().pageStart(page), false);
        image.fill(Qt::white);
        view.render(&image);
    }
};

void BM_OurMonthPageTurn(benchmark::State &state)
{
    OurCalendar calendar;
    for (auto _ : state)
        calendar.turn();
}

void BM_QCalendarWidgetMonthTurn(benchmark::State &state)
{
    QCalendarWidget widget;
    widget.resize(viewSize);
    QImage image(viewSize, QImage::Format_ARGB32_Premultiplied);
    widget.setCurrentPage(2026, 12);
    widget.render(&image);
    for (auto _ : state) {
        widget.showNextMonth();
        image.fill(Qt::white);
        widget.render(&image);
    }
}

// The parts of our turn.
void BM_Part_42Subtitles(benchmark::State &state)
{
    OtherCalendarDaySource source(platform::CalendarIdentifier::gregorian);
    components::MonthCalendarModel model;
    const auto cells = model.cells(model.currentPageIndex());
    for (auto _ : state)
        for (const auto &cell : cells)
            benchmark::DoNotOptimize(source.otherDay(cell.date));
}

void BM_Part_CellsWithoutSubtitles(benchmark::State &state)
{
    components::MonthCalendarModel model;
    int page = model.currentPageIndex();
    for (auto _ : state) {
        page = (page + 1) % model.numberOfPages();
        benchmark::DoNotOptimize(model.cells(page));
    }
}

void BM_Part_PaintKnownPage(benchmark::State &state)
{
    OurCalendar calendar;
    calendar.turn();
    for (auto _ : state) {
        calendar.image.fill(Qt::white);
        calendar.view.render(&calendar.image);
    }
}

BENCHMARK(BM_OurMonthPageTurn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QCalendarWidgetMonthTurn)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Part_42Subtitles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Part_CellsWithoutSubtitles)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Part_PaintKnownPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen") : qgetenv("QT_QPA_PLATFORM"));
    // The converter reads the adjustment from a settings folder of its own here.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
