// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/VdirEventStore.h"

#include "platform/calendar/CivilDays.h"
#include "platform/calendar/Clock.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/system/BoundedFile.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QPointer>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QThread>
#include <QUuid>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Changes on disk arrive in bursts (a sync writes many files): one reload.
constexpr int changeSettleMs = 150;
// A calendar's name or colour is one short line.
constexpr qint64 nameFileHead = 4096;
// Parsed files kept between queries: a few months of a busy calendar, and
// every file whose events repeat without end (each query needs those).
constexpr std::size_t parsedFilesKept = 2000;
// Fewer files than this are read sooner by one thread than two can start.
constexpr std::size_t filesReadPerThread = 32;

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
    runStoreWork(std::move(work));
}

QByteArray contentDigest(const QByteArray &data)
{
    return QCryptographicHash::hash(data, QCryptographicHash::Sha256);
}

// The file as it is now; no value when it is gone or cannot be an event file.
std::optional<QByteArray> readEventFile(const QString &path, QString *error)
{
    return readRegularFile(path, ical::maximumFileSize, error);
}

// The event a file now holds where the user saw `seen`: the occurrence with
// the same start in the series, or the single event wherever it is now.
std::optional<CalendarEvent> eventNow(const QByteArray &data, const CalendarEvent &seen)
{
    if (!seen.recurring)
        return ical::EventWriter::eventIn(data, seen.uid);
    QString why;
    const auto parsed = ical::CalendarFile::parse(data, seen.filePath, &why);
    if (!parsed)
        return std::nullopt;
    using namespace std::chrono_literals;
    const Instant at = seen.recurrenceId.value_or(seen.startDate);
    std::vector<ical::Occurrence> found;
    parsed->occurrences(std::min(at, seen.startDate) - 48h, std::max(at, seen.endDate) + 48h, found);
    for (ical::Occurrence &o : found) {
        if (o.uid != seen.uid || o.recurrenceId.has_value() != seen.recurrenceId.has_value() ||
            (o.recurrenceId && msecsOf(*o.recurrenceId) / 1000 != msecsOf(*seen.recurrenceId) / 1000))
            continue;
        CalendarEvent event = seen;
        ical::copyInto(std::move(o), event);
        return event;
    }
    return std::nullopt;
}

bool sameTimes(const CalendarEvent &a, const CalendarEvent &b)
{
    return a.allDay == b.allDay && msecsOf(a.startDate) / 1000 == msecsOf(b.startDate) / 1000 &&
           msecsOf(a.endDate) / 1000 == msecsOf(b.endDate) / 1000;
}

QString quoted(const QString &title)
{
    return QStringLiteral("\u201c%1\u201d").arg(title);
}

// The file into the trash, or false with why. Qt makes the home trash only
// inside an existing data folder, and when it cannot make it, moves the file
// to files/ under the working folder instead and says it is done: so the data
// folder is made first, and a file that lands there is put back.
bool moveToTrash(const QString &path, QString *error)
{
    QDir().mkpath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    QFile file(path);
    const bool moved = file.moveToTrash();
    if (moved && QFileInfo(file.fileName()).isAbsolute())
        return true;
    if (moved && QFile::rename(file.fileName(), path)) {
        const QString name = QFileInfo(file.fileName()).fileName();
        QFile::remove(QStringLiteral("info/%1.trashinfo").arg(name));
        QDir().rmdir(QStringLiteral("info"));
        QDir().rmdir(QStringLiteral("files"));
    }
    if (error)
        *error = moved || file.errorString().isEmpty() ? QStringLiteral("There is no trash to move it to")
                                                       : file.errorString();
    return false;
}

} // namespace

VdirEventStore::VdirEventStore(QString base, QStringList extraFolders, QObject *parent)
    : EventStore(parent), base_(std::move(base)), extraFolders_(std::move(extraFolders)),
      watch_(new ical::FolderWatch(this)), changeTimer_(new QTimer(this))
{
    changeTimer_->setSingleShot(true);
    changeTimer_->setInterval(changeSettleMs);
    connect(changeTimer_, &QTimer::timeout, this, &EventStore::storeChanged);
    connect(watch_, &ical::FolderWatch::changed, this, [this](const QString &folder) {
        folderChanged(folder);
        changeTimer_->start();
    });
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
    const QStringList extras = extraFolderSource_ ? extraFolderSource_() : extraFolders_;
    for (const QString &extra : extras) {
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
                consoleWarning(lcEvents(), QStringLiteral("Cannot read the calendar folder %1").arg(folder));
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

std::ptrdiff_t VdirEventStore::FolderFiles::find(const QByteArray &name)
{
    if (byName.empty() && !files.empty()) {
        byName.reserve(files.size());
        for (std::size_t i = 0; i < files.size(); ++i)
            byName.try_emplace(files[i].first, i);
    }
    const auto it = byName.find(name);
    return it == byName.end() ? -1 : static_cast<std::ptrdiff_t>(it->second);
}

VdirEventStore::KeptFiles VdirEventStore::loadIndex(const QString &folder, QByteArray &names)
{
    KeptFiles files;
    const bool loaded = ical::folderindex::load(
        folder,
        [&](std::size_t count, qsizetype nameBytes) {
            files.reserve(count);
            names.reserve(nameBytes);
        },
        [&](QByteArrayView name, const ical::folderindex::Entry &entry) {
            // Each ends in a zero, which no name holds.
            names.append(name).append('\0');
            // A file that could not be read keeps its place but no stamp,
            // so it is read again, and why it is skipped said again.
            const bool failed = entry.stamp == ical::FileStamp();
            files.emplace_back(QByteArray(),
                               CachedFile{entry.stamp, entry.span, nullptr, entry.days, failed});
        });
    if (!loaded) {
        names.clear();
        return {};
    }
    // Every name points into the one block, which the folder keeps as long
    // as it keeps its files: a big calendar's names are one allocation, not
    // one a file.
    const char *at = names.constData();
    for (auto &file : files) {
        const auto size = static_cast<qsizetype>(std::strlen(at));
        file.first = QByteArray::fromRawData(at, size);
        at += size + 1;
    }
    return files;
}

void VdirEventStore::loadIndexOnce(const QString &folder)
{
    {
        const std::lock_guard lock(mutex_);
        if (folders_[folder].loaded)
            return;
    }
    // Read outside the lock, while other folders are looked at; dropped
    // when another query got there first.
    QByteArray names;
    KeptFiles index = loadIndex(folder, names);
    const std::lock_guard lock(mutex_);
    FolderFiles &kept = folders_[folder];
    if (!kept.loaded) {
        kept.loaded = true;
        kept.files = std::move(index);
        kept.names = std::move(names);
    }
}

std::vector<VdirEventStore::WantedFile>
VdirEventStore::filesToQuery(const QString &folder, const std::vector<ical::FolderFile> *present,
                             Instant start, Instant end)
{
    std::vector<WantedFile> wanted;
    const std::lock_guard lock(mutex_);
    FolderFiles &kept = folders_[folder];
    const auto consider = [&](const ical::FolderFile &file, std::ptrdiff_t slot) {
        if (slot >= 0) {
            CachedFile &known = kept.files[static_cast<std::size_t>(slot)].second;
            if (known.stamp == file.stamp) {
                // Most files of a big calendar end here, unread.
                if (known.failed || !known.span.mayOverlap(start, end) ||
                    (known.days && !known.days->mayOverlap(start, end)))
                    return;
                if (known.parsed) {
                    known.parsed->lastUse = ++useClock_;
                    wanted.push_back({file, known.parsed->events, known.parsed->digest, slot});
                    return;
                }
            }
        }
        wanted.push_back({file, nullptr, {}, slot});
    };
    if (present) {
        bool inOrder = present->size() == kept.files.size();
        for (std::size_t i = 0; i < present->size(); ++i) {
            const ical::FolderFile &file = (*present)[i];
            inOrder = inOrder && kept.files[i].first == file.name;
            consider(file, inOrder ? static_cast<std::ptrdiff_t>(i) : kept.find(file.name));
        }
    } else {
        for (std::size_t i = 0; i < kept.files.size(); ++i) {
            const auto &[name, known] = kept.files[i];
            consider({name, known.stamp}, static_cast<std::ptrdiff_t>(i));
        }
    }
    // Events come in file-name order whatever order the folder lists them in.
    std::sort(wanted.begin(), wanted.end(),
              [](const WantedFile &a, const WantedFile &b) { return a.file.name < b.file.name; });
    return wanted;
}

void VdirEventStore::folderChanged(const QString &folder)
{
    const std::lock_guard lock(mutex_);
    for (auto &[path, kept] : folders_) {
        if (!folder.isEmpty() && path != folder)
            continue;
        kept.trusted = false;
        ++kept.generation;
        kept.watched = kept.watched && watch_->watches(path);
    }
}

VdirEventStore::FileRead VdirEventStore::readFile(const QString &folder, const WantedFile &wanted,
                                                  Instant start)
{
    const QString path = folder + QLatin1Char('/') + QFile::decodeName(wanted.file.name);
    FileRead read;
    read.entry.stamp = wanted.file.stamp;
    QString error;
    // Opened without blocking, regular files only, never more than the cap.
    if (const auto data = readRegularFile(path, ical::maximumFileSize, &error)) {
        if (auto events = ical::CalendarFile::parse(*data, path, &error)) {
            read.entry.parsed = std::make_unique<ParsedFile>();
            read.entry.parsed->events = std::move(events);
            read.entry.parsed->digest = contentDigest(*data);
        } else {
            read.warning = QStringLiteral("Skipped %1: %2").arg(path, error);
        }
    } else {
        read.warning = QStringLiteral("Skipped %1").arg(error);
    }
    read.entry.failed = !read.entry.parsed;
    if (!read.entry.parsed)
        return read;
    const ical::FileSpan &span = read.entry.span = read.entry.parsed->events->span();
    if (span.first <= span.last &&
        (span.last == ical::FileSpan::noEnd ||
         span.last - span.first > ical::startDaysAfterSpanDays * platform::civil::secondsPerDay)) {
        if (auto days = read.entry.parsed->events->startDays(start))
            read.entry.days = std::make_shared<const ical::StartDays>(std::move(*days));
    }
    return read;
}

void VdirEventStore::keepFile(const QString &folder, WantedFile &wanted, FileRead &&read, Instant start,
                              Instant end)
{
    CachedFile &entry = read.entry;
    if (entry.parsed && entry.span.mayOverlap(start, end)) {
        wanted.parsed = entry.parsed->events;
        wanted.digest = entry.parsed->digest;
    } else {
        // Read only to learn its span: a first run over a big calendar keeps
        // none of the files it has no use for.
        entry.parsed.reset();
    }
    const std::lock_guard lock(mutex_);
    FolderFiles &kept = folders_[folder];
    // Another query may have moved the files since this one looked.
    auto at = wanted.slot;
    if (at < 0 || static_cast<std::size_t>(at) >= kept.files.size() ||
        kept.files[static_cast<std::size_t>(at)].first != wanted.file.name)
        at = kept.find(wanted.file.name);
    if (at < 0) {
        at = static_cast<std::ptrdiff_t>(kept.files.size());
        kept.files.emplace_back(wanted.file.name, CachedFile());
        if (!kept.byName.empty())
            kept.byName.emplace(wanted.file.name, kept.files.size() - 1);
    }
    CachedFile &slot = kept.files[static_cast<std::size_t>(at)].second;
    if (entry.failed)
        ++skipped_;
    // Start days still good for this query are kept, so that reading the
    // file near another day does not make the index new.
    if (entry.days && slot.days && slot.stamp == entry.stamp && slot.days->covers(start, end))
        entry.days = slot.days;
    const bool sameDays = entry.days && slot.days ? *entry.days == *slot.days : !entry.days && !slot.days;
    // A file that fails again is kept as it was: with no stamp.
    const bool same = slot.failed
                          ? entry.failed
                          : slot.stamp == entry.stamp && slot.span == entry.span && !entry.failed && sameDays;
    if (!same)
        kept.changed = true;
    parsedCount_ += entry.parsed ? 1 : 0;
    parsedCount_ -= slot.parsed ? 1 : 0;
    if (entry.parsed)
        entry.parsed->lastUse = ++useClock_;
    slot = std::move(entry);
}

void VdirEventStore::settleFolder(const QString &folder, const std::vector<ical::FolderFile> &present)
{
    QByteArray encoded;
    {
        const std::lock_guard lock(mutex_);
        FolderFiles &kept = folders_[folder];
        bool inOrder = kept.files.size() == present.size();
        for (std::size_t i = 0; inOrder && i < present.size(); ++i)
            inOrder = kept.files[i].first == present[i].name;
        if (!inOrder) {
            // Put in the order of this listing, without the files that are gone.
            KeptFiles files;
            files.reserve(present.size());
            std::vector<char> taken(kept.files.size());
            for (const ical::FolderFile &file : present) {
                const auto at = kept.find(file.name);
                if (at >= 0 && !taken[static_cast<std::size_t>(at)]) {
                    taken[static_cast<std::size_t>(at)] = 1;
                    files.push_back(std::move(kept.files[static_cast<std::size_t>(at)]));
                }
            }
            for (std::size_t i = 0; i < taken.size(); ++i)
                parsedCount_ -= !taken[i] && kept.files[i].second.parsed ? 1 : 0;
            kept.files = std::move(files);
            kept.byName.clear();
            kept.changed = true;
        }
        if (!kept.changed)
            return;
        kept.changed = false;
        ical::folderindex::Entries entries;
        entries.reserve(kept.files.size());
        for (const auto &[name, file] : kept.files) {
            entries.emplace_back(name, file.failed
                                           ? ical::folderindex::Entry()
                                           : ical::folderindex::Entry{file.stamp, file.span, file.days});
        }
        encoded = ical::folderindex::encode(folder, entries);
    }
    ical::folderindex::save(folder, encoded);
}

void VdirEventStore::trimParsed()
{
    const std::lock_guard lock(mutex_);
    if (parsedCount_ <= parsedFilesKept)
        return;
    std::vector<std::pair<std::uint64_t, CachedFile *>> parsed;
    parsed.reserve(parsedCount_);
    for (auto &[folder, kept] : folders_) {
        for (auto &[name, file] : kept.files) {
            if (file.parsed)
                parsed.emplace_back(file.parsed->lastUse, &file);
        }
    }
    const auto keep = parsed.end() - static_cast<std::ptrdiff_t>(parsedFilesKept);
    std::nth_element(parsed.begin(), keep, parsed.end());
    for (auto it = parsed.begin(); it != keep; ++it) {
        it->second->parsed.reset();
    }
    parsedCount_ = parsedFilesKept;
}

VdirEventStore::FolderEvents
VdirEventStore::folderEvents(const std::shared_ptr<const EventCalendar> &calendar, Instant start, Instant end)
{
    FolderEvents out;
    const QString &folder = calendar->identifier;
    loadIndexOnce(folder);
    bool trusted = false;
    bool watched = false;
    std::uint64_t generation = 0;
    std::size_t known = 0;
    {
        const std::lock_guard lock(mutex_);
        const FolderFiles &kept = folders_[folder];
        trusted = kept.trusted;
        watched = kept.watched;
        generation = kept.generation;
        known = kept.files.size();
    }
    bool hasLinks = false;
    const std::vector<ical::FolderFile> present =
        trusted ? std::vector<ical::FolderFile>() : ical::calendarFiles(folder, &hasLinks, known);
    std::vector<WantedFile> wantedFiles = filesToQuery(folder, trusted ? nullptr : &present, start, end);
    std::vector<std::size_t> unread;
    for (std::size_t i = 0; i < wantedFiles.size(); ++i) {
        if (!wantedFiles[i].parsed)
            unread.push_back(i);
    }
    // Read side by side (a first look at a big calendar reads them all),
    // then kept one by one in name order, so what is said comes in order.
    std::vector<FileRead> reads(unread.size());
    ical::inParallel(unread.size(), filesReadPerThread, [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to; ++k)
            reads[k] = readFile(folder, wantedFiles[unread[k]], start);
    });
    for (std::size_t k = 0; k < unread.size(); ++k) {
        if (!reads[k].warning.isEmpty())
            out.warnings.push_back(std::move(reads[k].warning));
        keepFile(folder, wantedFiles[unread[k]], std::move(reads[k]), start, end);
    }
    std::vector<ical::Occurrence> found;
    for (WantedFile &wanted : wantedFiles) {
        if (!wanted.parsed)
            continue;
        found.clear();
        wanted.parsed->occurrences(start, end, found);
        const QString path = folder + QLatin1Char('/') + QFile::decodeName(wanted.file.name);
        for (ical::Occurrence &o : found) {
            CalendarEvent event;
            event.identifier = QStringLiteral("%1#%2@%3").arg(path, o.uid).arg(msecsOf(o.start));
            ical::copyInto(std::move(o), event);
            event.calendar = calendar;
            event.filePath = path;
            event.sourceDigest = wanted.digest;
            out.events.push_back(std::move(event));
        }
    }
    if (trusted)
        return out;
    settleFolder(folder, present);
    // Nothing changed while the folder was looked at under a watch that
    // sees every change: until the watch says otherwise, it is as kept.
    if (watched && ical::FolderWatch::seesEveryChange(folder, hasLinks)) {
        const std::lock_guard lock(mutex_);
        FolderFiles &kept = folders_[folder];
        kept.trusted = kept.watched && kept.generation == generation;
    }
    return out;
}

std::vector<CalendarEvent> VdirEventStore::events(Instant start, Instant end)
{
    const auto calendarList = calendars();
    // Folders side by side: one folder's index is read, or its files
    // parsed, while another's are checked.
    std::vector<FolderEvents> perFolder(calendarList.size());
    ical::eachInParallel(calendarList.size(),
                         [&](std::size_t i) { perFolder[i] = folderEvents(calendarList[i], start, end); });
    std::vector<CalendarEvent> result;
    std::size_t count = 0;
    for (const FolderEvents &folder : perFolder)
        count += folder.events.size();
    result.reserve(count);
    for (FolderEvents &folder : perFolder) {
        for (const QString &warning : folder.warnings)
            consoleWarning(lcEvents(), warning);
        std::move(folder.events.begin(), folder.events.end(), std::back_inserter(result));
    }
    trimParsed();
    // New calendar folders are watched from the store's own thread.
    QMetaObject::invokeMethod(this, [this, calendarList] { watchFolders(calendarList); });
    return result;
}

void VdirEventStore::watchFolders(const std::vector<std::shared_ptr<const EventCalendar>> &calendars)
{
    if (!watching_)
        return;
    watch_->watch(base_);
    for (const auto &calendar : calendars) {
        const QString &folder = calendar->identifier;
        if (watch_->watches(folder) || !watch_->watch(folder))
            continue;
        const std::lock_guard lock(mutex_);
        FolderFiles &kept = folders_[folder];
        kept.watched = true;
        ++kept.generation;
    }
}

void VdirEventStore::setExtraFolderSource(std::function<QStringList()> source)
{
    extraFolderSource_ = std::move(source);
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
    if (!isWritableCalendar(folder)) {
        if (error)
            *error = QStringLiteral("The calendar %1 cannot be written").arg(folder);
        return false;
    }
    if (const QString problem = repeatProblem(draft.repeat.value_or(EventRepeat()),
                                              toQDateTime(draft.startDate).toLocalTime().date());
        !problem.isEmpty()) {
        if (error)
            *error = problem;
        return false;
    }
    const QString uid = draft.uid.isEmpty() ? QUuid::createUuid().toString(QUuid::WithoutBraces) : draft.uid;
    // A UID names the file, so it stays within the folder.
    static const QRegularExpression safe(QStringLiteral("^[A-Za-z0-9@._-]{1,200}$"));
    if (!safe.match(uid).hasMatch() || uid.startsWith(QLatin1Char('.'))) {
        if (error)
            *error = QStringLiteral("The UID %1 cannot name a file").arg(uid);
        return false;
    }
    const QString path = QDir(folder).filePath(uid + QStringLiteral(".ics"));
    if (QFileInfo::exists(path)) {
        if (error)
            *error = QStringLiteral("An event with the UID %1 exists already").arg(uid);
        return false;
    }
    const QByteArray data = ical::EventWriter::newEventData(draft, uid, Clock::current());
    if (!writeAtomically(path, data, error))
        return false;
    QMetaObject::invokeMethod(changeTimer_, qOverload<>(&QTimer::start));
    return true;
}

void VdirEventStore::setBeforeReplaceHook(std::function<void(const QString &path)> hook)
{
    beforeReplace_ = std::move(hook);
}

VdirEventStore::Replacement VdirEventStore::replaceIfUnchanged(const QString &path, const QByteArray &data,
                                                               const QByteArray &digest, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return Replacement::failed;
    };
    const QFileInfo info(path);
    QTemporaryFile next(
        info.dir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".XXXXXX")));
    if (!next.open() || next.write(data) != data.size() || !next.flush() || ::fsync(next.handle()) != 0)
        return fail(next.errorString());
    next.setPermissions(QFile::permissions(path));
    next.close();
    if (beforeReplace_)
        beforeReplace_(path);
    const QByteArray from = QFile::encodeName(next.fileName());
    const QByteArray to = QFile::encodeName(path);
    // Compared first: a version another program wrote since our read is
    // never swapped out, even for the moment before it is put back, where
    // that program could read ours and build on it.
    const auto current = readRegularFile(path, ical::maximumFileSize);
    if (!current || contentDigest(*current) != digest)
        return Replacement::changedMeanwhile;
    // Swapped in one step, so what comes out is exactly what was replaced:
    // when that is not what the change was made on, another program wrote
    // in between, and its version goes back.
    if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) == 0) {
        const auto replaced = readRegularFile(next.fileName(), ical::maximumFileSize);
        if (replaced && contentDigest(*replaced) == digest)
            return Replacement::done;
        // Another program's version goes back in place of ours. One it
        // writes while the two are swapped back lands in the temporary file
        // instead, so the swap is made again until what comes out is a
        // version seen already: ours, or the one just replaced.
        std::vector<QByteArray> seen{contentDigest(data)};
        if (replaced)
            seen.push_back(contentDigest(*replaced));
        for (;;) {
            if (::renameat2(AT_FDCWD, from.constData(), AT_FDCWD, to.constData(), RENAME_EXCHANGE) != 0)
                return fail(QString::fromLocal8Bit(std::strerror(errno)));
            const auto out = readRegularFile(next.fileName(), ical::maximumFileSize);
            if (!out) {
                // Unreadable, so unknown: kept rather than thrown away.
                next.setAutoRemove(false);
                return Replacement::changedMeanwhile;
            }
            const QByteArray outDigest = contentDigest(*out);
            if (std::find(seen.begin(), seen.end(), outDigest) != seen.end())
                return Replacement::changedMeanwhile;
            seen.push_back(outDigest);
        }
    }
    if (errno != EINVAL && errno != ENOSYS && errno != EOPNOTSUPP)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    // A file system without the swap: the comparison above is the last.
    if (::rename(from.constData(), to.constData()) != 0)
        return fail(QString::fromLocal8Bit(std::strerror(errno)));
    next.setAutoRemove(false);
    return Replacement::done;
}

VdirEventStore::Replacement VdirEventStore::putRewritten(const QString &path,
                                                         const ical::RewrittenFile &written,
                                                         const QByteArray &digest, QString *error)
{
    if (!written.nothingLeft)
        return replaceIfUnchanged(path, written.data, digest, error);
    const auto again = readEventFile(path, nullptr);
    if (!again || contentDigest(*again) != digest)
        return Replacement::changedMeanwhile;
    return moveToTrash(path, error) ? Replacement::done : Replacement::failed;
}

bool VdirEventStore::rewriteEventFile(
    const CalendarEvent &event, const std::function<bool(const CalendarEvent &now)> &stillApplies,
    const std::function<std::optional<ical::RewrittenFile>(const QByteArray &, QString *)> &write,
    const QString &splitUid, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error)
            *error = why;
        return false;
    };
    if (!event.calendar || !writableFolder(event.calendar->identifier))
        return fail(QStringLiteral("The calendar cannot be written"));
    const QString &path = event.filePath;
    const QString changedElsewhere =
        QStringLiteral("%1 was changed by another program since it was shown, so nothing was saved. "
                       "The calendar now shows that version.")
            .arg(quoted(event.title));
    // Another program may write between our read and our rename; each such
    // race starts over from the file as it is then.
    constexpr int attempts = 5;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        QString why;
        const auto current = readEventFile(path, &why);
        if (!current)
            return fail(QStringLiteral("%1 is no longer where it was read (%2): another program moved or "
                                       "removed it, so nothing was saved.")
                            .arg(quoted(event.title), why));
        const QByteArray digest = contentDigest(*current);
        if (digest != event.sourceDigest) {
            const auto now = eventNow(*current, event);
            if (!now || !stillApplies(*now))
                return fail(changedElsewhere);
        }
        const auto written = write(*current, &why);
        if (!written)
            return fail(QStringLiteral("%1 could not be changed: %2").arg(quoted(event.title), why));

        // The split-off rest of a series first: a failure after it leaves
        // occurrences twice, never none.
        QString splitPath;
        if (!written->splitData.isEmpty()) {
            splitPath = QFileInfo(path).dir().filePath(splitUid + QStringLiteral(".ics"));
            if (QFileInfo::exists(splitPath) || !writeAtomically(splitPath, written->splitData, &why))
                return fail(QStringLiteral("%1 could not be changed: %2").arg(quoted(event.title), why));
        }
        const Replacement outcome = putRewritten(path, *written, digest, &why);
        if (outcome == Replacement::done) {
            QMetaObject::invokeMethod(changeTimer_, qOverload<>(&QTimer::start));
            return true;
        }
        if (!splitPath.isEmpty())
            QFile::remove(splitPath);
        if (outcome == Replacement::failed)
            return fail(why);
    }
    return fail(changedElsewhere);
}

bool VdirEventStore::updateEvent(const CalendarEvent &event, const EventDraft &draft, EventSpan span,
                                 QString *error)
{
    const ical::EventChange change = ical::EventChange::between(event, draft);
    if (change.isEmpty())
        return true;
    if (change.repeat) {
        if (const QString problem =
                repeatProblem(*change.repeat, toQDateTime(draft.startDate).toLocalTime().date());
            !problem.isEmpty()) {
            if (error)
                *error = problem;
            return false;
        }
    }
    // Clean when every field the user changed is still as they saw it (or
    // already as they want it).
    const auto stillApplies = [&](const CalendarEvent &now) {
        return (!change.title || now.title == event.title || now.title == draft.title) &&
               (!change.location || now.location == event.location || now.location == draft.location) &&
               (!change.notes || now.notes == event.notes || now.notes == draft.notes) &&
               (!change.repeat || now.repeat == event.repeat || now.repeat == *change.repeat) &&
               (!change.url || now.url == event.url || now.url == *change.url) &&
               (!change.alerts || now.alerts == event.alerts || now.alerts == *change.alerts) &&
               (!change.movesTimes() || sameTimes(now, event));
    };
    const QString splitUid = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const Instant now = Clock::current();
    return rewriteEventFile(
        event, stillApplies,
        [&](const QByteArray &data, QString *why) {
            return ical::EventWriter::edited(data, event, change, span, now, splitUid, why);
        },
        splitUid, error);
}

bool VdirEventStore::removeEvent(const CalendarEvent &event, EventSpan span, QString *error)
{
    // Only what the user saw is removed: not an event another program moved
    // or renamed meanwhile.
    const auto stillApplies = [&](const CalendarEvent &now) {
        return now.title == event.title && sameTimes(now, event);
    };
    const Instant now = Clock::current();
    return rewriteEventFile(
        event, stillApplies,
        [&](const QByteArray &data, QString *why) {
            return ical::EventWriter::removed(data, event, span, now, why);
        },
        QString(), error);
}

std::optional<CalendarEvent> VdirEventStore::eventWithUid(const QString &uid)
{
    const QByteArray needle = uid.toUtf8();
    if (needle.isEmpty())
        return std::nullopt;
    for (const auto &calendar : calendars()) {
        const QDir folder(calendar->identifier);
        for (const QString &name : folder.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name)) {
            const QString path = folder.filePath(name);
            const auto data = readEventFile(path, nullptr);
            if (!data || !data->contains(needle))
                continue;
            auto event = ical::EventWriter::eventIn(*data, uid);
            if (!event)
                continue;
            event->calendar = calendar;
            event->filePath = path;
            event->sourceDigest = contentDigest(*data);
            event->identifier = QStringLiteral("%1#%2@%3").arg(path, uid).arg(msecsOf(event->startDate));
            return event;
        }
    }
    return std::nullopt;
}

QByteArray VdirEventStore::iCalendarData(const CalendarEvent &event)
{
    return readRegularFile(event.filePath, ical::maximumFileSize).value_or(QByteArray());
}

bool VdirEventStore::isWritableCalendar(const QString &folder)
{
    for (const auto &calendar : calendars()) {
        if (calendar->identifier == folder && calendar->allowsContentModifications)
            return true;
    }
    return false;
}

std::vector<CalendarEvent> VdirEventStore::eventsInData(const QByteArray &data, QString *error)
{
    std::vector<CalendarEvent> found;
    const auto separated = ical::separatedEvents(data, error);
    if (!separated)
        return found;
    for (const ical::SeparatedEvent &event : *separated) {
        if (auto whole = ical::EventWriter::eventIn(event.data, event.uid))
            found.push_back(std::move(*whole));
    }
    if (found.empty() && error)
        *error = QStringLiteral("The file holds no event with a start");
    return found;
}

std::optional<ImportOutcome> VdirEventStore::importEvents(const QByteArray &data, const QString &folder,
                                                          QString *error)
{
    if (!isWritableCalendar(folder)) {
        if (error)
            *error = QStringLiteral("The calendar %1 cannot be written").arg(folder);
        return std::nullopt;
    }
    if (data.size() > ical::maximumFileSize) {
        if (error)
            *error = QStringLiteral("The file is larger than %1 MiB").arg(ical::maximumFileSize >> 20);
        return std::nullopt;
    }
    const auto separated = ical::separatedEvents(data, error);
    if (!separated)
        return std::nullopt;
    // Which files of the calendar hold each UID: one pass over the folder.
    std::map<QString, std::vector<QString>> holders;
    const QDir dir(folder);
    for (const QString &name : dir.entryList({QStringLiteral("*.ics")}, QDir::Files, QDir::Name)) {
        const auto present = readEventFile(dir.filePath(name), nullptr);
        for (const ical::SeparatedEvent &event : *separated) {
            if (present && present->contains(event.uid.toUtf8()))
                holders[event.uid].push_back(dir.filePath(name));
        }
    }
    ImportOutcome outcome;
    for (const ical::SeparatedEvent &event : *separated)
        importOne(event, folder, holders[event.uid], outcome);
    if (outcome.added + outcome.updated > 0)
        QMetaObject::invokeMethod(changeTimer_, qOverload<>(&QTimer::start));
    return outcome;
}

void VdirEventStore::importOne(const ical::SeparatedEvent &event, const QString &folder,
                               const std::vector<QString> &holders, ImportOutcome &outcome)
{
    const auto problem = [&](const QString &why) {
        outcome.problems << QStringLiteral("%1: %2").arg(event.uid, why);
    };
    QString why;
    if (!ical::CalendarFile::parse(event.data, event.uid, &why)) {
        problem(why);
        return;
    }
    for (const QString &path : holders) {
        const auto present = readEventFile(path, &why);
        const auto inFile = present ? ical::separatedEvents(*present, nullptr) : std::nullopt;
        if (!inFile)
            continue;
        const auto same = std::find_if(inFile->begin(), inFile->end(),
                                       [&](const ical::SeparatedEvent &e) { return e.uid == event.uid; });
        if (same == inFile->end())
            continue;
        if (same->eventText == event.eventText || !event.supersedes(*same)) {
            ++outcome.unchanged;
            return;
        }
        // Only a file that holds this event alone is replaced whole; the
        // other events of a shared file are not the import's to touch.
        if (inFile->size() != 1) {
            problem(
                QStringLiteral("a later version exists in %1, which holds other events too; left as it is")
                    .arg(path));
            return;
        }
        if (replaceIfUnchanged(path, event.data, contentDigest(*present), &why) == Replacement::done)
            ++outcome.updated;
        else
            problem(why.isEmpty() ? QStringLiteral("%1 changed while it was being updated").arg(path) : why);
        return;
    }
    QString path = QDir(folder).filePath(ical::fileNameForUid(event.uid));
    if (QFileInfo::exists(path))
        path = QDir(folder).filePath(QUuid::createUuid().toString(QUuid::WithoutBraces) +
                                     QStringLiteral(".ics"));
    if (writeAtomically(path, event.data, &why))
        ++outcome.added;
    else
        problem(why);
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
    auto store = sharedStore(new VdirEventStore(VdirEventStore::defaultBaseFolder(), calendarFolders()));
    store->setExtraFolderSource(calendarFolders);
    return store;
}

} // namespace platform
