#include "platform/events/linux/VdirEventStore.h"

#include "platform/calendar/Clock.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/system/BoundedFile.h"
#include "platform/system/Console.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QThread>
#include <QThreadPool>
#include <QUuid>

namespace platform {

namespace {

// Changes on disk arrive in bursts (a sync writes many files): one reload.
constexpr int changeSettleMs = 150;
// A calendar's name or colour is one short line.
constexpr qint64 nameFileHead = 4096;

QString firstLine(const QString &path)
{
    // A FIFO or device put here would otherwise hold up every query.
    const auto head = readRegularFileHead(path, nameFileHead);
    if (!head)
        return {};
    return QString::fromUtf8(*head).section(QLatin1Char('\n'), 0, 0).trimmed();
}

QString validColor(const QString &text)
{
    static const QRegularExpression hex(QStringLiteral("^#([0-9a-fA-F]{6})([0-9a-fA-F]{2})?$"));
    const auto match = hex.match(text);
    return match.hasMatch() ? QLatin1Char('#') + match.captured(1).toLower() : QString();
}

void runOffMainThread(std::function<void()> work)
{
    QThreadPool::globalInstance()->start(std::move(work));
}

} // namespace

VdirEventStore::VdirEventStore(QString base, QStringList extraFolders, QObject *parent)
    : EventStore(parent), base_(std::move(base)), extraFolders_(std::move(extraFolders)),
      watcher_(new QFileSystemWatcher(this)), changeTimer_(new QTimer(this))
{
    changeTimer_->setSingleShot(true);
    changeTimer_->setInterval(changeSettleMs);
    connect(changeTimer_, &QTimer::timeout, this, &EventStore::storeChanged);
    connect(watcher_, &QFileSystemWatcher::directoryChanged, changeTimer_, qOverload<>(&QTimer::start));
    connect(watcher_, &QFileSystemWatcher::fileChanged, changeTimer_, qOverload<>(&QTimer::start));
}

void VdirEventStore::connectNotify(const QMetaMethod &signal)
{
    // Folders are watched only once someone listens for changes: a command
    // that reads one day and exits needs no watch, and closing one makes
    // the kernel wait out a grace period, often longer than the whole run.
    if (signal != QMetaMethod::fromSignal(&EventStore::storeChanged) || watching_.exchange(true))
        return;
    QMetaObject::invokeMethod(this, [this] { watchFolders(calendars()); });
}

VdirEventStore::~VdirEventStore() = default;

QString VdirEventStore::defaultBaseFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/qamarly/calendars");
}

void VdirEventStore::requestAccess(AccessCompletion completion)
{
    const EventAccessStatus kept = keptEventAccess();
    if (kept != EventAccessStatus::notDetermined) {
        runOffMainThread([completion, kept] {
            if (completion)
                completion(kept == EventAccessStatus::authorized, QString());
        });
        return;
    }
    const EventAccessPrompt prompt = eventAccessPrompt();
    if (!prompt) {
        runOffMainThread([completion] {
            if (completion)
                completion(false, QStringLiteral("Nobody could be asked for access to the calendars"));
        });
        return;
    }
    {
        // One question at a time: requests made while it is open wait for its answer.
        const std::lock_guard lock(mutex_);
        waitingForAnswer_.push_back(std::move(completion));
        if (waitingForAnswer_.size() > 1)
            return;
    }
    const QPointer<VdirEventStore> self(this);
    auto ask = [self, prompt] {
        prompt([self](bool granted) {
            keepEventAccess(granted ? EventAccessStatus::authorized : EventAccessStatus::denied);
            if (!self)
                return;
            std::vector<AccessCompletion> waiting;
            {
                const std::lock_guard lock(self->mutex_);
                waiting.swap(self->waitingForAnswer_);
            }
            runOffMainThread([waiting, granted] {
                for (const AccessCompletion &waiter : waiting) {
                    if (waiter)
                        waiter(granted, QString());
                }
            });
        });
    };
    // The dialog belongs to the user interface thread.
    QCoreApplication *app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        ask();
    else
        QMetaObject::invokeMethod(app, ask, Qt::QueuedConnection);
}

EventAccessStatus VdirEventStore::accessStatus() const
{
    return keptEventAccess();
}

bool VdirEventStore::writableFolder(const QString &folder) const
{
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

std::vector<std::shared_ptr<const EventCalendar>> VdirEventStore::calendars()
{
    QStringList folders;
    const QDir base(base_);
    for (const QString &name : base.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
        folders << base.filePath(name);
    for (const QString &extra : extraFolders_) {
        const QString folder = QDir::cleanPath(extra.trimmed());
        if (!extra.trimmed().isEmpty() && !folders.contains(folder))
            folders << folder;
    }

    std::vector<std::shared_ptr<const EventCalendar>> result;
    // A folder reached twice (a listed folder that links to another) is one
    // calendar, shown once under the name it was first listed by.
    QSet<QString> seen;
    const std::lock_guard lock(mutex_);
    for (const QString &folder : folders) {
        const QFileInfo info(folder);
        if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
            if (reportedFolders_.insert(folder).second)
                consoleLog(QStringLiteral("Cannot read the calendar folder %1").arg(folder));
            continue;
        }
        reportedFolders_.erase(folder);
        const QString real = info.canonicalFilePath();
        if (seen.contains(real))
            continue;
        seen.insert(real);
        auto calendar = std::make_shared<EventCalendar>();
        calendar->identifier = folder;
        calendar->title = firstLine(folder + QStringLiteral("/displayname"));
        if (calendar->title.isEmpty())
            calendar->title = info.fileName();
        calendar->color = validColor(firstLine(folder + QStringLiteral("/color")));
        calendar->allowsContentModifications = writableFolder(folder);
        // The same object while nothing changed, so events keep comparing equal.
        auto &kept = calendarCache_[folder];
        if (!kept || kept->title != calendar->title || kept->color != calendar->color ||
            kept->allowsContentModifications != calendar->allowsContentModifications)
            kept = calendar;
        result.push_back(kept);
    }
    return result;
}

std::shared_ptr<const ical::CalendarFile> VdirEventStore::fileAt(const QString &path)
{
    const QFileInfo info(path);
    {
        const std::lock_guard lock(mutex_);
        auto it = cache_.find(path);
        if (it != cache_.end() && it->second.size == info.size() &&
            it->second.modified == info.lastModified())
            return it->second.parsed;
    }
    CachedFile entry;
    entry.size = info.size();
    entry.modified = info.lastModified();
    QString error;
    // Opened without blocking, regular files only, never more than the cap.
    if (const auto data = readRegularFile(path, ical::maximumFileSize, &error)) {
        entry.parsed = ical::CalendarFile::parse(*data, path, &error);
        if (!entry.parsed)
            consoleLog(QStringLiteral("Skipped %1: %2").arg(path, error));
    } else {
        consoleLog(QStringLiteral("Skipped %1").arg(error));
    }
    const std::lock_guard lock(mutex_);
    if (!entry.parsed)
        ++skipped_;
    cache_[path] = entry;
    return entry.parsed;
}

std::vector<CalendarEvent> VdirEventStore::events(Instant start, Instant end)
{
    std::vector<CalendarEvent> result;
    std::vector<ical::Occurrence> found;
    const auto calendarList = calendars();
    for (const auto &calendar : calendarList) {
        const QDir folder(calendar->identifier);
        for (const QString &name : folder.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name)) {
            const QString path = folder.filePath(name);
            const auto parsed = fileAt(path);
            if (!parsed)
                continue;
            found.clear();
            parsed->occurrences(start, end, found);
            for (ical::Occurrence &o : found) {
                CalendarEvent event;
                event.identifier = QStringLiteral("%1#%2@%3").arg(path, o.uid).arg(msecsOf(o.start));
                event.title = std::move(o.title);
                event.startDate = o.start;
                event.endDate = o.end;
                event.location = std::move(o.location);
                event.notes = std::move(o.notes);
                event.allDay = o.allDay;
                event.recurring = o.recurring;
                event.calendar = calendar;
                event.filePath = path;
                event.uid = std::move(o.uid);
                result.push_back(std::move(event));
            }
        }
    }
    // New calendar folders are watched from the store's own thread.
    QMetaObject::invokeMethod(this, [this, calendarList] { watchFolders(calendarList); });
    return result;
}

void VdirEventStore::watchFolders(const std::vector<std::shared_ptr<const EventCalendar>> &calendars)
{
    if (!watching_)
        return;
    QStringList wanted{base_};
    for (const auto &calendar : calendars)
        wanted << calendar->identifier;
    const QStringList watched = watcher_->directories();
    for (const QString &folder : wanted) {
        if (!watched.contains(folder) && QFileInfo(folder).isDir())
            watcher_->addPath(folder);
    }
}

int VdirEventStore::skippedFileCount() const
{
    const std::lock_guard lock(mutex_);
    return skipped_;
}

bool VdirEventStore::writeAtomically(const QString &path, const QByteArray &data, QString *error)
{
    // The file appears whole or not at all: written beside it, then renamed.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    return true;
}

bool VdirEventStore::saveNewEvent(const EventDraft &draft, QString *error)
{
    const QString folder = draft.calendarIdentifier;
    bool known = false;
    for (const auto &calendar : calendars())
        known = known || (calendar->identifier == folder && calendar->allowsContentModifications);
    if (!known) {
        if (error)
            *error = QStringLiteral("The calendar %1 cannot be written").arg(folder);
        return false;
    }
    const QString uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QByteArray data = ical::newEventData(draft, uid, Clock::current());
    if (!writeAtomically(QDir(folder).filePath(uid + QStringLiteral(".ics")), data, error))
        return false;
    QMetaObject::invokeMethod(changeTimer_, qOverload<>(&QTimer::start));
    return true;
}

bool VdirEventStore::updateEvent(const CalendarEvent &event, const EventDraft &draft, QString *error)
{
    if (!event.calendar || !writableFolder(event.calendar->identifier)) {
        if (error)
            *error = QStringLiteral("The calendar cannot be written");
        return false;
    }
    QFile file(event.filePath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    const QByteArray updated =
        ical::updatedEventData(file.readAll(), event.uid, draft, Clock::current(), error);
    file.close();
    if (updated.isEmpty() || !writeAtomically(event.filePath, updated, error))
        return false;
    QMetaObject::invokeMethod(changeTimer_, qOverload<>(&QTimer::start));
    return true;
}

bool VdirEventStore::removeEvent(const CalendarEvent &event, QString *error)
{
    if (!event.calendar || !writableFolder(event.calendar->identifier)) {
        if (error)
            *error = QStringLiteral("The calendar cannot be written");
        return false;
    }
    QFile file(event.filePath);
    if (!file.moveToTrash()) {
        if (error)
            *error = file.errorString().isEmpty() ? QStringLiteral("Cannot move the event to the trash")
                                                  : file.errorString();
        return false;
    }
    QMetaObject::invokeMethod(changeTimer_, qOverload<>(&QTimer::start));
    return true;
}

QByteArray VdirEventStore::iCalendarData(const CalendarEvent &event)
{
    return readRegularFile(event.filePath, ical::maximumFileSize).value_or(QByteArray());
}

void VdirEventStore::createFirstCalendarIfNone(const QString &base)
{
    if (!QDir().mkpath(base) || !QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot).isEmpty() ||
        !QDir(base).mkdir(QStringLiteral("personal")))
        return;
    QFile name(base + QStringLiteral("/personal/displayname"));
    if (name.open(QIODevice::WriteOnly))
        name.write("Personal\n");
}

std::shared_ptr<EventStore> makeDesktopEventStore()
{
    // The window offers a calendar to write to from the start; a command
    // that only lists events leaves the disk as it is.
    const QCoreApplication *app = QCoreApplication::instance();
    if (app && app->inherits("QGuiApplication"))
        VdirEventStore::createFirstCalendarIfNone(VdirEventStore::defaultBaseFolder());
    QStringList extra;
    if (const auto listed = UserDefaults::standard()->string(QString::fromLatin1(calendarFoldersKey)))
        extra = listed->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return std::make_shared<VdirEventStore>(VdirEventStore::defaultBaseFolder(), extra);
}

} // namespace platform
