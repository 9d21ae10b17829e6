// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/AlarmText.h"

#include "platform/events/linux/CalendarText.h"
#include "platform/events/linux/EventZone.h"
#include "platform/events/linux/Recurrence.h"

#include <QDateTime>

namespace platform::ical {

namespace {

QByteArray upper(QByteArrayView text)
{
    return text.trimmed().toByteArray().toUpper();
}

QByteArray durationValue(std::int64_t seconds)
{
    QByteArray text = seconds < 0 ? "-P" : "P";
    std::uint64_t rest = static_cast<std::uint64_t>(seconds < 0 ? -seconds : seconds);
    if (rest >= secondsPerDay && rest % secondsPerDay == 0)
        return text + QByteArray::number(rest / secondsPerDay) + 'D';
    if (rest >= secondsPerDay) {
        text += QByteArray::number(rest / secondsPerDay) + 'D';
        rest %= secondsPerDay;
    }
    text += 'T';
    if (rest == 0)
        return "PT0S";
    if (rest >= 3600 && rest % 3600 == 0)
        return text + QByteArray::number(rest / 3600) + 'H';
    if (rest % 60 == 0)
        return text + QByteArray::number(rest / 60) + 'M';
    return text + QByteArray::number(rest) + 'S';
}

} // namespace

std::optional<EventAlert> alertOf(QByteArrayView action, QByteArrayView related, QByteArrayView valueType,
                                  QByteArrayView trigger)
{
    const QByteArray kind = upper(action);
    // Some writers leave ACTION out; what they mean is a reminder on screen.
    if (!kind.isEmpty() && kind != "DISPLAY" && kind != "AUDIO")
        return std::nullopt;
    if (trigger.trimmed().isEmpty())
        return std::nullopt;
    EventAlert alert;
    if (upper(valueType) == "DATE-TIME") {
        const auto time = parseTimeValue(trigger);
        if (!time || time->isDate)
            return std::nullopt;
        // RFC 5545 asks UTC; a floating moment is read on the device's clock.
        const auto msecs = time->utc ? std::optional<std::int64_t>(time->local * 1000)
                                     : EventZone::device()->msecsAt(time->local);
        if (!msecs)
            return std::nullopt;
        alert.at = instantFromMSecs(*msecs);
        return alert;
    }
    const auto seconds = parseDuration(trigger);
    if (!seconds)
        return std::nullopt;
    alert.offsetSeconds = *seconds;
    alert.fromEnd = upper(related) == "END";
    return alert;
}

QByteArray alarmText(const EventAlert &alert, const QString &description, const QByteArray &newline)
{
    QByteArray trigger;
    if (alert.at)
        trigger = "TRIGGER;VALUE=DATE-TIME:" + QDateTime::fromMSecsSinceEpoch(msecsOf(*alert.at), Qt::UTC)
                                                   .toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'"))
                                                   .toLatin1();
    else
        trigger = "TRIGGER" + QByteArray(alert.fromEnd ? ";RELATED=END" : "") + ':' +
                  durationValue(alert.offsetSeconds);
    return "BEGIN:VALARM" + newline + "ACTION:DISPLAY" + newline +
           folded("DESCRIPTION:" + escapedText(description), newline) + trigger + newline + "END:VALARM" +
           newline;
}

} // namespace platform::ical
