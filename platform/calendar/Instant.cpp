#include "platform/calendar/Instant.h"

#include "platform/system/Device.h"

#include <QTimeZone>

namespace platform {

QString isoString(Instant instant, const QString &timeZoneId)
{
    const QTimeZone zone(timeZoneId.toLatin1());
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
