// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QColor>
#include <QObject>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace app::screens {

// The colours of the days' event dots, keyed by each day's first moment in
// the device zone: one colour per event (its calendar's, `fallback` when the
// calendar names none), earliest start first, at most `perDay` a day. An
// event marks every day it overlaps within [from, to); one of no length marks
// the day it is on.
using DayDots = std::map<platform::Instant, std::vector<QColor>>;
DayDots dotsByDay(std::vector<platform::CalendarEvent> events, platform::Instant from, platform::Instant to,
                  const QColor &fallback, std::size_t perDay = 3);

// The dots of the pages on screen, asked of the store off the main thread.
// Only the answer to the latest request is taken; until it comes the dots
// already known stay, so paging does not blink. Days already known are not
// asked again: a page turn asks only for the weeks it brings.
class EventDots : public QObject
{
    Q_OBJECT

public:
    EventDots(std::shared_ptr<platform::EventStore> store, QColor fallback, QObject *parent = nullptr);

    // Asks for the days of [from, to), once access has been granted; nothing
    // is asked (and the store's question is not raised) before that.
    void request(platform::Instant from, platform::Instant to);
    // The events changed: the next request asks for all of its days again.
    void forget() { known_.reset(); }
    // Whether the dots of every day of [from, to) are known.
    bool covers(platform::Instant from, platform::Instant to) const
    {
        return known_ && known_->from <= from && to <= known_->to;
    }
    std::vector<QColor> colorsOn(platform::Instant anyMomentOfDay) const;
    bool loading() const { return pending_ > 0; }
    // Whether an answer ever came.
    bool answered() const { return answered_; }

signals:
    // New dots arrived; the grid draws them again.
    void changed();

private:
    struct Span
    {
        platform::Instant from;
        platform::Instant to;
    };
    // What a request brings, to be put with what was known when it was made.
    void take(DayDots pieces, Span span, std::optional<Span> kept);

    std::shared_ptr<platform::EventStore> store_;
    QColor fallback_;
    DayDots dots_;
    // The days dots_ holds; empty when nothing is known or the events changed.
    std::optional<Span> known_;
    // The latest request, read on the store's thread too: one overtaken
    // while it waited there is dropped before its query runs.
    std::shared_ptr<std::atomic<quint64>> latestRequest_ = std::make_shared<std::atomic<quint64>>(0);
    int pending_ = 0;
    bool answered_ = false;
};

} // namespace app::screens
