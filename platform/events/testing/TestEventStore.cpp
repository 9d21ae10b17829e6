// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/testing/TestEventStore.h"

namespace platform {

TestEventStore::TestEventStore() = default;

void TestEventStore::holdQueries(bool held)
{
    {
        const std::lock_guard lock(mutex_);
        held_ = held;
    }
    released_.notify_all();
}

void TestEventStore::setAccess(bool granted, const QString &error)
{
    const std::lock_guard lock(mutex_);
    granted_ = granted;
    accessError_ = error;
}

void TestEventStore::setEvents(std::vector<CalendarEvent> events)
{
    const std::lock_guard lock(mutex_);
    events_ = std::move(events);
}

std::shared_ptr<const EventCalendar> TestEventStore::addCalendar(const QString &title, const QString &color,
                                                                 bool writable)
{
    auto calendar = std::make_shared<EventCalendar>();
    calendar->identifier = QStringLiteral("test:") + title;
    calendar->title = title;
    calendar->color = color;
    calendar->allowsContentModifications = writable;
    const std::lock_guard lock(mutex_);
    calendars_.push_back(calendar);
    return calendar;
}

std::vector<EventDraft> TestEventStore::savedDrafts() const
{
    const std::lock_guard lock(mutex_);
    return saved_;
}

std::vector<QString> TestEventStore::removedIdentifiers() const
{
    const std::lock_guard lock(mutex_);
    return removed_;
}

void TestEventStore::requestAccess(AccessCompletion completion)
{
    ++accessRequests_;
    bool granted;
    QString error;
    {
        const std::lock_guard lock(mutex_);
        granted = granted_;
        error = accessError_;
    }
    runStoreWork([completion, granted, error] {
        if (completion)
            completion(granted, error);
    });
}

EventAccessStatus TestEventStore::accessStatus() const
{
    const std::lock_guard lock(mutex_);
    return granted_ ? EventAccessStatus::authorized : EventAccessStatus::denied;
}

std::vector<std::shared_ptr<const EventCalendar>> TestEventStore::calendars()
{
    const std::lock_guard lock(mutex_);
    return calendars_;
}

std::vector<std::pair<Instant, Instant>> TestEventStore::queriedSpans() const
{
    const std::lock_guard lock(mutex_);
    return queried_;
}

std::vector<CalendarEvent> TestEventStore::events(Instant start, Instant end)
{
    ++queries_;
    std::unique_lock lock(mutex_);
    released_.wait(lock, [this] { return !held_; });
    queried_.emplace_back(start, end);
    std::vector<CalendarEvent> found;
    for (const CalendarEvent &event : events_) {
        const bool overlaps = event.endDate > event.startDate
                                  ? event.startDate < end && event.endDate > start
                                  : event.startDate >= start && event.startDate < end;
        if (overlaps)
            found.push_back(event);
    }
    return found;
}

bool TestEventStore::saveNewEvent(const EventDraft &draft, QString *error)
{
    const std::lock_guard lock(mutex_);
    if (!writeError_.isEmpty()) {
        if (error)
            *error = writeError_;
        return false;
    }
    saved_.push_back(draft);
    CalendarEvent event;
    event.identifier = QStringLiteral("saved-%1").arg(saved_.size());
    event.title = draft.title;
    event.location = draft.location;
    event.startDate = draft.startDate;
    event.endDate = draft.endDate;
    event.allDay = draft.allDay;
    for (const auto &calendar : calendars_) {
        if (calendar->identifier == draft.calendarIdentifier)
            event.calendar = calendar;
    }
    events_.push_back(event);
    return true;
}

bool TestEventStore::updateEvent(const CalendarEvent &event, const EventDraft &draft, EventSpan span,
                                 QString *error)
{
    const std::lock_guard lock(mutex_);
    if (!writeError_.isEmpty()) {
        if (error)
            *error = writeError_;
        return false;
    }
    saved_.push_back(draft);
    spans_.push_back(span);
    for (CalendarEvent &kept : events_) {
        if (kept.identifier == event.identifier) {
            kept.title = draft.title;
            kept.location = draft.location;
        }
    }
    return true;
}

bool TestEventStore::removeEvent(const CalendarEvent &event, EventSpan span, QString *error)
{
    const std::lock_guard lock(mutex_);
    if (!writeError_.isEmpty()) {
        if (error)
            *error = writeError_;
        return false;
    }
    removed_.push_back(event.identifier);
    spans_.push_back(span);
    std::erase_if(events_, [&](const CalendarEvent &e) { return e.identifier == event.identifier; });
    return true;
}

std::optional<CalendarEvent> TestEventStore::eventWithUid(const QString &uid)
{
    const std::lock_guard lock(mutex_);
    for (const CalendarEvent &event : events_) {
        if (event.uid == uid)
            return event;
    }
    return std::nullopt;
}

std::vector<EventSpan> TestEventStore::spans() const
{
    const std::lock_guard lock(mutex_);
    return spans_;
}

QByteArray TestEventStore::iCalendarData(const CalendarEvent &event)
{
    return "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:" + event.identifier.toUtf8() +
           "\r\nSUMMARY:" + event.title.toUtf8() + "\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
}

} // namespace platform
