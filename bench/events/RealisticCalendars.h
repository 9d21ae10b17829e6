// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

// Calendar folders as people's synced calendars look: one event a file, most
// in a named zone that the file defines again (VTIMEZONE, as every CalDAV
// server writes it), some whole days, some in UTC, a tenth repeating.
#include <QDate>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

namespace bench {

inline const char *riyadhZone()
{
    return "BEGIN:VTIMEZONE\r\nTZID:Asia/Riyadh\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
           "TZOFFSETFROM:+0300\r\nTZOFFSETTO:+0300\r\nTZNAME:+03\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
}

inline const char *berlinZone()
{
    return "BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\nBEGIN:DAYLIGHT\r\nTZOFFSETFROM:+0100\r\n"
           "TZOFFSETTO:+0200\r\nTZNAME:CEST\r\nDTSTART:19700329T020000\r\n"
           "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU\r\nEND:DAYLIGHT\r\nBEGIN:STANDARD\r\n"
           "TZOFFSETFROM:+0200\r\nTZOFFSETTO:+0100\r\nTZNAME:CET\r\nDTSTART:19701025T030000\r\n"
           "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";
}

// The text of event `i` of a calendar whose events spread over three years
// from 2025.
inline QByteArray realisticEvent(int i)
{
    const QDate day = QDate(2025, 1, 1).addDays((i * 37) % (3 * 365));
    const QByteArray date = day.toString(QStringLiteral("yyyyMMdd")).toLatin1();
    const QByteArray hour = QByteArray::number(10 + i % 10);
    const QByteArray n = QByteArray::number(i);
    QByteArray zone;
    QByteArray times;
    switch (i % 10) {
    case 0:
    case 1: // whole days
        times = "DTSTART;VALUE=DATE:" + date + "\r\nDTEND;VALUE=DATE:" +
                day.addDays(1 + i % 2).toString(QStringLiteral("yyyyMMdd")).toLatin1() + "\r\n";
        break;
    case 2: // UTC
        times = "DTSTART:" + date + "T" + hour + "0000Z\r\nDTEND:" + date + "T" + hour + "3000Z\r\n";
        break;
    default: {
        const bool berlin = i % 10 == 3;
        zone = berlin ? berlinZone() : riyadhZone();
        const QByteArray tzid = berlin ? "Europe/Berlin" : "Asia/Riyadh";
        times = "DTSTART;TZID=" + tzid + ":" + date + "T" + hour + "0000\r\nDTEND;TZID=" + tzid + ":" + date +
                "T" + hour + "4500\r\n";
    }
    }
    QByteArray rule;
    if (i % 10 == 4 || i % 100 == 1) {
        static const char *rules[] = {"FREQ=WEEKLY;UNTIL=", "FREQ=DAILY;COUNT=5", "FREQ=MONTHLY;COUNT=12",
                                      "FREQ=YEARLY", "FREQ=WEEKLY;BYDAY=MO,WE;COUNT=20"};
        const int which = (i / 10) % 5;
        rule = QByteArray("RRULE:") + rules[which];
        // A whole day's series ends on a day, as a day's times must.
        if (which == 0)
            rule += day.addMonths(3).toString(QStringLiteral("yyyyMMdd")).toLatin1() +
                    (i % 10 < 2 ? "" : "T235959Z");
        rule += "\r\n";
    }
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//realistic//EN\r\n" + zone +
           "BEGIN:VEVENT\r\nUID:" + n + "@example.com\r\nDTSTAMP:20260101T000000Z\r\n" + times + rule +
           "SUMMARY:Meeting " + n + "\r\nLOCATION:Room " + QByteArray::number(i % 40) + "\\, building " +
           QByteArray::number(i % 7) + "\r\nDESCRIPTION:Agenda for the meeting\\nDial-in: +966 11 000 " + n +
           "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

// Writes `count` events into `calendars` folders under `base` (cal0, cal1, ...);
// returns the files written.
inline QStringList writeRealisticCalendars(const QString &base, int count, int calendars = 4)
{
    QStringList written;
    for (int c = 0; c < calendars; ++c)
        QDir().mkpath(base + QStringLiteral("/cal%1").arg(c));
    for (int i = 0; i < count; ++i) {
        const QString path = base + QStringLiteral("/cal%1/e%2.ics").arg(i % calendars).arg(i);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(realisticEvent(i));
        written << path;
    }
    return written;
}

} // namespace bench
