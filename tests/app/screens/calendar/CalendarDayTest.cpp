// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/CalendarDay.h"

#include "core/GlobalSettings.h"
#include "platform/events/testing/TestEventStore.h"
#include "platform/localization/Localization.h"
#include "support/TestEnvironment.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace std::chrono_literals;
using testenv::gregorianInstant;

namespace {

TEST(EventDurationText, CountsDaysHoursAndMinutes)
{
    testenv::ScopedEnvironment env(QStringLiteral("en_US"), QStringLiteral("UTC"));
    platform::installTranslations();
    const platform::Instant start = gregorianInstant(2026, 12, 5, 9);
    struct Row
    {
        std::chrono::seconds length;
        bool allDay;
        QString text;
    };
    const Row rows[] = {
        {1h, false, QStringLiteral("1 h")},
        {90min, false, QStringLiteral("1 h, 30 m")},
        {45min, false, QStringLiteral("45 m")},
        {2h + 30min, false, QStringLiteral("2 h, 30 m")},
        {0s, false, QString()},
        {30s, false, QString()},
        {23h + 59min + 59s, false, QStringLiteral("All Day")},
        {24h, false, QStringLiteral("1 d")},
        {51h, false, QStringLiteral("2 d, 3 h")},
        {24h + 5min, false, QStringLiteral("1 d, 5 m")},
        // A day event of any length.
        {71h + 59min + 59s, true, QStringLiteral("All Day")},
        {23h + 59min + 59s, true, QStringLiteral("All Day")},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.length.count());
        EXPECT_EQ(app::screens::eventDurationText(start, start + row.length, row.allDay), row.text);
    }
}

TEST(EventDurationText, ADayAcrossAClockChangeIsStillOneDay)
{
    testenv::ScopedEnvironment env(QStringLiteral("en_US"), QStringLiteral("America/New_York"));
    platform::installTranslations();
    // 8 March 2026 lasts 23 hours in New York.
    const platform::Instant start = gregorianInstant(2026, 3, 8, 0);
    EXPECT_EQ(app::screens::eventDurationText(start, start + 23h), QStringLiteral("1 d"));
    EXPECT_EQ(app::screens::eventDurationText(start, start + 24h), QStringLiteral("1 d, 1 h"));
}

QStringList qtWarnings;

TEST(EventDurationText, DaysTakeTheLocalesPluralForms)
{
    testenv::ScopedEnvironment env(QStringLiteral("ar_SA"), QStringLiteral("Asia/Riyadh"));
    platform::installTranslations();
    // Forms without a number ("two days") once made Qt warn of a missing argument.
    qtWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext &, const QString &message) { qtWarnings << message; });
    const platform::Instant start = gregorianInstant(2026, 12, 5, 9);
    EXPECT_EQ(app::screens::eventDurationText(start, start + 48h), QStringLiteral("يومان"));
    EXPECT_EQ(app::screens::eventDurationText(start, start + 24h), QStringLiteral("يوم"));
    EXPECT_EQ(app::screens::eventDurationText(start, start + 72h + 1h), QStringLiteral("٣ أيام، ١ س"));
    qInstallMessageHandler(previous);
    EXPECT_TRUE(qtWarnings.isEmpty()) << qtWarnings.join(QLatin1Char('\n')).toStdString();
    env.setLocale(QStringLiteral("en_US"));
    platform::installTranslations();
}

TEST(GregorianDaySpan, RunsFromTheStartOfTheDayToTheStartOfTheNext)
{
    struct Row
    {
        const char *zone;
        int year, month, day;
        std::chrono::hours length;
    };
    const Row rows[] = {
        {"UTC", 2026, 12, 5, 24h},
        {"Asia/Riyadh", 2026, 12, 5, 24h},
        // Midnight is skipped in Santiago when the clocks go forward.
        {"America/Santiago", 2026, 9, 6, 23h},
        {"America/Santiago", 2026, 4, 4, 25h},
        {"America/New_York", 2026, 3, 8, 23h},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.zone);
        testenv::ScopedEnvironment env(QStringLiteral("en_US"), QString::fromLatin1(row.zone));
        const platform::Instant noon = gregorianInstant(row.year, row.month, row.day, 12);
        const app::screens::DaySpan span = app::screens::gregorianDaySpan(noon);
        EXPECT_EQ(span.end - span.start, row.length);
        EXPECT_LE(span.start, noon);
        EXPECT_EQ(platform::toQDateTime(span.start).toLocalTime().date(),
                  QDate(row.year, row.month, row.day));
        EXPECT_EQ(platform::toQDateTime(span.end).toLocalTime().date(),
                  QDate(row.year, row.month, row.day).addDays(1));
    }
}

TEST(EventsOfDay, SortedByStartKeepingTheStoresOrderForEqualStarts)
{
    testenv::ScopedEnvironment env(QStringLiteral("en_US"), QStringLiteral("America/Santiago"));
    platform::TestEventStore store;
    const auto at = [](int day, int hour) { return gregorianInstant(2026, 9, day, hour); };
    const auto make = [](const char *title, platform::Instant start, platform::Instant end) {
        platform::CalendarEvent e;
        e.title = QString::fromLatin1(title);
        e.startDate = start;
        e.endDate = end;
        return e;
    };
    store.setEvents({make("late", at(6, 20), at(6, 21)), make("first", at(6, 9), at(6, 10)),
                     make("second", at(6, 9), at(6, 11)), make("night before", at(5, 23), at(6, 3)),
                     make("next day", at(7, 1), at(7, 2))});
    QStringList titles;
    for (const auto &e : app::screens::eventsOfDay(store, at(6, 12)))
        titles << e.title;
    EXPECT_EQ(titles, (QStringList{QStringLiteral("night before"), QStringLiteral("first"),
                                   QStringLiteral("second"), QStringLiteral("late")}));
}

} // namespace
