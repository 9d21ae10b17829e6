// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace platform::ical {

// One event of a file brought in from elsewhere (an invitation, an export),
// cut out as a calendar file of its own: the event with its changed
// occurrences, the zones they name and the calendar's own properties, every
// line as it was written. A calendar folder keeps one event a file.
struct SeparatedEvent
{
    QString uid;
    QByteArray data;
    // The version the sender gave it: SEQUENCE, then DTSTAMP.
    int sequence = 0;
    QByteArray stamp;
    // The event's lines alone, to tell an unchanged copy.
    QByteArray eventText;

    // Whether this is a later version of `other` (the same UID).
    bool supersedes(const SeparatedEvent &other) const;
};

// The events of `data` in file order; an event without a UID is given one.
// No value, with the reason, when the text is not a calendar or holds no event.
std::optional<std::vector<SeparatedEvent>> separatedEvents(const QByteArray &data, QString *error);

// A file name for the event in its calendar folder: the UID where it is
// safe as one, otherwise a digest of it.
QString fileNameForUid(const QString &uid);

} // namespace platform::ical
