// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The calendar tab's day query over a store of 2,000 events, one a file (a
// tenth of them recurring, most in a zone the file defines, some whole days),
// against its floor, a bare libical parse of the same files; and
// the time from making the tab to its listed day with that store.
#include "RealisticCalendars.h"
#include "app/screens/calendar/CalendarDay.h"
#include "app/screens/calendar/CalendarVC.h"
#include "bench/BenchSupport.h"
#include "platform/calendar/Clock.h"
#include "platform/events/linux/VdirEventStore.h"
#include "platform/events/testing/TestEventStore.h"
#include "platform/system/Device.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <benchmark/benchmark.h>

extern "C" {
#include <libical/ical.h>
}

namespace {

constexpr int eventCount = 2000;
constexpr int calendarCount = 4;

QTemporaryDir &home()
{
    static QTemporaryDir dir;
    return dir;
}

QString base()
{
    return home().path() + QStringLiteral("/data/qamarly/calendars");
}

QStringList &files()
{
    static QStringList list;
    return list;
}

platform::Instant queriedDay()
{
    return platform::instantFromMSecs(
        QDateTime(QDate(2026, 12, 7), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch());
}

void prepare()
{
    static bool done = false;
    if (done)
        return;
    done = true;
    qputenv("XDG_CONFIG_HOME", home().path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home().path() + QStringLiteral("/data")).toLocal8Bit());
    platform::Device::override(QStringLiteral("en_US"), QStringLiteral("UTC"));
    platform::Clock::install(std::make_shared<platform::FixedClock>(queriedDay() + std::chrono::hours(12)));
    platform::keepEventAccess(platform::EventAccessStatus::authorized);
    files() = bench::writeRealisticCalendars(base(), eventCount, calendarCount);
}

// The floor: read and parse every file once, nothing else.
void BareLibicalParse(benchmark::State &state)
{
    prepare();
    for (auto _ : state) {
        for (const QString &path : files()) {
            QFile file(path);
            file.open(QIODevice::ReadOnly);
            const QByteArray data = file.readAll();
            icalcomponent *c = icalparser_parse_string(data.constData());
            benchmark::DoNotOptimize(c);
            icalcomponent_free(c);
        }
    }
    state.SetItemsProcessed(state.iterations() * eventCount);
}
BENCHMARK(BareLibicalParse)->Unit(benchmark::kMillisecond);

// A store seen for the first time: every file parsed and expanded.
void DayQueryFirstTime(benchmark::State &state)
{
    prepare();
    for (auto _ : state) {
        platform::VdirEventStore store(base());
        const auto events = app::screens::eventsOfDay(store, queriedDay());
        benchmark::DoNotOptimize(events.data());
    }
    state.SetItemsProcessed(state.iterations() * eventCount);
}
BENCHMARK(DayQueryFirstTime)->Unit(benchmark::kMillisecond);

// The next day of the same store: the parsed files are kept.
void DayQueryAgain(benchmark::State &state)
{
    prepare();
    platform::VdirEventStore store(base());
    app::screens::eventsOfDay(store, queriedDay());
    int day = 0;
    for (auto _ : state) {
        const auto events =
            app::screens::eventsOfDay(store, queriedDay() + std::chrono::hours(24 * (day++ % 30)));
        benchmark::DoNotOptimize(events.data());
    }
    state.SetItemsProcessed(state.iterations() * eventCount);
}
BENCHMARK(DayQueryAgain)->Unit(benchmark::kMillisecond);

// From making the tab to its table showing the day. The query runs off the
// main thread; "MainThreadBusy" is how long the window could not answer.
void ShowScreenUntilListed(benchmark::State &state)
{
    prepare();
    double busy = 0;
    for (auto _ : state) {
        QElapsedTimer mainThread;
        mainThread.start();
        auto screen = std::make_unique<app::screens::CalendarVC>();
        screen->resize(420, 760);
        screen->show();
        QCoreApplication::processEvents();
        busy += static_cast<double>(mainThread.nsecsElapsed()) / 1e6;
        if (!QTest::qWaitFor([&] { return !screen->loading(); }, 10000))
            state.SkipWithError("the day was never listed");
        benchmark::DoNotOptimize(screen->numberOfRows());
    }
    state.counters["MainThreadBusy_ms"] = benchmark::Counter(busy / static_cast<double>(state.iterations()));
}
BENCHMARK(ShowScreenUntilListed)->Unit(benchmark::kMillisecond)->Iterations(5);

// A day of 60 events listed again (as after a change on disk): the main
// thread's processor time from the answer to the rows on screen, against the
// same screen listing one event.
void ListDayRows(benchmark::State &state)
{
    prepare();
    const int rows = static_cast<int>(state.range(0));
    auto store = std::make_shared<platform::TestEventStore>();
    const auto calendar = store->addCalendar(QStringLiteral("Work"), QStringLiteral("#3366cc"), true);
    std::vector<platform::CalendarEvent> events;
    for (int i = 0; i < rows; ++i) {
        platform::CalendarEvent e;
        e.identifier = QStringLiteral("row%1").arg(i);
        e.title = QStringLiteral("Meeting %1").arg(i);
        e.location = i % 2 ? QStringLiteral("Room %1, building 2").arg(i) : QString();
        e.startDate = queriedDay() + std::chrono::minutes(10 * i);
        e.endDate = e.startDate + std::chrono::minutes(45);
        e.calendar = calendar;
        events.push_back(e);
    }
    store->setEvents(events);
    const auto previous = platform::setEventStoreFactory([store] { return store; });
    auto screen = std::make_unique<app::screens::CalendarVC>();
    screen->resize(420, 760);
    screen->show();
    if (!QTest::qWaitFor([&] { return !screen->loading(); }, 10000))
        state.SkipWithError("the day was never listed");
    double cpu = 0;
    for (auto _ : state) {
        bool listed = false;
        const auto connection =
            QObject::connect(screen.get(), &app::screens::CalendarVC::eventsReloaded, [&] { listed = true; });
        const double before = bench::threadSeconds();
        store->announceChange();
        if (!QTest::qWaitFor([&] { return listed; }, 10000))
            state.SkipWithError("the day was never listed again");
        // The rows are laid out and painted once, as the window shows them.
        screen->finishRowAnimations();
        screen->repaint();
        cpu += bench::threadSeconds() - before;
        QObject::disconnect(connection);
        if (screen->numberOfRows() != rows)
            state.SkipWithError("not every row was listed");
    }
    state.counters["MainThreadCpu_ms"] =
        benchmark::Counter(cpu * 1000 / static_cast<double>(state.iterations()));
    screen.reset();
    platform::setEventStoreFactory(previous);
}
BENCHMARK(ListDayRows)->Arg(1)->Arg(60)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
