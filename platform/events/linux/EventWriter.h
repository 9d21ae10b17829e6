// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace platform::ical {

// What an edit changes: the fields in which the draft differs from the event
// as it was read. Everything else is left as the file has it.
struct EventChange
{
    std::optional<QString> title;
    std::optional<QString> location;
    std::optional<QString> notes;
    std::optional<QString> url;
    // New times of the occurrence; set when start, end or all-day changed.
    std::optional<Instant> start;
    std::optional<Instant> end;
    std::optional<bool> allDay;
    // A new rule for the series (never: it stops repeating).
    std::optional<EventRepeat> repeat;
    // The reminders it is to have; alarms of kinds the store does not read
    // (e-mail, procedure) stay whatever this says.
    std::optional<std::vector<EventAlert>> alerts;

    static EventChange between(const CalendarEvent &seen, const EventDraft &draft);
    bool isEmpty() const;
    bool movesTimes() const { return start.has_value(); }
};

// The files a write leaves behind.
struct RewrittenFile
{
    QByteArray data;
    // No event is left in the file: it goes to the trash instead.
    bool nothingLeft = false;
    // The rest of a series split off by a change of "this and following
    // events": a file of its own, as a new event.
    QByteArray splitData;
};

// Changes of one event of an iCalendar file, made on its text: the lines of
// the event that change are replaced, every other byte stays as it is. Times
// are written in the form they have (zone, UTC, floating or date); SEQUENCE
// is raised when times or recurrence change, DTSTAMP and LAST-MODIFIED say now.
class EventWriter
{
public:
    // A whole VCALENDAR holding one new event (with the VTIMEZONE of its zone).
    static QByteArray newEventData(const EventDraft &draft, const QString &uid, Instant now);

    // `data` as it is on disk now, with `change` made to the occurrences of
    // `target` that `span` names. `splitUid` names the new series a change of
    // "this and following" starts. No value, with the reason, when the file
    // cannot be changed that way.
    static std::optional<RewrittenFile> edited(const QByteArray &data, const CalendarEvent &target,
                                               const EventChange &change, EventSpan span, Instant now,
                                               const QString &splitUid, QString *error);
    static std::optional<RewrittenFile> removed(const QByteArray &data, const CalendarEvent &target,
                                                EventSpan span, Instant now, QString *error);

    // The event `uid` of `data` as a whole: the series' first start, or the
    // one occurrence when there is no series.
    static std::optional<CalendarEvent> eventIn(const QByteArray &data, const QString &uid);
};

} // namespace platform::ical
