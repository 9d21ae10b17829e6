// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/EventStore.h"

#include "platform/defaults/UserDefaults.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QThreadPool>
#include <QUrl>
#include <mutex>

namespace platform {

namespace {

constexpr QLatin1StringView accessKey("CalendarAccess");

std::mutex &promptMutex()
{
    static std::mutex mutex;
    return mutex;
}

EventAccessPrompt &promptSlot()
{
    static EventAccessPrompt prompt;
    return prompt;
}

std::mutex &factoryMutex()
{
    static std::mutex mutex;
    return mutex;
}

EventStoreFactory &factorySlot()
{
    static EventStoreFactory factory;
    return factory;
}

// One thread: queries read the same files and would only take turns at the
// disk and the second core, which the window needs for painting.
class StoreThread
{
public:
    StoreThread() { pool.setMaxThreadCount(1); }
    // At exit, work not yet begun is dropped; the piece under way ends first.
    ~StoreThread()
    {
        pool.clear();
        pool.waitForDone();
    }
    QThreadPool pool;
};

} // namespace

std::vector<CalendarEvent> EventStore::eventsInData(const QByteArray &, QString *error)
{
    if (error)
        *error = QStringLiteral("This calendar store cannot read calendar files");
    return {};
}

std::optional<ImportOutcome> EventStore::importEvents(const QByteArray &, const QString &, QString *error)
{
    if (error)
        *error = QStringLiteral("This calendar store cannot add calendar files");
    return std::nullopt;
}

void runStoreWork(std::function<void()> work)
{
    static StoreThread thread;
    thread.pool.start(std::move(work));
}

QString eventShareText(const CalendarEvent &event)
{
    const QLocale locale;
    QStringList lines{event.title};
    if (event.allDay) {
        const QDate first = toQDateTime(event.startDate).date();
        const QDate last = toQDateTime(event.endDate).date();
        lines << (first == last ? locale.toString(first, QLocale::LongFormat)
                                : locale.toString(first, QLocale::LongFormat) + QStringLiteral(" – ") +
                                      locale.toString(last, QLocale::LongFormat));
    } else {
        lines << locale.toString(toQDateTime(event.startDate), QLocale::LongFormat) + QStringLiteral(" – ") +
                     locale.toString(toQDateTime(event.endDate), QLocale::LongFormat);
    }
    if (!event.location.isEmpty())
        lines << event.location;
    if (!event.notes.isEmpty())
        lines << QString() << event.notes;
    return lines.join(QLatin1Char('\n'));
}

void setEventAccessPrompt(EventAccessPrompt prompt)
{
    const std::lock_guard lock(promptMutex());
    promptSlot() = std::move(prompt);
}

EventAccessPrompt eventAccessPrompt()
{
    const std::lock_guard lock(promptMutex());
    return promptSlot();
}

EventAccessStatus keptEventAccess()
{
    const auto kept = UserDefaults::standard()->integer(accessKey);
    if (kept == 1)
        return EventAccessStatus::authorized;
    if (kept == 2)
        return EventAccessStatus::denied;
    return EventAccessStatus::notDetermined;
}

void keepEventAccess(EventAccessStatus status)
{
    const auto defaults = UserDefaults::standard();
    if (status == EventAccessStatus::notDetermined)
        defaults->remove(accessKey);
    else
        defaults->setInteger(accessKey, status == EventAccessStatus::authorized ? 1 : 2);
    defaults->flush();
}

QStringList calendarFolders()
{
    QStringList folders;
    const auto listed = UserDefaults::standard()->string(QString::fromLatin1(calendarFoldersKey));
    for (const QString &line : listed.value_or(QString()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QString folder = QDir::cleanPath(line.trimmed());
        if (!line.trimmed().isEmpty() && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

bool keepCalendarFolders(const QStringList &folders)
{
    QStringList kept;
    for (const QString &folder : folders) {
        const QString clean = QDir::cleanPath(QDir::current().absoluteFilePath(folder.trimmed()));
        if (!folder.trimmed().isEmpty() && !kept.contains(clean))
            kept << clean;
    }
    const auto defaults = UserDefaults::standard();
    if (kept.isEmpty())
        defaults->remove(QString::fromLatin1(calendarFoldersKey));
    else
        defaults->setString(QString::fromLatin1(calendarFoldersKey), kept.join(QLatin1Char('\n')));
    return defaults->flush() && calendarFolders() == kept;
}

EventStoreFactory setEventStoreFactory(EventStoreFactory factory)
{
    const std::lock_guard lock(factoryMutex());
    return std::exchange(factorySlot(), std::move(factory));
}

QString repeatProblem(const EventRepeat &repeat, QDate firstDay)
{
    if (!repeat.repeats() || repeat.kind == EventRepeat::Kind::other)
        return {};
    if (repeat.until && repeat.count > 0)
        return QStringLiteral("a repeat ends either on a day or after a number of times");
    if (repeat.count < 0 || repeat.count > maximumRepeatCount)
        return QStringLiteral("a repeat happens 1 to %1 times").arg(maximumRepeatCount);
    if (repeat.until && (!repeat.until->isValid() || *repeat.until < firstDay))
        return QStringLiteral("the repeat ends before the event starts");
    for (const int day : repeat.weekdays) {
        if (day < 1 || day > 7)
            return QStringLiteral("%1 is not a weekday").arg(day);
    }
    return {};
}

bool isLinkAddress(const QString &url)
{
    const QUrl parsed(url, QUrl::StrictMode);
    const QString scheme = parsed.scheme().toLower();
    return parsed.isValid() && (((scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
                                 !parsed.host().isEmpty()) ||
                                (scheme == QLatin1String("mailto") && !parsed.path().isEmpty()));
}

QString linkAddressFrom(const QString &typed)
{
    QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*:"));
    if (!scheme.match(text).hasMatch())
        text = QStringLiteral("https://") + text;
    return isLinkAddress(text) ? text : QString();
}

EventDraft draftOf(const CalendarEvent &event)
{
    EventDraft draft;
    draft.title = event.title;
    draft.location = event.location;
    draft.notes = event.notes;
    draft.startDate = event.startDate;
    draft.endDate = event.endDate;
    draft.allDay = event.allDay;
    draft.repeat = event.repeat;
    draft.alerts = event.alerts;
    draft.url = event.url;
    if (event.calendar)
        draft.calendarIdentifier = event.calendar->identifier;
    return draft;
}

std::shared_ptr<EventStore> makeDesktopEventStore();

std::shared_ptr<EventStore> makeEventStore()
{
    EventStoreFactory factory;
    {
        const std::lock_guard lock(factoryMutex());
        factory = factorySlot();
    }
    return factory ? factory() : makeDesktopEventStore();
}

} // namespace platform
