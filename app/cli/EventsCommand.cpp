// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/EventsCommand.h"

#include "app/cli/DateArguments.h"
#include "app/screens/calendar/CalendarDay.h"
#include "core/JsonSchema.h"
#include "platform/calendar/Clock.h"
#include "platform/localization/Localization.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTimeZone>
#include <QUuid>
#include <variant>

namespace app::cli {

namespace {

using namespace std::chrono_literals;

// One line on stderr and the status to exit with.
struct Refusal
{
    int status;
    QString message;
};

Refusal badInput(const QString &message)
{
    return {exitUsage, message};
}

int report(Invocation &call, const QString &command, const Refusal &refusal)
{
    call.err << "qamarly events " << command << ": " << platform::printable(refusal.message) << '\n';
    return refusal.status;
}

QDate localDate(platform::Instant at)
{
    return platform::toQDateTime(at).toLocalTime().date();
}

std::optional<QDate> parseDate(const QString &text)
{
    if (!parseNumberGroups(text, {4, 2, 2}, false) || text.size() != 10)
        return std::nullopt;
    const QDate date = QDate::fromString(text, Qt::ISODate);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}

// ISO 8601 with an offset or 'Z' is a moment anywhere; without one it is a
// wall-clock time in `zone` (the device's when empty or unknown).
std::optional<platform::Instant> parseTime(QString text, const QString &zone)
{
    text.replace(QLatin1Char(' '), QLatin1Char('T'));
    if (!text.contains(QLatin1Char('T')))
        return std::nullopt;
    QDateTime parsed = QDateTime::fromString(text, Qt::ISODateWithMs);
    if (!parsed.isValid())
        return std::nullopt;
    if (parsed.timeSpec() == Qt::LocalTime) {
        const QTimeZone own(zone.toUtf8());
        parsed = own.isValid() ? QDateTime(parsed.date(), parsed.time(), own)
                               : QDateTime(parsed.date(), parsed.time(), Qt::LocalTime);
    }
    return platform::fromQDateTime(parsed);
}

// The times of a draft: dates for all-day events (the last day inclusive),
// moments otherwise. Only what was given changes; a new start alone keeps
// the length.
std::optional<Refusal> applyTimes(platform::EventDraft &draft, const ArgumentReader &args,
                                  const QString &zone)
{
    const QString startText = args.option(QStringLiteral("start"));
    const QString endText = args.option(QStringLiteral("end"));
    const auto length = draft.endDate - draft.startDate;
    const qint64 days = localDate(draft.startDate).daysTo(localDate(draft.endDate));
    const auto read = [&](const QString &text, platform::Instant *out) -> std::optional<Refusal> {
        if (draft.allDay) {
            const auto date = parseDate(text);
            if (!date)
                return badInput(platform::localized("cli.events.notADayAllDay").arg(text));
            *out = platform::fromQDateTime(date->startOfDay(Qt::LocalTime));
            return std::nullopt;
        }
        const auto at = parseTime(text, zone);
        if (!at)
            return badInput(platform::localized("cli.events.notADateTime").arg(text));
        *out = *at;
        return std::nullopt;
    };
    if (args.hasOption(QStringLiteral("start"))) {
        if (auto refused = read(startText, &draft.startDate))
            return refused;
        if (!args.hasOption(QStringLiteral("end")))
            draft.endDate = draft.allDay
                                ? platform::fromQDateTime(
                                      localDate(draft.startDate).addDays(days).startOfDay(Qt::LocalTime))
                                : draft.startDate + length;
    }
    if (args.hasOption(QStringLiteral("end"))) {
        if (auto refused = read(endText, &draft.endDate))
            return refused;
    }
    if (draft.allDay ? localDate(draft.endDate) < localDate(draft.startDate)
                     : draft.endDate < draft.startDate)
        return badInput(platform::localized("cli.events.endBeforeStart"));
    return std::nullopt;
}

// The names `--repeat` takes, in the order of EventRepeat::Kind.
const QStringList &repeatNames()
{
    static const QStringList names{QStringLiteral("never"),        QStringLiteral("daily"),
                                   QStringLiteral("weekly"),       QStringLiteral("monthly"),
                                   QStringLiteral("yearly"),       QStringLiteral("hijri-monthly"),
                                   QStringLiteral("hijri-yearly"), QStringLiteral("custom")};
    return names;
}

// The repeat the options ask for, from `current`: a new kind starts without
// an end; --until or --count alone change the end of the repeat there is.
std::optional<Refusal> applyRepeat(platform::EventDraft &draft, const ArgumentReader &args,
                                   const platform::EventRepeat &current)
{
    using Kind = platform::EventRepeat::Kind;
    const bool until = args.hasOption(QStringLiteral("until"));
    const bool count = args.hasOption(QStringLiteral("count"));
    if (!args.hasOption(QStringLiteral("repeat")) && !until && !count)
        return std::nullopt;
    if (until && count)
        return badInput(platform::localized("cli.events.untilAndCount"));
    platform::EventRepeat repeat = current;
    if (args.hasOption(QStringLiteral("repeat"))) {
        const QString name = args.option(QStringLiteral("repeat"));
        const qsizetype index = repeatNames().indexOf(name);
        if (index < 0 || index == repeatNames().size() - 1)
            return badInput(platform::localized("cli.events.notARepeat").arg(name));
        repeat = platform::EventRepeat{};
        repeat.kind = static_cast<Kind>(index);
    }
    if (until || count) {
        if (!repeat.repeats() || repeat.kind == Kind::other)
            return badInput(platform::localized("cli.events.untilNeedsRepeat"));
        repeat.until.reset();
        repeat.count = 0;
    }
    if (until) {
        const QString text = args.option(QStringLiteral("until"));
        repeat.until = parseDate(text);
        if (!repeat.until)
            return badInput(platform::localized("cli.events.notADay").arg(text));
    }
    if (count) {
        const QString text = args.option(QStringLiteral("count"));
        bool ok = false;
        repeat.count = text.toInt(&ok);
        if (!ok || repeat.count < 1 || repeat.count > platform::maximumRepeatCount)
            return badInput(platform::localized("cli.events.notACount")
                                .arg(text, QString::number(platform::maximumRepeatCount)));
    }
    if (const QString problem = platform::repeatProblem(repeat, localDate(draft.startDate));
        !problem.isEmpty())
        return badInput(problem);
    draft.repeat = repeat;
    return std::nullopt;
}

QJsonValue repeatJson(const platform::EventRepeat &repeat)
{
    if (!repeat.repeats())
        return QJsonValue();
    QJsonObject object{{QStringLiteral("kind"), repeatNames().value(static_cast<int>(repeat.kind))}};
    if (repeat.kind == platform::EventRepeat::Kind::other)
        object.insert(QStringLiteral("rule"), repeat.rule);
    if (repeat.until)
        object.insert(QStringLiteral("until"), repeat.until->toString(Qt::ISODate));
    if (repeat.count > 0)
        object.insert(QStringLiteral("count"), repeat.count);
    return object;
}

// `--alert MINUTES` (before the start; repeatable) or `--alert none`: the
// reminders the event is to have instead of those it has.
std::optional<Refusal> applyAlerts(platform::EventDraft &draft, const ArgumentReader &args)
{
    const QStringList given = args.values(QStringLiteral("alert"));
    if (given.isEmpty())
        return std::nullopt;
    std::vector<platform::EventAlert> alerts;
    for (const QString &text : given) {
        if (text == QLatin1String("none")) {
            if (given.size() > 1)
                return badInput(platform::localized("cli.events.alertNoneWithOthers"));
            break;
        }
        bool ok = false;
        const int minutes = text.toInt(&ok);
        if (!ok || minutes < 0 || minutes > platform::maximumAlertMinutes)
            return badInput(platform::localized("cli.events.notAnAlert")
                                .arg(text, QString::number(platform::maximumAlertMinutes)));
        const auto alert = platform::EventAlert::minutesBefore(minutes);
        if (std::find(alerts.begin(), alerts.end(), alert) == alerts.end())
            alerts.push_back(alert);
    }
    draft.alerts = alerts;
    return std::nullopt;
}

QJsonArray alertsJson(const std::vector<platform::EventAlert> &alerts, const QString &zone)
{
    QJsonArray list;
    for (const platform::EventAlert &alert : alerts) {
        if (alert.at) {
            list.append(QJsonObject{{QStringLiteral("at"), platform::isoString(*alert.at, zone)}});
            continue;
        }
        // Whole minutes as a whole number; a trigger in seconds keeps them.
        const double minutes = static_cast<double>(-alert.offsetSeconds) / 60.0;
        list.append(QJsonObject{
            {QStringLiteral("minutesBefore"), alert.offsetSeconds % 60 == 0
                                                  ? QJsonValue(static_cast<qint64>(-alert.offsetSeconds / 60))
                                                  : QJsonValue(minutes)},
            {QStringLiteral("relatedTo"), alert.fromEnd ? QStringLiteral("end") : QStringLiteral("start")}});
    }
    return list;
}

// `--url ADDRESS`: a web page or mail address; empty takes it away.
std::optional<Refusal> applyUrl(platform::EventDraft &draft, const ArgumentReader &args)
{
    if (!args.hasOption(QStringLiteral("url")))
        return std::nullopt;
    const QString typed = args.option(QStringLiteral("url"));
    draft.url = platform::linkAddressFrom(typed);
    if (draft.url->isEmpty() && !typed.trimmed().isEmpty())
        return badInput(platform::localized("cli.events.notAnAddress").arg(typed));
    return std::nullopt;
}

const QSet<QString> &repeatOptions()
{
    static const QSet<QString> options{QStringLiteral("repeat"), QStringLiteral("until"),
                                       QStringLiteral("count"),  QStringLiteral("notes"),
                                       QStringLiteral("alert"),  QStringLiteral("url")};
    return options;
}

} // namespace

std::shared_ptr<const platform::EventCalendar> findCalendar(platform::EventStore &store, const QString &name)
{
    std::shared_ptr<const platform::EventCalendar> firstWritable;
    for (const auto &calendar : store.calendars()) {
        if (name.isEmpty()) {
            if (calendar->allowsContentModifications && !firstWritable)
                firstWritable = calendar;
            continue;
        }
        if (calendar->title == name || QFileInfo(calendar->identifier).fileName() == name ||
            calendar->identifier == name)
            return calendar;
    }
    return firstWritable;
}

namespace {

int addEvent(Invocation &call, const QStringList &arguments)
{
    const QString command = QStringLiteral("add");
    QSet<QString> options{QStringLiteral("title"), QStringLiteral("start"),    QStringLiteral("end"),
                          QStringLiteral("zone"),  QStringLiteral("calendar"), QStringLiteral("location")};
    options.unite(repeatOptions());
    ArgumentReader args(arguments, {QStringLiteral("all-day")}, options);
    if (!args.expectPositionals(0, 0, QString()))
        return report(call, command, badInput(args.error()));
    for (const char *required : {"title", "start", "end"}) {
        if (!args.hasOption(QLatin1String(required)))
            return report(call, command,
                          badInput(QStringLiteral("--%1 is needed").arg(QLatin1String(required))));
    }
    platform::EventDraft draft;
    draft.title = args.option(QStringLiteral("title")).trimmed();
    if (draft.title.isEmpty())
        return report(call, command, badInput(platform::localized("cli.events.emptyTitle")));
    draft.location = args.option(QStringLiteral("location")).trimmed();
    draft.allDay = args.flag(QStringLiteral("all-day"));
    const QString zone = args.option(QStringLiteral("zone"));
    if (args.hasOption(QStringLiteral("zone"))) {
        if (draft.allDay)
            return report(call, command, badInput(platform::localized("cli.events.allDayNoZone")));
        if (!QTimeZone(zone.toUtf8()).isValid())
            return report(call, command, badInput(platform::localized("cli.events.unknownZone").arg(zone)));
        draft.timeZone = zone;
    } else if (!draft.allDay) {
        // Written in the local zone, a repeat keeps its hour across
        // daylight-saving changes; in UTC it would move by one.
        draft.timeZone = platform::Device::timeZoneId();
    }
    draft.notes = args.option(QStringLiteral("notes"));
    if (auto refused = applyTimes(draft, args, zone))
        return report(call, command, *refused);
    if (auto refused = applyRepeat(draft, args, {}))
        return report(call, command, *refused);
    if (auto refused = applyAlerts(draft, args))
        return report(call, command, *refused);
    if (auto refused = applyUrl(draft, args))
        return report(call, command, *refused);

    const auto store = platform::makeEventStore();
    const QString calendarName = args.option(QStringLiteral("calendar"));
    const auto calendar = findCalendar(*store, calendarName);
    if (!calendar)
        return report(call, command,
                      calendarName.isEmpty()
                          ? Refusal{exitFailure, platform::localized("cli.events.noWritableCalendar")}
                          : badInput(platform::localized("cli.events.noSuchCalendar").arg(calendarName)));
    if (!calendar->allowsContentModifications)
        return report(call, command,
                      badInput(platform::localized("cli.events.readOnlyCalendar").arg(calendar->title)));
    draft.calendarIdentifier = calendar->identifier;
    draft.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    QString error;
    if (!store->saveNewEvent(draft, &error))
        return report(call, command, {exitFailure, error});
    call.out << draft.uid << '\n';
    return exitOk;
}

// The event a change or deletion is for, and which of its occurrences.
struct Target
{
    platform::CalendarEvent event;
    platform::EventSpan span = platform::EventSpan::allEvents;
};

std::variant<Target, Refusal> findTarget(platform::EventStore &store, const ArgumentReader &args)
{
    const QString uid = args.positionals().value(0);
    const bool one = args.hasOption(QStringLiteral("occurrence"));
    const bool following = args.hasOption(QStringLiteral("from"));
    if (one && following)
        return badInput(platform::localized("cli.events.occurrenceAndFrom"));
    const auto whole = store.eventWithUid(uid);
    if (!whole)
        return badInput(platform::localized("cli.events.noSuchUid").arg(uid));
    Target target{*whole, platform::EventSpan::allEvents};
    if (one || following) {
        const QString dayText = args.option(one ? QStringLiteral("occurrence") : QStringLiteral("from"));
        const auto day = parseDate(dayText);
        if (!day)
            return badInput(platform::localized("cli.events.notADay").arg(dayText));
        // The occurrence that starts (or, before it was moved, started) that day.
        bool found = false;
        for (const auto &e :
             store.events(platform::fromQDateTime(day->addDays(-1).startOfDay(Qt::LocalTime)),
                          platform::fromQDateTime(day->addDays(2).startOfDay(Qt::LocalTime)))) {
            if (e.uid == uid &&
                (localDate(e.startDate) == *day || localDate(e.recurrenceId.value_or(e.startDate)) == *day)) {
                target.event = e;
                target.event.timeZone = whole->timeZone;
                found = true;
                break;
            }
        }
        if (!found)
            return badInput(platform::localized("cli.events.noOccurrence").arg(uid, dayText));
        if (target.event.recurring)
            target.span = one ? platform::EventSpan::thisEvent : platform::EventSpan::futureEvents;
    }
    if (!target.event.calendar || !target.event.calendar->allowsContentModifications)
        return badInput(platform::localized("cli.events.readOnlyCalendar")
                            .arg(target.event.calendar ? target.event.calendar->title : QString()));
    return target;
}

const QSet<QString> &occurrenceOptions()
{
    static const QSet<QString> options{QStringLiteral("occurrence"), QStringLiteral("from")};
    return options;
}

// Reads UID and the occurrence options, finds the event, then lets `change` act on it.
template <typename Change>
int onTarget(Invocation &call, const QString &command, const QStringList &arguments,
             const QSet<QString> &options, Change change)
{
    ArgumentReader args(arguments, {}, options);
    if (!args.expectPositionals(1, 1, QStringLiteral("UID")))
        return report(call, command, badInput(args.error()));
    const auto store = platform::makeEventStore();
    const auto found = findTarget(*store, args);
    if (const auto *refused = std::get_if<Refusal>(&found))
        return report(call, command, *refused);
    return change(args, *store, std::get<Target>(found));
}

int applyEdit(Invocation &call, const QString &command, const ArgumentReader &args,
              platform::EventStore &store, const Target &target)
{
    const platform::CalendarEvent &event = target.event;
    platform::EventDraft draft = platform::draftOf(event);
    if (args.hasOption(QStringLiteral("title"))) {
        draft.title = args.option(QStringLiteral("title")).trimmed();
        if (draft.title.isEmpty())
            return report(call, command, badInput(platform::localized("cli.events.emptyTitle")));
    }
    if (args.hasOption(QStringLiteral("location")))
        draft.location = args.option(QStringLiteral("location")).trimmed();
    if (args.hasOption(QStringLiteral("notes")))
        draft.notes = args.option(QStringLiteral("notes"));
    if (auto refused = applyTimes(draft, args, event.timeZone))
        return report(call, command, *refused);
    if (auto refused = applyRepeat(draft, args, event.repeat))
        return report(call, command, *refused);
    if (auto refused = applyAlerts(draft, args))
        return report(call, command, *refused);
    if (auto refused = applyUrl(draft, args))
        return report(call, command, *refused);
    bool changes = false;
    for (const char *option :
         {"title", "location", "start", "end", "repeat", "until", "count", "notes", "alert", "url"})
        changes = changes || args.hasOption(QLatin1String(option));
    if (!changes)
        return report(call, command, badInput(platform::localized("cli.events.nothingToChange")));
    if (draft.repeat && *draft.repeat != event.repeat && target.span == platform::EventSpan::thisEvent)
        return report(call, command, badInput(platform::localized("cli.events.repeatForSeries")));
    QString error;
    if (!store.updateEvent(event, draft, target.span, &error))
        return report(call, command, {exitFailure, error});
    return exitOk;
}

int editEvent(Invocation &call, const QStringList &arguments)
{
    const QString command = QStringLiteral("edit");
    QSet<QString> options = occurrenceOptions();
    options.unite(QSet<QString>{QStringLiteral("title"), QStringLiteral("start"), QStringLiteral("end"),
                                QStringLiteral("location")});
    options.unite(repeatOptions());
    return onTarget(call, command, arguments, options,
                    [&](const ArgumentReader &args, platform::EventStore &store, const Target &target) {
                        return applyEdit(call, command, args, store, target);
                    });
}

int deleteEvent(Invocation &call, const QStringList &arguments)
{
    const QString command = QStringLiteral("delete");
    return onTarget(call, command, arguments, occurrenceOptions(),
                    [&](const ArgumentReader &, platform::EventStore &store, const Target &target) -> int {
                        QString error;
                        if (!store.removeEvent(target.event, target.span, &error))
                            return report(call, command, {exitFailure, error});
                        return exitOk;
                    });
}

int listEvents(Invocation &call)
{
    ArgumentReader args(call.arguments, {QStringLiteral("json")}, {});
    if (!args.expectPositionals(0, 1, QStringLiteral("YYYY-MM-DD"))) {
        call.err << "qamarly events: " << args.error() << '\n';
        return exitUsage;
    }
    const platform::Calendar gregorian(platform::CalendarIdentifier::gregorian);
    platform::Instant day = gregorian.startOfDay(platform::Clock::current());
    if (!args.positionals().isEmpty()) {
        const QString text = args.positionals().first();
        const auto parsed = parseDayArgument(text, gregorian);
        if (!parsed) {
            call.err << "qamarly events: " << notADay(text, platform::CalendarIdentifier::gregorian) << '\n';
            return exitUsage;
        }
        day = *parsed;
    }
    const auto store = platform::makeEventStore();
    const auto events = screens::eventsOfDay(*store, day);
    const QString zone = QString::fromUtf8(QTimeZone::systemTimeZoneId());
    const QString dayText = platform::toQDateTime(day).toLocalTime().date().toString(Qt::ISODate);

    if (args.flag(QStringLiteral("json"))) {
        QJsonArray list;
        for (const platform::CalendarEvent &e : events) {
            list.append(QJsonObject{
                {QStringLiteral("title"), e.title},
                {QStringLiteral("start"), platform::isoString(e.startDate, zone)},
                {QStringLiteral("end"), platform::isoString(e.endDate, zone)},
                {QStringLiteral("location"), e.location},
                {QStringLiteral("calendar"), e.calendar ? e.calendar->title : QString()},
                {QStringLiteral("allDay"), e.allDay},
                {QStringLiteral("duration"), screens::eventDurationText(e.startDate, e.endDate, e.allDay)},
                {QStringLiteral("uid"), e.uid},
                {QStringLiteral("notes"), e.notes},
                {QStringLiteral("repeat"), repeatJson(e.repeat)},
                {QStringLiteral("alerts"), alertsJson(e.alerts, zone)},
                {QStringLiteral("url"), e.url},
                {QStringLiteral("recurrenceId"),
                 e.recurrenceId ? QJsonValue(platform::isoString(*e.recurrenceId, zone)) : QJsonValue()}});
        }
        const QJsonObject root{{QLatin1String(core::jsonSchemaKey), core::jsonSchemaVersion},
                               {QStringLiteral("date"), dayText},
                               {QStringLiteral("events"), list}};
        call.out << QJsonDocument(root).toJson(QJsonDocument::Indented);
        return exitOk;
    }
    call.out << dayText << '\n';
    for (const platform::CalendarEvent &e : events) {
        const QString start =
            platform::toQDateTime(e.startDate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        const QString end =
            platform::toQDateTime(e.endDate).toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
        call.out << e.title << " | " << start << " - " << end << " | " << e.location << " | "
                 << (e.calendar ? e.calendar->title : QString()) << " | "
                 << screens::eventDurationText(e.startDate, e.endDate, e.allDay) << '\n';
    }
    return exitOk;
}

} // namespace

int runEvents(Invocation &call)
{
    const QString action = call.arguments.value(0);
    const QStringList rest = call.arguments.mid(1);
    if (action == QLatin1String("add"))
        return addEvent(call, rest);
    if (action == QLatin1String("edit"))
        return editEvent(call, rest);
    if (action == QLatin1String("delete"))
        return deleteEvent(call, rest);
    return listEvents(call);
}

} // namespace app::cli
