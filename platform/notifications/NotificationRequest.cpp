#include "platform/notifications/NotificationRequest.h"

#include <QJsonValue>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string_view>

namespace platform {

namespace {

// A trigger with some components left open matches the first day that fits;
// no calendar has a day that fails to come round within eight years.
constexpr int maxSearchDays = 8 * 366;

bool matches(const std::optional<int> &wanted, std::int64_t actual)
{
    return !wanted || *wanted == actual;
}

std::optional<Instant> calendarTriggerDate(const CalendarTrigger &t, Instant from,
                                           TriggerCalendars &calendars)
{
    const Calendar &calendar = calendars.of(t.calendar.value_or(CalendarIdentifier::gregorian));
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

const Calendar &TriggerCalendars::of(CalendarIdentifier identifier)
{
    std::optional<Calendar> &slot =
        identifier == CalendarIdentifier::gregorian ? gregorian_ : islamicUmmAlQura_;
    if (!slot)
        slot.emplace(identifier);
    return *slot;
}

std::optional<Instant> triggerDate(const NotificationTrigger &trigger, Instant addedAt, Instant from)
{
    TriggerCalendars calendars;
    return triggerDate(trigger, addedAt, from, calendars);
}

std::optional<Instant> triggerDate(const NotificationTrigger &trigger, Instant addedAt, Instant from,
                                   TriggerCalendars &calendars)
{
    if (const auto *interval = std::get_if<TimeIntervalTrigger>(&trigger)) {
        if (!std::isfinite(interval->seconds) || interval->seconds < 0 || interval->seconds > 1e10)
            return std::nullopt;
        return addedAt + std::chrono::milliseconds(std::llround(interval->seconds * 1000.0));
    }
    return calendarTriggerDate(std::get<CalendarTrigger>(trigger), from, calendars);
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

namespace {

// Compact JSON of one flat object, written into a fixed buffer and copied
// out once. The longest trigger (every component at its widest, a calendar,
// repeats) takes 182 characters.
class JsonObjectWriter
{
public:
    void key(std::string_view name)
    {
        put(first_ ? "{\"" : ",\"");
        first_ = false;
        put(name);
        put("\":");
    }
    void put(std::string_view text)
    {
        std::memcpy(end_, text.data(), text.size());
        end_ += text.size();
    }
    void put(std::int64_t v) { end_ = std::to_chars(end_, std::end(buffer_), v).ptr; }
    void put(const char *name, const std::optional<int> &v)
    {
        if (v) {
            key(name);
            put(std::int64_t{*v});
        }
    }
    QByteArray finish()
    {
        put("}");
        return QByteArray(buffer_, end_ - buffer_);
    }

private:
    char buffer_[256];
    char *end_ = buffer_;
    bool first_ = true;
};

} // namespace

QByteArray toJsonText(const NotificationTrigger &trigger)
{
    JsonObjectWriter w;
    // Keys in the order a JSON object keeps them (sorted), as toJson() gives.
    if (const auto *interval = std::get_if<TimeIntervalTrigger>(&trigger)) {
        if (interval->repeats) {
            w.key("repeats");
            w.put("true");
        }
        w.key("seconds");
        const double s = interval->seconds;
        // Whole numbers as integers, others at their shortest; JSON has no
        // infinity or NaN.
        if (!std::isfinite(s))
            w.put("null");
        else if (s == std::trunc(s) && std::fabs(s) < 9007199254740992.0)
            w.put(static_cast<std::int64_t>(s));
        else
            w.put(QByteArray::number(s, 'g', QLocale::FloatingPointShortest).toStdString());
        w.key("type");
        w.put("\"interval\"");
        return w.finish();
    }
    const auto &c = std::get<CalendarTrigger>(trigger);
    if (c.calendar) {
        w.key("calendar");
        w.put(*c.calendar == CalendarIdentifier::gregorian ? "\"gregorian\"" : "\"islamicUmmAlQura\"");
    }
    w.put("day", c.day);
    w.put("hour", c.hour);
    w.put("minute", c.minute);
    w.put("month", c.month);
    if (c.repeats) {
        w.key("repeats");
        w.put("true");
    }
    w.put("second", c.second);
    w.key("type");
    w.put("\"calendar\"");
    w.put("year", c.year);
    return w.finish();
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
