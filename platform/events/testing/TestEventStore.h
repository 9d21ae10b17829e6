// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace platform {

// An event store in memory for tests: a fixed answer to access requests
// (given off the calling thread, as the real store does), the events it was
// given, and a record of what was written.
class TestEventStore : public EventStore
{
    Q_OBJECT

public:
    TestEventStore();

    void setAccess(bool granted, const QString &error = {});
    void setEvents(std::vector<CalendarEvent> events);
    // A calendar the test's events can point at.
    std::shared_ptr<const EventCalendar> addCalendar(const QString &title, const QString &color,
                                                     bool writable);
    // The next writes fail with `error` until cleared with an empty one.
    void failWrites(const QString &error) { writeError_ = error; }
    void announceChange() { emit storeChanged(); }
    // While held, a query waits before it answers: a store busy with a large calendar.
    void holdQueries(bool held);

    int accessRequests() const { return accessRequests_; }
    int queries() const { return queries_; }
    // The span of each query, in order.
    std::vector<std::pair<Instant, Instant>> queriedSpans() const;
    std::vector<EventDraft> savedDrafts() const;
    std::vector<QString> removedIdentifiers() const;
    // The span of each update and removal, in order.
    std::vector<EventSpan> spans() const;

    void requestAccess(AccessCompletion completion) override;
    EventAccessStatus accessStatus() const override;
    std::vector<std::shared_ptr<const EventCalendar>> calendars() override;
    std::vector<CalendarEvent> events(Instant start, Instant end) override;
    bool saveNewEvent(const EventDraft &draft, QString *error) override;
    bool updateEvent(const CalendarEvent &event, const EventDraft &draft, EventSpan span,
                     QString *error) override;
    bool removeEvent(const CalendarEvent &event, EventSpan span, QString *error) override;
    std::optional<CalendarEvent> eventWithUid(const QString &uid) override;
    QByteArray iCalendarData(const CalendarEvent &event) override;

private:
    mutable std::mutex mutex_;
    std::condition_variable released_;
    bool held_ = false;
    bool granted_ = true;
    QString accessError_;
    QString writeError_;
    std::vector<CalendarEvent> events_;
    std::vector<std::shared_ptr<const EventCalendar>> calendars_;
    std::vector<EventDraft> saved_;
    std::vector<QString> removed_;
    std::vector<EventSpan> spans_;
    std::vector<std::pair<Instant, Instant>> queried_;
    std::atomic<int> accessRequests_{0};
    std::atomic<int> queries_{0};
};

} // namespace platform
