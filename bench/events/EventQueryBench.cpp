// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The calendar tab's day query over a store of 2,000 events (a tenth of them
// recurring) against its floor, a bare libical parse of the same files; and
// the time from making the tab to its listed day with that store.
#include "app/screens/calendar/CalendarDay.h"
#include "app/screens/calendar/CalendarVC.h"
#include "bench/BenchSupport.h"
#include "platform/calendar/Clock.h"
#include "platform/events/linux/VdirEventStore.h"
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
    const QDate first(2026, 1, 1);
    for (int i = 0; i < eventCount; ++i) {
        const QString folder = base() + QStringLiteral("/cal%1").arg(i % calendarCount);
        QDir().mkpath(folder);
        const QDate day = first.addDays(i % 365);
        const QString start = day.toString(QStringLiteral("yyyyMMdd")) +
                              QStringLiteral("T%1").arg(8 + i % 10, 2, 10, QLatin1Char('0')) +
                              QStringLiteral("0000Z");
        const QString end = day.toString(QStringLiteral("yyyyMMdd")) +
                            QStringLiteral("T%1").arg(9 + i % 10, 2, 10, QLatin1Char('0')) +
                            QStringLiteral("3000Z");
        QString body =
            QStringLiteral("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//bench//EN\r\nBEGIN:VEVENT\r\n"
                           "UID:e%1\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:%2\r\nDTEND:%3\r\n"
                           "SUMMARY:Event %1\r\nLOCATION:Room %4\r\n")
                .arg(i)
                .arg(start, end)
                .arg(i % 40);
        // Every tenth event repeats: daily, weekly or monthly, some with exceptions.
        if (i % 10 == 0) {
            static const char *rules[] = {"FREQ=DAILY", "FREQ=WEEKLY;BYDAY=MO,WE",
                                          "FREQ=MONTHLY;BYMONTHDAY=7", "FREQ=DAILY;COUNT=400"};
            body += QStringLiteral("RRULE:%1\r\nEXDATE:%2\r\n")
                        .arg(QString::fromLatin1(rules[(i / 10) % 4]),
                             day.addDays(14).toString(QStringLiteral("yyyyMMdd")) + start.mid(8));
        }
        body += QStringLiteral("END:VEVENT\r\nEND:VCALENDAR\r\n");
        const QString path = folder + QStringLiteral("/e%1.ics").arg(i);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(body.toUtf8());
        files() << path;
    }
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

} // namespace

int main(int argc, char **argv)
{
    return bench::runWidgetBenchmarks(argc, argv);
}
