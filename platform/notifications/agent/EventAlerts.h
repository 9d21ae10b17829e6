// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// One alert of one occurrence of an event, at its moment.
struct EventAlertMoment
{
    // The same for the same alert of the same occurrence at the same moment:
    // UID, occurrence, trigger and moment.
    QString key;
    Instant at{};
    QString title;
    QString body;
};

// The moments of an occurrence's alerts. Whole days of an offset count on
// the calendar of the event's zone (the device's for floating and all-day
// events); an all-day event's alerts are reckoned from 09:00 on its day.
std::vector<EventAlertMoment> alertMomentsOf(const CalendarEvent &event);

// The alerts already shown, kept in a small file that is written whole
// (beside it, then renamed), so an alert is shown once across restarts.
class DeliveredAlerts
{
public:
    explicit DeliveredAlerts(QString path);

    bool contains(const QString &key) const { return keys_.count(key) != 0; }
    void add(const EventAlertMoment &alert);
    void remove(const QString &key);
    // Forgets alerts whose moment is before `before`; they can never be due again.
    void forgetBefore(Instant before);
    bool save() const;

    // $XDG_CONFIG_HOME/qamarly/delivered-alerts.json
    static QString defaultPath();

private:
    QString path_;
    std::map<QString, std::int64_t> keys_;
};

// Shows every calendar folder's alerts at their moments: one timer for the
// next one, set again when a folder changes, when the wall clock jumps (a
// suspended machine wakes, the clock is set) and at the day's change. An
// alert missed while nothing ran is shown late if it is at most
// `maximumLateness` late; older ones are let go rather than shown in a flood.
class EventAlertScheduler : public QObject
{
    Q_OBJECT

public:
    // Hands an alert on; `done` says whether it may have been shown. An
    // alert not shown is tried again while it is not too late.
    using Poster = std::function<void(const EventAlertMoment &alert, std::function<void(bool shown)> done)>;

    static constexpr std::chrono::minutes maximumLateness{15};

    EventAlertScheduler(std::shared_ptr<EventStore> store, QString statePath, Poster post,
                        QObject *parent = nullptr);

    void start();
    // Shows what is due now and sets the timer for what comes next.
    void check();
    // The moment of the next alert not yet shown, if any is ahead.
    std::optional<Instant> nextAlert() const { return next_; }

Q_SIGNALS:
    void alertPosted(const QString &key);

private:
    void watchClock();
    void posted(const EventAlertMoment &alert, bool shown);

    std::shared_ptr<EventStore> store_;
    DeliveredAlerts delivered_;
    Poster post_;
    QTimer timer_;
    QTimer clockWatch_;
    QElapsedTimer monotonic_;
    Instant lastWall_{};
    qint64 lastMonotonicMs_ = 0;
    std::optional<Instant> next_;
    // Alerts handed on and not yet answered for.
    std::map<QString, EventAlertMoment> inFlight_;
};

} // namespace platform
