// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/calendar/EventDots.h"

#include "app/screens/calendar/CalendarDay.h"

#include <QCoreApplication>
#include <QPointer>

namespace app::screens {

DayDots dotsByDay(std::vector<platform::CalendarEvent> events, platform::Instant from, platform::Instant to,
                  const QColor &fallback, std::size_t perDay)
{
    sortByStart(events);
    DayDots dots;
    for (const platform::CalendarEvent &event : events) {
        const QColor color = event.calendar && QColor(event.calendar->color).isValid()
                                 ? QColor(event.calendar->color)
                                 : fallback;
        // Day by day over the part of the event inside the span.
        DaySpan day = gregorianDaySpan(std::max(event.startDate, from));
        const platform::Instant last = std::min(event.endDate, to);
        while (day.start < to) {
            auto &colors = dots[day.start];
            if (colors.size() < perDay)
                colors.push_back(color);
            if (day.end >= last || day.end <= day.start)
                break;
            day = gregorianDaySpan(day.end);
        }
    }
    return dots;
}

EventDots::EventDots(std::shared_ptr<platform::EventStore> store, QColor fallback, QObject *parent)
    : QObject(parent), store_(std::move(store)), fallback_(fallback)
{
}

void EventDots::request(platform::Instant from, platform::Instant to)
{
    if (store_->accessStatus() != platform::EventAccessStatus::authorized || to <= from)
        return;
    const quint64 generation = ++*latestRequest_;
    // Only the days not known yet are asked for; what is known and still
    // wanted is kept when the answer comes.
    std::vector<Span> missing;
    std::optional<Span> kept;
    if (known_ && known_->from < to && from < known_->to) {
        kept = Span{std::max(from, known_->from), std::min(to, known_->to)};
        if (from < kept->from)
            missing.push_back({from, kept->from});
        if (kept->to < to)
            missing.push_back({kept->to, to});
    } else {
        missing.push_back({from, to});
    }
    if (missing.empty()) {
        take({}, {from, to}, kept);
        return;
    }
    ++pending_;
    const QPointer<EventDots> self(this);
    const std::shared_ptr<platform::EventStore> store = store_;
    const QColor fallback = fallback_;
    // Access is kept already: the answer comes on the store's thread at once,
    // and the query runs there, away from the window.
    store->requestAccess([self, store, missing, span = Span{from, to}, kept, fallback, generation,
                          latest = latestRequest_](bool granted, const QString &) {
        DayDots pieces;
        // Pages turned on while this waited: only the latest pages' dots are shown.
        if (granted && *latest == generation) {
            for (const Span &piece : missing)
                pieces.merge(dotsByDay(store->events(piece.from, piece.to), piece.from, piece.to, fallback));
        }
        QCoreApplication *app = QCoreApplication::instance();
        if (!app)
            return;
        QMetaObject::invokeMethod(
            app,
            [self, pieces = std::move(pieces), span, kept, granted, generation]() mutable {
                if (!self)
                    return;
                --self->pending_;
                if (generation != *self->latestRequest_ || !granted)
                    return;
                self->take(std::move(pieces), span, kept);
                self->answered_ = true;
                emit self->changed();
            },
            Qt::QueuedConnection);
    });
}

void EventDots::take(DayDots pieces, Span span, std::optional<Span> kept)
{
    if (kept) {
        for (auto day = dots_.lower_bound(kept->from); day != dots_.end() && day->first < kept->to; ++day)
            pieces.insert(*day);
    }
    dots_ = std::move(pieces);
    known_ = span;
}

std::vector<QColor> EventDots::colorsOn(platform::Instant anyMomentOfDay) const
{
    // The grid asks with each day's first moment: found without a calendar.
    auto found = dots_.find(anyMomentOfDay);
    if (found == dots_.end())
        found = dots_.find(gregorianDaySpan(anyMomentOfDay).start);
    return found == dots_.end() ? std::vector<QColor>{} : found->second;
}

} // namespace app::screens
