// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/CalendarTexts.h"
#include "platform/events/linux/VdirEventStore.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace platform;
using testcal::calendarText;
using testcal::eventText;
using testenv::gregorianInstant;

namespace {

Instant utc(int y, int m, int d, int h = 0, int min = 0)
{
    return gregorianInstant(y, m, d, h, min, QStringLiteral("UTC"));
}

// Reading what other programs wrote: times as RFC 5545 means them, and
// files that try to hang, flood or confuse the reader.
class EventReadingTest : public testcal::CalendarFolderTest
{
protected:
    // Events over [from, to) by title and UTC start.
    static std::vector<std::pair<QString, Instant>> found(VdirEventStore &store, Instant from, Instant to)
    {
        std::vector<std::pair<QString, Instant>> out;
        for (const CalendarEvent &e : store.events(from, to))
            out.emplace_back(e.title, e.startDate);
        return out;
    }
};

TEST_F(EventReadingTest, TimesAClockChangeRepeatsOrSkipsAreReadAsRfc5545Says)
{
    // The examples of RFC 5545 3.3.5: 01:30 on 3 November 2024 happens twice in
    // New York (the first is 05:30Z); 02:30 on 10 March 2024 never does (07:30Z).
    env_.setTimeZone(QStringLiteral("America/New_York"));
    put(QStringLiteral("zoned.ics"),
        calendarText(
            eventText("back", "DTSTART;TZID=America/New_York:20241103T013000\r\nSUMMARY:Back\r\n") +
            eventText("forward", "DTSTART;TZID=America/New_York:20240310T023000\r\nSUMMARY:Fwd\r\n")));
    // Floating times, read in the device's zone (New York here), the same.
    put(QStringLiteral("floating.ics"),
        calendarText(eventText("fback", "DTSTART:20241103T013000\r\nSUMMARY:Floating back\r\n") +
                     eventText("ffwd", "DTSTART:20240310T023000\r\nSUMMARY:Floating fwd\r\n")));
    VdirEventStore store(base());
    using Found = std::vector<std::pair<QString, Instant>>;
    EXPECT_EQ(found(store, utc(2024, 11, 3), utc(2024, 11, 4)),
              (Found{{QStringLiteral("Floating back"), utc(2024, 11, 3, 5, 30)},
                     {QStringLiteral("Back"), utc(2024, 11, 3, 5, 30)}}));
    EXPECT_EQ(found(store, utc(2024, 3, 10), utc(2024, 3, 11)),
              (Found{{QStringLiteral("Floating fwd"), utc(2024, 3, 10, 7, 30)},
                     {QStringLiteral("Fwd"), utc(2024, 3, 10, 7, 30)}}));
}

TEST_F(EventReadingTest, EveryEightHoursStaysOnItsHoursDaysAfterTheStart)
{
    env_.setTimeZone(QStringLiteral("Asia/Riyadh"));
    put(QStringLiteral("meds.ics"),
        calendarText(eventText("meds", "DTSTART;TZID=Asia/Riyadh:20261201T080000\r\nSUMMARY:Meds\r\n"
                                       "RRULE:FREQ=HOURLY;INTERVAL=8\r\n")));
    VdirEventStore store(base());
    // 7 December in Riyadh (UTC+3): 00:00, 08:00 and 16:00.
    const auto day = found(store, gregorianInstant(2026, 12, 7), gregorianInstant(2026, 12, 8));
    ASSERT_EQ(day.size(), 3u);
    EXPECT_EQ(day[0].second, utc(2026, 12, 6, 21));
    EXPECT_EQ(day[1].second, utc(2026, 12, 7, 5));
    EXPECT_EQ(day[2].second, utc(2026, 12, 7, 13));
}

TEST_F(EventReadingTest, EdgeValuesAreKeptAndImpossibleOnesRefused)
{
    put(QStringLiteral("edges.ics"),
        calendarText(
            eventText("until", "DTSTART:20260310T090000Z\r\nSUMMARY:Until before start\r\n"
                               "RRULE:FREQ=DAILY;UNTIL=20260101T000000Z\r\n") +
            eventText("long", "DTSTART:20260310T100000Z\r\nDURATION:PT2147483648S\r\nSUMMARY:Long\r\n") +
            eventText("far", "DTSTART:99991230T100000Z\r\nDTEND:99991230T110000Z\r\nSUMMARY:Far\r\n") +
            eventText("lastday",
                      "DTSTART;VALUE=DATE:99991230\r\nDTEND;VALUE=DATE:99991231\r\nSUMMARY:Last\r\n") +
            eventText("feb30", "DTSTART:20260230T090000Z\r\nSUMMARY:Feb 30\r\n") +
            eventText("hour25", "DTSTART:20260301T250000Z\r\nSUMMARY:Hour 25\r\n") +
            eventText("many", "DTSTART:20200106T090000Z\r\nSUMMARY:Many\r\n"
                              "RRULE:FREQ=WEEKLY;BYDAY=MO,TH;COUNT=150000\r\n")));
    VdirEventStore store(base());
    log_.clear();
    const auto march = store.events(utc(2026, 3, 1), utc(2026, 3, 11));
    QStringList titles;
    for (const auto &e : march)
        titles << e.title;
    EXPECT_TRUE(titles.contains(QStringLiteral("Until before start")));
    EXPECT_FALSE(titles.contains(QStringLiteral("Feb 30"))) << "moved to 2 March";
    EXPECT_FALSE(titles.contains(QStringLiteral("Hour 25"))) << "moved to 2 March";
    EXPECT_EQ(titles.count(QStringLiteral("Many")), 3) << "2, 5 and 9 March";
    for (const auto &e : march) {
        if (e.title == QStringLiteral("Long")) {
            EXPECT_EQ(e.endDate - e.startDate, std::chrono::seconds(2147483648LL));
        }
    }
    EXPECT_EQ(log_.filter(QStringLiteral("feb30")).size(), 1) << log_.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(log_.filter(QStringLiteral("hour25")).size(), 1);
    EXPECT_EQ(log_.filter(QStringLiteral("150000")).size(), 1);

    auto last = store.events(utc(9999, 12, 30), utc(9999, 12, 31, 23, 59));
    // "Many", its count dropped, goes on to the last year too.
    std::erase_if(last, [](const CalendarEvent &e) { return e.title == QStringLiteral("Many"); });
    ASSERT_EQ(last.size(), 2u);
    EXPECT_EQ(last[0].title, QStringLiteral("Far"));
    EXPECT_EQ(last[0].endDate, utc(9999, 12, 30, 11));
    EXPECT_EQ(last[1].title, QStringLiteral("Last"));
    EXPECT_TRUE(last[1].allDay);
    EXPECT_EQ(last[1].endDate, utc(9999, 12, 30, 23, 59) + std::chrono::seconds(59));
}

TEST_F(EventReadingTest, ZonesAreTheSystemsOrTheFilesOwnWithinABudget)
{
    // Outlook's names, a zone defined only in the file, and one whose rule
    // changes the clock every second (the file is skipped, once, and quickly).
    const QByteArray custom = "BEGIN:VTIMEZONE\r\nTZID:Custom Eastern\r\n"
                              "BEGIN:STANDARD\r\nDTSTART:19701101T020000\r\nTZOFFSETFROM:-0400\r\n"
                              "TZOFFSETTO:-0500\r\nRRULE:FREQ=YEARLY;BYMONTH=11;BYDAY=1SU\r\nEND:STANDARD\r\n"
                              "BEGIN:DAYLIGHT\r\nDTSTART:19700308T020000\r\nTZOFFSETFROM:-0500\r\n"
                              "TZOFFSETTO:-0400\r\nRRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=2SU\r\nEND:DAYLIGHT\r\n"
                              "END:VTIMEZONE\r\n";
    put(QStringLiteral("zones.ics"),
        calendarText(
            custom +
            eventText("win", "DTSTART;TZID=W. Europe Standard Time:20260701T120000\r\nSUMMARY:Win\r\n") +
            eventText("summer", "DTSTART;TZID=Custom Eastern:20260701T120000\r\nSUMMARY:Summer\r\n") +
            eventText("winter", "DTSTART;TZID=Custom Eastern:20260105T120000\r\nSUMMARY:Winter\r\n")));
    const QByteArray spinning = "BEGIN:VTIMEZONE\r\nTZID:Spinning\r\nBEGIN:STANDARD\r\n"
                                "DTSTART:20200101T000000\r\nTZOFFSETFROM:+0100\r\nTZOFFSETTO:+0200\r\n"
                                "RRULE:FREQ=SECONDLY\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
    put(QStringLiteral("spinning.ics"),
        calendarText(spinning +
                     eventText("spin", "DTSTART;TZID=Spinning:20260701T120000\r\nSUMMARY:Spin\r\n")));
    // A known name keeps the system's rules whatever the file says.
    put(QStringLiteral("known.ics"),
        calendarText(
            "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:STANDARD\r\nDTSTART:20200101T000000\r\n"
            "TZOFFSETFROM:+0100\r\nTZOFFSETTO:+0100\r\nRRULE:FREQ=SECONDLY\r\nEND:STANDARD\r\n"
            "END:VTIMEZONE\r\n" +
            eventText("berlin", "DTSTART;TZID=Europe/Berlin:20260701T120000\r\nSUMMARY:Berlin\r\n")));
    VdirEventStore store(base());
    log_.clear();
    using Found = std::vector<std::pair<QString, Instant>>;
    EXPECT_EQ(found(store, utc(2026, 7, 1), utc(2026, 7, 2)),
              (Found{{QStringLiteral("Berlin"), utc(2026, 7, 1, 10)},
                     {QStringLiteral("Win"), utc(2026, 7, 1, 10)},
                     {QStringLiteral("Summer"), utc(2026, 7, 1, 16)}}));
    EXPECT_EQ(found(store, utc(2026, 1, 5), utc(2026, 1, 6)),
              (Found{{QStringLiteral("Winter"), utc(2026, 1, 5, 17)}}));
    EXPECT_EQ(log_.filter(QStringLiteral("spinning.ics")).size(), 1)
        << log_.join(QLatin1Char('\n')).toStdString();
    log_.clear();
    found(store, utc(2026, 7, 1), utc(2026, 7, 2));
    EXPECT_TRUE(log_.isEmpty()) << log_.join(QLatin1Char('\n')).toStdString();
}

// Each of these once hung the reader for good or read without bound; here
// they would hang the test (killed by its timeout) instead of failing.
TEST_F(EventReadingTest, SpecialFilesAndLongLinesNeitherHangNorFlood)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder() + QStringLiteral("/displayname")).constData(), 0600), 0);
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder() + QStringLiteral("/color")).constData(), 0600), 0);
    const QString fifo = dir_.path() + QStringLiteral("/fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, folder() + QStringLiteral("/x.ics")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), folder() + QStringLiteral("/zero.ics")));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/urandom"), folder() + QStringLiteral("/random.ics")));
    // An 8 MB line is read in linear time and left out.
    put(QStringLiteral("long.ics"),
        calendarText(eventText("long", "DTSTART:20261207T090000Z\r\nSUMMARY:Long notes\r\nDESCRIPTION:" +
                                           QByteArray(7 * 1024 * 1024, 'x') + "\r\n")));
    put(QStringLiteral("good.ics"),
        calendarText(eventText("good", "DTSTART:20261207T100000Z\r\nSUMMARY:Good\r\n")));
    VdirEventStore store(base());
    const auto calendars = store.calendars();
    ASSERT_EQ(calendars.size(), 1u);
    EXPECT_EQ(calendars[0]->title, QStringLiteral("home"));
    const auto events = store.events(utc(2026, 12, 7), utc(2026, 12, 8));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].title, QStringLiteral("Good"));
    EXPECT_EQ(events[1].title, QStringLiteral("Long notes"));
    EXPECT_TRUE(events[1].notes.isEmpty());
    EXPECT_EQ(log_.filter(QStringLiteral("long.ics")).size(), 1);
}

TEST_F(EventReadingTest, AFolderListedTwiceThroughALinkIsOneCalendar)
{
    put(QStringLiteral("a.ics"), calendarText(eventText("a", "DTSTART:20261207T100000Z\r\nSUMMARY:A\r\n")));
    const QString link = dir_.path() + QStringLiteral("/synced");
    ASSERT_TRUE(QFile::link(folder(), link));
    VdirEventStore store(base(), {link, folder() + QStringLiteral("/")});
    EXPECT_EQ(store.calendars().size(), 1u);
    EXPECT_EQ(store.events(utc(2026, 12, 7), utc(2026, 12, 8)).size(), 1u);
}

} // namespace
