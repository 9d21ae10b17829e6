// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/agent/EventAlerts.h"

#include "platform/calendar/CivilDays.h"
#include "platform/calendar/Clock.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/system/BoundedFile.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDateTime>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocale>
#include <QPointer>
#include <QSaveFile>
#include <QTimeZone>
#include <algorithm>

namespace platform {

namespace {

using namespace std::chrono_literals;

using civil::secondsPerDay;
// An all-day event reminds at this hour of its day.
constexpr int allDayAlertHour = 9;
// The kept file holds a few days of keys; anything larger is not ours.
constexpr qint64 maximumStateSize = 4 * 1024 * 1024;
// Timers run on a clock that stops while the machine sleeps: the wall clock
// is looked at this often, and at least this often the folders are read again.
constexpr int clockWatchMs = 30 * 1000;
constexpr auto longestWait = 1h;
// How soon an alert the notification service did not take is tried again.
constexpr int retryMs = 30 * 1000;
// Wall and steady clocks may drift this far apart before it counts as a jump.
constexpr qint64 clockJumpMs = 5000;

QDateTime inZone(Instant at, const QString &zone)
{
    const QDateTime utc = toQDateTime(at);
    if (!zone.isEmpty()) {
        const QTimeZone own(zone.toUtf8());
        if (own.isValid())
            return utc.toTimeZone(own);
    }
    return utc.toLocalTime();
}

QString bodyOf(const CalendarEvent &event)
{
    const QLocale locale;
    const QDateTime start = toQDateTime(event.startDate).toLocalTime();
    const QDateTime end = toQDateTime(event.endDate).toLocalTime();
    QString when;
    if (event.allDay)
        when = locale.toString(start.date(), QLocale::LongFormat);
    else if (start.date() == end.date())
        when = locale.toString(start, QLocale::ShortFormat) + QStringLiteral(" – ") +
               locale.toString(end.time(), QLocale::ShortFormat);
    else
        when = locale.toString(start, QLocale::ShortFormat) + QStringLiteral(" – ") +
               locale.toString(end, QLocale::ShortFormat);
    return event.location.isEmpty() ? when : when + QLatin1Char('\n') + event.location;
}

} // namespace

std::vector<EventAlertMoment> alertMomentsOf(const CalendarEvent &event)
{
    std::vector<EventAlertMoment> out;
    const Instant occurrence = event.recurrenceId.value_or(event.startDate);
    for (const EventAlert &alert : event.alerts) {
        EventAlertMoment moment;
        QString trigger;
        if (alert.at) {
            moment.at = *alert.at;
            trigger = QStringLiteral("at%1").arg(msecsOf(*alert.at));
        } else {
            const Instant from = alert.fromEnd ? event.endDate : event.startDate;
            QDateTime anchor = event.allDay ? QDateTime(toQDateTime(from).toLocalTime().date(),
                                                        QTime(allDayAlertHour, 0), Qt::LocalTime)
                                            : inZone(from, event.timeZone);
            // "-P1D" is the same time the day before, whatever the clocks do between.
            anchor = anchor.addDays(alert.offsetSeconds / secondsPerDay)
                         .addSecs(alert.offsetSeconds % secondsPerDay);
            if (!anchor.isValid())
                continue;
            moment.at = fromQDateTime(anchor);
            trigger = QStringLiteral("%1%2")
                          .arg(alert.fromEnd ? QStringLiteral("end") : QStringLiteral("start"))
                          .arg(alert.offsetSeconds);
        }
        moment.key = QStringLiteral("%1|%2|%3|%4")
                         .arg(event.uid)
                         .arg(msecsOf(occurrence))
                         .arg(trigger)
                         .arg(msecsOf(moment.at));
        moment.title = event.title;
        moment.body = bodyOf(event);
        out.push_back(std::move(moment));
    }
    return out;
}

DeliveredAlerts::DeliveredAlerts(QString path) : path_(std::move(path))
{
    QString error;
    const auto data = readRegularFile(path_, maximumStateSize, &error);
    if (!data)
        return; // none shown yet, or nothing we can read: at worst one alert twice
    const QJsonObject delivered =
        QJsonDocument::fromJson(*data).object().value(QStringLiteral("delivered")).toObject();
    for (auto it = delivered.begin(); it != delivered.end(); ++it)
        keys_[it.key()] = static_cast<std::int64_t>(it.value().toDouble());
}

QString DeliveredAlerts::defaultPath()
{
    return UserDefaults::configDirectory() + QStringLiteral("/delivered-alerts.json");
}

void DeliveredAlerts::add(const EventAlertMoment &alert)
{
    keys_[alert.key] = msecsOf(alert.at);
}

void DeliveredAlerts::remove(const QString &key)
{
    keys_.erase(key);
}

void DeliveredAlerts::forgetBefore(Instant before)
{
    std::erase_if(keys_, [before](const auto &entry) { return entry.second < msecsOf(before); });
}

bool DeliveredAlerts::save() const
{
    QJsonObject delivered;
    for (const auto &[key, at] : keys_)
        delivered.insert(key, static_cast<double>(at));
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(QJsonDocument(QJsonObject{{QStringLiteral("delivered"), delivered}}).toJson()) < 0 ||
        !file.commit()) {
        consoleWarning(lcNotifications(),
                       QStringLiteral("qamarly-notifyd: cannot keep the alerts shown in %1: %2")
                           .arg(path_, file.errorString()));
        return false;
    }
    return true;
}

EventAlertScheduler::EventAlertScheduler(std::shared_ptr<EventStore> store, QString statePath, Poster post,
                                         QObject *parent)
    : QObject(parent), store_(std::move(store)), delivered_(std::move(statePath)), post_(std::move(post))
{
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &EventAlertScheduler::check);
    connect(&clockWatch_, &QTimer::timeout, this, &EventAlertScheduler::watchClock);
}

void EventAlertScheduler::start()
{
    monotonic_.start();
    // The store watches its folders once someone listens: a file written by
    // a sync tool or the window moves or cancels its alerts at once.
    connect(store_.get(), &EventStore::storeChanged, this, &EventAlertScheduler::check);
    clockWatch_.start(clockWatchMs);
    check();
}

void EventAlertScheduler::watchClock()
{
    const qint64 steady = monotonic_.elapsed() - lastMonotonicMs_;
    const qint64 wall = msecsOf(Clock::current()) - msecsOf(lastWall_);
    if (std::abs(wall - steady) > clockJumpMs)
        check();
}

void EventAlertScheduler::check()
{
    const Instant now = Clock::current();
    lastWall_ = now;
    lastMonotonicMs_ = monotonic_.isValid() ? monotonic_.elapsed() : 0;
    // Alerts come up to four weeks before their events, and some after them.
    const auto events =
        store_->events(now - maximumLateness - 48h, now + std::chrono::minutes(maximumAlertMinutes) + 48h);
    std::vector<EventAlertMoment> due;
    next_.reset();
    for (const CalendarEvent &event : events) {
        for (EventAlertMoment &alert : alertMomentsOf(event)) {
            if (delivered_.contains(alert.key) || inFlight_.count(alert.key) != 0)
                continue;
            if (alert.at > now) {
                next_ = std::min(next_.value_or(alert.at), alert.at);
            } else if (alert.at > now - maximumLateness &&
                       std::none_of(due.begin(), due.end(),
                                    [&](const EventAlertMoment &d) { return d.key == alert.key; })) {
                due.push_back(std::move(alert));
            }
        }
    }
    if (!due.empty()) {
        std::stable_sort(due.begin(), due.end(),
                         [](const EventAlertMoment &a, const EventAlertMoment &b) { return a.at < b.at; });
        // Kept as shown before it is handed on: a stop in between loses it
        // rather than showing it twice.
        for (const EventAlertMoment &alert : due)
            delivered_.add(alert);
        delivered_.forgetBefore(now - 48h);
        delivered_.save();
        for (const EventAlertMoment &alert : due) {
            inFlight_[alert.key] = alert;
            post_(alert, [self = QPointer<EventAlertScheduler>(this), alert](bool shown) {
                if (self)
                    self->posted(alert, shown);
            });
        }
    }
    // Whatever comes first: the next alert, the day's change (all-day
    // alerts are reckoned in the day's own hours), or a look at the folders.
    const QDateTime local = toQDateTime(now).toLocalTime();
    Instant wake = std::min(now + longestWait, fromQDateTime(local.date().addDays(1).startOfDay()));
    if (next_)
        wake = std::min(wake, *next_);
    timer_.start(static_cast<int>(std::max<std::int64_t>(0, msecsOf(wake) - msecsOf(now))));
}

void EventAlertScheduler::posted(const EventAlertMoment &alert, bool shown)
{
    inFlight_.erase(alert.key);
    if (shown) {
        Q_EMIT alertPosted(alert.key);
        return;
    }
    delivered_.remove(alert.key);
    delivered_.save();
    QTimer::singleShot(retryMs, this, &EventAlertScheduler::check);
}

} // namespace platform
