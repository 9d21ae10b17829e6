// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/NotificationRequest.h"

#include <QJsonDocument>
#include <QJsonValue>
#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <limits>
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

namespace {

// Reads the flat objects toJsonText() writes: no spaces, known keys once
// each, whole numbers, plain words. Anything else is left to the JSON parser.
class CompactTriggerReader
{
public:
    explicit CompactTriggerReader(QByteArrayView text) : p_(text.begin()), end_(text.end()) {}

    std::optional<NotificationTrigger> read()
    {
        if (!eat('{'))
            return std::nullopt;
        CalendarTrigger c;
        std::optional<std::int64_t> seconds;
        std::string_view type;
        bool repeats = false;
        unsigned seen = 0;
        bool first = true;
        while (!eat('}')) {
            if (!first && !eat(','))
                return std::nullopt;
            first = false;
            const std::string_view key = word();
            if (key.empty() || !eat(':'))
                return std::nullopt;
            const int slot = slotOf(key);
            if (slot < 0 || (seen & (1u << slot)))
                return std::nullopt;
            seen |= 1u << slot;
            bool ok = true;
            switch (slot) {
            case 0:
                ok = readInt(c.year);
                break;
            case 1:
                ok = readInt(c.month);
                break;
            case 2:
                ok = readInt(c.day);
                break;
            case 3:
                ok = readInt(c.hour);
                break;
            case 4:
                ok = readInt(c.minute);
                break;
            case 5:
                ok = readInt(c.second);
                break;
            case 6: {
                const std::string_view name = word();
                if (name == "gregorian")
                    c.calendar = CalendarIdentifier::gregorian;
                else if (name == "islamicUmmAlQura")
                    c.calendar = CalendarIdentifier::islamicUmmAlQura;
                else
                    ok = false;
                break;
            }
            case 7:
                if (literal("true"))
                    repeats = true;
                else
                    ok = literal("false");
                break;
            case 8:
                type = word();
                ok = !type.empty();
                break;
            case 9: {
                std::int64_t v = 0;
                ok = integer(v, 9007199254740992LL);
                seconds = v;
                break;
            }
            default:
                ok = false;
                break;
            }
            if (!ok)
                return std::nullopt;
        }
        if (p_ != end_)
            return std::nullopt;
        if (type == "interval") {
            // An interval carries no calendar components.
            if (!seconds || (seen & 0x7fu) != 0)
                return std::nullopt;
            return TimeIntervalTrigger{static_cast<double>(*seconds), repeats};
        }
        if (type != "calendar" || seconds)
            return std::nullopt;
        c.repeats = repeats;
        return c;
    }

private:
    static int slotOf(std::string_view key)
    {
        static constexpr std::string_view keys[] = {"year",   "month",    "day",     "hour", "minute",
                                                    "second", "calendar", "repeats", "type", "seconds"};
        for (int i = 0; i < 10; ++i)
            if (keys[i] == key)
                return i;
        return -1;
    }
    bool eat(char ch)
    {
        if (p_ == end_ || *p_ != ch)
            return false;
        ++p_;
        return true;
    }
    bool literal(std::string_view text)
    {
        if (std::string_view(p_, static_cast<std::size_t>(end_ - p_)).substr(0, text.size()) != text)
            return false;
        p_ += text.size();
        return true;
    }
    // A quoted run of letters.
    std::string_view word()
    {
        if (!eat('"'))
            return {};
        const char *start = p_;
        while (p_ != end_ && ((*p_ >= 'a' && *p_ <= 'z') || (*p_ >= 'A' && *p_ <= 'Z')))
            ++p_;
        const std::string_view w(start, static_cast<std::size_t>(p_ - start));
        return eat('"') ? w : std::string_view();
    }
    bool integer(std::int64_t &v, std::int64_t limit)
    {
        const auto [next, error] = std::from_chars(p_, end_, v);
        // A fraction or an exponent follows: not a whole number written plainly.
        if (error != std::errc() || next == p_ || v > limit || v < -limit ||
            (next != end_ && (*next == '.' || *next == 'e' || *next == 'E')))
            return false;
        // No leading zeros or signs JSON does not allow ("01", "-0" is fine, "+1" is not).
        if (*p_ == '0' && next - p_ > 1)
            return false;
        if (*p_ == '-' && next - p_ > 2 && p_[1] == '0')
            return false;
        p_ = next;
        return true;
    }
    bool readInt(std::optional<int> &out)
    {
        std::int64_t v = 0;
        if (!integer(v, std::numeric_limits<int>::max()) || v < std::numeric_limits<int>::min())
            return false;
        out = static_cast<int>(v);
        return true;
    }

    const char *p_;
    const char *end_;
};

} // namespace

std::optional<NotificationTrigger> triggerFromJsonText(QByteArrayView text)
{
    if (auto trigger = CompactTriggerReader(text).read())
        return trigger;
    const QJsonDocument document = QJsonDocument::fromJson(text.toByteArray());
    return triggerFromJson(document.object());
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
