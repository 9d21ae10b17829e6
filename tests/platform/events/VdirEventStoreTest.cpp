// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/events/linux/VdirEventStore.h"

#include "platform/events/CalendarTexts.h"
#include "platform/system/Console.h"
#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using testcal::calendarText;
using testcal::eventText;
using testenv::gregorianInstant;

namespace {

class VdirEventStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        previousSink_ = setConsoleSink([this](const QString &line) { log_ << line; });
        makeCalendar(QStringLiteral("home"), QStringLiteral("Home"), QStringLiteral("#ff8800"));
    }
    void TearDown() override { setConsoleSink(previousSink_); }

    QString base() const { return dir_.path() + QStringLiteral("/calendars"); }

    QString makeCalendar(const QString &name, const QString &title = {}, const QString &color = {})
    {
        const QString folder = base() + QLatin1Char('/') + name;
        QDir().mkpath(folder);
        if (!title.isEmpty())
            writeFile(folder + QStringLiteral("/displayname"), title.toUtf8());
        if (!color.isEmpty())
            writeFile(folder + QStringLiteral("/color"), color.toUtf8());
        return folder;
    }

    static void writeFile(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
    }

    QString put(const QString &name, const QByteArray &data, const QString &calendar = QStringLiteral("home"))
    {
        const QString path = base() + QLatin1Char('/') + calendar + QLatin1Char('/') + name;
        writeFile(path, data);
        return path;
    }

    std::vector<CalendarEvent> day(VdirEventStore &store, int y, int m, int d)
    {
        const Instant start = gregorianInstant(y, m, d);
        const QDate next = QDate(y, m, d).addDays(1);
        return store.events(start, gregorianInstant(next.year(), next.month(), next.day()));
    }

    static QStringList titles(const std::vector<CalendarEvent> &events)
    {
        QStringList out;
        for (const auto &e : events)
            out << e.title;
        return out;
    }

    testenv::ScopedEnvironment env_{QStringLiteral("en_US"), QStringLiteral("UTC")};
    QTemporaryDir dir_;
    QStringList log_;
    ConsoleSink previousSink_;
};

TEST_F(VdirEventStoreTest, NewEventRoundTripsThroughAFileOfItsOwn)
{
    VdirEventStore store(base());
    EventDraft draft;
    draft.title = QStringLiteral("Dentist, Dr. \"Ali\"; room 2");
    draft.location = QStringLiteral("مستشفى");
    draft.startDate = gregorianInstant(2026, 12, 7, 9, 30);
    draft.endDate = gregorianInstant(2026, 12, 7, 10, 15);
    draft.calendarIdentifier = base() + QStringLiteral("/home");
    QString error;
    ASSERT_TRUE(store.saveNewEvent(draft, &error)) << error.toStdString();

    const QStringList files = QDir(draft.calendarIdentifier).entryList(QDir::Files);
    ASSERT_EQ(files.filter(QStringLiteral(".ics")).size(), 1);
    EXPECT_EQ(files.size(), 3) << "displayname, color and the event; no temporary left";

    const auto events = day(store, 2026, 12, 7);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].title, draft.title);
    EXPECT_EQ(events[0].location, draft.location);
    EXPECT_EQ(events[0].startDate, draft.startDate);
    EXPECT_EQ(events[0].endDate, draft.endDate);
    EXPECT_FALSE(events[0].allDay);
    EXPECT_EQ(events[0].calendar->title, QStringLiteral("Home"));
    EXPECT_EQ(events[0].calendar->color, QStringLiteral("#ff8800"));
    EXPECT_TRUE(events[0].calendar->allowsContentModifications);
    EXPECT_TRUE(day(store, 2026, 12, 8).empty());

    // Changed in place, still one file.
    EventDraft change = draft;
    change.title = QStringLiteral("Dentist");
    change.endDate = gregorianInstant(2026, 12, 7, 11, 0);
    ASSERT_TRUE(store.updateEvent(events[0], change, EventSpan::allEvents, &error)) << error.toStdString();
    const auto changed = day(store, 2026, 12, 7);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_EQ(changed[0].title, QStringLiteral("Dentist"));
    EXPECT_EQ(changed[0].endDate, change.endDate);
}

TEST_F(VdirEventStoreTest, AllDayDraftIsWrittenAsDaysAndReadInTheDayShape)
{
    VdirEventStore store(base());
    EventDraft draft;
    draft.title = QStringLiteral("Trip");
    draft.allDay = true;
    draft.startDate = gregorianInstant(2026, 12, 7, 15);
    draft.endDate = gregorianInstant(2026, 12, 8, 1);
    draft.calendarIdentifier = base() + QStringLiteral("/home");
    ASSERT_TRUE(store.saveNewEvent(draft, nullptr));
    for (int d : {7, 8}) {
        const auto events = day(store, 2026, 12, d);
        ASSERT_EQ(events.size(), 1u) << d;
        EXPECT_TRUE(events[0].allDay);
        EXPECT_EQ(events[0].startDate, gregorianInstant(2026, 12, 7));
        EXPECT_EQ(events[0].endDate, gregorianInstant(2026, 12, 8, 23, 59) + std::chrono::seconds(59));
    }
    EXPECT_TRUE(day(store, 2026, 12, 9).empty());
}

TEST_F(VdirEventStoreTest, RecurringSeriesIsExpandedPerDay)
{
    put(QStringLiteral("standup.ics"),
        calendarText(eventText("standup", "DTSTART:20261201T090000Z\r\nDTEND:20261201T091500Z\r\n"
                                          "SUMMARY:Standup\r\nRRULE:FREQ=DAILY;COUNT=10\r\n"
                                          "EXDATE:20261203T090000Z\r\nRDATE:20261220T090000Z\r\n") +
                     eventText("standup", "RECURRENCE-ID:20261205T090000Z\r\nDTSTART:20261205T140000Z\r\n"
                                          "DTEND:20261205T143000Z\r\nSUMMARY:Standup moved\r\n")));
    put(QStringLiteral("weekly.ics"),
        calendarText(eventText("weekly", "DTSTART:20200106T120000Z\r\nDURATION:PT1H\r\nSUMMARY:Weekly\r\n"
                                         "RRULE:FREQ=WEEKLY;BYDAY=MO\r\n")));
    VdirEventStore store(base());

    struct Row
    {
        int month, day;
        QStringList titles;
        int startHour;
    };
    const Row rows[] = {
        {11, 29, {}, 0},                                // before the first
        {12, 1, {QStringLiteral("Standup")}, 9},        // the first
        {12, 3, {}, 0},                                 // excluded
        {12, 5, {QStringLiteral("Standup moved")}, 14}, // replaced
        {12, 7, {QStringLiteral("Standup"), QStringLiteral("Weekly")}, 9},
        {12, 11, {}, 0},                          // after the count
        {12, 20, {QStringLiteral("Standup")}, 9}, // an extra date
        {12, 21, {QStringLiteral("Weekly")}, 12}, // years after the start
    };
    for (const Row &row : rows) {
        const auto events = day(store, 2026, row.month, row.day);
        EXPECT_EQ(titles(events), row.titles) << row.month << "-" << row.day;
        if (!events.empty()) {
            EXPECT_EQ(events[0].startDate, gregorianInstant(2026, row.month, row.day, row.startHour));
            EXPECT_TRUE(events[0].recurring);
        }
    }
}

TEST_F(VdirEventStoreTest, ZonedTimesAreConvertedAcrossMidnightAndDaylightSaving)
{
    // 09:00 in New York: 14:00 UTC in winter, 13:00 UTC once clocks go forward (8 March 2026).
    put(QStringLiteral("ny.ics"),
        calendarText(eventText("ny", "DTSTART;TZID=America/New_York:20260306T090000\r\n"
                                     "DTEND;TZID=America/New_York:20260306T100000\r\n"
                                     "SUMMARY:NY\r\nRRULE:FREQ=DAILY;COUNT=5\r\n")));
    put(QStringLiteral("night.ics"),
        calendarText(
            eventText("night", "DTSTART:20261207T220000Z\r\nDTEND:20261208T020000Z\r\nSUMMARY:Night\r\n")));
    VdirEventStore store(base());

    struct Row
    {
        int month, day;
        QString title;
        Instant start;
    };
    const Row rows[] = {
        {3, 7, QStringLiteral("NY"), gregorianInstant(2026, 3, 7, 14)},
        {3, 9, QStringLiteral("NY"), gregorianInstant(2026, 3, 9, 13)},
        {12, 7, QStringLiteral("Night"), gregorianInstant(2026, 12, 7, 22)},
        {12, 8, QStringLiteral("Night"), gregorianInstant(2026, 12, 7, 22)},
    };
    for (const Row &row : rows) {
        const auto events = day(store, 2026, row.month, row.day);
        ASSERT_EQ(events.size(), 1u) << row.month << "-" << row.day;
        EXPECT_EQ(events[0].title, row.title);
        EXPECT_EQ(events[0].startDate, row.start);
        // The zone is the event's own, said only where the file names one.
        EXPECT_EQ(events[0].timeZone,
                  row.title == QStringLiteral("NY") ? QStringLiteral("America/New_York") : QString());
        EXPECT_EQ(events[0].repeat.kind,
                  row.title == QStringLiteral("NY") ? EventRepeat::Kind::daily : EventRepeat::Kind::never);
    }
    EXPECT_TRUE(day(store, 2026, 12, 9).empty());
}

TEST_F(VdirEventStoreTest, BadFilesAreSkippedWithALineEachAndNeverTouched)
{
    QByteArray huge = calendarText(eventText("huge", "DTSTART:20261207T090000Z\r\nSUMMARY:Huge\r\n"));
    huge.append(QByteArray(ical::maximumFileSize, ' '));
    struct Row
    {
        const char *name;
        QByteArray data;
        QStringList shown;
    };
    const Row rows[] = {
        {"empty.ics", {}, {}},
        {"binary.ics", QByteArray("\x00\x01\x02\xff\xfe", 5), {}},
        {"garbage.ics", "this is not a calendar\nat all\n", {}},
        {"huge.ics", huge, {}},
        {"nostart.ics", calendarText(eventText("nostart", "SUMMARY:No start\r\n")), {}},
        {"unknownzone.ics",
         calendarText(eventText("zone", "DTSTART;TZID=Mars/Olympus:20261207T090000\r\nSUMMARY:Mars\r\n")),
         {QStringLiteral("Mars")}},
        {"noend.ics",
         calendarText(eventText("noend", "DTSTART:20261207T100000Z\r\nSUMMARY:No end\r\n")),
         {QStringLiteral("No end")}},
        {"endless.ics",
         calendarText(eventText("endless", "DTSTART:20260101T080000Z\r\nSUMMARY:Never\r\n"
                                           "RRULE:FREQ=YEARLY;BYMONTH=2;BYMONTHDAY=30\r\n")),
         {}},
    };
    for (const Row &row : rows)
        put(QString::fromLatin1(row.name), row.data);
    put(QStringLiteral("good.ics"),
        calendarText(
            eventText("good", "DTSTART:20261207T110000Z\r\nDTEND:20261207T120000Z\r\nSUMMARY:Good\r\n")));
    VdirEventStore store(base());

    log_.clear();
    const QStringList shown = titles(day(store, 2026, 12, 7));
    EXPECT_TRUE(shown.contains(QStringLiteral("Good")));
    for (const Row &row : rows) {
        const QString name = QString::fromLatin1(row.name);
        for (const QString &title : row.shown)
            EXPECT_TRUE(shown.contains(title)) << row.name;
        QFile file(base() + QStringLiteral("/home/") + name);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << row.name << " still there";
        EXPECT_EQ(file.readAll(), row.data) << row.name << " unchanged";
        if (row.shown.isEmpty() && name != QStringLiteral("endless.ics")) {
            EXPECT_EQ(log_.filter(name).size(), 1)
                << row.name << ": " << log_.join(QLatin1Char('\n')).toStdString();
        }
    }
    EXPECT_EQ(log_.filter(QStringLiteral("Mars/Olympus")).size(), 1);
    // A second query of unchanged files says nothing again.
    log_.clear();
    day(store, 2026, 12, 7);
    EXPECT_TRUE(log_.isEmpty()) << log_.join(QLatin1Char('\n')).toStdString();
}

TEST_F(VdirEventStoreTest, UnreadableOrMissingFolderLeavesTheOtherCalendars)
{
    put(QStringLiteral("a.ics"),
        calendarText(eventText("a", "DTSTART:20261207T110000Z\r\nDTEND:20261207T120000Z\r\nSUMMARY:A\r\n")));
    const QString missing = dir_.path() + QStringLiteral("/gone");
    log_.clear();
    VdirEventStore store(base(), {missing});
    EXPECT_EQ(titles(day(store, 2026, 12, 7)), QStringList{QStringLiteral("A")});
    EXPECT_EQ(log_.filter(missing).size(), 1);
    EXPECT_EQ(store.calendars().size(), 1u);
}

// Calendars are read side by side, yet what a query gives and says comes
// in a fixed order: calendar by calendar, and by file name within each.
TEST_F(VdirEventStoreTest, SeveralCalendarsAnswerInTheirOwnOrderEveryTime)
{
    const QStringList names{QStringLiteral("a-work"), QStringLiteral("b-family"), QStringLiteral("c-club"),
                            QStringLiteral("d-school")};
    for (const QString &name : names) {
        makeCalendar(name);
        // Many files, so that each folder takes a while and they overlap.
        for (int i = 0; i < 300; ++i) {
            const QByteArray uid = name.toLatin1() + QByteArray::number(i);
            const QByteArray start = i % 30 ? "DTSTART:20261201T090000Z\r\n" : "DTSTART:20261207T090000Z\r\n";
            put(QStringLiteral("%1.ics").arg(i, 3, 10, QLatin1Char('0')),
                calendarText(eventText(uid.constData(), start + "SUMMARY:" + uid + "\r\n")), name);
        }
        put(QStringLiteral("bad.ics"), "not a calendar", name);
    }
    VdirEventStore store(base());
    QStringList expected;
    QStringList expectedWarnings;
    for (const auto &calendar : store.calendars()) {
        const QString name = QFileInfo(calendar->identifier).fileName();
        if (!names.contains(name))
            continue; // the fixture's own, empty
        for (int i = 0; i < 300; i += 30)
            expected << name + QString::number(i);
        expectedWarnings << name;
    }
    for (int run = 0; run < 3; ++run) {
        log_.clear();
        const auto events = day(store, 2026, 12, 7);
        EXPECT_EQ(titles(events), expected);
        for (const CalendarEvent &event : events)
            EXPECT_TRUE(event.filePath.startsWith(event.calendar->identifier))
                << event.filePath.toStdString();
        // The bad files are reported once, on the first run.
        QStringList said;
        for (const QString &line : std::as_const(log_)) {
            for (const QString &name : names) {
                if (line.contains(QLatin1Char('/') + name + QStringLiteral("/bad.ics")))
                    said << name;
            }
        }
        ASSERT_EQ(expectedWarnings.size(), names.size());
        EXPECT_EQ(said, run == 0 ? expectedWarnings : QStringList())
            << log_.join(QLatin1Char('\n')).toStdString();
    }
}

// A sync tool may keep a file's time when it rewrites it: a change of the
// same size under the same modification time is still read again; hidden
// files, other names and folders named like calendar files are no events.
TEST_F(VdirEventStoreTest, AFileRewrittenUnderItsOldTimeAndSizeIsReadAgain)
{
    const QString path = put(QStringLiteral("a.ics"),
                             calendarText(eventText("a", "DTSTART:20261207T110000Z\r\n"
                                                         "DTEND:20261207T120000Z\r\nSUMMARY:Old\r\n")));
    put(QStringLiteral(".b.ics"),
        calendarText(eventText("b", "DTSTART:20261207T110000Z\r\nSUMMARY:Hidden\r\n")));
    put(QStringLiteral("c.ics.tmp"),
        calendarText(eventText("c", "DTSTART:20261207T110000Z\r\nSUMMARY:Temp\r\n")));
    QDir().mkpath(base() + QStringLiteral("/home/d.ics"));
    VdirEventStore store(base());
    EXPECT_EQ(titles(day(store, 2026, 12, 7)), QStringList{QStringLiteral("Old")});

    const QDateTime modified = QFileInfo(path).lastModified();
    writeFile(path, calendarText(eventText("a", "DTSTART:20261207T110000Z\r\n"
                                                "DTEND:20261207T120000Z\r\nSUMMARY:New\r\n")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(titles(day(store, 2026, 12, 7)), QStringList{QStringLiteral("New")});
}

TEST_F(VdirEventStoreTest, ExtraFolderIsACalendarOfItsOwn)
{
    QTemporaryDir synced;
    writeFile(synced.path() + QStringLiteral("/s.ics"),
              calendarText(eventText(
                  "s", "DTSTART:20261207T080000Z\r\nDTEND:20261207T090000Z\r\nSUMMARY:Synced\r\n")));
    VdirEventStore store(base(), {synced.path()});
    const auto events = day(store, 2026, 12, 7);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].calendar->identifier, synced.path());
}

TEST_F(VdirEventStoreTest, ReadOnlyFolderRefusesWritesAndLeavesNothing)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    const QString folder = makeCalendar(QStringLiteral("ro"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    VdirEventStore store(base());
    bool readOnlySeen = false;
    for (const auto &calendar : store.calendars())
        readOnlySeen =
            readOnlySeen || (calendar->identifier == folder && !calendar->allowsContentModifications);
    EXPECT_TRUE(readOnlySeen);
    EventDraft draft;
    draft.title = QStringLiteral("x");
    draft.calendarIdentifier = folder;
    QString error;
    EXPECT_FALSE(store.saveNewEvent(draft, &error));
    EXPECT_FALSE(error.isEmpty());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_TRUE(QDir(folder).entryList(QDir::Files).isEmpty());
}

TEST_F(VdirEventStoreTest, WriteToAFolderThatIsNotACalendarIsRefused)
{
    VdirEventStore store(base());
    EventDraft draft;
    draft.title = QStringLiteral("x");
    draft.calendarIdentifier = dir_.path() + QStringLiteral("/elsewhere");
    QString error;
    EXPECT_FALSE(store.saveNewEvent(draft, &error));
    EXPECT_FALSE(QDir(draft.calendarIdentifier).exists());
}

// Nothing lost either way: the file goes to the trash with its content, even
// with no data folder yet, or stays where it was when no trash can be made.
TEST_F(VdirEventStoreTest, RemovedEventGoesToTheTrash)
{
    const testenv::ScopedEnvironment env;
    const QByteArray content = calendarText(
        eventText("bin", "DTSTART:20261207T110000Z\r\nDTEND:20261207T120000Z\r\nSUMMARY:Bin\r\n"));
    const QString path = put(QStringLiteral("bin.ics"), content);
    VdirEventStore store(base());
    const auto events = day(store, 2026, 12, 7);
    ASSERT_EQ(events.size(), 1u);
    QString error;

    // A data folder that cannot hold a trash; Qt would move the file under
    // the working folder.
    QFile blocker(env.dataHome());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QTemporaryDir working;
    const QString savedWorking = QDir::currentPath();
    QDir::setCurrent(working.path());
    EXPECT_FALSE(store.removeEvent(events[0], EventSpan::allEvents, &error));
    QDir::setCurrent(savedWorking);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(QDir(working.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    EXPECT_EQ(day(store, 2026, 12, 7).size(), 1u);
    ASSERT_TRUE(blocker.remove());

    ASSERT_TRUE(store.removeEvent(events[0], EventSpan::allEvents, &error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_TRUE(day(store, 2026, 12, 7).empty());
    QFile kept(env.dataHome() + QStringLiteral("/Trash/files/bin.ics"));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), content);
}

TEST_F(VdirEventStoreTest, ChangesByOtherProgramsAreAnnounced)
{
    VdirEventStore store(base());
    QSignalSpy changed(&store, &EventStore::storeChanged);
    put(QStringLiteral("late.ics"),
        calendarText(
            eventText("late", "DTSTART:20261207T110000Z\r\nDTEND:20261207T120000Z\r\nSUMMARY:Late\r\n")));
    EXPECT_TRUE(changed.wait(3000));
    EXPECT_EQ(titles(day(store, 2026, 12, 7)), QStringList{QStringLiteral("Late")});
}

// A watched folder is read from what is kept until the watch tells of a
// change: a file written in place (no rename, same inode) is seen all the
// same, and a file reached by a link, whose changes no watch of the folder
// sees, is looked at again at every query.
TEST_F(VdirEventStoreTest, AWatchedFolderMissesNoChangeToItsFiles)
{
    const auto text = [](const QByteArray &title) {
        return calendarText(eventText(
            "a", "DTSTART:20261207T110000Z\r\nDTEND:20261207T120000Z\r\nSUMMARY:" + title + "\r\n"));
    };
    const QString path = put(QStringLiteral("a.ics"), text("Old"));
    QTemporaryDir elsewhere;
    const QString target = elsewhere.path() + QStringLiteral("/b.ics");
    writeFile(target, text("Far"));
    makeCalendar(QStringLiteral("linked"));
    ASSERT_TRUE(QFile::link(target, base() + QStringLiteral("/linked/b.ics")));

    VdirEventStore store(base());
    QSignalSpy changed(&store, &EventStore::storeChanged);
    QCoreApplication::processEvents();
    const QStringList before{QStringLiteral("Old"), QStringLiteral("Far")};
    EXPECT_EQ(titles(day(store, 2026, 12, 7)), before);
    EXPECT_EQ(titles(day(store, 2026, 12, 7)), before);

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const auto inodeOf = [](const QString &at) {
        struct stat info
        {
        };
        return ::stat(QFile::encodeName(at).constData(), &info) == 0 ? info.st_ino : 0;
    };
    const auto inode = inodeOf(path);
    file.write(text("New"));
    file.close();
    ASSERT_EQ(inodeOf(path), inode);
    EXPECT_TRUE(changed.wait(3000));
    QFile far(target);
    ASSERT_TRUE(far.open(QIODevice::ReadWrite));
    far.write(text("Gone"));
    far.close();
    EXPECT_EQ(titles(day(store, 2026, 12, 7)), (QStringList{QStringLiteral("New"), QStringLiteral("Gone")}));
}

TEST_F(VdirEventStoreTest, AStoreLetGoOfLastOnItsQueryThreadIsDeletedOnItsOwn)
{
    auto store = sharedStore(new VdirEventStore(base()));
    // Someone listens: the store watches its folders from its own thread.
    QSignalSpy changed(store.get(), &EventStore::storeChanged);
    QCoreApplication::processEvents();
    QThread *deletedOn = nullptr;
    QObject::connect(
        store.get(), &QObject::destroyed, store.get(), [&deletedOn] { deletedOn = QThread::currentThread(); },
        Qt::DirectConnection);
    std::atomic<bool> queried = false;
    // The window that asked is gone by the time the query ends.
    runStoreWork([held = std::move(store), &queried]() mutable {
        held->events(gregorianInstant(2026, 12, 7), gregorianInstant(2026, 12, 8));
        held.reset();
        queried = true;
    });
    ASSERT_TRUE(QTest::qWaitFor([&] { return queried.load(); }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return deletedOn != nullptr; }, 5000));
    EXPECT_EQ(deletedOn, QCoreApplication::instance()->thread());
}

TEST_F(VdirEventStoreTest, FoldersAreWatchedOnlyOnceSomeoneListensForChanges)
{
    VdirEventStore store(base());
    const auto *watch = store.findChild<ical::FolderWatch *>();
    ASSERT_NE(watch, nullptr);
    EXPECT_TRUE(day(store, 2026, 12, 7).empty());
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch->folders().isEmpty()) << "a reader that only asks for a day watches nothing";

    QSignalSpy changed(&store, &EventStore::storeChanged);
    QCoreApplication::processEvents();
    EXPECT_TRUE(watch->folders().contains(base()));
    put(QStringLiteral("later.ics"),
        calendarText(
            eventText("later", "DTSTART:20261207T110000Z\r\nDTEND:20261207T120000Z\r\nSUMMARY:Later\r\n")));
    EXPECT_TRUE(changed.wait(3000));
}

TEST_F(VdirEventStoreTest, AccessIsAskedOnceKeptAndAnsweredOffTheCallingThread)
{
    int asked = 0;
    setEventAccessPrompt([&asked](std::function<void(bool)> answer) {
        ++asked;
        answer(true);
    });
    VdirEventStore store(base());
    EXPECT_EQ(store.accessStatus(), EventAccessStatus::notDetermined);
    for (int round = 0; round < 2; ++round) {
        std::atomic<int> answered{-1};
        std::atomic<bool> offThread{false};
        store.requestAccess([&](bool granted, const QString &) {
            offThread = QThread::currentThread() != QCoreApplication::instance()->thread();
            answered = granted ? 1 : 0;
        });
        for (int i = 0; i < 200 && answered < 0; ++i)
            QThread::msleep(5);
        EXPECT_EQ(answered, 1);
        EXPECT_TRUE(offThread);
    }
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(store.accessStatus(), EventAccessStatus::authorized);
    setEventAccessPrompt(nullptr);
}

TEST_F(VdirEventStoreTest, RequestsWhileTheQuestionIsOpenShareItsAnswer)
{
    std::vector<std::function<void(bool)>> questions;
    setEventAccessPrompt(
        [&questions](std::function<void(bool)> answer) { questions.push_back(std::move(answer)); });
    VdirEventStore store(base());
    std::atomic<int> answered{0};
    for (int i = 0; i < 3; ++i)
        store.requestAccess([&answered](bool granted, const QString &) { answered += granted ? 1 : 100; });
    ASSERT_EQ(questions.size(), 1u);
    questions[0](true);
    for (int i = 0; i < 200 && answered < 3; ++i)
        QThread::msleep(5);
    EXPECT_EQ(answered, 3);
    setEventAccessPrompt(nullptr);
}

} // namespace
