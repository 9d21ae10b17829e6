#include "platform/notifications/NotificationRequest.h"

#include <QJsonValue>
#include <cmath>

namespace platform {

namespace {

// A trigger with some components left open matches the first day that fits;
// no calendar has a day that fails to come round within eight years.
constexpr int maxSearchDays = 8 * 366;

bool matches(const std::optional<int> &wanted, std::int64_t actual)
{
    return !wanted || *wanted == actual;
}

std::optional<Instant> calendarTriggerDate(const CalendarTrigger &t, Instant from)
{
    const Calendar calendar(t.calendar.value_or(CalendarIdentifier::gregorian));
    const int hour = t.hour.value_or(0);
    const int minute = t.minute.value_or(0);
    const int second = t.second.value_or(0);
    if (t.year && t.month && t.day)
        return calendar.date(*t.year, *t.month, *t.day, hour, minute, second);

    Instant day = calendar.startOfDay(from);
    for (int i = 0; i < maxSearchDays; ++i) {
        const DateComponents c = calendar.components(day);
        if (matches(t.year, c.year) && matches(t.month, c.month) && matches(t.day, c.day)) {
            const auto at = calendar.date(c.year, c.month, c.day, hour, minute, second);
            if (at && *at >= from)
                return at;
        }
        if (t.year && c.year > *t.year)
            return std::nullopt;
        const auto next = calendar.dateByAddingDays(1, day);
        if (!next)
            return std::nullopt;
        day = calendar.startOfDay(*next);
    }
    return std::nullopt;
}

void putOptional(QJsonObject &o, const char *key, const std::optional<int> &v)
{
    if (v)
        o.insert(QLatin1String(key), *v);
}

std::optional<int> readOptional(const QJsonObject &o, const char *key)
{
    const QJsonValue v = o.value(QLatin1String(key));
    if (!v.isDouble())
        return std::nullopt;
    return v.toInt();
}

} // namespace

std::optional<Instant> triggerDate(const NotificationTrigger &trigger, Instant addedAt, Instant from)
{
    if (const auto *interval = std::get_if<TimeIntervalTrigger>(&trigger)) {
        if (!std::isfinite(interval->seconds) || interval->seconds < 0 || interval->seconds > 1e10)
            return std::nullopt;
        return addedAt + std::chrono::milliseconds(std::llround(interval->seconds * 1000.0));
    }
    return calendarTriggerDate(std::get<CalendarTrigger>(trigger), from);
}

QJsonObject toJson(const NotificationTrigger &trigger)
{
    QJsonObject o;
    if (const auto *interval = std::get_if<TimeIntervalTrigger>(&trigger)) {
        o.insert(QStringLiteral("type"), QStringLiteral("interval"));
        o.insert(QStringLiteral("seconds"), interval->seconds);
        if (interval->repeats)
            o.insert(QStringLiteral("repeats"), true);
        return o;
    }
    const auto &c = std::get<CalendarTrigger>(trigger);
    o.insert(QStringLiteral("type"), QStringLiteral("calendar"));
    putOptional(o, "year", c.year);
    putOptional(o, "month", c.month);
    putOptional(o, "day", c.day);
    putOptional(o, "hour", c.hour);
    putOptional(o, "minute", c.minute);
    putOptional(o, "second", c.second);
    if (c.calendar)
        o.insert(QStringLiteral("calendar"), Calendar(*c.calendar).identifierName());
    if (c.repeats)
        o.insert(QStringLiteral("repeats"), true);
    return o;
}

std::optional<NotificationTrigger> triggerFromJson(const QJsonObject &o)
{
    const QString type = o.value(QStringLiteral("type")).toString();
    const bool repeats = o.value(QStringLiteral("repeats")).toBool(false);
    if (type == QLatin1String("interval")) {
        const QJsonValue seconds = o.value(QStringLiteral("seconds"));
        if (!seconds.isDouble())
            return std::nullopt;
        return TimeIntervalTrigger{seconds.toDouble(), repeats};
    }
    if (type != QLatin1String("calendar"))
        return std::nullopt;
    CalendarTrigger c;
    c.year = readOptional(o, "year");
    c.month = readOptional(o, "month");
    c.day = readOptional(o, "day");
    c.hour = readOptional(o, "hour");
    c.minute = readOptional(o, "minute");
    c.second = readOptional(o, "second");
    c.repeats = repeats;
    if (o.contains(QStringLiteral("calendar"))) {
        c.calendar = Calendar::identifierFromName(o.value(QStringLiteral("calendar")).toString());
        if (!c.calendar)
            return std::nullopt;
    }
    return c;
}

QJsonObject toJson(const NotificationRequest &request)
{
    QJsonObject o;
    o.insert(QStringLiteral("identifier"), request.identifier);
    o.insert(QStringLiteral("title"), request.content.title);
    o.insert(QStringLiteral("body"), request.content.body);
    o.insert(QStringLiteral("badge"),
             request.content.badge ? QJsonValue(*request.content.badge) : QJsonValue());
    o.insert(QStringLiteral("sound"), request.content.sound);
    o.insert(QStringLiteral("trigger"), toJson(request.trigger));
    return o;
}

} // namespace platform
