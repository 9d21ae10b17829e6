// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The calendar tab over the calendars of $XDG_DATA_HOME, as the window shows
// it: made, shown (offscreen) and its day listed. Prints the process's
// resident memory then, in KiB:
//   rss=N peak=N
// export.sh runs it over a large export and over a one-event calendar.
#include "WindowWorld.h"
#include "app/screens/calendar/CalendarVC.h"
#include "platform/calendar/Clock.h"
#include "platform/events/EventStore.h"
#include "platform/system/Device.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <cstdio>

namespace {

long statusKib(const char *key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key))
            return line.mid(static_cast<qsizetype>(qstrlen(key))).trimmed().split(' ').first().toLong();
    }
    return -1;
}

} // namespace

int main(int argc, char **argv)
{
    bench::offscreenUnlessTold();
    QApplication app(argc, argv);
    bench::enterWindowWorld();

    auto screen = std::make_unique<app::screens::CalendarVC>();
    screen->resize(420, 760);
    screen->show();
    if (!QTest::qWaitFor([&] { return !screen->loading(); }, 60000)) {
        std::fprintf(stderr, "the day was never listed\n");
        return 1;
    }
    std::printf("rss=%ld peak=%ld\n", statusKib("VmRSS:"), statusKib("VmHWM:"));
    return 0;
}
