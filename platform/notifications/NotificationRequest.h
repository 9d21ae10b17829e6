// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"
#include "platform/calendar/Instant.h"

#include <QJsonObject>
#include <QString>
#include <optional>
#include <variant>

namespace platform {

// What the user may allow; combine with |, e.g. AuthorizationOption::alert | AuthorizationOption::badge.
struct AuthorizationOption
{
    enum : unsigned
    {
        badge = 1u,
        sound = 2u,
        alert = 4u
    };
};
using AuthorizationOptions = unsigned;
constexpr bool hasOption(AuthorizationOptions set, AuthorizationOptions option)
{
    return (set & option) == option;
}

enum class AuthorizationStatus
{
    notDetermined,
    denied,
    authorized
};

// The application's current notification permission.
struct NotificationSettings
{
    AuthorizationStatus authorizationStatus = AuthorizationStatus::notDetermined;
    // The options the user granted; empty unless authorized.
    AuthorizationOptions options = 0;

    bool alertsAllowed() const
    {
        return authorizationStatus == AuthorizationStatus::authorized &&
               hasOption(options, AuthorizationOption::alert);
    }
    bool badgeAllowed() const
    {
        return authorizationStatus == AuthorizationStatus::authorized &&
               hasOption(options, AuthorizationOption::badge);
    }
    bool operator==(const NotificationSettings &) const = default;
};

// Title and body are empty for a badge-only notification; a request without
// a badge leaves the application badge as it is.
struct NotificationContent
{
    QString title;
    QString body;
    std::optional<int> badge;
    bool sound = false;

    bool hasAlert() const { return !title.isEmpty() || !body.isEmpty(); }
    bool operator==(const NotificationContent &) const = default;
};

// Fires the given number of seconds after the request was added.
struct TimeIntervalTrigger
{
    double seconds = 0;
    bool repeats = false;
    bool operator==(const TimeIntervalTrigger &) const = default;
};

// Fires at the next moment matching the components. Without a calendar the
// components are read in the device's current calendar and zone at the time
// they are matched, so a change of zone moves the moment with it.
struct CalendarTrigger
{
    std::optional<int> year;
    std::optional<int> month;
    std::optional<int> day;
    std::optional<int> hour;
    std::optional<int> minute;
    std::optional<int> second;
    std::optional<CalendarIdentifier> calendar;
    bool repeats = false;
    bool operator==(const CalendarTrigger &) const = default;
};

using NotificationTrigger = std::variant<TimeIntervalTrigger, CalendarTrigger>;

struct NotificationRequest
{
    QString identifier;
    NotificationContent content;
    NotificationTrigger trigger;
    bool operator==(const NotificationRequest &) const = default;
};

// A request that has been (or is being) delivered.
struct Notification
{
    NotificationRequest request;
    Instant date;
};

// The moment a trigger fires, given when its request was added and the
// moment matching starts from; no value when no moment matches (a 31 April).
std::optional<Instant> triggerDate(const NotificationTrigger &trigger, Instant addedAt, Instant from);

// The calendars calendar triggers are matched in, each made at its first use
// (in the device's zone and locale then) and reused for a batch of triggers:
// making one costs more than matching a trigger in it.
class TriggerCalendars
{
public:
    const Calendar &of(CalendarIdentifier identifier);

private:
    std::optional<Calendar> gregorian_;
    std::optional<Calendar> islamicUmmAlQura_;
};
std::optional<Instant> triggerDate(const NotificationTrigger &trigger, Instant addedAt, Instant from,
                                   TriggerCalendars &calendars);

// {"type": "interval", "seconds": 1} or {"type": "calendar", "year": ..., "second": ...},
// with "calendar" and "repeats" only when set.
QJsonObject toJson(const NotificationTrigger &trigger);
// The same object as compact JSON text, the keys in order, written directly:
// the store keeps a trigger per request and a plan has sixty of them.
QByteArray toJsonText(const NotificationTrigger &trigger);
std::optional<NotificationTrigger> triggerFromJson(const QJsonObject &object);
// The trigger of JSON text: the same answer as parsing it into an object and
// reading that, with the text toJsonText() writes read directly.
std::optional<NotificationTrigger> triggerFromJsonText(QByteArrayView text);
// identifier, title, body, badge (null when none), sound and trigger.
QJsonObject toJson(const NotificationRequest &request);

} // namespace platform
