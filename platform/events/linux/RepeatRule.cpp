// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/RepeatRule.h"

#include <QDateTime>
#include <QTimeZone>
#include <array>

namespace platform::ical {

namespace {

constexpr std::array<const char *, 7> weekdayNames = {"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

int weekdayNumber(const QByteArray &name)
{
    for (std::size_t i = 0; i < weekdayNames.size(); ++i) {
        if (name == weekdayNames[i])
            return static_cast<int>(i) + 1;
    }
    return 0;
}

std::optional<QDate> untilDay(const QByteArray &value, const QString &zone)
{
    const QDate date = QDate::fromString(QString::fromLatin1(value.left(8)), QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        return std::nullopt;
    if (!value.endsWith('Z') || value.size() != 16)
        return date;
    const QTime time = QTime::fromString(QString::fromLatin1(value.mid(9, 6)), QStringLiteral("HHmmss"));
    const QDateTime utc(date, time, Qt::UTC);
    const QTimeZone own(zone.toUtf8());
    return (own.isValid() ? utc.toTimeZone(own) : utc.toLocalTime()).date();
}

} // namespace

EventRepeat repeatOfRule(QByteArrayView rule, const QString &zone)
{
    // No rule: a single event.
    if (QByteArrayView(rule).trimmed().isEmpty())
        return {};
    EventRepeat repeat;
    repeat.kind = EventRepeat::Kind::other;
    repeat.rule = QString::fromUtf8(rule.data(), rule.size()).trimmed();
    EventRepeat shown;
    QByteArray frequency, scale, skip;
    for (const QByteArray &part : QByteArray(rule.data(), rule.size()).trimmed().toUpper().split(';')) {
        const qsizetype eq = part.indexOf('=');
        const QByteArray key = part.left(eq);
        const QByteArray value = eq < 0 ? QByteArray() : part.mid(eq + 1);
        if (key == "FREQ") {
            frequency = value;
        } else if (key == "RSCALE") {
            scale = value;
        } else if (key == "SKIP") {
            skip = value;
        } else if (key == "INTERVAL") {
            if (value != "1")
                return repeat;
        } else if (key == "COUNT") {
            bool ok = false;
            shown.count = value.toInt(&ok);
            // More than the editor offers: kept as written, never cut down.
            if (!ok || shown.count < 1 || shown.count > maximumRepeatCount)
                return repeat;
        } else if (key == "UNTIL") {
            shown.until = untilDay(value, zone);
            if (!shown.until)
                return repeat;
        } else if (key == "BYDAY") {
            for (const QByteArray &day : value.split(',')) {
                const int number = weekdayNumber(day);
                if (number == 0)
                    return repeat;
                shown.weekdays.push_back(number);
            }
            std::sort(shown.weekdays.begin(), shown.weekdays.end());
        } else if (key != "WKST" && !part.isEmpty()) {
            return repeat;
        }
    }
    if (shown.count > 0 && shown.until)
        return repeat;
    using Kind = EventRepeat::Kind;
    const bool gregorian = scale.isEmpty() || scale == "GREGORIAN";
    if (!shown.weekdays.empty() && frequency != "WEEKLY")
        return repeat;
    if (gregorian && skip.isEmpty()) {
        if (frequency == "DAILY")
            shown.kind = Kind::daily;
        else if (frequency == "WEEKLY")
            shown.kind = Kind::weekly;
        else if (frequency == "MONTHLY")
            shown.kind = Kind::monthly;
        else if (frequency == "YEARLY")
            shown.kind = Kind::yearly;
        else
            return repeat;
    } else if (scale == "ISLAMIC-UMALQURA" && (skip == "FORWARD" || skip == "BACKWARD")) {
        if (frequency == "MONTHLY")
            shown.kind = Kind::hijriMonthly;
        else if (frequency == "YEARLY")
            shown.kind = Kind::hijriYearly;
        else
            return repeat;
        shown.skipForward = skip == "FORWARD";
    } else {
        return repeat;
    }
    return shown;
}

QByteArray ruleText(const EventRepeat &repeat, const QByteArray &untilValue)
{
    using Kind = EventRepeat::Kind;
    QByteArray text;
    switch (repeat.kind) {
    case Kind::never:
        return {};
    case Kind::other:
        return repeat.rule.toUtf8();
    case Kind::daily:
        text = "FREQ=DAILY";
        break;
    case Kind::weekly:
        text = "FREQ=WEEKLY";
        if (!repeat.weekdays.empty()) {
            QByteArrayList days;
            for (const int day : repeat.weekdays)
                days << weekdayNames[static_cast<std::size_t>(std::clamp(day, 1, 7) - 1)];
            text += ";BYDAY=" + days.join(',');
        }
        break;
    case Kind::monthly:
        text = "FREQ=MONTHLY";
        break;
    case Kind::yearly:
        text = "FREQ=YEARLY";
        break;
    case Kind::hijriMonthly:
    case Kind::hijriYearly:
        text = QByteArray("RSCALE=ISLAMIC-UMALQURA;FREQ=") +
               (repeat.kind == Kind::hijriMonthly ? "MONTHLY" : "YEARLY") +
               (repeat.skipForward ? ";SKIP=FORWARD" : ";SKIP=BACKWARD");
        break;
    }
    if (repeat.count > 0)
        text += ";COUNT=" + QByteArray::number(repeat.count);
    else if (repeat.until)
        text += ";UNTIL=" + untilValue;
    return text;
}

} // namespace platform::ical
