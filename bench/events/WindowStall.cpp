// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The calendar tab over the calendars of $XDG_DATA_HOME while a person steps
// through days and pages through months at the keyboard, with a stall
// detector: a 4 ms timer whose late ticks are how long the window could not
// answer. Prints, in milliseconds (and KiB):
//   first_list=N worst_stall=N stalls_over_50=N pick_to_list=N (median)
//   pick_to_list_worst=N page_dots=N (median, a page turn to the dots of the
//   page turned to) next_dots=N (median, a page turn to the dots of the page
//   after it, asked for ahead) rss=N
// stall.sh runs it over a large calendar and over a one-event one.
//
//   bench-window-stall                 measure
//   bench-window-stall generate DIR N  write N realistic events under DIR
#include "RealisticCalendars.h"
#include "WindowWorld.h"
#include "app/screens/calendar/CalendarDay.h"
#include "app/screens/calendar/CalendarVC.h"
#include "app/screens/calendar/EventDots.h"
#include "components/calendar/MonthCalendarView.h"
#include "platform/calendar/Clock.h"
#include "platform/events/EventStore.h"
#include "platform/system/Device.h"
#include "ui_CalendarVC.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace {

long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Late ticks of a timer on the main thread.
class StallDetector : public QObject
{
public:
    static constexpr int intervalMs = 4;

    StallDetector()
    {
        timer_.setTimerType(Qt::PreciseTimer);
        timer_.setInterval(intervalMs);
        connect(&timer_, &QTimer::timeout, this, [this] {
            const double gap = static_cast<double>(clock_.nsecsElapsed()) / 1e6;
            clock_.restart();
            const double late = gap - intervalMs;
            worst_ = std::max(worst_, late);
            if (late > 50)
                ++over50_;
        });
        clock_.start();
        timer_.start();
    }
    double worst() const { return worst_; }
    int over50() const { return over50_; }

private:
    QTimer timer_;
    QElapsedTimer clock_;
    double worst_ = 0;
    int over50_ = 0;
};

void wait(int ms)
{
    QTest::qWait(ms);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 4 && qstrcmp(argv[1], "generate") == 0) {
        bench::writeRealisticCalendars(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
        return 0;
    }
    bench::offscreenUnlessTold();
    QApplication app(argc, argv);
    bench::enterWindowWorld();

    QElapsedTimer sinceStart;
    sinceStart.start();
    auto screen = std::make_unique<app::screens::CalendarVC>();
    screen->resize(420, 760);
    screen->show();
    if (!QTest::qWaitFor([&] { return !screen->loading(); }, 120000)) {
        std::fprintf(stderr, "the day was never listed\n");
        return 1;
    }
    const double firstList = static_cast<double>(sinceStart.elapsed());
    QWindow *window = screen->windowHandle();
    // The keys go where a person's go after a click on the month.
    screen->activateWindow();
    if (!QTest::qWaitForWindowActive(screen.get()))
        std::fprintf(stderr, "the window never became active\n");
    screen->outlets().calendar->setFocus(Qt::MouseFocusReason);
    auto *dots = screen->findChild<app::screens::EventDots *>();

    // When the answer for the day last picked arrives.
    QElapsedTimer sincePick;
    std::optional<platform::Instant> awaited;
    std::vector<double> pickToList;
    QObject::connect(screen.get(), &app::screens::CalendarVC::eventsReloaded, screen.get(), [&] {
        if (awaited && screen->listedDay() == awaited) {
            pickToList.push_back(static_cast<double>(sincePick.nsecsElapsed()) / 1e6);
            awaited.reset();
        }
    });
    // A page turn: until the page turned to has its dots (at once when they
    // were asked for ahead), and until the dots of the page after it come.
    QElapsedTimer sinceTurn;
    bool turnAwaited = false;
    bool pageAwaited = false;
    std::vector<double> dotTimes;
    std::vector<double> pageDotTimes;
    components::MonthCalendarView *calendar = screen->outlets().calendar;
    const auto pageHasDots = [&] {
        const components::MonthCalendarModel &model = calendar->model();
        const platform::Instant first = model.pageStart(model.currentPageIndex());
        return dots &&
               dots->covers(app::screens::gregorianDaySpan(first).start,
                            app::screens::gregorianDaySpan(calendar->dateByAddingDays(41, first)).end);
    };
    if (dots) {
        QObject::connect(dots, &app::screens::EventDots::changed, screen.get(), [&] {
            const double elapsed = static_cast<double>(sinceTurn.nsecsElapsed()) / 1e6;
            if (pageAwaited && pageHasDots()) {
                pageDotTimes.push_back(elapsed);
                pageAwaited = false;
            }
            if (turnAwaited)
                dotTimes.push_back(elapsed);
            turnAwaited = false;
        });
    }
    const auto press = [&](Qt::Key key) { QTest::keyClick(window, key); };

    StallDetector stalls;
    // Days picked one after another, as someone reading each day's list.
    for (int step = 0; step < 16; ++step) {
        sincePick.start();
        press(Qt::Key_Right);
        awaited = screen->listedDay();
        wait(200);
    }
    // Months paged.
    for (int page = 0; page < 5; ++page) {
        sinceTurn.start();
        turnAwaited = true;
        press(Qt::Key_PageDown);
        pageAwaited = !pageHasDots();
        if (!pageAwaited)
            pageDotTimes.push_back(static_cast<double>(sinceTurn.nsecsElapsed()) / 1e6);
        wait(300);
    }
    // A held key: presses faster than the answers come.
    for (int step = 0; step < 12; ++step) {
        press(Qt::Key_Right);
        wait(25);
    }
    if (!QTest::qWaitFor([&] { return !screen->loading(); }, 120000))
        std::fprintf(stderr, "the last day was never listed\n");
    wait(200);

    std::printf(
        "first_list=%.0f worst_stall=%.1f stalls_over_50=%d pick_to_list=%.1f pick_to_list_worst=%.1f "
        "page_dots=%.1f next_dots=%.1f rss=%ld\n",
        firstList, stalls.worst(), stalls.over50(), median(pickToList),
        pickToList.empty() ? -1.0 : *std::max_element(pickToList.begin(), pickToList.end()),
        median(pageDotTimes), median(dotTimes), residentKib());
    return 0;
}
