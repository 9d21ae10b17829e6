// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/CalendarImport.h"

#include "platform/events/linux/CalendarText.h"

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QUuid>
#include <algorithm>
#include <map>

namespace platform::ical {

namespace {

QByteArray propertyValue(const Component &c, const QByteArray &name)
{
    const auto line = c.first(name);
    return line ? PropertyLine::parse(*line).value.trimmed() : QByteArray();
}

// What the event's lines name as zones, read from their unfolded text.
bool namesZone(const QByteArray &unfoldedEvents, const QByteArray &tzid)
{
    const auto has = [&](const QByteArray &form) { return unfoldedEvents.contains(form); };
    return has("TZID=" + tzid + ':') || has("TZID=" + tzid + ';') || has("TZID=\"" + tzid + '"');
}

QByteArray unfoldedText(QByteArray text)
{
    return text.replace("\r\n ", "").replace("\r\n\t", "").replace("\n ", "").replace("\n\t", "");
}

bool isMethodLine(const QByteArray &raw)
{
    // A stored calendar object carries no scheduling method (RFC 4791 4.1).
    const QByteArray line = unfolded(raw).toUpper();
    return line.startsWith("METHOD:") || line.startsWith("METHOD;");
}

QByteArray headerOf(Component *root, const QByteArray &nl)
{
    if (!root || root->name != "VCALENDAR")
        return "BEGIN:VCALENDAR" + nl + "VERSION:2.0" + nl + "PRODID:-//Qamarly//Qamarly//EN" + nl;
    QByteArray out = root->beginLine;
    for (const Component::Entry &e : root->entries) {
        if (!e.isComponent() && !isMethodLine(e.raw))
            out += e.raw;
    }
    return out;
}

struct Group
{
    QString uid;
    std::vector<Component *> parts;
};

std::vector<Group> groupedByUid(CalendarText &text)
{
    std::vector<Group> groups;
    std::map<QString, std::size_t> where;
    for (Component *event : text.events()) {
        QString uid = unescapedText(propertyValue(*event, "UID")).trimmed();
        if (uid.isEmpty()) {
            uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
            event->setLine("UID:" + uid.toUtf8(), text.newline());
        }
        const auto [at, added] = where.emplace(uid, groups.size());
        if (added)
            groups.push_back(Group{uid, {}});
        groups[at->second].parts.push_back(event);
    }
    return groups;
}

// Zones of every calendar in the file: a file may hold several, one after another.
std::vector<Component *> zonesOf(CalendarText &text)
{
    std::vector<Component *> zones;
    for (Component::Entry &e : text.topEntries()) {
        if (e.isComponent() && e.nested.front().name == "VCALENDAR") {
            for (Component *zone : e.nested.front().children("VTIMEZONE"))
                zones.push_back(zone);
        }
    }
    return zones;
}

SeparatedEvent separated(const Group &group, Component *root, const std::vector<Component *> &zones,
                         const QByteArray &nl)
{
    SeparatedEvent out;
    out.uid = group.uid;
    // The series' master speaks for the version; an override alone for itself.
    const Component *master = group.parts.front();
    for (const Component *part : group.parts) {
        if (!part->first("RECURRENCE-ID")) {
            master = part;
            break;
        }
    }
    out.sequence = propertyValue(*master, "SEQUENCE").toInt();
    out.stamp = propertyValue(*master, "DTSTAMP");
    for (const Component *part : group.parts)
        out.eventText += part->text();
    const QByteArray unfoldedEvents = unfoldedText(out.eventText);
    out.data = headerOf(root, nl);
    std::vector<QByteArray> added;
    for (const Component *zone : zones) {
        const QByteArray tzid = propertyValue(*zone, "TZID");
        if (!tzid.isEmpty() && namesZone(unfoldedEvents, tzid) &&
            std::find(added.begin(), added.end(), tzid) == added.end()) {
            out.data += zone->text();
            added.push_back(tzid);
        }
    }
    out.data += out.eventText;
    out.data += root && root->name == "VCALENDAR" ? root->endLine : "END:VCALENDAR" + nl;
    if (!out.data.endsWith('\n'))
        out.data += nl;
    return out;
}

} // namespace

bool SeparatedEvent::supersedes(const SeparatedEvent &other) const
{
    if (sequence != other.sequence)
        return sequence > other.sequence;
    // Both UTC date-times in the basic form, so their text orders them.
    return stamp > other.stamp;
}

std::optional<std::vector<SeparatedEvent>> separatedEvents(const QByteArray &data, QString *error)
{
    auto text = CalendarText::parse(data);
    if (!text) {
        if (error)
            *error =
                QStringLiteral("The file is not an iCalendar file: its BEGIN and END lines do not pair up");
        return std::nullopt;
    }
    Component *root = text->calendar();
    const std::vector<Component *> zones = zonesOf(*text);
    std::vector<SeparatedEvent> events;
    for (const Group &group : groupedByUid(*text))
        events.push_back(separated(group, root, zones, text->newline()));
    if (events.empty()) {
        if (error)
            *error = QStringLiteral("The file holds no events");
        return std::nullopt;
    }
    return events;
}

QString fileNameForUid(const QString &uid)
{
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9@._-]{1,200}$"));
    if (safe.match(uid).hasMatch() && !uid.startsWith(QLatin1Char('.')))
        return uid + QStringLiteral(".ics");
    return QString::fromLatin1(QCryptographicHash::hash(uid.toUtf8(), QCryptographicHash::Sha1).toHex()) +
           QStringLiteral(".ics");
}

} // namespace platform::ical
