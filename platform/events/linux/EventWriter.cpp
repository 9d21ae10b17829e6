// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/EventWriter.h"

#include "platform/events/linux/AlarmText.h"
#include "platform/events/linux/CalendarText.h"
#include "platform/events/linux/Libical.h"
#include "platform/events/linux/Recurrence.h"
#include "platform/events/linux/RepeatRule.h"

#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>

namespace platform::ical {

namespace {

using namespace std::chrono_literals;

constexpr const char *ourProductId = "-//Qamarly//Qamarly//EN";

// libical, which every entry point below has loaded before any step needs it.
const Libical &lib()
{
    return *libical();
}

// One DATE or DATE-TIME value as written: its digits on a naive clock (held
// as UTC so that arithmetic on it knows no daylight saving).
struct WrittenTime
{
    QDateTime wall;
    bool isDate = false;
    bool utc = false;
    // The end of a PERIOD ("/PT1H"), kept as written.
    QByteArray suffix;
};

// How a property writes its times.
struct TimeForm
{
    bool isDate = false;
    bool utc = false;
    QByteArray tzid;
    // Null for floating times, and for a zone nobody knows (read as local,
    // as the reader does).
    icaltimezone *zone = nullptr;
};

std::optional<WrittenTime> parseTime(QByteArray text)
{
    WrittenTime t;
    if (const qsizetype slash = text.indexOf('/'); slash >= 0) {
        t.suffix = text.mid(slash);
        text = text.left(slash);
    }
    text = text.trimmed();
    const QDate date = QDate::fromString(QString::fromLatin1(text.left(8)), QStringLiteral("yyyyMMdd"));
    if (!date.isValid())
        return std::nullopt;
    if (text.size() == 8) {
        t.isDate = true;
        t.wall = QDateTime(date, QTime(0, 0), Qt::UTC);
        return t;
    }
    t.utc = text.endsWith('Z');
    if (text.size() != (t.utc ? 16 : 15) || text[8] != 'T')
        return std::nullopt;
    const QTime time = QTime::fromString(QString::fromLatin1(text.mid(9, 6)), QStringLiteral("HHmmss"));
    if (!time.isValid())
        return std::nullopt;
    t.wall = QDateTime(date, time, Qt::UTC);
    return t;
}

QDateTime naive(QDate date, QTime time = QTime(0, 0))
{
    return QDateTime(date, time, Qt::UTC);
}

icaltimetype icalTimeOf(const QDateTime &wall, bool isDate)
{
    icaltimetype t = isDate ? lib().time_null_date() : lib().time_null_time();
    t.year = wall.date().year();
    t.month = wall.date().month();
    t.day = wall.date().day();
    if (!isDate) {
        t.hour = wall.time().hour();
        t.minute = wall.time().minute();
        t.second = wall.time().second();
    }
    return t;
}

QDateTime wallOf(const icaltimetype &t)
{
    return naive(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second));
}

Instant instantOf(const QDateTime &wall, const TimeForm &form)
{
    if (form.isDate)
        return fromQDateTime(wall.date().startOfDay(Qt::LocalTime));
    if (form.utc)
        return fromQDateTime(wall);
    if (form.zone) {
        icaltimetype t = icalTimeOf(wall, false);
        t.zone = form.zone;
        return instantFromMSecs(static_cast<std::int64_t>(lib().time_as_timet_with_zone(t, form.zone)) *
                                1000);
    }
    return fromQDateTime(QDateTime(wall.date(), wall.time(), Qt::LocalTime));
}

QDateTime wallOf(Instant at, const TimeForm &form)
{
    const QDateTime local = toQDateTime(at).toLocalTime();
    if (form.isDate)
        return naive(local.date());
    if (form.utc)
        return toQDateTime(at).toUTC();
    if (form.zone)
        return wallOf(lib().time_from_timet_with_zone(static_cast<time_t>(msecsOf(at) / 1000), 0, form.zone));
    return naive(local.date(), local.time());
}

QByteArray textOf(const QDateTime &wall, const TimeForm &form)
{
    if (form.isDate)
        return wall.date().toString(QStringLiteral("yyyyMMdd")).toLatin1();
    QByteArray text = wall.toString(QStringLiteral("yyyyMMdd'T'HHmmss")).toLatin1();
    if (form.utc)
        text += 'Z';
    return text;
}

QByteArray utcText(Instant at)
{
    return textOf(toQDateTime(at).toUTC(), TimeForm{false, true, {}, nullptr});
}

// The parameters a new property in this form needs.
QByteArray parametersOf(const TimeForm &form)
{
    if (form.isDate)
        return ";VALUE=DATE";
    if (form.tzid.isEmpty())
        return {};
    const bool quote = form.tzid.contains(';') || form.tzid.contains(':') || form.tzid.contains(',');
    return ";TZID=" + (quote ? '"' + form.tzid + '"' : form.tzid);
}

// The zones a file's times can name: its own VTIMEZONEs, then the system's.
class ZoneBook
{
public:
    explicit ZoneBook(CalendarText &text)
    {
        QByteArray zones;
        if (Component *root = text.calendar()) {
            for (Component *zone : root->children("VTIMEZONE"))
                zones += zone->text();
        }
        if (!zones.isEmpty()) {
            const QByteArray calendar = "BEGIN:VCALENDAR\r\n" + zones + "END:VCALENDAR\r\n";
            root_ = lib().parser_parse_string(calendar.constData());
        }
    }
    ~ZoneBook()
    {
        if (root_)
            lib().component_free(root_);
    }
    ZoneBook(const ZoneBook &) = delete;
    ZoneBook &operator=(const ZoneBook &) = delete;

    icaltimezone *zone(const QByteArray &tzid) const
    {
        if (tzid.isEmpty())
            return nullptr;
        icaltimezone *found = root_ ? lib().component_get_timezone(root_, tzid.constData()) : nullptr;
        if (!found)
            found = lib().timezone_get_builtin_timezone(tzid.constData());
        if (!found)
            found = lib().timezone_get_builtin_timezone_from_tzid(tzid.constData());
        return found;
    }

private:
    icalcomponent *root_ = nullptr;
};

struct TimeProperty
{
    PropertyLine line;
    WrittenTime value;
    TimeForm form;
    Instant at() const { return instantOf(value.wall, form); }
};

// UNTIL for a rule that ends on `day`: the day itself for day events, its
// last second otherwise (in UTC unless the times float, as RFC 5545 asks).
QByteArray untilValue(QDate day, const TimeForm &form)
{
    const QDateTime last = naive(day, QTime(23, 59, 59));
    if (form.isDate || (!form.utc && !form.zone && form.tzid.isEmpty()))
        return textOf(last, form);
    const TimeForm wall{false, false, form.tzid, form.zone};
    return utcText(form.zone ? instantOf(last, wall)
                             : fromQDateTime(QDateTime(day, last.time(), Qt::LocalTime)));
}

TimeForm formOf(const PropertyLine &line, const WrittenTime &value, const ZoneBook &zones)
{
    TimeForm form;
    form.isDate = value.isDate;
    form.utc = value.utc;
    if (!form.isDate && !form.utc) {
        form.tzid = line.parameter("TZID");
        form.zone = zones.zone(form.tzid);
    }
    return form;
}

std::optional<TimeProperty> timeProperty(const Component &c, const QByteArray &name, const ZoneBook &zones)
{
    const auto unfoldedLine = c.first(name);
    if (!unfoldedLine)
        return std::nullopt;
    TimeProperty p;
    p.line = PropertyLine::parse(*unfoldedLine);
    const auto value = parseTime(p.line.value.split(',').value(0));
    if (!value)
        return std::nullopt;
    p.value = *value;
    p.form = formOf(p.line, p.value, zones);
    return p;
}

QString textProperty(const Component &c, const QByteArray &name)
{
    const auto line = c.first(name);
    return line ? unescapedText(PropertyLine::parse(*line).value) : QString();
}

// A URI is no TEXT: written as it is, only never across lines.
QByteArray addressValue(const QString &url)
{
    QByteArray value = url.trimmed().toUtf8();
    value.removeIf([](char c) { return c == '\r' || c == '\n'; });
    return value;
}

QString uidOf(const Component &c)
{
    return textProperty(c, "UID").trimmed();
}

// The alert an alarm of the event gives, if it is one the store reads.
std::optional<EventAlert> alertOfAlarm(const Component &alarm)
{
    const auto trigger = alarm.first("TRIGGER");
    if (!trigger)
        return std::nullopt;
    const auto action = alarm.first("ACTION");
    const PropertyLine line = PropertyLine::parse(*trigger);
    return alertOf(action ? PropertyLine::parse(*action).value : QByteArray(), line.parameter("RELATED"),
                   line.parameter("VALUE"), line.value);
}

bool isAlarm(const Component::Entry &e)
{
    return e.isComponent() && e.nested.front().name == "VALARM";
}

std::vector<EventAlert> alertsOf(const Component &c)
{
    std::vector<EventAlert> alerts;
    for (const Component::Entry &e : c.entries) {
        if (!isAlarm(e))
            continue;
        if (auto alert = alertOfAlarm(e.nested.front()))
            alerts.push_back(*alert);
    }
    return alerts;
}

bool isRecurringMaster(const Component &c)
{
    return c.first("RRULE") || c.first("RDATE");
}

std::int64_t durationSeconds(const QByteArray &value)
{
    const icaldurationtype d = lib().durationtype_from_string(value.trimmed().constData());
    if (lib().durationtype_is_bad_duration(d))
        return 0;
    return lib().durationtype_as_int(d);
}

QByteArray durationText(std::int64_t seconds, bool days)
{
    if (days)
        return "P" + QByteArray::number(std::max<std::int64_t>(1, seconds / secondsPerDay)) + "D";
    seconds = std::max<std::int64_t>(0, seconds);
    QByteArray text = "PT";
    if (seconds >= 3600)
        text += QByteArray::number(seconds / 3600) + "H";
    if (seconds % 3600 >= 60)
        text += QByteArray::number(seconds % 3600 / 60) + "M";
    if (seconds % 60 != 0 || text == "PT")
        text += QByteArray::number(seconds % 60) + "S";
    return text;
}

QDate localDate(Instant at)
{
    return toQDateTime(at).toLocalTime().date();
}

bool failWith(QString *error, const QString &why)
{
    if (error)
        *error = why;
    return false;
}

// One event of the file: the series (or single event) and its overrides.
struct Series
{
    Component *master = nullptr;
    std::vector<Component *> overrides;
};

Series seriesOf(CalendarText &text, const QString &uid)
{
    Series s;
    for (Component *event : text.events()) {
        if (uidOf(*event) != uid)
            continue;
        if (event->first("RECURRENCE-ID"))
            s.overrides.push_back(event);
        else if (!s.master)
            s.master = event;
    }
    return s;
}

bool sameOccurrence(Instant a, Instant b, bool dates)
{
    return dates ? localDate(a) == localDate(b) : msecsOf(a) / 1000 == msecsOf(b) / 1000;
}

// What one write does to the text of a file.
class Rewrite
{
public:
    Rewrite(CalendarText &file, Instant now) : text_(file), zones_(file), now_(now), nl_(file.newline()) {}

    const ZoneBook &zones() const { return zones_; }

    void stamp(Component &c) const
    {
        c.setLine("DTSTAMP:" + utcText(now_), nl_);
        c.setLine("LAST-MODIFIED:" + utcText(now_), nl_);
    }

    void raiseSequence(Component &c) const
    {
        const auto line = c.first("SEQUENCE");
        const int current = line ? PropertyLine::parse(*line).value.trimmed().toInt() : 0;
        c.setLine("SEQUENCE:" + QByteArray::number(std::max(0, current) + 1), nl_);
    }

    void setText(Component &c, const QByteArray &name, const QString &value, bool dropWhenEmpty) const
    {
        if (value.isEmpty() && dropWhenEmpty) {
            c.removeAll(name);
            return;
        }
        const auto existing = c.first(name);
        const QByteArray parameters = existing ? PropertyLine::parse(*existing).parameters : QByteArray();
        c.setLine(name + parameters + ':' + escapedText(value), nl_);
    }

    void applyFields(Component &c, const EventChange &change) const
    {
        if (change.title)
            setText(c, "SUMMARY", *change.title, false);
        if (change.location)
            setText(c, "LOCATION", *change.location, true);
        if (change.notes)
            setText(c, "DESCRIPTION", *change.notes, true);
        if (change.url)
            setAddress(c, *change.url);
        if (change.alerts)
            setAlerts(c, *change.alerts);
    }

    void setAddress(Component &c, const QString &url) const
    {
        if (url.isEmpty()) {
            c.removeAll("URL");
            return;
        }
        const auto existing = c.first("URL");
        const QByteArray parameters = existing ? PropertyLine::parse(*existing).parameters : QByteArray();
        c.setLine("URL" + parameters + ':' + addressValue(url), nl_);
    }

    // Alarms that give one of `wanted` stay byte for byte, the other alerts
    // go, and those still missing are added; alarms of other kinds stay.
    void setAlerts(Component &c, const std::vector<EventAlert> &wanted) const
    {
        std::vector<EventAlert> missing = wanted;
        for (auto it = c.entries.begin(); it != c.entries.end();) {
            const auto alert = isAlarm(*it) ? alertOfAlarm(it->nested.front()) : std::nullopt;
            if (!alert) {
                ++it;
                continue;
            }
            if (const auto found = std::find(missing.begin(), missing.end(), *alert);
                found != missing.end()) {
                missing.erase(found);
                ++it;
            } else {
                it = c.entries.erase(it);
            }
        }
        const QString title = textProperty(c, "SUMMARY");
        for (const EventAlert &alert : missing) {
            auto parsed = CalendarText::parse(alarmText(alert, title, nl_));
            if (!parsed || parsed->topEntries().empty() || !parsed->topEntries().front().isComponent())
                continue;
            c.entries.push_back(std::move(parsed->topEntries().front()));
        }
    }

    // Gives `c` the rule `repeat`, its end in the form of c's start.
    void setRule(Component &c, const EventRepeat &repeat) const
    {
        if (!repeat.repeats()) {
            c.removeAll("RRULE");
            return;
        }
        const auto start = timeProperty(c, "DTSTART", zones_);
        const TimeForm form = start ? start->form : TimeForm{};
        const QByteArray until = repeat.until ? untilValue(*repeat.until, form) : QByteArray();
        c.setLine("RRULE:" + ruleText(repeat, until), nl_);
    }

    // Writes the times of one component, each in the form it has; a change
    // between all-day and timed writes dates, or UTC times.
    bool writeTimes(Component &c, Instant start, Instant end, bool allDay, QString *error) const
    {
        const auto dtstart = timeProperty(c, "DTSTART", zones_);
        if (!dtstart) {
            if (error)
                *error = QStringLiteral("the event has no readable start");
            return false;
        }
        const bool shapeKept = dtstart->form.isDate == allDay;
        const TimeForm startForm = shapeKept ? dtstart->form : TimeForm{allDay, !allDay, {}, nullptr};
        const QByteArray startParameters = shapeKept ? dtstart->line.parameters : parametersOf(startForm);
        c.setLine("DTSTART" + startParameters + ':' + textOf(wallOf(start, startForm), startForm), nl_);

        // A day event ends at the start of the day after its last day.
        const QDate endDay = localDate(std::max(start, end)).addDays(1);
        const auto endText = [&](const TimeForm &form) {
            return allDay ? textOf(naive(endDay), form) : textOf(wallOf(std::max(start, end), form), form);
        };
        const auto dtend = timeProperty(c, "DTEND", zones_);
        const auto duration = c.first("DURATION");
        if (dtend && dtend->form.isDate == allDay) {
            c.setLine("DTEND" + dtend->line.parameters + ':' + endText(dtend->form), nl_);
        } else if (duration && shapeKept) {
            const std::int64_t seconds =
                allDay ? localDate(start).daysTo(endDay) * secondsPerDay : (end - start).count() / 1000;
            c.setLine("DURATION" + PropertyLine::parse(*duration).parameters + ':' +
                          durationText(seconds, allDay),
                      nl_);
        } else {
            c.removeAll("DTEND");
            c.removeAll("DURATION");
            const bool impliedLength = allDay ? localDate(start).addDays(1) == endDay : end <= start;
            if (!impliedLength || !shapeKept)
                c.addLine("DTEND" + parametersOf(startForm) + ':' + endText(startForm), nl_);
        }
        return true;
    }

    // Moves every time of a list property (EXDATE, RDATE, RECURRENCE-ID)
    // and drops the values `keep` refuses. Lines nothing happened to stay as
    // they are.
    void rewriteTimes(Component &c, const QByteArray &name, qint64 seconds, qint64 days,
                      const std::function<bool(Instant)> &keep = {}) const
    {
        for (auto it = c.entries.begin(); it != c.entries.end();) {
            if (it->isComponent() || PropertyLine::parse(unfolded(it->raw)).name != name) {
                ++it;
                continue;
            }
            PropertyLine line = PropertyLine::parse(unfolded(it->raw));
            QByteArrayList kept;
            bool changed = false;
            for (const QByteArray &part : line.value.split(',')) {
                auto value = parseTime(part);
                if (!value) {
                    kept << part;
                    continue;
                }
                const TimeForm form = formOf(line, *value, zones_);
                if (keep && !keep(instantOf(value->wall, form))) {
                    changed = true;
                    continue;
                }
                if (seconds != 0 || days != 0) {
                    value->wall = value->isDate ? value->wall.addDays(days) : value->wall.addSecs(seconds);
                    changed = true;
                }
                kept << textOf(value->wall, form) + value->suffix;
            }
            if (!changed) {
                ++it;
            } else if (kept.isEmpty()) {
                it = c.entries.erase(it);
            } else {
                line.value = kept.join(',');
                it->raw = folded(line.joined(), nl_);
                ++it;
            }
        }
    }

    // The occurrence of `series` that `target` is, as an override when it has one.
    Component *overrideFor(const Series &series, const CalendarEvent &target) const
    {
        if (!target.recurrenceId)
            return nullptr;
        for (Component *o : series.overrides) {
            const auto rid = timeProperty(*o, "RECURRENCE-ID", zones_);
            if (rid && sameOccurrence(rid->at(), *target.recurrenceId, rid->form.isDate))
                return o;
        }
        return nullptr;
    }

    const QByteArray &newline() const { return nl_; }
    Instant now() const { return now_; }
    CalendarText &text() const { return text_; }

private:
    CalendarText &text_;
    ZoneBook zones_;
    Instant now_;
    QByteArray nl_;
};

// "KEY=value" parts of a rule.
QByteArray partKey(const QByteArray &part)
{
    const qsizetype eq = part.indexOf('=');
    return (eq < 0 ? part : part.left(eq)).trimmed().toUpper();
}

QByteArray partValue(const QByteArray &part)
{
    const qsizetype eq = part.indexOf('=');
    return eq < 0 ? QByteArray() : part.mid(eq + 1);
}

const std::array<QByteArray, 7> weekdays{"MO", "TU", "WE", "TH", "FR", "SA", "SU"};

// A rule moved by whole days keeps its weekdays in step; a rule's end moves
// with the series.
QByteArray movedRule(const QByteArray &rule, qint64 seconds, qint64 days)
{
    QByteArrayList parts = rule.split(';');
    for (QByteArray &part : parts) {
        const QByteArray key = partKey(part);
        const QByteArray value = partValue(part);
        if (key == "UNTIL") {
            if (auto until = parseTime(value)) {
                until->wall = until->isDate ? until->wall.addDays(days) : until->wall.addSecs(seconds);
                part = "UNTIL=" + textOf(until->wall, TimeForm{until->isDate, until->utc, {}, nullptr});
            }
        } else if (key == "BYDAY" && days % 7 != 0) {
            QByteArrayList codes = value.split(',');
            const bool plain = std::all_of(codes.begin(), codes.end(), [](const QByteArray &code) {
                return std::find(weekdays.begin(), weekdays.end(), code.trimmed().toUpper()) !=
                       weekdays.end();
            });
            // "1MO" and "-1FR" name a week of the month too: left alone.
            if (!plain)
                continue;
            for (QByteArray &code : codes) {
                const auto index =
                    std::find(weekdays.begin(), weekdays.end(), code.trimmed().toUpper()) - weekdays.begin();
                code = weekdays[static_cast<std::size_t>(((index + days) % 7 + 7) % 7)];
            }
            part = "BYDAY=" + codes.join(',');
        }
    }
    return parts.join(';');
}

QByteArray ruleWithout(const QByteArray &rule, const QByteArray &key)
{
    QByteArrayList parts = rule.split(';');
    parts.removeIf([&](const QByteArray &part) { return partKey(part) == key; });
    return parts.join(';');
}

QByteArray ruleValue(const QByteArray &rule, const QByteArray &key)
{
    for (const QByteArray &part : rule.split(';')) {
        if (partKey(part) == key)
            return partValue(part).trimmed();
    }
    return {};
}

// How many of a rule's occurrences start before `before` (wall time in the
// rule's own form): what a count has used up at a split.
int occurrencesBefore(const QByteArray &rule, const TimeProperty &start, const QDateTime &before, int limit)
{
    const icalrecurrencetype recurrence = lib().recurrencetype_from_string(rule.constData());
    if (recurrence.freq == ICAL_NO_RECURRENCE)
        return 0;
    icalrecur_iterator *it =
        lib().recur_iterator_new(recurrence, icalTimeOf(start.value.wall, start.form.isDate));
    if (!it)
        return 0;
    int count = 0;
    for (icaltimetype at = lib().recur_iterator_next(it); !lib().time_is_null_time(at) && count < limit;
         at = lib().recur_iterator_next(it)) {
        if (wallOf(at) >= before)
            break;
        ++count;
    }
    lib().recur_iterator_free(it);
    return count;
}

// Ends the series `master` before the occurrence starting at `split`: a
// rule's count becomes an end, extra dates and exceptions from there go.
void endSeriesBefore(const Rewrite &rewrite, Component &master, const TimeProperty &start, Instant split)
{
    const QByteArray &nl = rewrite.newline();
    if (const auto rule = master.first("RRULE")) {
        PropertyLine line = PropertyLine::parse(*rule);
        QByteArray until;
        if (start.form.isDate)
            until = textOf(naive(localDate(split).addDays(-1)), start.form);
        else if (start.form.utc || start.form.zone)
            until = utcText(split - 1s);
        else
            until = textOf(wallOf(split - 1s, start.form), start.form);
        line.value = ruleWithout(ruleWithout(line.value, "COUNT"), "UNTIL") + ";UNTIL=" + until;
        master.setLine(line.joined(), nl);
    }
    const auto before = [split](Instant at) { return at < split; };
    rewrite.rewriteTimes(master, "RDATE", 0, 0, before);
    rewrite.rewriteTimes(master, "EXDATE", 0, 0, before);
    rewrite.raiseSequence(master);
    rewrite.stamp(master);
}

// Moves a whole series: the master by `seconds`/`days` (its end by the
// length change too), its exceptions and overrides along with it.
struct SeriesMove
{
    qint64 seconds = 0;
    qint64 days = 0;
    qint64 lengthSeconds = 0;
    qint64 lengthDays = 0;
    bool moves() const { return seconds != 0 || days != 0 || lengthSeconds != 0 || lengthDays != 0; }
};

SeriesMove moveBetween(const CalendarEvent &seen, const EventChange &change, const TimeForm &form)
{
    SeriesMove move;
    const QDateTime from = wallOf(seen.startDate, form);
    const QDateTime to = wallOf(*change.start, form);
    move.seconds = from.secsTo(to);
    move.days = from.date().daysTo(to.date());
    move.lengthSeconds =
        ((*change.end - *change.start).count() - (seen.endDate - seen.startDate).count()) / 1000;
    move.lengthDays = localDate(*change.start).daysTo(localDate(*change.end)) -
                      localDate(seen.startDate).daysTo(localDate(seen.endDate));
    return move;
}

void moveSeries(const Rewrite &rewrite, Series &series, const SeriesMove &move, Component *keepTimes)
{
    Component &master = *series.master;
    const QByteArray &nl = rewrite.newline();
    rewrite.rewriteTimes(master, "DTSTART", move.seconds, move.days);
    rewrite.rewriteTimes(master, "DTEND", move.seconds + move.lengthSeconds, move.days + move.lengthDays);
    if (const auto duration = master.first("DURATION"); duration && (move.lengthSeconds || move.lengthDays)) {
        const PropertyLine line = PropertyLine::parse(*duration);
        const bool days = timeProperty(master, "DTSTART", rewrite.zones())->form.isDate;
        const std::int64_t length =
            durationSeconds(line.value) + (days ? move.lengthDays * secondsPerDay : move.lengthSeconds);
        master.setLine("DURATION" + line.parameters + ':' + durationText(length, days), nl);
    }
    rewrite.rewriteTimes(master, "RDATE", move.seconds, move.days);
    rewrite.rewriteTimes(master, "EXDATE", move.seconds, move.days);
    if (const auto rule = master.first("RRULE")) {
        PropertyLine line = PropertyLine::parse(*rule);
        line.value = movedRule(line.value, move.seconds, move.days);
        master.setLine(line.joined(), nl);
    }
    for (Component *o : series.overrides) {
        rewrite.rewriteTimes(*o, "RECURRENCE-ID", move.seconds, move.days);
        if (o != keepTimes) {
            rewrite.rewriteTimes(*o, "DTSTART", move.seconds, move.days);
            rewrite.rewriteTimes(*o, "DTEND", move.seconds, move.days);
        }
        rewrite.raiseSequence(*o);
        rewrite.stamp(*o);
    }
    rewrite.raiseSequence(master);
}

// The change for every occurrence of `series`: fields on the master (and on
// the occurrence the user changed, when it has an override of its own);
// times move the whole series.
bool changeSeries(const Rewrite &rewrite, Series &series, const CalendarEvent &target,
                  const EventChange &change, QString *error)
{
    Component &master = *series.master;
    Component *own = rewrite.overrideFor(series, target);
    if (change.allDay && *change.allDay != target.allDay)
        return failWith(error, QStringLiteral("a repeating event is changed between all-day and timed only "
                                              "one occurrence at a time"));
    rewrite.applyFields(master, change);
    if (own)
        rewrite.applyFields(*own, change);
    bool moved = false;
    if (change.movesTimes()) {
        const auto start = timeProperty(master, "DTSTART", rewrite.zones());
        if (!start)
            return failWith(error, QStringLiteral("the event has no readable start"));
        const SeriesMove move = moveBetween(target, change, start->form);
        if (move.moves()) {
            moveSeries(rewrite, series, move, own);
            moved = true;
            if (own && !rewrite.writeTimes(*own, *change.start, *change.end, target.allDay, error))
                return false;
        }
    }
    if (change.repeat) {
        rewrite.setRule(master, *change.repeat);
        if (!moved)
            rewrite.raiseSequence(master);
        if (!change.repeat->repeats()) {
            // What is left is the series' first occurrence, alone.
            for (const char *name : {"RDATE", "EXDATE", "EXRULE"})
                master.removeAll(name);
            const std::vector<Component *> overrides = series.overrides;
            rewrite.text().removeEvents([&overrides](const Component &c) {
                return std::find(overrides.begin(), overrides.end(), &c) != overrides.end();
            });
            series.overrides.clear();
            own = nullptr;
        }
    }
    rewrite.stamp(master);
    if (own)
        rewrite.stamp(*own);
    return true;
}

// A new override for one occurrence of the master: a copy of it, without
// its recurrence, at the occurrence's times.
Component makeOverride(const Rewrite &rewrite, const Component &master, const CalendarEvent &target,
                       const TimeProperty &start, QString *error)
{
    Component o = master;
    for (const char *name : {"RRULE", "RDATE", "EXDATE", "EXRULE", "CREATED"})
        o.removeAll(name);
    const Instant rid = target.recurrenceId.value_or(target.startDate);
    const auto at = std::find_if(o.entries.begin(), o.entries.end(), [](const Component::Entry &e) {
        return !e.isComponent() && PropertyLine::parse(unfolded(e.raw)).name == "DTSTART";
    });
    Component::Entry line;
    line.raw =
        folded("RECURRENCE-ID" + parametersOf(start.form) + ':' + textOf(wallOf(rid, start.form), start.form),
               rewrite.newline());
    o.entries.insert(at, std::move(line));
    rewrite.writeTimes(o, target.startDate, target.endDate, target.allDay, error);
    return o;
}

QByteArray splitFileText(CalendarText &text, const std::vector<Component> &events)
{
    const QByteArray nl = text.newline();
    QByteArray out;
    Component *root = text.calendar();
    if (root && root->name == "VCALENDAR") {
        out += root->beginLine;
        for (const Component::Entry &e : root->entries) {
            if (!e.isComponent())
                out += e.raw;
        }
        for (Component *zone : root->children("VTIMEZONE"))
            out += zone->text();
    } else {
        out += "BEGIN:VCALENDAR" + nl + "VERSION:2.0" + nl + "PRODID:" + ourProductId + nl;
    }
    for (const Component &event : events)
        out += event.text();
    out += root ? root->endLine : "END:VCALENDAR" + nl;
    if (!out.endsWith('\n'))
        out += nl;
    return out;
}

// Splits `series` at `target`: the master ends before it, the rest becomes a
// series of its own (UID `uid`) with the overrides from there on.
std::vector<Component> splitSeries(const Rewrite &rewrite, Series &series, const CalendarEvent &target,
                                   const TimeProperty &start, const QString &uid)
{
    const Instant split = target.recurrenceId.value_or(target.startDate);
    const QByteArray &nl = rewrite.newline();
    Component rest = *series.master;
    rest.setLine("UID:" + escapedText(uid), nl);
    const QDateTime from = start.value.wall;
    const QDateTime to = wallOf(split, start.form);
    rewrite.rewriteTimes(rest, "DTSTART", from.secsTo(to), from.date().daysTo(to.date()));
    rewrite.rewriteTimes(rest, "DTEND", from.secsTo(to), from.date().daysTo(to.date()));
    if (const auto rule = rest.first("RRULE")) {
        PropertyLine line = PropertyLine::parse(*rule);
        const int count = ruleValue(line.value, "COUNT").toInt();
        if (count > 0) {
            const int used = occurrencesBefore(line.value, start, to, count);
            line.value =
                ruleWithout(line.value, "COUNT") + ";COUNT=" + QByteArray::number(std::max(1, count - used));
            rest.setLine(line.joined(), nl);
        }
    }
    const auto fromSplit = [split](Instant at) { return at >= split; };
    rewrite.rewriteTimes(rest, "RDATE", 0, 0, fromSplit);
    rewrite.rewriteTimes(rest, "EXDATE", 0, 0, fromSplit);
    rest.removeAll("SEQUENCE");
    rest.setLine("CREATED:" + utcText(rewrite.now()), nl);
    rewrite.stamp(rest);

    std::vector<Component> moved{rest};
    std::vector<Component *> kept;
    for (Component *o : series.overrides) {
        const auto rid = timeProperty(*o, "RECURRENCE-ID", rewrite.zones());
        if (rid && rid->at() >= split) {
            Component copy = *o;
            copy.setLine("UID:" + escapedText(uid), nl);
            moved.push_back(std::move(copy));
        } else {
            kept.push_back(o);
        }
    }
    endSeriesBefore(rewrite, *series.master, start, split);
    const Component *masterPointer = series.master;
    const std::vector<Component *> gone = [&] {
        std::vector<Component *> g;
        for (Component *o : series.overrides)
            if (std::find(kept.begin(), kept.end(), o) == kept.end())
                g.push_back(o);
        return g;
    }();
    rewrite.text().removeEvents([&](const Component &c) {
        return &c != masterPointer && std::find(gone.begin(), gone.end(), &c) != gone.end();
    });
    return moved;
}

} // namespace

EventChange EventChange::between(const CalendarEvent &seen, const EventDraft &draft)
{
    EventChange change;
    if (draft.title != seen.title)
        change.title = draft.title;
    if (draft.location != seen.location)
        change.location = draft.location;
    if (draft.notes != seen.notes)
        change.notes = draft.notes;
    if (draft.repeat && *draft.repeat != seen.repeat)
        change.repeat = draft.repeat;
    if (draft.url && *draft.url != seen.url)
        change.url = draft.url;
    if (draft.alerts && *draft.alerts != seen.alerts)
        change.alerts = draft.alerts;
    bool moved = draft.allDay != seen.allDay;
    if (draft.allDay && seen.allDay)
        moved = moved || localDate(draft.startDate) != localDate(seen.startDate) ||
                localDate(draft.endDate) != localDate(seen.endDate);
    else
        moved = moved || msecsOf(draft.startDate) / 1000 != msecsOf(seen.startDate) / 1000 ||
                msecsOf(draft.endDate) / 1000 != msecsOf(seen.endDate) / 1000;
    if (moved) {
        change.start = draft.startDate;
        change.end = std::max(draft.startDate, draft.endDate);
        change.allDay = draft.allDay;
    }
    return change;
}

bool EventChange::isEmpty() const
{
    return !title && !location && !notes && !url && !start && !repeat && !alerts;
}

QByteArray EventWriter::newEventData(const EventDraft &draft, const QString &uid, Instant now)
{
    const std::lock_guard lock(libicalMutex());
    const QByteArray nl = "\r\n";
    QByteArray zoneText;
    TimeForm form{draft.allDay, !draft.allDay, {}, nullptr};
    // Without libical no zone can be described, and the times go in UTC.
    if (!draft.allDay && !draft.timeZone.isEmpty() && libical()) {
        const QByteArray tzid = draft.timeZone.toUtf8();
        if (icaltimezone *zone = lib().timezone_get_builtin_timezone(tzid.constData())) {
            form = TimeForm{false, false, tzid, zone};
            // libical names its zones with a prefix of its own and notes of
            // its own (X-LIC-*): the file names the zone plainly.
            char *raw = lib().component_as_ical_string_r(lib().timezone_get_component(zone));
            if (auto parsed = CalendarText::parse(QByteArray(raw ? raw : ""))) {
                for (Component::Entry &e : parsed->topEntries()) {
                    if (!e.isComponent())
                        continue;
                    Component &c = e.nested.front();
                    c.setLine("TZID:" + tzid, nl);
                    c.removeAll("X-LIC-LOCATION");
                    zoneText += c.text();
                }
            }
            free(raw);
        }
    }
    QByteArray out = "BEGIN:VCALENDAR" + nl + "VERSION:2.0" + nl + "PRODID:" + ourProductId + nl;
    out += zoneText;
    out += "BEGIN:VEVENT" + nl;
    out += folded("UID:" + escapedText(uid), nl);
    out += "DTSTAMP:" + utcText(now) + nl + "CREATED:" + utcText(now) + nl + "LAST-MODIFIED:" + utcText(now) +
           nl;
    out += folded("SUMMARY:" + escapedText(draft.title), nl);
    if (!draft.location.isEmpty())
        out += folded("LOCATION:" + escapedText(draft.location), nl);
    if (!draft.notes.isEmpty())
        out += folded("DESCRIPTION:" + escapedText(draft.notes), nl);
    if (draft.url && !draft.url->isEmpty())
        out += folded("URL:" + addressValue(*draft.url), nl);
    const Instant end = std::max(draft.startDate, draft.endDate);
    out += "DTSTART" + parametersOf(form) + ':' + textOf(wallOf(draft.startDate, form), form) + nl;
    const QDateTime endWall = draft.allDay ? naive(localDate(end).addDays(1)) : wallOf(end, form);
    out += "DTEND" + parametersOf(form) + ':' + textOf(endWall, form) + nl;
    if (draft.repeat && draft.repeat->repeats()) {
        const QByteArray until = draft.repeat->until ? untilValue(*draft.repeat->until, form) : QByteArray();
        out += folded("RRULE:" + ruleText(*draft.repeat, until), nl);
    }
    for (const EventAlert &alert : draft.alerts.value_or(std::vector<EventAlert>()))
        out += alarmText(alert, draft.title, nl);
    out += "END:VEVENT" + nl + "END:VCALENDAR" + nl;
    return out;
}

namespace {

bool libicalOrFail(QString *error)
{
    QString why;
    if (libical(&why))
        return true;
    failWith(error, QStringLiteral("libical, which writes calendar files, could not be loaded: %1").arg(why));
    return false;
}

std::optional<CalendarText> parsedOrFail(const QByteArray &data, QString *error)
{
    auto text = CalendarText::parse(data);
    if (!text)
        failWith(error, QStringLiteral("the file's BEGIN and END lines do not pair up"));
    return text;
}

// Where an edit or a delete lands: the chosen event's series as the file holds it now.
struct Target
{
    Series series;
    Component *own = nullptr; // the override of the chosen occurrence, if written
    bool repeats = false;
    std::optional<TimeProperty> start; // the master's DTSTART
    Instant occurrence;
};

std::optional<Target> targetIn(CalendarText &text, const Rewrite &rewrite, const CalendarEvent &event,
                               EventSpan &span, QString *error)
{
    Target t;
    t.series = seriesOf(text, event.uid);
    if (!t.series.master && t.series.overrides.empty()) {
        failWith(error, QStringLiteral("the event is no longer in its file"));
        return std::nullopt;
    }
    t.own = rewrite.overrideFor(t.series, event);
    t.repeats = t.series.master && (isRecurringMaster(*t.series.master) || !t.series.overrides.empty());
    if (t.series.master)
        t.start = timeProperty(*t.series.master, "DTSTART", rewrite.zones());
    t.occurrence = event.recurrenceId.value_or(event.startDate);
    // "This and following" from the first occurrence is the whole series.
    if (t.repeats && t.start && span == EventSpan::futureEvents && t.occurrence <= t.start->at())
        span = EventSpan::allEvents;
    return t;
}

// A new override for the target occurrence, placed after the master's
// last override so that each series reads in order; null when it cannot be.
Component *placeOverride(CalendarText &text, const Rewrite &rewrite, const Series &series,
                         const CalendarEvent &target, const TimeProperty &start, QString *error)
{
    Component made = makeOverride(rewrite, *series.master, target, start, error);
    Component *after = series.overrides.empty() ? series.master : series.overrides.back();
    Component *root = text.calendar();
    if (root) {
        for (auto it = root->entries.begin(); it != root->entries.end(); ++it) {
            if (it->isComponent() && &it->nested.front() == after) {
                Component::Entry entry;
                entry.nested.push_back(std::move(made));
                return &root->entries.insert(it + 1, std::move(entry))->nested.front();
            }
        }
    }
    failWith(error, QStringLiteral("a repeating event outside a calendar cannot take an exception"));
    return nullptr;
}

// The change made to one component: a single event or one occurrence.
bool changeOne(const Rewrite &rewrite, Component &c, const CalendarEvent &target, const EventChange &change,
               QString *error)
{
    rewrite.applyFields(c, change);
    if (change.movesTimes() &&
        !rewrite.writeTimes(c, *change.start, *change.end, change.allDay.value_or(target.allDay), error))
        return false;
    if (change.repeat)
        rewrite.setRule(c, *change.repeat);
    if (change.movesTimes() || change.repeat)
        rewrite.raiseSequence(c);
    rewrite.stamp(c);
    return true;
}

// "This and following": the series ends before the target, and the rest,
// split off under `splitUid`, is changed as a whole in a text of its own.
std::optional<QByteArray> changeFollowing(CalendarText &text, const Rewrite &rewrite, Series &series,
                                          const CalendarEvent &target, const TimeProperty &start,
                                          const EventChange &change, Instant now, const QString &splitUid,
                                          QString *error)
{
    if (change.allDay && *change.allDay != target.allDay) {
        failWith(error, QStringLiteral("a repeating event is changed between all-day and timed only one "
                                       "occurrence at a time"));
        return std::nullopt;
    }
    std::vector<Component> rest = splitSeries(rewrite, series, target, start, splitUid);
    auto restText = CalendarText::parse(splitFileText(text, rest));
    if (!restText) {
        failWith(error, QStringLiteral("the rest of the series could not be written"));
        return std::nullopt;
    }
    Rewrite restRewrite(*restText, now);
    Series restSeries = seriesOf(*restText, splitUid);
    CalendarEvent restTarget = target;
    restTarget.uid = splitUid;
    if (!restSeries.master || !changeSeries(restRewrite, restSeries, restTarget, change, error))
        return std::nullopt;
    return restText->data();
}

} // namespace

std::optional<RewrittenFile> EventWriter::edited(const QByteArray &data, const CalendarEvent &target,
                                                 const EventChange &change, EventSpan span, Instant now,
                                                 const QString &splitUid, QString *error)
{
    const std::lock_guard lock(libicalMutex());
    if (!libicalOrFail(error))
        return std::nullopt;
    auto text = parsedOrFail(data, error);
    if (!text)
        return std::nullopt;
    Rewrite rewrite(*text, now);
    auto found = targetIn(*text, rewrite, target, span, error);
    if (!found)
        return std::nullopt;
    auto &[series, own, repeats, start, occurrence] = *found;
    RewrittenFile out;
    // One component: a single event, or an override whose series is elsewhere.
    Component *single = !repeats ? (series.master ? series.master : own) : nullptr;
    if (!repeats && !single) {
        failWith(error, QStringLiteral("the occurrence is no longer in its file"));
        return std::nullopt;
    }
    if (repeats && !start) {
        failWith(error, QStringLiteral("the event has no readable start"));
        return std::nullopt;
    }
    if (!repeats || span == EventSpan::thisEvent) {
        Component *c = single ? single : own;
        if (!c)
            c = placeOverride(*text, rewrite, series, target, *start, error);
        if (!c)
            return std::nullopt;
        if (change.repeat && (repeats || !series.master)) {
            failWith(error,
                     QStringLiteral("the repeat of a series changes for all its events or for this and "
                                    "the following ones"));
            return std::nullopt;
        }
        if (!changeOne(rewrite, *c, target, change, error))
            return std::nullopt;
    } else if (span == EventSpan::allEvents) {
        if (!changeSeries(rewrite, series, target, change, error))
            return std::nullopt;
    } else {
        auto rest = changeFollowing(*text, rewrite, series, target, *start, change, now, splitUid, error);
        if (!rest)
            return std::nullopt;
        out.splitData = std::move(*rest);
    }
    out.data = text->data();
    out.nothingLeft = text->holdsNothing();
    return out;
}

std::optional<RewrittenFile> EventWriter::removed(const QByteArray &data, const CalendarEvent &target,
                                                  EventSpan span, Instant now, QString *error)
{
    const std::lock_guard lock(libicalMutex());
    if (!libicalOrFail(error))
        return std::nullopt;
    auto text = parsedOrFail(data, error);
    if (!text)
        return std::nullopt;
    Rewrite rewrite(*text, now);
    auto found = targetIn(*text, rewrite, target, span, error);
    if (!found)
        return std::nullopt;
    auto &[series, own, repeats, start, occurrence] = *found;
    const QString uid = target.uid;

    if (!repeats && !series.master) {
        // Overrides whose series lives elsewhere: just the one asked for.
        if (!own) {
            failWith(error, QStringLiteral("the occurrence is no longer in its file"));
            return std::nullopt;
        }
        text->removeEvents([own = own](const Component &c) { return &c == own; });
    } else if (!repeats || span == EventSpan::allEvents) {
        text->removeEvents([&uid](const Component &c) { return uidOf(c) == uid; });
    } else if (!start) {
        failWith(error, QStringLiteral("the event has no readable start"));
        return std::nullopt;
    } else if (span == EventSpan::thisEvent) {
        Component &master = *series.master;
        const auto at =
            std::find_if(master.entries.begin(), master.entries.end(), [](const Component::Entry &e) {
                return !e.isComponent() && PropertyLine::parse(unfolded(e.raw)).name == "DTSTART";
            });
        Component::Entry line;
        line.raw = folded("EXDATE" + parametersOf(start->form) + ':' +
                              textOf(wallOf(occurrence, start->form), start->form),
                          rewrite.newline());
        // Beside the other exceptions when there are some.
        const auto exdates = master.lines("EXDATE");
        const auto where = exdates.empty()
                               ? at + 1
                               : master.entries.begin() + static_cast<std::ptrdiff_t>(exdates.back()) + 1;
        master.entries.insert(where, std::move(line));
        rewrite.raiseSequence(master);
        rewrite.stamp(master);
        if (own)
            text->removeEvents([own = own](const Component &c) { return &c == own; });
    } else {
        const Instant split = occurrence;
        std::vector<const Component *> gone;
        for (Component *o : series.overrides) {
            const auto rid = timeProperty(*o, "RECURRENCE-ID", rewrite.zones());
            if (rid && rid->at() >= split)
                gone.push_back(o);
        }
        endSeriesBefore(rewrite, *series.master, *start, split);
        text->removeEvents(
            [&gone](const Component &c) { return std::find(gone.begin(), gone.end(), &c) != gone.end(); });
    }
    RewrittenFile out;
    out.data = text->data();
    out.nothingLeft = text->holdsNothing();
    return out;
}

std::optional<CalendarEvent> EventWriter::eventIn(const QByteArray &data, const QString &uid)
{
    const std::lock_guard lock(libicalMutex());
    if (!libical())
        return std::nullopt;
    auto text = CalendarText::parse(data);
    if (!text)
        return std::nullopt;
    const ZoneBook zones(*text);
    const Series series = seriesOf(*text, uid);
    const Component *c =
        series.master ? series.master : (series.overrides.empty() ? nullptr : series.overrides.front());
    if (!c)
        return std::nullopt;
    const auto start = timeProperty(*c, "DTSTART", zones);
    if (!start)
        return std::nullopt;
    CalendarEvent event;
    event.uid = uid;
    event.title = textProperty(*c, "SUMMARY");
    event.location = textProperty(*c, "LOCATION");
    event.notes = textProperty(*c, "DESCRIPTION");
    event.alerts = alertsOf(*c);
    if (const auto url = c->first("URL"))
        event.url = QString::fromUtf8(PropertyLine::parse(*url).value.trimmed());
    event.allDay = start->form.isDate;
    event.startDate = start->at();
    event.timeZone = QString::fromUtf8(start->form.tzid);
    const auto end = timeProperty(*c, "DTEND", zones);
    const auto duration = c->first("DURATION");
    if (event.allDay) {
        QDate after = start->value.wall.date().addDays(1);
        if (end && end->form.isDate)
            after = std::max(after, end->value.wall.date());
        else if (duration)
            after = start->value.wall.date().addDays(std::max<std::int64_t>(
                1, durationSeconds(PropertyLine::parse(*duration).value) / secondsPerDay));
        event.endDate = fromQDateTime(after.startOfDay(Qt::LocalTime)) - 1s;
    } else if (end) {
        event.endDate = std::max(event.startDate, end->at());
    } else if (duration) {
        event.endDate =
            event.startDate + std::chrono::seconds(durationSeconds(PropertyLine::parse(*duration).value));
    } else {
        event.endDate = event.startDate;
    }
    event.recurring = !series.overrides.empty() || (series.master && isRecurringMaster(*series.master));
    if (series.master) {
        if (const auto rule = series.master->first("RRULE"))
            event.repeat = repeatOfRule(PropertyLine::parse(*rule).value, event.timeZone);
    }
    if (series.master && event.recurring) {
        event.recurrenceId = event.startDate;
    } else if (!series.master) {
        if (const auto rid = timeProperty(*c, "RECURRENCE-ID", zones))
            event.recurrenceId = rid->at();
    }
    return event;
}

} // namespace platform::ical
