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

// The rule's parts as the editor's terms can hold them; false when a part
// (an interval, a count past the editor's limit, numbered weekdays, seconds)
// has no place there.
struct RuleParts
{
    QByteArray frequency;
    QByteArray scale;
    QByteArray skip;
    EventRepeat shown;
};

bool readPart(RuleParts &parts, const QByteArray &key, const QByteArray &value, const QString &zone)
{
    EventRepeat &shown = parts.shown;
    if (key == "FREQ") {
        parts.frequency = value;
    } else if (key == "RSCALE") {
        parts.scale = value;
    } else if (key == "SKIP") {
        parts.skip = value;
    } else if (key == "INTERVAL") {
        return value == "1";
    } else if (key == "COUNT") {
        bool ok = false;
        shown.count = value.toInt(&ok);
        // More than the editor offers: kept as written, never cut down.
        return ok && shown.count >= 1 && shown.count <= maximumRepeatCount;
    } else if (key == "UNTIL") {
        shown.until = untilDay(value, zone);
        return shown.until.has_value();
    } else if (key == "BYDAY") {
        for (const QByteArray &day : value.split(',')) {
            const int number = weekdayNumber(day);
            if (number == 0)
                return false;
            shown.weekdays.push_back(number);
        }
        std::sort(shown.weekdays.begin(), shown.weekdays.end());
    } else if (key != "WKST") {
        return false;
    }
    return true;
}

// The kind the parts make, if the editor has one for them.
std::optional<EventRepeat::Kind> kindOf(const RuleParts &parts)
{
    using Kind = EventRepeat::Kind;
    const bool gregorian = parts.scale.isEmpty() || parts.scale == "GREGORIAN";
    if (gregorian && parts.skip.isEmpty()) {
        static const std::pair<const char *, Kind> kinds[] = {{"DAILY", Kind::daily},
                                                              {"WEEKLY", Kind::weekly},
                                                              {"MONTHLY", Kind::monthly},
                                                              {"YEARLY", Kind::yearly}};
        for (const auto &[name, kind] : kinds) {
            if (parts.frequency == name)
                return kind;
        }
        return std::nullopt;
    }
    if (parts.scale != "ISLAMIC-UMALQURA" || (parts.skip != "FORWARD" && parts.skip != "BACKWARD"))
        return std::nullopt;
    if (parts.frequency == "MONTHLY")
        return Kind::hijriMonthly;
    if (parts.frequency == "YEARLY")
        return Kind::hijriYearly;
    return std::nullopt;
}

} // namespace

EventRepeat repeatOfRule(QByteArrayView rule, const QString &zone)
{
    // No rule: a single event.
    if (QByteArrayView(rule).trimmed().isEmpty())
        return {};
    EventRepeat kept;
    kept.kind = EventRepeat::Kind::other;
    kept.rule = QString::fromUtf8(rule.data(), rule.size()).trimmed();
    RuleParts parts;
    for (const QByteArray &part : QByteArray(rule.data(), rule.size()).trimmed().toUpper().split(';')) {
        if (part.isEmpty())
            continue;
        const qsizetype eq = part.indexOf('=');
        if (!readPart(parts, part.left(eq), eq < 0 ? QByteArray() : part.mid(eq + 1), zone))
            return kept;
    }
    EventRepeat &shown = parts.shown;
    if (shown.count > 0 && shown.until)
        return kept;
    if (!shown.weekdays.empty() && parts.frequency != "WEEKLY")
        return kept;
    const auto kind = kindOf(parts);
    if (!kind)
        return kept;
    shown.kind = *kind;
    if (*kind == EventRepeat::Kind::hijriMonthly || *kind == EventRepeat::Kind::hijriYearly)
        shown.skipForward = parts.skip == "FORWARD";
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
