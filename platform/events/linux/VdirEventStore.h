// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"
#include "platform/events/linux/CalendarImport.h"
#include "platform/events/linux/EventWriter.h"
#include "platform/events/linux/FolderIndex.h"
#include "platform/events/linux/FolderWatch.h"
#include "platform/events/linux/ICalendarFile.h"

#include <QDateTime>
#include <QStringList>
#include <QTimer>
#include <atomic>
#include <functional>
#include <map>
#include <mutex>
#include <set>
#include <unordered_map>

namespace platform {

// The desktop's calendar-event store: vdir folders of iCalendar files. Each
// folder under `base` is a calendar (its "displayname" and "color" files name
// and colour it); `extraFolders` are calendars of their own (for example ones
// a sync tool keeps). A folder that cannot be written is a read-only calendar.
// Parsed files are kept until their size or time changes.
class VdirEventStore : public EventStore
{
    Q_OBJECT

public:
    explicit VdirEventStore(QString base, QStringList extraFolders = {}, QObject *parent = nullptr);
    ~VdirEventStore() override;

    // $XDG_DATA_HOME/qamarly/calendars.
    static QString defaultBaseFolder();
    // Makes a "Personal" calendar under `base` when it has no calendar at all.
    static void createFirstCalendarIfNone(const QString &base);

    void requestAccess(AccessCompletion completion) override;
    EventAccessStatus accessStatus() const override;
    std::vector<std::shared_ptr<const EventCalendar>> calendars() override;
    std::vector<CalendarEvent> events(Instant start, Instant end) override;
    bool saveNewEvent(const EventDraft &draft, QString *error) override;
    bool updateEvent(const CalendarEvent &event, const EventDraft &draft, EventSpan span,
                     QString *error) override;
    bool removeEvent(const CalendarEvent &event, EventSpan span, QString *error) override;
    std::optional<CalendarEvent> eventWithUid(const QString &uid) override;
    QByteArray iCalendarData(const CalendarEvent &event) override;
    std::vector<CalendarEvent> eventsInData(const QByteArray &data, QString *error) override;
    std::optional<ImportOutcome> importEvents(const QByteArray &data, const QString &calendarIdentifier,
                                              QString *error) override;

    // Where the further folders come from at each query instead of the list
    // given at construction, so a folder added in the settings shows at once.
    void setExtraFolderSource(std::function<QStringList()> source);

    // Runs just before a rewritten file takes the place of the one on disk:
    // where tests play another program writing at the worst moment.
    void setBeforeReplaceHook(std::function<void(const QString &path)> hook);

    // Files that gave no events, for tests and diagnostics.
    int skippedFileCount() const;

protected:
    void connectNotify(const QMetaMethod &signal) override;

private:
    // A file's events as parsed, with the digest of the bytes they came from.
    struct ParsedFile
    {
        std::shared_ptr<const ical::CalendarFile> events;
        QByteArray digest;
        std::uint64_t lastUse = 0;
    };
    // A file as last read. Its span always stays; the parsed file is let go
    // of when many others were used since, and read again when needed. A big
    // calendar keeps one of these a file, so what only some files have is
    // kept apart.
    struct CachedFile
    {
        ical::FileStamp stamp;
        ical::FileSpan span;
        std::unique_ptr<ParsedFile> parsed;
        std::shared_ptr<const ical::StartDays> days;
        bool failed = false;
    };
    using KeptFiles = std::vector<std::pair<QByteArray, CachedFile>>;
    struct FolderFiles
    {
        bool loaded = false;
        bool changed = false;
        // Watched for every change since before the last full look at it:
        // what is kept of it is what is there, with no need to look again.
        bool watched = false;
        bool trusted = false;
        std::uint64_t generation = 0;
        // In the order the folder last listed them, which is the order the
        // next listing comes in while nothing was added or taken away: the
        // files are then matched to it one by one, with no name looked up.
        KeptFiles files;
        // The names of the files the index held, which those of `files`
        // point into: never changed, and kept as long as the folder is, so
        // that no copy of a name outlives it.
        QByteArray names;
        // Position in `files` by name; made when a listing does not match.
        std::unordered_map<QByteArray, std::size_t, ical::NameHash> byName;

        // The position of the file called `name`, or -1.
        std::ptrdiff_t find(const QByteArray &name);
    };
    // A file whose events may fall in a query's range; no parsed file yet
    // when it must be read. `slot` is where it was in its folder's files.
    struct WantedFile
    {
        ical::FolderFile file;
        std::shared_ptr<const ical::CalendarFile> parsed;
        QByteArray digest;
        std::ptrdiff_t slot = -1;
    };

    // What the folder's index says of its files, their names in `names`;
    // nothing when it has none to be trusted.
    static KeptFiles loadIndex(const QString &folder, QByteArray &names);
    // The folder's index into its kept files, on the first look at it.
    void loadIndexOnce(const QString &folder);
    // The files whose events may fall in [start, end): of those `present`,
    // or of those kept when there is no need to look.
    std::vector<WantedFile> filesToQuery(const QString &folder, const std::vector<ical::FolderFile> *present,
                                         Instant start, Instant end);
    // What the watch says changed; every folder when `folder` is empty.
    void folderChanged(const QString &folder);
    // A file as read, and why it gives no events when it does not.
    struct FileRead
    {
        CachedFile entry;
        QString warning;
    };
    // Reads and parses a file, touching nothing shared; a query of
    // [start, end) reads it.
    static FileRead readFile(const QString &folder, const WantedFile &wanted, Instant start);
    // A folder's part of a query: its events, and why files gave none.
    struct FolderEvents
    {
        std::vector<CalendarEvent> events;
        QStringList warnings;
    };
    FolderEvents folderEvents(const std::shared_ptr<const EventCalendar> &calendar, Instant start,
                              Instant end);
    // Keeps what was read of a file and gives it to `wanted` when its events
    // may fall in [start, end).
    void keepFile(const QString &folder, WantedFile &wanted, FileRead &&read, Instant start, Instant end);
    // Forgets the files of `folder` that are gone, and keeps its index for
    // the next run when anything changed.
    void settleFolder(const QString &folder, const std::vector<ical::FolderFile> &present);
    // Lets go of the parsed files used longest ago beyond the number kept.
    void trimParsed();
    void watchFolders(const std::vector<std::shared_ptr<const EventCalendar>> &calendars);
    bool writeAtomically(const QString &path, const QByteArray &data, QString *error);
    enum class Replacement
    {
        done,
        changedMeanwhile,
        failed
    };
    // `data` in place of the file at `path` if its content still has `digest`.
    Replacement replaceIfUnchanged(const QString &path, const QByteArray &data, const QByteArray &digest,
                                   QString *error);
    // The rewritten file in place of the one read with `digest`, or the file
    // in the trash when nothing is left of it.
    Replacement putRewritten(const QString &path, const ical::RewrittenFile &written,
                             const QByteArray &digest, QString *error);
    // The event's file rewritten by `write` from its content as it is now,
    // unless another program changed it in a way `stillApplies` refuses.
    bool rewriteEventFile(
        const CalendarEvent &event, const std::function<bool(const CalendarEvent &now)> &stillApplies,
        const std::function<std::optional<ical::RewrittenFile>(const QByteArray &, QString *)> &write,
        const QString &splitUid, QString *error);
    bool writableFolder(const QString &folder) const;
    // The calendar `folder` when it is one of ours and may be written.
    bool isWritableCalendar(const QString &folder);
    // One imported event into `folder`, whose files holding its UID are `holders`.
    void importOne(const ical::SeparatedEvent &event, const QString &folder,
                   const std::vector<QString> &holders, ImportOutcome &outcome);

    QString base_;
    QStringList extraFolders_;
    std::function<QStringList()> extraFolderSource_;
    std::function<void(const QString &)> beforeReplace_;
    mutable std::mutex mutex_;
    std::map<QString, FolderFiles> folders_;
    std::uint64_t useClock_ = 0;
    std::size_t parsedCount_ = 0;
    std::map<QString, std::shared_ptr<const EventCalendar>> calendarCache_;
    std::set<QString> reportedFolders_;
    int skipped_ = 0;
    std::vector<AccessCompletion> waitingForAnswer_;
    ical::FolderWatch *watch_;
    QTimer *changeTimer_;
    std::atomic<bool> watching_ = false;
};

} // namespace platform
