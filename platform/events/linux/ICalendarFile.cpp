#include "platform/events/linux/ICalendarFile.h"

#include "platform/events/linux/LibicalLock.h"
#include "platform/system/Console.h"

#include <QDate>
#include <QDateTime>
#include <QTimeZone>
#include <map>
#include <mutex>
#include <set>

extern "C" {
#include <libical/ical.h>
}

namespace platform::ical {

namespace {

using namespace std::chrono_literals;

std::mutex &icalMutex()
{
    return libicalMutex();
}

void quietErrors()
{
    quietLibicalErrors();
}

QString text(const char *value)
{
    return value ? QString::fromUtf8(value) : QString();
}

QDate dateOf(const icaltimetype &t)
{
    return QDate(t.year, t.month, t.day);
}

Instant localStartOfDay(QDate date)
{
    return fromQDateTime(date.startOfDay(Qt::LocalTime));
}

// A time of the event in the device zone; `zone` null means floating (local).
Instant instantOf(const icaltimetype &t, icaltimezone *zone)
{
    if (t.is_date)
        return localStartOfDay(dateOf(t));
    if (icaltime_is_utc(t))
        return instantFromMSecs(static_cast<std::int64_t>(icaltime_as_timet(t)) * 1000);
    if (zone)
        return instantFromMSecs(static_cast<std::int64_t>(icaltime_as_timet_with_zone(t, zone)) * 1000);
    const QDateTime local(dateOf(t), QTime(t.hour, t.minute, t.second), Qt::LocalTime);
    return fromQDateTime(local);
}

struct ZonedTime
{
    icaltimetype time = icaltime_null_time();
    icaltimezone *zone = nullptr;
    bool valid = false;
};

ZonedTime zonedTime(icalcomponent *root, icalproperty *property, icaltimetype value, const QString &path,
                    std::set<QString> &unknownZones)
{
    ZonedTime result;
    result.time = value;
    result.valid = !icaltime_is_null_time(value) && icaltime_is_valid_time(value);
    if (!result.valid || value.is_date || icaltime_is_utc(value))
        return result;
    icalparameter *tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    if (!tzid)
        return result;
    const char *name = icalparameter_get_tzid(tzid);
    if (!name)
        return result;
    icaltimezone *zone = icalcomponent_get_timezone(root, name);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(name);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone_from_tzid(name);
    if (!zone) {
        // The wall-clock time is kept, read in the device's zone.
        if (unknownZones.insert(text(name)).second)
            consoleLog(QStringLiteral("Unknown time zone %1 in %2: its times are read as local")
                           .arg(text(name), path));
        return result;
    }
    result.zone = zone;
    result.time = icaltime_set_timezone(&value, zone);
    return result;
}

struct Series
{
    QString uid;
    QString title;
    QString location;
    QString notes;
    ZonedTime start;
    bool allDay = false;
    // Timed events: the length. Day events: the number of days.
    std::int64_t lengthMs = 0;
    std::int64_t lengthDays = 1;
    std::optional<icalrecurrencetype> rule;
    std::vector<ZonedTime> extraDates;
    std::vector<ZonedTime> excluded;
    // Occurrences replaced by an override of their own.
    std::set<std::int64_t> overridden;
    bool isOverride = false;
    // An override: the start of the occurrence it replaces.
    std::optional<Instant> replacedStart;
    // The first and (once known) the last start of a rule's occurrences:
    // a query outside them needs no walk through the rule.
    Instant firstStart{};
    mutable std::optional<Instant> lastStart;
    // A rule with a count has a known, finite list: walked once, then looked up.
    mutable std::optional<std::vector<std::pair<Instant, icaltimetype>>> counted;
};

Occurrence occurrenceAt(const Series &series, const icaltimetype &at, icaltimezone *zone)
{
    Occurrence occurrence;
    occurrence.uid = series.uid;
    occurrence.title = series.title;
    occurrence.location = series.location;
    occurrence.notes = series.notes;
    occurrence.allDay = series.allDay;
    occurrence.recurring = series.rule.has_value() || !series.extraDates.empty() || series.isOverride;
    if (series.allDay) {
        const QDate first = dateOf(at);
        occurrence.start = localStartOfDay(first);
        occurrence.end = localStartOfDay(first.addDays(std::max<std::int64_t>(1, series.lengthDays))) - 1s;
    } else {
        occurrence.start = instantOf(at, zone);
        occurrence.end = occurrence.start + std::chrono::milliseconds(series.lengthMs);
    }
    if (series.isOverride)
        occurrence.recurrenceId = series.replacedStart;
    else if (occurrence.recurring)
        occurrence.recurrenceId = occurrence.start;
    return occurrence;
}

bool overlaps(const Occurrence &o, Instant start, Instant end)
{
    if (o.end <= o.start)
        return o.start >= start && o.start < end;
    return o.start < end && o.end > start;
}

std::int64_t keyOf(const ZonedTime &t)
{
    if (t.time.is_date)
        return dateOf(t.time).toJulianDay();
    return msecsOf(instantOf(t.time, t.zone));
}

std::int64_t keyOf(const icaltimetype &t, icaltimezone *zone)
{
    if (t.is_date)
        return dateOf(t).toJulianDay();
    return msecsOf(instantOf(t, zone));
}

} // namespace

struct CalendarFile::Impl
{
    icalcomponent *root = nullptr;
    QString path;
    std::vector<Series> series;
    // Rules already reported as endless, so each is written once.
    mutable std::set<QString> reportedRules;

    ~Impl()
    {
        if (root)
            icalcomponent_free(root);
    }

    void expand(const Series &s, Instant start, Instant end, std::vector<Occurrence> &out) const;
};

void CalendarFile::Impl::expand(const Series &s, Instant start, Instant end,
                                std::vector<Occurrence> &out) const
{
    const auto consider = [&](const icaltimetype &at, icaltimezone *zone) {
        if (s.overridden.count(keyOf(at, zone)))
            return;
        for (const ZonedTime &ex : s.excluded) {
            if (ex.time.is_date || at.is_date ? dateOf(ex.time) == dateOf(at) : keyOf(ex) == keyOf(at, zone))
                return;
        }
        Occurrence occurrence = occurrenceAt(s, at, zone);
        if (overlaps(occurrence, start, end))
            out.push_back(std::move(occurrence));
    };

    const std::size_t first = out.size();
    const auto longest = std::chrono::milliseconds(s.lengthMs) + 24h * s.lengthDays;
    const bool ruleCanReach = s.firstStart < end && (!s.lastStart || *s.lastStart + longest > start);
    if (!s.rule) {
        consider(s.start.time, s.start.zone);
    } else if (s.rule->count > 0 && ruleCanReach) {
        if (!s.counted) {
            s.counted.emplace();
            if (icalrecur_iterator *it = icalrecur_iterator_new(*s.rule, s.start.time)) {
                for (icaltimetype at = icalrecur_iterator_next(it);
                     !icaltime_is_null_time(at) &&
                     static_cast<int>(s.counted->size()) < maximumRecurrenceSteps;
                     at = icalrecur_iterator_next(it)) {
                    if (!s.start.time.is_date && s.start.zone)
                        at = icaltime_set_timezone(&at, s.start.zone);
                    s.counted->emplace_back(instantOf(at, s.start.zone), at);
                }
                icalrecur_iterator_free(it);
            }
            s.lastStart = s.counted->empty() ? s.firstStart : s.counted->back().first;
        }
        auto it = std::lower_bound(s.counted->begin(), s.counted->end(), start - longest,
                                   [](const auto &entry, Instant at) { return entry.first < at; });
        for (; it != s.counted->end() && it->first < end; ++it)
            consider(it->second, s.start.zone);
    } else if (ruleCanReach) {
        icalrecur_iterator *it = icalrecur_iterator_new(*s.rule, s.start.time);
        if (!it) {
            consider(s.start.time, s.start.zone);
        } else {
            // Jump close to the query instead of walking from the first
            // occurrence; rules with a count have to be walked.
            const Instant lead = start - std::chrono::milliseconds(s.lengthMs) - 24h * (s.lengthDays + 1);
            bool jumped = false;
            if (s.rule->count == 0 && lead > instantOf(s.start.time, s.start.zone)) {
                icaltimetype from = icaltime_from_timet_with_zone(
                    msecsOf(lead) / 1000, s.start.time.is_date,
                    s.start.zone ? s.start.zone : icaltimezone_get_utc_timezone());
                if (!s.start.zone && !s.start.time.is_date) {
                    const QDateTime local = toQDateTime(lead);
                    from = s.start.time;
                    from.year = local.date().year();
                    from.month = local.date().month();
                    from.day = local.date().day();
                    from.hour = 0;
                    from.minute = 0;
                    from.second = 0;
                }
                jumped = icalrecur_iterator_set_start(it, from) != 0;
            }
            int steps = 0;
            bool ended = true;
            std::optional<Instant> last;
            for (icaltimetype at = icalrecur_iterator_next(it); !icaltime_is_null_time(at);
                 at = icalrecur_iterator_next(it)) {
                if (++steps > maximumRecurrenceSteps) {
                    if (reportedRules.insert(s.uid).second)
                        consoleLog(QStringLiteral("Recurrence of %1 in %2 gives up after %3 occurrences")
                                       .arg(s.uid, path)
                                       .arg(maximumRecurrenceSteps));
                    ended = false;
                    break;
                }
                if (!s.start.time.is_date && s.start.zone)
                    at = icaltime_set_timezone(&at, s.start.zone);
                last = instantOf(at, s.start.zone);
                if (*last >= end) {
                    ended = false;
                    break;
                }
                consider(at, s.start.zone);
            }
            icalrecur_iterator_free(it);
            // Walked from the first occurrence and the rule ran out before the
            // query's end: nothing comes after `last`.
            if (ended && !jumped)
                s.lastStart = last.value_or(s.firstStart);
        }
    }
    for (const ZonedTime &extra : s.extraDates) {
        if (keyOf(extra) != keyOf(s.start))
            consider(extra.time, extra.zone);
    }
    // RDATEs may come before rule occurrences.
    std::stable_sort(out.begin() + static_cast<std::ptrdiff_t>(first), out.end(),
                     [](const Occurrence &a, const Occurrence &b) { return a.start < b.start; });
}

CalendarFile::CalendarFile(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
CalendarFile::~CalendarFile()
{
    const std::lock_guard lock(icalMutex());
    impl_.reset();
}

int CalendarFile::eventCount() const
{
    return static_cast<int>(impl_->series.size());
}

std::shared_ptr<const CalendarFile> CalendarFile::parse(const QByteArray &data, const QString &path,
                                                        QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return nullptr;
    };
    if (data.trimmed().isEmpty())
        return fail(QStringLiteral("empty file"));
    if (data.size() > maximumFileSize)
        return fail(QStringLiteral("file too large"));
    if (data.contains('\0'))
        return fail(QStringLiteral("not text"));

    const std::lock_guard lock(icalMutex());
    quietErrors();
    auto impl = std::make_unique<Impl>();
    impl->path = path;
    impl->root = icalparser_parse_string(data.constData());
    if (!impl->root)
        return fail(QStringLiteral("not iCalendar"));
    icalcomponent *root = impl->root;
    const icalcomponent_kind kind = icalcomponent_isa(root);
    if (kind != ICAL_VCALENDAR_COMPONENT && kind != ICAL_VEVENT_COMPONENT)
        return fail(QStringLiteral("not iCalendar"));

    std::vector<icalcomponent *> events;
    if (kind == ICAL_VEVENT_COMPONENT) {
        events.push_back(root);
    } else {
        for (icalcomponent *c = icalcomponent_get_first_component(root, ICAL_VEVENT_COMPONENT); c;
             c = icalcomponent_get_next_component(root, ICAL_VEVENT_COMPONENT))
            events.push_back(c);
    }

    std::set<QString> unknownZones;
    // Said once for the file: as the reason it is skipped, or line by line.
    QStringList problems;
    std::map<QString, std::size_t> masters;
    std::vector<std::pair<QString, ZonedTime>> overrides;
    for (icalcomponent *event : events) {
        Series s;
        s.uid = text(icalcomponent_get_uid(event));
        icalproperty *dtstart = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        if (!dtstart) {
            problems << QStringLiteral("event %1 has no start").arg(s.uid);
            continue;
        }
        s.start = zonedTime(root, dtstart, icalproperty_get_dtstart(dtstart), path, unknownZones);
        if (!s.start.valid) {
            problems << QStringLiteral("event %1 has an unreadable start").arg(s.uid);
            continue;
        }
        s.title = text(icalcomponent_get_summary(event));
        s.location = text(icalcomponent_get_location(event));
        s.notes = text(icalcomponent_get_description(event));
        s.allDay = s.start.time.is_date;

        const Instant begin = instantOf(s.start.time, s.start.zone);
        ZonedTime finish;
        if (icalproperty *dtend = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY))
            finish = zonedTime(root, dtend, icalproperty_get_dtend(dtend), path, unknownZones);
        if (finish.valid) {
            if (s.allDay)
                s.lengthDays = dateOf(s.start.time).daysTo(dateOf(finish.time));
            else
                s.lengthMs = msecsOf(instantOf(finish.time, finish.zone)) - msecsOf(begin);
        } else if (icalproperty *duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
            const int seconds = icaldurationtype_as_int(icalproperty_get_duration(duration));
            if (s.allDay)
                s.lengthDays = seconds / 86400;
            else
                s.lengthMs = static_cast<std::int64_t>(seconds) * 1000;
        } else {
            // Without an end a day event lasts its day and a timed one an instant.
            s.lengthDays = 1;
            s.lengthMs = 0;
        }
        if (s.lengthMs < 0)
            s.lengthMs = 0;
        if (s.lengthDays < 1)
            s.lengthDays = 1;

        if (icalproperty *rid = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
            const ZonedTime replaced =
                zonedTime(root, rid, icalproperty_get_recurrenceid(rid), path, unknownZones);
            if (replaced.valid) {
                overrides.emplace_back(s.uid, replaced);
                s.replacedStart = instantOf(replaced.time, replaced.zone);
            }
            s.isOverride = true;
            impl->series.push_back(std::move(s));
            continue;
        }

        if (icalproperty *rrule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY)) {
            const icalrecurrencetype rule = icalproperty_get_rrule(rrule);
            if (rule.freq == ICAL_NO_RECURRENCE)
                consoleLog(
                    QStringLiteral("Event %1 in %2 has an unreadable rule: shown once").arg(s.uid, path));
            else
                s.rule = rule;
        }
        for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
            const icaltimetype at = icaltime_is_null_time(rdate.time) ? rdate.period.start : rdate.time;
            ZonedTime z = zonedTime(root, p, at, path, unknownZones);
            if (z.valid)
                s.extraDates.push_back(z);
        }
        for (icalproperty *p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            ZonedTime z = zonedTime(root, p, icalproperty_get_exdate(p), path, unknownZones);
            if (z.valid)
                s.excluded.push_back(z);
        }
        s.firstStart = begin;
        for (const ZonedTime &extra : s.extraDates)
            s.firstStart = std::min(s.firstStart, instantOf(extra.time, extra.zone));
        masters[s.uid] = impl->series.size();
        impl->series.push_back(std::move(s));
    }
    for (const auto &[uid, replaced] : overrides) {
        if (auto it = masters.find(uid); it != masters.end())
            impl->series[it->second].overridden.insert(keyOf(replaced));
    }
    if (impl->series.empty())
        return fail(problems.isEmpty() ? QStringLiteral("no events") : problems.join(QStringLiteral("; ")));
    for (const QString &problem : problems)
        consoleLog(QStringLiteral("In %1: %2, skipped").arg(path, problem));
    return std::shared_ptr<const CalendarFile>(new CalendarFile(std::move(impl)));
}

void CalendarFile::occurrences(Instant start, Instant end, std::vector<Occurrence> &out) const
{
    const std::lock_guard lock(icalMutex());
    for (const Series &s : impl_->series)
        impl_->expand(s, start, end, out);
}

} // namespace platform::ical
