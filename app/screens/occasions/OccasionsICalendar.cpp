// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/occasions/OccasionsICalendar.h"

#include "app/screens/occasions/Event.h"
#include "platform/localization/Localization.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#ifndef QAMARLY_VERSION
#define QAMARLY_VERSION "unknown"
#endif

namespace app::occasions {

namespace {

// TEXT values escape these; a line break becomes "\n".
QString escaped(QString text)
{
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char(';'), QStringLiteral("\\;"));
    text.replace(QLatin1Char(','), QStringLiteral("\\,"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return text;
}

void appendLine(QByteArray &out, const QString &line)
{
    out += iCalendarLine(line);
}

QString dateValue(std::int64_t year, std::int64_t month, std::int64_t day)
{
    return QDate(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day))
        .toString(QStringLiteral("yyyyMMdd"));
}

} // namespace

QByteArray iCalendarLine(const QString &line)
{
    QByteArray out;
    const QByteArray bytes = line.toUtf8();
    qsizetype start = 0;
    qsizetype limit = 75;
    while (bytes.size() - start > limit) {
        qsizetype end = start + limit;
        while (end > start && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
            --end;
        out += bytes.mid(start, end - start);
        out += "\r\n ";
        start = end;
        limit = 74; // the leading space counts
    }
    out += bytes.mid(start);
    out += "\r\n";
    return out;
}

QByteArray occasionsICalendar(platform::Instant now, int years)
{
    QByteArray out;
    appendLine(out, QStringLiteral("BEGIN:VCALENDAR"));
    appendLine(out, QStringLiteral("VERSION:2.0"));
    appendLine(out, QStringLiteral("PRODID:-//Qamarly//Qamarly %1//EN").arg(QStringLiteral(QAMARLY_VERSION)));
    appendLine(out, QStringLiteral("CALSCALE:GREGORIAN"));
    const QString stamp = QDateTime::fromMSecsSinceEpoch(platform::msecsOf(now), QTimeZone::utc())
                              .toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"));
    for (int k = 0; k < years; ++k) {
        for (const OccasionRow &row : occasionTable()) {
            const Event occasion(platform::localized(row.key), row.day, now, k);
            // A day that year does not have, or one beyond what converts, is left out.
            if (occasion.dateString.isEmpty() || !occasion.conv->isConvertible())
                continue;
            const core::RGDate &gregorian = *occasion.conv->gregorianDate();
            const QDate day(static_cast<int>(gregorian.year()), static_cast<int>(gregorian.month()),
                            static_cast<int>(gregorian.day()));
            const QDate next = day.addDays(1);
            appendLine(out, QStringLiteral("BEGIN:VEVENT"));
            appendLine(out, QStringLiteral("UID:occasion-%1-%2@qamarly.org")
                                .arg(QString::fromLatin1(row.key).toLower())
                                .arg(occasion.conv->hijriDate()->year()));
            appendLine(out, QStringLiteral("DTSTAMP:") + stamp);
            appendLine(out,
                       QStringLiteral("DTSTART;VALUE=DATE:") + dateValue(day.year(), day.month(), day.day()));
            appendLine(out, QStringLiteral("DTEND;VALUE=DATE:") +
                                dateValue(next.year(), next.month(), next.day()));
            appendLine(out, QStringLiteral("SUMMARY:") + escaped(occasion.name));
            appendLine(out, QStringLiteral("DESCRIPTION:") + escaped(occasion.dateString));
            // A holiday does not make the user busy.
            appendLine(out, QStringLiteral("TRANSP:TRANSPARENT"));
            appendLine(out, QStringLiteral("END:VEVENT"));
        }
    }
    appendLine(out, QStringLiteral("END:VCALENDAR"));
    return out;
}

} // namespace app::occasions
