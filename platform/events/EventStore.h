// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThread>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace platform {

// One calendar of the store: a folder of iCalendar files on the desktop.
struct EventCalendar
{
    QString identifier;
    QString title;
    // "#rrggbb"; empty when the calendar names no colour.
    QString color;
    bool allowsContentModifications = false;
};

// How an event repeats, in the terms the editor offers. A rule it cannot
// show that way is `other`, kept as written until the user picks another.
struct EventRepeat
{
    enum class Kind
    {
        never,
        daily,
        weekly,
        monthly,
        yearly,
        // On the same day of the Umm al-Qura month or year.
        hijriMonthly,
        hijriYearly,
        other
    };
    Kind kind = Kind::never;
    // Weekly: the days, 1 Monday ... 7 Sunday, in order; empty means the
    // start's own day.
    std::vector<int> weekdays;
    // The last day it may fall on (in the event's own days), or how many
    // times it happens; neither means it goes on.
    std::optional<QDate> until;
    int count = 0;
    // A 30th in a 29-day Hijri month moves to the day after (forward) or to
    // the 29th (backward).
    bool skipForward = true;
    // `other`: the rule as the file has it.
    QString rule;

    bool repeats() const { return kind != Kind::never; }
    bool operator==(const EventRepeat &) const = default;
};

// The most times a rule written by this program may repeat.
inline constexpr int maximumRepeatCount = 1000;

// Why a rule must not be written for an event starting on `firstDay`
// (an end before the start, a count out of range, an unknown weekday);
// empty when it may.
QString repeatProblem(const EventRepeat &repeat, QDate firstDay);

// A reminder of an event: a moment relative to its start (or its end), or a
// fixed moment. An all-day event's start counts as 09:00 on its first day.
struct EventAlert
{
    // Seconds from the start (the end when `fromEnd`); negative is before.
    // Whole days count on the calendar, so "a day before" keeps its wall
    // time across a change of clocks.
    std::int64_t offsetSeconds = 0;
    bool fromEnd = false;
    // A fixed moment, when the file names one instead.
    std::optional<Instant> at;

    static EventAlert minutesBefore(int minutes)
    {
        return EventAlert{-std::int64_t{minutes} * 60, false, {}};
    }
    bool operator==(const EventAlert &) const = default;
};

// The longest time before its event an alert written by this program may
// come: four weeks.
inline constexpr int maximumAlertMinutes = 4 * 7 * 24 * 60;

// One occurrence of an event as the store hands it out. A recurring event
// gives one of these per occurrence, each with its own start and end.
struct CalendarEvent
{
    // Stable for the occurrence: file, UID and occurrence start.
    QString identifier;
    QString title;
    Instant startDate{};
    Instant endDate{};
    QString location;
    QString notes;
    // Day events come out as the first second of their first day to the last
    // second (23:59:59) of their last day.
    bool allDay = false;
    bool recurring = false;
    std::shared_ptr<const EventCalendar> calendar;
    // For an occurrence of a recurring event: its start as the series gives
    // it (before any change made to this occurrence alone).
    std::optional<Instant> recurrenceId;
    // Where the event is kept (the store's business), and a digest of the
    // file's content as it was read, so a write can tell whether another
    // program changed it since.
    QString filePath;
    QString uid;
    QByteArray sourceDigest;
    // The zone the event's times are written in; empty for UTC or floating times.
    QString timeZone;
    // The series' rule (never for a single event or an override).
    EventRepeat repeat;
    // A web page or mail address about the event, as the file has it.
    QString url;
    // Its reminders, in the file's order (those of the occurrence's own
    // override when it has one).
    std::vector<EventAlert> alerts;
};

// Which occurrences of a recurring event a change or a deletion is for.
enum class EventSpan
{
    thisEvent,
    futureEvents,
    allEvents
};

// What the editor hands the store for a new event, or for a change of one.
struct EventDraft
{
    QString title;
    QString location;
    QString notes;
    Instant startDate{};
    Instant endDate{};
    bool allDay = false;
    QString calendarIdentifier;
    // New events only: the UID to give it (a new one when empty) and the
    // zone to write its times in (UTC when empty).
    QString uid;
    QString timeZone;
    // The rule to give the event; no value keeps the one it has (none for
    // a new event).
    std::optional<EventRepeat> repeat;
    // The address to give it (empty: none); no value keeps the one it has.
    std::optional<QString> url;
    // The reminders to give it; no value keeps those it has.
    std::optional<std::vector<EventAlert>> alerts;
};

// Whether an event's address is one a link may open: a web page (http,
// https) or a mail address (mailto). Others are shown as text only.
bool isLinkAddress(const QString &url);
// The address the user typed as it is to be kept: a bare host gets https;
// empty when it is no address a link may open.
QString linkAddressFrom(const QString &typed);

// A draft holding the event as it is: edits change only what the user
// touches, so the rest must start out as the event's own.
EventDraft draftOf(const CalendarEvent &event);

// What adding a file's events to a calendar did.
struct ImportOutcome
{
    int added = 0;
    // Events the calendar held in an earlier version.
    int updated = 0;
    // Events the calendar holds already, as they are or in a later version.
    int unchanged = 0;
    // One line for each event that was left out, with the reason.
    QStringList problems;
};

enum class EventAccessStatus
{
    notDetermined,
    authorized,
    denied
};

// The calendar-event store. Access is asked once and kept; every query and
// write runs on the caller's thread and may be called from any thread.
class EventStore : public QObject
{
    Q_OBJECT

public:
    using AccessCompletion = std::function<void(bool granted, const QString &error)>;

    explicit EventStore(QObject *parent = nullptr) : QObject(parent) {}

    // Asks the user the first time (on the main thread) and keeps the answer;
    // the completion runs on a thread of the store's own, never the caller's.
    virtual void requestAccess(AccessCompletion completion) = 0;
    virtual EventAccessStatus accessStatus() const = 0;

    virtual std::vector<std::shared_ptr<const EventCalendar>> calendars() = 0;
    // Every occurrence that overlaps [start, end), in all calendars, in the
    // store's own order (calendar, then file name).
    virtual std::vector<CalendarEvent> events(Instant start, Instant end) = 0;

    // Writes a new event; false with a reason when nothing was written.
    virtual bool saveNewEvent(const EventDraft &draft, QString *error) = 0;
    // Writes what the draft changed against `event` (as it was read) to the
    // occurrences `span` names, and nothing else. Refused, with a reason,
    // when another program changed the same event since it was read.
    virtual bool updateEvent(const CalendarEvent &event, const EventDraft &draft, EventSpan span,
                             QString *error) = 0;
    // Removes the occurrences `span` names; a file left without events goes
    // to the desktop trash.
    virtual bool removeEvent(const CalendarEvent &event, EventSpan span, QString *error) = 0;
    // The event or series with this UID as a whole (its first start); no
    // value when no calendar holds it.
    virtual std::optional<CalendarEvent> eventWithUid(const QString &uid) = 0;
    // The event's file as iCalendar text, for sharing.
    virtual QByteArray iCalendarData(const CalendarEvent &event) = 0;

    // The events of an iCalendar file (an invitation, an export), each as a
    // whole (a series by its first start), to show before they are added.
    // Empty, with the reason, when the text holds none this store can read.
    virtual std::vector<CalendarEvent> eventsInData(const QByteArray &data, QString *error);
    // Adds the events of an iCalendar file to the calendar: each event the
    // calendar lacks, and a later version of one it holds; nothing else is
    // touched. No value, with the reason, when nothing could be tried.
    virtual std::optional<ImportOutcome> importEvents(const QByteArray &data,
                                                      const QString &calendarIdentifier, QString *error);

signals:
    // Files changed on disk (by this store or by another program).
    void storeChanged();
};

// A plain-text summary of an event, for the clipboard.
QString eventShareText(const CalendarEvent &event);

// Runs `work` on the event stores' own thread, one piece after another, in
// the order given. Qt's global pool is not used: the window's painting waits
// there for its helpers, so a long query would hold up the next frame.
void runStoreWork(std::function<void()> work);

// Shares `store` so that it is deleted on its own thread whichever thread
// lets go of it last: a query on the store's thread may outlive the window
// that asked, and a store's file watcher may only be taken down where it
// was made.
template <typename Store> std::shared_ptr<Store> sharedStore(Store *store)
{
    return std::shared_ptr<Store>(store, [](Store *s) {
        if (QThread::currentThread() == s->thread())
            delete s;
        else
            s->deleteLater();
    });
}

// How access is asked: the application installs a dialog; without one a
// request that needs asking is refused and nothing is kept.
using EventAccessPrompt = std::function<void(std::function<void(bool granted)> answer)>;
void setEventAccessPrompt(EventAccessPrompt prompt);
EventAccessPrompt eventAccessPrompt();

// The kept answer, in the application's own defaults.
EventAccessStatus keptEventAccess();
void keepEventAccess(EventAccessStatus status);

// A new store over the desktop's calendar folders ($XDG_DATA_HOME/qamarly/
// calendars and the further folders kept under calendarFoldersKey), unless a
// test installed a factory of its own.
std::shared_ptr<EventStore> makeEventStore();
using EventStoreFactory = std::function<std::shared_ptr<EventStore>()>;
// Returns the previous factory; an empty one means the desktop's folders.
EventStoreFactory setEventStoreFactory(EventStoreFactory factory);

// The application's defaults key listing further calendar folders, one a line.
inline constexpr const char *calendarFoldersKey = "CalendarFolders";
// The further calendar folders as kept, each once.
QStringList calendarFolders();
// Keeps `folders` (absolute, each once, in order); false when they could not
// be stored.
bool keepCalendarFolders(const QStringList &folders);

} // namespace platform
