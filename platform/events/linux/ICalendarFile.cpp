// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/ICalendarFile.h"

#include "platform/calendar/CivilDays.h"
#include "platform/events/linux/AlarmText.h"
#include "platform/events/linux/EventZone.h"
#include "platform/events/linux/Recurrence.h"
#include "platform/events/linux/RepeatRule.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDate>
#include <QDateTime>
#include <algorithm>
#include <atomic>
#include <cctype>
#include <cstring>
#include <functional>
#include <map>
#include <mutex>
#include <set>

namespace platform::ical {

namespace {

using namespace std::chrono_literals;

// One unfolded content line: NAME;PARAMS:VALUE (RFC 5545 3.1).
struct ContentLine
{
    QByteArray name;
    QByteArray params;
    QByteArray value;
    bool tooLong = false;
};

// Reads content lines one by one, unfolding as it goes, in time linear in
// the text however long its lines; a line longer than the cap is passed
// over (marked tooLong) instead of being kept.
class ContentLineReader
{
public:
    explicit ContentLineReader(const QByteArray &data) : data_(data)
    {
        if (data.startsWith("\xEF\xBB\xBF"))
            position_ = 3; // a byte-order mark some writers put first
    }

    qsizetype position() const { return position_; }

    bool next(ContentLine &line)
    {
        logical_.resize(0);
        line.tooLong = false;
        const char *begin = data_.constData();
        const qsizetype size = data_.size();
        bool started = false;
        while (position_ < size) {
            const char *found = static_cast<const char *>(
                std::memchr(begin + position_, '\n', static_cast<size_t>(size - position_)));
            const qsizetype lineEnd = found ? found - begin : size;
            const qsizetype following = found ? lineEnd + 1 : size;
            qsizetype contentEnd = lineEnd;
            if (contentEnd > position_ && begin[contentEnd - 1] == '\r')
                --contentEnd;
            const bool continuation = begin[position_] == ' ' || begin[position_] == '\t';
            if (started && !continuation)
                break; // the next line starts here
            if (!started && contentEnd == position_) {
                position_ = following; // a blank line between content lines
                continue;
            }
            const qsizetype contentStart = started && continuation ? position_ + 1 : position_;
            started = true;
            if (logical_.size() + (contentEnd - contentStart) > maximumLineLength)
                line.tooLong = true;
            else if (!line.tooLong)
                logical_.append(begin + contentStart, contentEnd - contentStart);
            position_ = following;
        }
        if (!started)
            return false;
        split(line);
        return true;
    }

private:
    // The parts are written into the line's own buffers, which keep their
    // room from line to line.
    static void assign(QByteArray &to, const char *from, qsizetype size)
    {
        to.resize(size);
        if (size > 0)
            std::memcpy(to.data(), from, static_cast<size_t>(size));
    }

    void split(ContentLine &line) const
    {
        line.name.resize(0);
        line.params.resize(0);
        line.value.resize(0);
        if (line.tooLong)
            return;
        const char *text = logical_.constData();
        const qsizetype size = logical_.size();
        qsizetype nameEnd = 0;
        while (nameEnd < size && text[nameEnd] != ';' && text[nameEnd] != ':')
            ++nameEnd;
        qsizetype nameStart = 0;
        qsizetype nameStop = nameEnd;
        while (nameStart < nameStop && (text[nameStart] == ' ' || text[nameStart] == '\t'))
            ++nameStart;
        while (nameStop > nameStart && (text[nameStop - 1] == ' ' || text[nameStop - 1] == '\t'))
            --nameStop;
        assign(line.name, text + nameStart, nameStop - nameStart);
        for (char &c : line.name) {
            if (c >= 'a' && c <= 'z')
                c = static_cast<char>(c - 'a' + 'A');
        }
        if (nameEnd >= size)
            return;
        qsizetype valueStart = nameEnd;
        if (text[nameEnd] == ';') {
            bool quoted = false;
            qsizetype i = nameEnd + 1;
            for (; i < size; ++i) {
                if (text[i] == '"')
                    quoted = !quoted;
                else if (text[i] == ':' && !quoted)
                    break;
            }
            assign(line.params, text + nameEnd + 1, i - nameEnd - 1);
            valueStart = i;
        }
        if (valueStart < size)
            assign(line.value, text + valueStart + 1, size - valueStart - 1);
    }

    const QByteArray &data_;
    QByteArray logical_;
    qsizetype position_ = 0;
};

QByteArray parameter(const QByteArray &params, const char *wanted)
{
    qsizetype i = 0;
    while (i < params.size()) {
        qsizetype end = i;
        bool quoted = false;
        for (; end < params.size(); ++end) {
            if (params[end] == '"')
                quoted = !quoted;
            else if (params[end] == ';' && !quoted)
                break;
        }
        const QByteArray part = params.mid(i, end - i);
        const qsizetype equals = part.indexOf('=');
        if (equals > 0 && part.left(equals).trimmed().compare(wanted, Qt::CaseInsensitive) == 0) {
            QByteArray value = part.mid(equals + 1).trimmed();
            if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
                value = value.mid(1, value.size() - 2);
            return value;
        }
        i = end + 1;
    }
    return {};
}

QString unescapedText(const QByteArray &value)
{
    QByteArray out;
    out.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            const char next = value[++i];
            out.append(next == 'n' || next == 'N' ? '\n' : next);
        } else {
            out.append(value[i]);
        }
    }
    return QString::fromUtf8(out);
}

std::optional<int> utcOffset(QByteArray text)
{
    text = text.trimmed();
    if ((text.size() != 5 && text.size() != 7) || (text[0] != '+' && text[0] != '-'))
        return std::nullopt;
    int parts[3] = {0, 0, 0};
    for (qsizetype i = 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return std::nullopt;
        parts[(i - 1) / 2] = parts[(i - 1) / 2] * 10 + (text[i] - '0');
    }
    if (parts[0] > 23 || parts[1] > 59 || parts[2] > 59)
        return std::nullopt;
    const int seconds = parts[0] * 3600 + parts[1] * 60 + parts[2];
    return text[0] == '-' ? -seconds : seconds;
}

// A property as written, kept until the file's zones are known.
struct RawValue
{
    QByteArray params;
    QByteArray value;
};

struct RawEvent
{
    qsizetype begin = 0;
    qsizetype end = 0;
    QByteArray uid;
    std::optional<RawValue> start, finish, duration, rule, recurrenceId;
    std::vector<RawValue> dates, excluded;
};

struct RawZone
{
    QByteArray id;
    std::vector<DefinedZone::Observance> observances;
    bool broken = false;
};

// A time of an event with the zone it is read in; no zone: floating, read in
// the device's zone at each query.
struct ZonedValue
{
    LocalSeconds local = 0;
    bool isDate = false;
    const EventZone *zone = nullptr;
};

struct Series
{
    // Where the event's text lies in the file, read again for its texts.
    qsizetype begin = 0;
    qsizetype length = 0;
    QByteArray uid;
    ZonedValue start;
    // The TZID its start is written in, when that zone is known.
    QByteArray zoneId;
    // Timed events: the length. Day events: the number of days.
    std::int64_t lengthMs = 0;
    std::int64_t lengthDays = 1;
    std::unique_ptr<RecurrenceExpander> rule;
    // The RRULE value as written, readable or not.
    QByteArray ruleText;
    std::vector<ZonedValue> extraDates;
    std::vector<ZonedValue> excluded;
    // Occurrences replaced by an override of their own.
    std::vector<ZonedValue> overridden;
    bool isOverride = false;
    // An override: the occurrence of its series it replaces.
    std::optional<ZonedValue> replaced;
};

// The wall-clock seconds a query of [start, end) looks at for occurrences
// lasting up to `length` seconds: any zone's offset (and a day's span in the
// device's zone) and the length before it, any offset after it.
std::pair<LocalSeconds, LocalSeconds> wallClockBounds(Instant start, Instant end, std::int64_t length)
{
    return {civil::floorDiv(msecsOf(start), 1000) - 2 * secondsPerDay - length,
            civil::floorDiv(msecsOf(end), 1000) + 2 * secondsPerDay};
}

// Where a value starts: its first moment for a date, in its zone or the device's.
std::optional<Instant> startOf(const ZonedValue &value, const EventZone &device)
{
    const auto at = value.isDate ? device.msecsAt(dayOf(value.local) * secondsPerDay)
                                 : (value.zone ? *value.zone : device).msecsAt(value.local);
    return at ? std::optional<Instant>(instantFromMSecs(*at)) : std::nullopt;
}

bool sameOccurrence(const ZonedValue &a, const ZonedValue &b, const EventZone &device)
{
    if (a.isDate || b.isDate)
        return dayOf(a.local) == dayOf(b.local);
    if (a.zone == b.zone)
        return a.local == b.local;
    const auto first = (a.zone ? *a.zone : device).msecsAt(a.local);
    const auto second = (b.zone ? *b.zone : device).msecsAt(b.local);
    return first && second && *first == *second;
}

struct EventTexts
{
    QString title;
    QString location;
    QString notes;
    QString url;
    std::vector<EventAlert> alerts;
};

// One VALARM as it is read.
struct AlarmLines
{
    QByteArray action;
    QByteArray triggerParams;
    std::optional<QByteArray> trigger;

    void read(const ContentLine &line)
    {
        if (line.name == "ACTION") {
            action = line.value;
        } else if (line.name == "TRIGGER" && !trigger) {
            trigger = line.value;
            triggerParams = line.params;
        }
    }
    void addTo(std::vector<EventAlert> &alerts) const
    {
        if (!trigger)
            return;
        if (auto alert = alertOf(action, parameter(triggerParams, "RELATED"),
                                 parameter(triggerParams, "VALUE"), *trigger))
            alerts.push_back(*alert);
    }
};

// The first of each text property of the event itself.
void readText(EventTexts &texts, const ContentLine &line)
{
    if (line.name == "SUMMARY" && texts.title.isEmpty())
        texts.title = unescapedText(line.value);
    else if (line.name == "LOCATION" && texts.location.isEmpty())
        texts.location = unescapedText(line.value);
    else if (line.name == "DESCRIPTION" && texts.notes.isEmpty())
        texts.notes = unescapedText(line.value);
    else if (line.name == "URL" && texts.url.isEmpty())
        texts.url = QString::fromUtf8(line.value.trimmed());
}

EventTexts textsOf(const QByteArray &data, const Series &s)
{
    EventTexts texts;
    const QByteArray part = QByteArray::fromRawData(data.constData() + s.begin, s.length);
    ContentLineReader reader(part);
    ContentLine line;
    int depth = 0;
    std::optional<AlarmLines> alarm;
    while (reader.next(line)) {
        if (line.name == "BEGIN") {
            ++depth;
            if (depth == 2 && line.value.trimmed().compare("VALARM", Qt::CaseInsensitive) == 0)
                alarm.emplace();
        } else if (line.name == "END") {
            if (depth == 2 && alarm) {
                alarm->addTo(texts.alerts);
                alarm.reset();
            }
            --depth;
        } else if (depth == 1) {
            readText(texts, line);
        } else if (depth == 2 && alarm) {
            alarm->read(line);
        }
    }
    return texts;
}

// Whether the series leaves `at` out: an override or an EXDATE stands there.
bool isLeftOut(const Series &s, const ZonedValue &at, const EventZone &device)
{
    const auto same = [&](const ZonedValue &other) { return sameOccurrence(other, at, device); };
    return std::any_of(s.overridden.begin(), s.overridden.end(), same) ||
           std::any_of(s.excluded.begin(), s.excluded.end(), same);
}

// The times of the occurrence at `at`; none when they do not exist.
std::optional<Occurrence> occurrenceAt(const Series &s, const ZonedValue &at, const EventZone &device)
{
    Occurrence occurrence;
    if (s.start.isDate) {
        const std::int64_t day = dayOf(at.local);
        const auto from = device.msecsAt(day * secondsPerDay);
        const auto to = device.msecsAt((day + s.lengthDays) * secondsPerDay);
        if (!from || !to)
            return std::nullopt;
        occurrence.start = instantFromMSecs(*from);
        occurrence.end = instantFromMSecs(*to) - 1s;
        return occurrence;
    }
    const auto from = (at.zone ? *at.zone : device).msecsAt(at.local);
    if (!from)
        return std::nullopt;
    occurrence.start = instantFromMSecs(*from);
    occurrence.end = occurrence.start + std::chrono::milliseconds(s.lengthMs);
    return occurrence;
}

bool overlaps(const Occurrence &occurrence, Instant start, Instant end)
{
    return occurrence.end <= occurrence.start ? occurrence.start >= start && occurrence.start < end
                                              : occurrence.start < end && occurrence.end > start;
}

// What the occurrence is besides its times.
void describe(Occurrence &occurrence, const Series &s, const EventTexts &texts, const EventZone &device)
{
    occurrence.uid = QString::fromUtf8(s.uid);
    occurrence.timeZone = QString::fromUtf8(s.zoneId);
    occurrence.title = texts.title;
    occurrence.location = texts.location;
    occurrence.notes = texts.notes;
    occurrence.alerts = texts.alerts;
    occurrence.url = texts.url;
    occurrence.allDay = s.start.isDate;
    occurrence.rule = s.ruleText;
    occurrence.recurring = s.rule || !s.extraDates.empty() || s.isOverride;
    if (s.replaced)
        occurrence.recurrenceId = startOf(*s.replaced, device);
    else if (occurrence.recurring && !s.isOverride)
        occurrence.recurrenceId = occurrence.start;
}

} // namespace

struct CalendarFile::Impl
{
    QByteArray data;
    QString path;
    std::vector<Series> series;
    std::vector<std::shared_ptr<const EventZone>> zones;
    mutable std::atomic<bool> overBudget = false;

    // False when the file needed more than its budget.
    bool expand(const Series &s, Instant start, Instant end, const EventZone &device, std::int64_t &budget,
                std::vector<Occurrence> &out) const;
};

bool CalendarFile::Impl::expand(const Series &s, Instant start, Instant end, const EventZone &device,
                                std::int64_t &budget, std::vector<Occurrence> &out) const
{
    const std::size_t first = out.size();
    std::optional<EventTexts> texts;
    bool failed = false;
    const auto consider = [&](const ZonedValue &at) {
        if (isLeftOut(s, at, device))
            return;
        std::optional<Occurrence> occurrence = occurrenceAt(s, at, device);
        if (!occurrence) {
            failed = true;
            return;
        }
        if (!overlaps(*occurrence, start, end))
            return;
        // The texts are read only for occurrences in the range.
        if (!texts)
            texts = textsOf(data, s);
        describe(*occurrence, s, *texts, device);
        out.push_back(std::move(*occurrence));
    };

    // Plain names: lambdas below may not capture structured bindings.
    const auto bounds = wallClockBounds(start, end, s.lengthMs / 1000 + s.lengthDays * secondsPerDay);
    const LocalSeconds from = bounds.first;
    const LocalSeconds to = bounds.second;
    if (!s.rule) {
        if (s.start.local >= from && s.start.local <= to)
            consider(s.start);
    } else {
        const auto result = s.rule->forEach(from, to, budget, [&](LocalSeconds at) {
            consider(ZonedValue{at, s.start.isDate, s.start.zone});
            return !failed;
        });
        if (result == RecurrenceExpander::Result::overBudget)
            return false;
    }
    for (const ZonedValue &extra : s.extraDates) {
        if (!sameOccurrence(extra, s.start, device) && extra.local >= from - secondsPerDay &&
            extra.local <= to + secondsPerDay)
            consider(extra);
    }
    if (failed)
        return false;
    // RDATEs may come before rule occurrences.
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                     [](const Occurrence &a, const Occurrence &b) { return a.start < b.start; });
    return true;
}

CalendarFile::CalendarFile(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
CalendarFile::~CalendarFile() = default;

int CalendarFile::eventCount() const
{
    return static_cast<int>(impl_->series.size());
}

namespace {

// The file's own zones, by TZID: each VTIMEZONE whose name the system does
// not know becomes a zone of its own.
class ZoneResolver
{
public:
    ZoneResolver(const std::vector<RawZone> &defined, const QString &path,
                 std::vector<std::shared_ptr<const EventZone>> &keep)
        : defined_(defined), path_(path), keep_(keep)
    {
    }

    // No value: the time cannot be read. A null zone: floating.
    std::optional<ZonedValue> value(const RawValue &raw, QByteArrayView text)
    {
        const auto time = parseTimeValue(text);
        if (!time)
            return std::nullopt;
        ZonedValue zoned{time->local, time->isDate, nullptr};
        if (time->isDate)
            return zoned;
        if (time->utc) {
            zoned.zone = EventZone::utc().get();
            return zoned;
        }
        const QByteArray tzid = parameter(raw.params, "TZID");
        if (!tzid.isEmpty())
            zoned.zone = zone(tzid);
        return zoned;
    }
    std::optional<ZonedValue> value(const RawValue &raw) { return value(raw, raw.value); }

    // Whether every zone the event names is known by now: a file may define
    // its zones after the events that use them.
    bool canRead(const RawEvent &event)
    {
        if (settled_)
            return true;
        const auto known = [this](const std::optional<RawValue> &value) {
            if (!value)
                return true;
            const QByteArray tzid = parameter(value->params, "TZID");
            return tzid.isEmpty() || resolved_.count(tzid) || find(tzid);
        };
        bool all = known(event.start) && known(event.finish) && known(event.recurrenceId);
        for (const RawValue &value : event.dates)
            all = all && known(value);
        for (const RawValue &value : event.excluded)
            all = all && known(value);
        return all;
    }
    // From now on a name not found is unknown.
    void settle() { settled_ = true; }

private:
    // Looks the name up in the system and the zones read so far; kept once found.
    bool find(const QByteArray &tzid)
    {
        std::shared_ptr<const EventZone> found = EventZone::named(QString::fromUtf8(tzid));
        if (!found) {
            for (const RawZone &raw : defined_) {
                if (raw.id == tzid && !raw.broken && !raw.observances.empty())
                    found = std::make_shared<DefinedZone>(raw.observances);
            }
        }
        if (!found)
            return false;
        keep_.push_back(found);
        resolved_[tzid] = found.get();
        return true;
    }

    const EventZone *zone(const QByteArray &tzid)
    {
        if (const auto it = resolved_.find(tzid); it != resolved_.end())
            return it->second;
        if (find(tzid))
            return resolved_[tzid];
        // The wall-clock time is kept, read in the device's zone.
        consoleWarning(lcEvents(), QStringLiteral("Unknown time zone %1 in %2: its times are read as local")
                                       .arg(printable(QString::fromUtf8(tzid)), path_));
        return resolved_[tzid] = nullptr;
    }

    const std::vector<RawZone> &defined_;
    const QString &path_;
    std::vector<std::shared_ptr<const EventZone>> &keep_;
    std::map<QByteArray, const EventZone *> resolved_;
    bool settled_ = false;
};

// Reads the VEVENTs and VTIMEZONEs of a text, line by line: each event goes
// to the callback as it ends, each zone into the list.
class ComponentReader
{
public:
    ComponentReader(std::vector<RawZone> &zones, const std::function<void(RawEvent &)> &onEvent)
        : zones_(zones), onEvent_(onEvent)
    {
    }

    // False when the text turns out to be no iCalendar at all.
    bool begin(const QByteArray &value, qsizetype start)
    {
        const QByteArray kind = value.trimmed().toUpper();
        ++depth_;
        if (!sawRoot_) {
            if (kind != "VCALENDAR" && kind != "VEVENT")
                return false;
            sawRoot_ = true;
        }
        if (kind == "VEVENT" && eventDepth_ < 0 && zoneDepth_ < 0) {
            eventDepth_ = depth_;
            event_ = RawEvent();
            event_.begin = start;
        } else if (kind == "VTIMEZONE" && eventDepth_ < 0 && zoneDepth_ < 0) {
            zoneDepth_ = depth_;
            zones_.emplace_back();
        } else if ((kind == "STANDARD" || kind == "DAYLIGHT") && zoneDepth_ >= 0 &&
                   depth_ == zoneDepth_ + 1) {
            observanceDepth_ = depth_;
            observance_ = DefinedZone::Observance();
            observanceUsable_ = true;
        }
        return true;
    }

    void end(qsizetype position)
    {
        if (depth_ == eventDepth_) {
            event_.end = position;
            onEvent_(event_);
            eventDepth_ = -1;
        } else if (depth_ == observanceDepth_) {
            if (observanceUsable_)
                zones_.back().observances.push_back(std::move(observance_));
            else
                zones_.back().broken = true;
            observanceDepth_ = -1;
        } else if (depth_ == zoneDepth_) {
            zoneDepth_ = -1;
        }
        depth_ = std::max(0, depth_ - 1);
    }

    // False when a property comes before any component.
    bool property(const ContentLine &line)
    {
        if (!sawRoot_)
            return false;
        if (depth_ == eventDepth_)
            eventProperty(line);
        else if (depth_ == zoneDepth_ && line.name == "TZID")
            zones_.back().id = line.value.trimmed();
        else if (depth_ == observanceDepth_)
            observanceProperty(line);
        return true;
    }

    bool sawRoot() const { return sawRoot_; }

private:
    void eventProperty(const ContentLine &line)
    {
        RawValue raw{line.params, line.value};
        if (line.name == "UID" && event_.uid.isEmpty())
            event_.uid = unescapedText(line.value).toUtf8();
        else if (line.name == "DTSTART" && !event_.start)
            event_.start = raw;
        else if (line.name == "DTEND" && !event_.finish)
            event_.finish = raw;
        else if (line.name == "DURATION" && !event_.duration)
            event_.duration = raw;
        else if (line.name == "RRULE" && !event_.rule)
            event_.rule = raw;
        else if (line.name == "RECURRENCE-ID" && !event_.recurrenceId)
            event_.recurrenceId = raw;
        else if (line.name == "RDATE")
            event_.dates.push_back(raw);
        else if (line.name == "EXDATE")
            event_.excluded.push_back(raw);
    }

    void observanceProperty(const ContentLine &line)
    {
        if (line.name == "DTSTART") {
            const auto time = parseTimeValue(line.value);
            observanceUsable_ = observanceUsable_ && time && !time->utc;
            observance_.start = time ? time->local : 0;
        } else if (line.name == "TZOFFSETFROM" || line.name == "TZOFFSETTO") {
            const auto offset = utcOffset(line.value);
            observanceUsable_ = observanceUsable_ && offset;
            (line.name == "TZOFFSETFROM" ? observance_.offsetFrom : observance_.offsetTo) =
                offset.value_or(0);
        } else if (line.name == "RRULE") {
            observance_.rule = RecurrenceRule::parse(line.value);
            observanceUsable_ = observanceUsable_ && observance_.rule;
        } else if (line.name == "RDATE") {
            for (const QByteArray &part : line.value.split(',')) {
                if (const auto time = parseTimeValue(part))
                    observance_.dates.push_back(*time);
            }
        }
    }

    std::vector<RawZone> &zones_;
    const std::function<void(RawEvent &)> &onEvent_;
    int depth_ = 0;
    int eventDepth_ = -1;
    int zoneDepth_ = -1;
    int observanceDepth_ = -1;
    bool sawRoot_ = false;
    RawEvent event_;
    DefinedZone::Observance observance_;
    bool observanceUsable_ = true;
};

// Reads the VEVENTs and VTIMEZONEs of the text; false when it is no iCalendar at all.
bool readComponents(const QByteArray &data, std::vector<RawZone> &zones, bool &longLines,
                    const std::function<void(RawEvent &)> &onEvent)
{
    ContentLineReader reader(data);
    ComponentReader components(zones, onEvent);
    ContentLine line;
    qsizetype lineStart = 0;
    while (reader.next(line)) {
        const qsizetype start = lineStart;
        lineStart = reader.position();
        if (line.tooLong) {
            longLines = true;
            continue;
        }
        bool readable = true;
        if (line.name == "BEGIN")
            readable = components.begin(line.value, start);
        else if (line.name == "END")
            components.end(reader.position());
        else
            readable = components.property(line);
        if (!readable)
            return false;
    }
    // A file cut short still gives the events it finished.
    return components.sawRoot();
}

} // namespace

namespace {

// Builds the index of one file from its events as they are read: their
// times, lengths and rules, never their texts.
class IndexBuilder
{
public:
    IndexBuilder(std::vector<Series> &series, ZoneResolver &zones, const QString &path)
        : series_(series), zones_(zones), path_(path)
    {
    }

    void add(RawEvent &raw)
    {
        Series s;
        s.uid = std::move(raw.uid);
        s.begin = raw.begin;
        s.length = raw.end - raw.begin;
        const QString uid = printable(QString::fromUtf8(s.uid));
        const auto start = raw.start ? zones_.value(*raw.start) : std::nullopt;
        if (!start) {
            problems << (raw.start ? QStringLiteral("event %1 has an unreadable start")
                                   : QStringLiteral("event %1 has no start"))
                            .arg(uid);
            return;
        }
        s.start = *start;
        if (start->zone && start->zone != EventZone::utc().get())
            s.zoneId = parameter(raw.start->params, "TZID");
        readLength(s, raw, uid);
        if (raw.recurrenceId) {
            if (const auto replaced = zones_.value(*raw.recurrenceId)) {
                overrides_.emplace_back(s.uid, *replaced);
                s.replaced = *replaced;
            }
            s.isOverride = true;
            series_.push_back(std::move(s));
            return;
        }
        if (raw.rule) {
            s.ruleText = raw.rule->value;
            readRule(s, raw.rule->value, uid);
        }
        for (const RawValue &date : raw.dates) {
            // PERIOD values start where the event does.
            for (const QByteArray &part : date.value.split(',')) {
                const qsizetype slash = part.indexOf('/');
                if (const auto value = zones_.value(date, slash < 0 ? part : part.left(slash)))
                    s.extraDates.push_back(*value);
            }
        }
        for (const RawValue &date : raw.excluded) {
            for (const QByteArray &part : date.value.split(',')) {
                if (const auto value = zones_.value(date, part))
                    s.excluded.push_back(*value);
            }
        }
        masters_[s.uid] = series_.size();
        series_.push_back(std::move(s));
    }

    // Gives each series the occurrences its overrides replace.
    void finish()
    {
        for (const auto &[uid, replaced] : overrides_) {
            if (auto it = masters_.find(uid); it != masters_.end())
                series_[it->second].overridden.push_back(replaced);
        }
        for (Series &s : series_) {
            if (auto it = masters_.find(s.uid); s.isOverride && it != masters_.end())
                s.ruleText = series_[it->second].ruleText;
        }
    }

    // Events skipped, and what was left out of the others.
    QStringList problems;
    QStringList notes;

private:
    void readLength(Series &s, const RawEvent &raw, const QString &uid)
    {
        if (const auto finish = raw.finish ? zones_.value(*raw.finish) : std::nullopt) {
            if (s.start.isDate) {
                s.lengthDays = dayOf(finish->local) - dayOf(s.start.local);
            } else {
                const auto device = EventZone::device();
                const auto from = (s.start.zone ? *s.start.zone : *device).msecsAt(s.start.local);
                const auto to = (finish->zone ? *finish->zone : *device).msecsAt(finish->local);
                s.lengthMs = from && to ? *to - *from : 0;
            }
        } else if (const auto seconds = raw.duration ? parseDuration(raw.duration->value) : std::nullopt) {
            if (s.start.isDate)
                s.lengthDays = *seconds / secondsPerDay;
            else
                s.lengthMs = *seconds * 1000;
        } else if (raw.finish || raw.duration) {
            notes << QStringLiteral("event %1 has an unreadable end: shown without it").arg(uid);
        }
        // Without an end a day event lasts its day and a timed one an instant.
        s.lengthMs = std::max<std::int64_t>(0, s.lengthMs);
        s.lengthDays = std::max<std::int64_t>(1, s.lengthDays);
    }

    void readRule(Series &s, const QByteArray &text, const QString &uid)
    {
        QString why;
        auto rule = RecurrenceRule::parse(text, &why);
        if (!rule) {
            consoleWarning(lcEvents(),
                           QStringLiteral("Event %1 in %2 has an unreadable rule (%3): shown once")
                               .arg(uid, path_, printable(why)));
            return;
        }
        std::optional<LocalSeconds> until;
        if (rule->until) {
            if (rule->until->isDate)
                // A day as the end: all of it.
                until = rule->until->local + (s.start.isDate ? 0 : secondsPerDay - 1);
            else if (rule->until->utc)
                until = (s.start.zone ? *s.start.zone : *EventZone::device())
                            .localAt(rule->until->local * 1000)
                            .value_or(rule->until->local);
            else
                until = rule->until->local;
        }
        s.rule = std::make_unique<RecurrenceExpander>(*rule, s.start.local, until);
        if (s.rule->walksFromStart() && rule->count > maximumCount) {
            consoleWarning(lcEvents(),
                           QStringLiteral("Event %1 in %2 repeats %3 times, more than %4 are counted: "
                                          "shown as if it had no count")
                               .arg(uid, path_)
                               .arg(rule->count)
                               .arg(maximumCount));
            rule->count = 0;
            s.rule = std::make_unique<RecurrenceExpander>(*rule, s.start.local, until);
        }
    }

    std::vector<Series> &series_;
    ZoneResolver &zones_;
    const QString &path_;
    std::map<QByteArray, std::size_t> masters_;
    std::vector<std::pair<QByteArray, ZonedValue>> overrides_;
};

} // namespace

std::shared_ptr<const CalendarFile> CalendarFile::parse(const QByteArray &data, const QString &path,
                                                        QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
    if (std::all_of(data.begin(), data.end(),
                    [](char c) { return std::isspace(static_cast<unsigned char>(c)); }))
        return fail(QStringLiteral("empty file"));
    if (data.size() > maximumFileSize)
        return fail(QStringLiteral("file too large"));
    if (data.contains('\0'))
        return fail(QStringLiteral("not text"));

    std::vector<RawZone> rawZones;
    auto impl = std::make_unique<Impl>();
    impl->data = data;
    impl->path = path;
    impl->series.reserve(static_cast<std::size_t>(data.count("BEGIN:VEVENT")));
    ZoneResolver zones(rawZones, path, impl->zones);
    IndexBuilder index(impl->series, zones, path);
    // Events whose zones come later in the file wait for them.
    std::vector<RawEvent> waiting;
    bool longLines = false;
    const bool readable = readComponents(data, rawZones, longLines, [&](RawEvent &raw) {
        if (zones.canRead(raw))
            index.add(raw);
        else
            waiting.push_back(std::move(raw));
    });
    if (!readable)
        return fail(QStringLiteral("not iCalendar"));
    zones.settle();
    for (RawEvent &raw : waiting)
        index.add(raw);
    index.finish();
    if (longLines)
        index.notes << QStringLiteral("lines longer than %1 bytes are left out").arg(maximumLineLength);
    // Said once for the file: as the reason it is skipped, or line by line.
    if (impl->series.empty())
        return fail(index.problems.isEmpty() ? QStringLiteral("no events")
                                             : index.problems.join(QStringLiteral("; ")));
    for (const QString &problem : index.problems)
        consoleWarning(lcEvents(), QStringLiteral("In %1: %2, skipped").arg(path, problem));
    for (const QString &note : index.notes)
        consoleWarning(lcEvents(), QStringLiteral("In %1: %2").arg(path, note));
    return std::shared_ptr<const CalendarFile>(new CalendarFile(std::move(impl)));
}

void CalendarFile::occurrences(Instant start, Instant end, std::vector<Occurrence> &out) const
{
    if (impl_->overBudget)
        return;
    const std::size_t first = out.size();
    const auto device = EventZone::device();
    std::int64_t budget = expansionBudget;
    for (const Series &s : impl_->series) {
        if (!impl_->expand(s, start, end, *device, budget, out)) {
            out.resize(first);
            if (!impl_->overBudget.exchange(true))
                consoleWarning(
                    lcEvents(),
                    QStringLiteral("Skipped %1: its rules (an event's or a time zone's) take more steps "
                                   "than a query may")
                        .arg(impl_->path));
            return;
        }
    }
}

bool FileSpan::mayOverlap(Instant start, Instant end) const
{
    // The span already runs to its events' ends.
    const auto bounds = wallClockBounds(start, end, 0);
    return first <= last && first <= bounds.second && (last == noEnd || last >= bounds.first);
}

FileSpan CalendarFile::span() const
{
    FileSpan span;
    const auto take = [&span](LocalSeconds at, std::int64_t length) {
        span.first = std::min(span.first, at);
        if (span.last != FileSpan::noEnd)
            span.last = std::max(span.last, at + length);
    };
    for (const Series &s : impl_->series) {
        const std::int64_t length =
            s.start.isDate ? s.lengthDays * secondsPerDay : civil::floorDiv(s.lengthMs + 999, 1000);
        take(s.start.local, length);
        for (const ZonedValue &extra : s.extraDates)
            take(extra.local, length);
        if (!s.rule)
            continue;
        if (const auto last = s.rule->lastStart(expansionBudget))
            take(std::max(*last, s.start.local), length);
        else
            span.last = FileSpan::noEnd;
    }
    return span;
}

namespace {

// The horizon of a file's start days around the query that read it.
constexpr std::int64_t startDaysBefore = 2 * 366;
constexpr std::int64_t startDaysAfter = 4 * 366;

// The wall-clock days a query of [start, end) looks at, as a series'
// expansion does, with a day more each side for extra dates.
std::pair<std::int64_t, std::int64_t> queriedDays(Instant start, Instant end, std::int64_t longest)
{
    const auto bounds = wallClockBounds(start, end, longest);
    return {civil::floorDiv(bounds.first, secondsPerDay) - 1,
            civil::floorDiv(bounds.second, secondsPerDay) + 1};
}

} // namespace

bool StartDays::covers(Instant start, Instant end) const
{
    const auto [first, last] = queriedDays(start, end, longest);
    return first >= from && last <= to;
}

bool StartDays::mayOverlap(Instant start, Instant end) const
{
    const auto [first, last] = queriedDays(start, end, longest);
    if (first < from || last > to)
        return true;
    const auto it = std::lower_bound(days.begin(), days.end(), first);
    return it != days.end() && *it <= last;
}

std::optional<StartDays> CalendarFile::startDays(Instant around) const
{
    if (impl_->overBudget)
        return std::nullopt;
    const std::int64_t today = civil::floorDiv(civil::floorDiv(msecsOf(around), 1000), secondsPerDay);
    StartDays result;
    result.from = today - startDaysBefore;
    result.to = today + startDaysAfter;
    const LocalSeconds from = result.from * secondsPerDay;
    const LocalSeconds to = result.to * secondsPerDay + secondsPerDay - 1;
    std::vector<std::int64_t> days;
    const auto take = [&](LocalSeconds at) {
        if (at >= from && at <= to && (days.empty() || days.back() != civil::floorDiv(at, secondsPerDay)))
            days.push_back(civil::floorDiv(at, secondsPerDay));
        // Far more than will be kept: stop walking.
        return days.size() <= 4 * maximumStartDays;
    };
    std::int64_t budget = expansionBudget;
    for (const Series &s : impl_->series) {
        result.longest = std::max(result.longest, s.lengthMs / 1000 + s.lengthDays * secondsPerDay);
        if (!s.rule)
            take(s.start.local);
        else if (s.rule->forEach(from, to, budget, take) == RecurrenceExpander::Result::overBudget)
            return std::nullopt;
        for (const ZonedValue &extra : s.extraDates)
            take(extra.local);
        if (days.size() > 4 * maximumStartDays)
            return std::nullopt;
    }
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    if (days.size() > maximumStartDays)
        return std::nullopt;
    result.days = std::move(days);
    return result;
}

void copyInto(Occurrence &&o, CalendarEvent &event)
{
    event.uid = std::move(o.uid);
    event.title = std::move(o.title);
    event.location = std::move(o.location);
    event.notes = std::move(o.notes);
    event.startDate = o.start;
    event.endDate = o.end;
    event.allDay = o.allDay;
    event.recurring = o.recurring;
    event.recurrenceId = o.recurrenceId;
    event.repeat = repeatOfRule(o.rule, {});
    event.alerts = std::move(o.alerts);
    event.url = std::move(o.url);
    event.timeZone = std::move(o.timeZone);
}

} // namespace platform::ical
