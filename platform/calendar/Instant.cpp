// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/calendar/Instant.h"

#include "platform/system/Device.h"

#include <QTimeZone>
#include <cstdio>

namespace platform {

namespace {

QString qtIsoString(Instant instant, const QTimeZone &zone)
{
    QDateTime dt = toQDateTime(instant);
    dt = zone.isValid() ? dt.toTimeZone(zone) : dt.toUTC();
    // Qt writes "Z" for UTC; keep the numeric offset everywhere for one format.
    const int offset = dt.offsetFromUtc();
    dt.setOffsetFromUtc(offset);
    QString text = dt.toString(Qt::ISODate);
    if (text.endsWith(QLatin1Char('Z')))
        text.chop(1), text += QStringLiteral("+00:00");
    return text;
}

} // namespace

QString isoString(Instant instant, const QString &timeZoneId)
{
    // A timeline writes thirty of these in one zone: look the zone up once.
    thread_local QString lastId;
    thread_local QTimeZone lastZone;
    thread_local bool looked = false;
    if (!looked || timeZoneId != lastId) {
        lastZone = QTimeZone(timeZoneId.toLatin1());
        lastId = timeZoneId;
        looked = true;
    }
    const qint64 msecs = msecsOf(instant);
    const int offset = lastZone.isValid() ? lastZone.offsetFromUtc(toQDateTime(instant)) : 0;
    const QDateTime wall = QDateTime::fromMSecsSinceEpoch(msecs + qint64(offset) * 1000, Qt::UTC);
    const QDate date = wall.date();
    const QTime time = wall.time();
    // The common case by hand; years of other widths, offsets with seconds
    // (local mean time) and fractions of a second as Qt writes them.
    if (date.year() < 1000 || date.year() > 9999 || offset % 60 != 0 || msecs % 1000 != 0)
        return qtIsoString(instant, lastZone);
    const int minutes = offset < 0 ? -offset / 60 : offset / 60;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d",
                                     date.year(), date.month(), date.day(), time.hour(), time.minute(),
                                     time.second(), offset < 0 ? '-' : '+', minutes / 60, minutes % 60);
    return QString::fromLatin1(text, length);
}

bool parseIsoInstant(const QString &text, Instant *out)
{
    QDateTime dt = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!dt.isValid())
        dt = QDateTime::fromString(text, Qt::ISODate);
    if (!dt.isValid())
        return false;
    if (dt.timeSpec() == Qt::LocalTime)
        dt = QDateTime(dt.date(), dt.time(), QTimeZone(Device::timeZoneId().toLatin1()));
    *out = fromQDateTime(dt);
    return true;
}

} // namespace platform
