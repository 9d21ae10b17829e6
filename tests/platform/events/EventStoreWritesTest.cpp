// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Writes through the store: the occurrences a scope names and no others, and
// a file another program changed between our read and our write.
#include "platform/events/CalendarTexts.h"
#include "platform/events/linux/VdirEventStore.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimeZone>
#include <gtest/gtest.h>

using namespace platform;
using testenv::gregorianInstant;

namespace {

constexpr QLatin1StringView berlin("Europe/Berlin");

// Ten Mondays at 10:00 in Berlin from 9 March 2026: clocks go forward on the
// 29th, so the UTC hour changes inside the series.
const QByteArray seminar = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n"
                           "BEGIN:VEVENT\r\nUID:seminar\r\nDTSTAMP:20260301T000000Z\r\n"
                           "DTSTART;TZID=Europe/Berlin:20260309T100000\r\n"
                           "DTEND;TZID=Europe/Berlin:20260309T110000\r\n"
                           "RRULE:FREQ=WEEKLY;COUNT=10\r\nSUMMARY:Seminar\r\nX-ROOM;X-WING=east:5\r\n"
                           "END:VEVENT\r\n"
                           "BEGIN:VEVENT\r\nUID:seminar\r\nDTSTAMP:20260301T000000Z\r\n"
                           "RECURRENCE-ID;TZID=Europe/Berlin:20260413T100000\r\n"
                           "DTSTART;TZID=Europe/Berlin:20260413T100000\r\n"
                           "DTEND;TZID=Europe/Berlin:20260413T120000\r\nSUMMARY:Exam / bring ID\r\n"
                           "END:VEVENT\r\nEND:VCALENDAR\r\n";

class EventStoreWrites : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        folder_ = dir_.path() + QStringLiteral("/calendars/home");
        QDir().mkpath(folder_);
        QDir().mkpath(env_.dataHome());
        env_.setNow(gregorianInstant(2026, 3, 1, 12, 0, QStringLiteral("UTC")));
    }

    QString put(const QString &name, const QByteArray &data)
    {
        const QString path = folder_ + QLatin1Char('/') + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }
    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static std::vector<CalendarEvent> between(VdirEventStore &store, QDate first, QDate last)
    {
        return store.events(fromQDateTime(first.startOfDay(Qt::LocalTime)),
                            fromQDateTime(last.addDays(1).startOfDay(Qt::LocalTime)));
    }
    std::vector<CalendarEvent> between(QDate first, QDate last) { return between(store_, first, last); }
    CalendarEvent on(QDate day, const QString &uid = QStringLiteral("seminar"))
    {
        for (const CalendarEvent &e : between(day, day))
            if (e.uid == uid)
                return e;
        ADD_FAILURE() << "nothing on " << day.toString(Qt::ISODate).toStdString();
        return {};
    }
    static EventDraft draftOf(const CalendarEvent &e)
    {
        EventDraft d;
        d.title = e.title;
        d.location = e.location;
        d.notes = e.notes;
        d.startDate = e.startDate;
        d.endDate = e.endDate;
        d.allDay = e.allDay;
        return d;
    }
    // Each occurrence of the spring as "MM-dd HH:mm title" on Berlin's clock.
    QStringList spring()
    {
        QStringList out;
        auto events = between({2026, 3, 1}, {2026, 6, 30});
        std::stable_sort(events.begin(), events.end(), [](const CalendarEvent &a, const CalendarEvent &b) {
            return a.startDate < b.startDate;
        });
        for (const CalendarEvent &e : events) {
            const QDateTime local =
                toQDateTime(e.startDate).toTimeZone(QTimeZone(QByteArray(berlin.latin1())));
            out << local.toString(QStringLiteral("MM-dd HH:mm ")) + e.title;
        }
        return out;
    }
    QStringList icsFiles() const { return QDir(folder_).entryList({QStringLiteral("*.ics")}, QDir::Files); }

    testenv::ScopedEnvironment env_{QStringLiteral("en_US"), berlin};
    QTemporaryDir dir_;
    QString folder_;
    VdirEventStore store_{dir_.path() + QStringLiteral("/calendars")};
};

TEST_F(EventStoreWrites, EachScopeReachesTheOccurrencesItNamesAcrossTheClockChange)
{
    put(QStringLiteral("seminar.ics"), seminar);
    const QStringList before = spring();
    ASSERT_EQ(before.size(), 10);
    ASSERT_EQ(before[3], QStringLiteral("03-30 10:00 Seminar")) << "the hour is Berlin's after the change";
    ASSERT_EQ(before[5], QStringLiteral("04-13 10:00 Exam / bring ID"));

    QString error;
    ASSERT_TRUE(store_.removeEvent(on({2026, 3, 30}), EventSpan::thisEvent, &error)) << error.toStdString();
    QStringList expected = before;
    expected.removeAt(3);
    EXPECT_EQ(spring(), expected);

    EventDraft renamed = draftOf(on({2026, 3, 23}));
    renamed.title = QStringLiteral("Guest talk");
    ASSERT_TRUE(store_.updateEvent(on({2026, 3, 23}), renamed, EventSpan::thisEvent, &error));
    expected[2] = QStringLiteral("03-23 10:00 Guest talk");
    EXPECT_EQ(spring(), expected);

    // The whole series renamed: the overrides keep their own titles.
    EventDraft all = draftOf(on({2026, 3, 16}));
    all.title = QStringLiteral("Research seminar");
    ASSERT_TRUE(store_.updateEvent(on({2026, 3, 16}), all, EventSpan::allEvents, &error));
    for (int i : {0, 1, 3, 5, 6, 7, 8})
        expected[i] = expected[i].left(12) + QStringLiteral("Research seminar");
    EXPECT_EQ(spring(), expected);

    // From 6 April an hour later: a new series in a file of its own.
    EventDraft later = draftOf(on({2026, 4, 6}));
    later.startDate += std::chrono::hours(1);
    later.endDate += std::chrono::hours(1);
    ASSERT_TRUE(store_.updateEvent(on({2026, 4, 6}), later, EventSpan::futureEvents, &error))
        << error.toStdString();
    for (int i = 3; i < expected.size(); ++i)
        expected[i].replace(6, 5, QStringLiteral("11:00"));
    EXPECT_EQ(spring(), expected);
    EXPECT_EQ(icsFiles().size(), 2);
    const auto sixth = between({2026, 4, 6}, {2026, 4, 6});
    ASSERT_EQ(sixth.size(), 1u);
    EXPECT_NE(sixth[0].uid, QStringLiteral("seminar"));

    // Deleting from 20 April ends the new series after two occurrences.
    const auto twentieth = between({2026, 4, 20}, {2026, 4, 20});
    ASSERT_EQ(twentieth.size(), 1u);
    ASSERT_TRUE(store_.removeEvent(twentieth[0], EventSpan::futureEvents, &error)) << error.toStdString();
    EXPECT_EQ(spring(), expected.mid(0, 5));

    const QByteArray kept = read(folder_ + QStringLiteral("/seminar.ics"));
    EXPECT_TRUE(kept.contains("X-ROOM;X-WING=east:5\r\n")) << kept.toStdString();
    EXPECT_TRUE(kept.contains("DTSTART;TZID=Europe/Berlin:20260309T100000\r\n"));
}

TEST_F(EventStoreWrites, DeletingOneEventOfAFileKeepsTheOthersAndOnlyAnEmptyFileGoesToTheTrash)
{
    const QByteArray two =
        "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//export//EN\r\n"
        "BEGIN:VEVENT\r\nUID:conf\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20260310T090000Z\r\n"
        "DTEND:20260310T170000Z\r\nSUMMARY:Conference\r\nEND:VEVENT\r\n"
        "BEGIN:VEVENT\r\nUID:trip\r\nDTSTAMP:20260101T000000Z\r\nDTSTART:20260310T200000Z\r\n"
        "DTEND:20260311T060000Z\r\nSUMMARY:Trip overnight\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
    const QString path = put(QStringLiteral("export.ics"), two);
    QString error;
    ASSERT_TRUE(store_.removeEvent(on({2026, 3, 10}, QStringLiteral("conf")), EventSpan::allEvents, &error));
    ASSERT_TRUE(QFile::exists(path));
    const auto left = between({2026, 3, 10}, {2026, 3, 11});
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0].title, QStringLiteral("Trip overnight"));

    ASSERT_TRUE(store_.removeEvent(left[0], EventSpan::allEvents, &error)) << error.toStdString();
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(QDir(env_.dataHome() + QStringLiteral("/Trash/files")).entryList(QDir::Files),
              QStringList{QStringLiteral("export.ics")});
}

TEST_F(EventStoreWrites, AChangeMadeElsewhereSinceTheReadIsKeptOrTheWriteRefused)
{
    const QByteArray original = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n"
                                "BEGIN:VEVENT\r\nUID:talk\r\nDTSTAMP:20260101T000000Z\r\n"
                                "DTSTART:20260310T090000Z\r\nDTEND:20260310T100000Z\r\nSUMMARY:Talk\r\n"
                                "END:VEVENT\r\nEND:VCALENDAR\r\n";
    const QString path = put(QStringLiteral("talk.ics"), original);
    const CalendarEvent seen = on({2026, 3, 10}, QStringLiteral("talk"));

    // A sync adds notes and a place: a new title still applies on top of them.
    QByteArray synced = original;
    synced.replace("SUMMARY:Talk\r\n", "SUMMARY:Talk\r\nDESCRIPTION:Slides online\r\nLOCATION:Hall A\r\n");
    put(QStringLiteral("talk.ics"), synced);
    EventDraft retitled = draftOf(seen);
    retitled.title = QStringLiteral("Keynote");
    QString error;
    ASSERT_TRUE(store_.updateEvent(seen, retitled, EventSpan::allEvents, &error)) << error.toStdString();
    const QByteArray merged = read(path);
    EXPECT_TRUE(merged.contains("SUMMARY:Keynote\r\n"));
    EXPECT_TRUE(merged.contains("DESCRIPTION:Slides online\r\nLOCATION:Hall A\r\n")) << merged.toStdString();

    // The sync moves the event while the user, who saw the old time, moves it
    // too: refused, and the sync's version stays.
    const CalendarEvent before = on({2026, 3, 10}, QStringLiteral("talk"));
    QByteArray moved = read(path);
    moved.replace("DTSTART:20260310T090000Z", "DTSTART:20260310T130000Z");
    moved.replace("DTEND:20260310T100000Z", "DTEND:20260310T140000Z");
    put(QStringLiteral("talk.ics"), moved);
    EventDraft later = draftOf(before);
    later.startDate += std::chrono::hours(1);
    later.endDate += std::chrono::hours(1);
    EXPECT_FALSE(store_.updateEvent(before, later, EventSpan::allEvents, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("another program"))) << error.toStdString();
    EXPECT_EQ(read(path), moved);

    // Nor is an event deleted that is no longer what the user saw.
    EXPECT_FALSE(store_.removeEvent(before, EventSpan::allEvents, &error));
    EXPECT_EQ(read(path), moved);

    // A retitle of what was read still lands on the moved event.
    EventDraft renamedAgain = draftOf(before);
    renamedAgain.title = QStringLiteral("Keynote (moved)");
    ASSERT_TRUE(store_.updateEvent(before, renamedAgain, EventSpan::allEvents, &error))
        << error.toStdString();
    EXPECT_TRUE(read(path).contains("DTSTART:20260310T130000Z"));
    EXPECT_TRUE(read(path).contains("SUMMARY:Keynote (moved)"));
}

TEST_F(EventStoreWrites, AnotherProgramsChangeToAZonedSeriesIsKeptWhileThisOneEdits)
{
    const QString path = put(QStringLiteral("seminar.ics"), seminar);
    const CalendarEvent seen = on({2026, 3, 16});
    EXPECT_EQ(seen.timeZone, berlin);

    // Another program moves the series an hour later in its own zone, as a
    // sync does: by replacing the file.
    QProcess sed;
    sed.start(QStringLiteral("sed"),
              {QStringLiteral("-i"), QStringLiteral("7s/T100000/T110000/;8s/T110000/T120000/"), path});
    ASSERT_TRUE(sed.waitForFinished(10000));
    ASSERT_EQ(sed.exitCode(), 0);
    const QByteArray moved = read(path);
    ASSERT_TRUE(moved.contains("DTSTART;TZID=Europe/Berlin:20260309T110000\r\n")) << moved.toStdString();

    // The user, who saw the old time, moves the occurrence too: refused, and
    // the other program's series stays as it wrote it.
    EventDraft later = draftOf(seen);
    later.startDate += std::chrono::minutes(30);
    later.endDate += std::chrono::minutes(30);
    QString error;
    EXPECT_FALSE(store_.updateEvent(seen, later, EventSpan::allEvents, &error));
    EXPECT_EQ(read(path), moved);

    // The occurrence that was read no longer exists: a new title for it is
    // refused too, and the user's next look finds the moved series.
    EventDraft renamed = draftOf(seen);
    renamed.title = QStringLiteral("Reading group");
    EXPECT_FALSE(store_.updateEvent(seen, renamed, EventSpan::allEvents, &error));
    EXPECT_EQ(read(path), moved);
    const CalendarEvent fresh = on({2026, 3, 16});
    renamed = draftOf(fresh);
    renamed.title = QStringLiteral("Reading group");
    ASSERT_TRUE(store_.updateEvent(fresh, renamed, EventSpan::allEvents, &error)) << error.toStdString();
    const QByteArray merged = read(path);
    EXPECT_TRUE(merged.contains("DTSTART;TZID=Europe/Berlin:20260309T110000\r\n")) << merged.toStdString();
    EXPECT_TRUE(merged.contains("SUMMARY:Reading group\r\n"));
    EXPECT_EQ(on({2026, 3, 30}).timeZone, berlin);
    EXPECT_EQ(
        toQDateTime(on({2026, 3, 30}).startDate).toTimeZone(QTimeZone(QByteArray(berlin.latin1()))).time(),
        QTime(11, 0));
}

TEST_F(EventStoreWrites, AVersionWrittenAtTheLastMomentIsNeverReplaced)
{
    const QByteArray original = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//test//EN\r\n"
                                "BEGIN:VEVENT\r\nUID:talk\r\nDTSTAMP:20260101T000000Z\r\n"
                                "DTSTART:20260310T090000Z\r\nDTEND:20260310T100000Z\r\nSUMMARY:Talk\r\n"
                                "END:VEVENT\r\nEND:VCALENDAR\r\n";
    const QString path = put(QStringLiteral("talk.ics"), original);
    // A sync tool writes its version just as ours is about to take the file's place.
    QByteArray theirs;
    int replacements = 0;
    store_.setBeforeReplaceHook([&](const QString &) {
        if (replacements++ == 0)
            put(QStringLiteral("talk.ics"), theirs);
    });

    theirs = QByteArray(original).replace("SUMMARY:Talk\r\n", "SUMMARY:Talk\r\nLOCATION:Hall C\r\n");
    const CalendarEvent seen = on({2026, 3, 10}, QStringLiteral("talk"));
    EventDraft retitled = draftOf(seen);
    retitled.title = QStringLiteral("Keynote");
    QString error;
    ASSERT_TRUE(store_.updateEvent(seen, retitled, EventSpan::allEvents, &error)) << error.toStdString();
    EXPECT_EQ(replacements, 2) << "made again on their version";
    EXPECT_TRUE(read(path).contains("SUMMARY:Keynote\r\nLOCATION:Hall C\r\n")) << read(path).toStdString();

    replacements = 0;
    theirs = QByteArray(read(path)).replace("DTSTART:20260310T090000Z", "DTSTART:20260310T083000Z");
    const CalendarEvent again = on({2026, 3, 10}, QStringLiteral("talk"));
    EventDraft later = draftOf(again);
    later.startDate += std::chrono::hours(1);
    later.endDate += std::chrono::hours(1);
    EXPECT_FALSE(store_.updateEvent(again, later, EventSpan::allEvents, &error));
    EXPECT_EQ(read(path), theirs);
    EXPECT_EQ(QDir(folder_).entryList(QDir::Files | QDir::Hidden).size(), 1) << "no temporary file left";
}

TEST_F(EventStoreWrites, AnEditRaisesTheSequenceOnlyWhenTheTimesChange)
{
    const QString path = put(QStringLiteral("seminar.ics"), seminar);
    QString error;
    EventDraft renamed = draftOf(on({2026, 3, 9}));
    renamed.location = QStringLiteral("Room 7");
    ASSERT_TRUE(store_.updateEvent(on({2026, 3, 9}), renamed, EventSpan::allEvents, &error));
    EXPECT_FALSE(read(path).contains("SEQUENCE"));
    EXPECT_TRUE(read(path).contains("LAST-MODIFIED:20260301T120000Z"));

    EventDraft moved = draftOf(on({2026, 3, 9}));
    moved.endDate += std::chrono::minutes(30);
    ASSERT_TRUE(store_.updateEvent(on({2026, 3, 9}), moved, EventSpan::allEvents, &error));
    const QByteArray after = read(path);
    EXPECT_TRUE(after.contains("SEQUENCE:1\r\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("DTEND;TZID=Europe/Berlin:20260309T113000\r\n"));
}

QByteArray single(const QByteArray &uid, const QByteArray &title)
{
    return testcal::calendarText(testcal::eventText(
        uid, "DTSTART:20260310T090000Z\r\nDTEND:20260310T100000Z\r\nSUMMARY:" + title + "\r\n"));
}

// Another program rewrites a file in place again and again, keeping its
// size, inode and modification time, as a sync tool may. Meanwhile this
// store reads the folder and edits another event in it, and each time a
// new store (the next run of a command) reads the index it leaves. Once the
// other program is done, every reader finds the file as it was left, and
// every edit of this one is in its file.
TEST_F(EventStoreWrites, AFileRewrittenInPlaceByAnotherProgramMeanwhileIsNeverMissedNorTouched)
{
    const QString shared = put(QStringLiteral("shared.ics"), single("shared", "Version 100"));
    const QString mine = put(QStringLiteral("mine.ics"), single("mine", "Mine 0"));
    const QDate day(2026, 3, 10);
    ASSERT_EQ(between(day, day).size(), 2u);

    QProcess other;
    other.start(QStringLiteral("sh"),
                {QStringLiteral("-c"),
                 QStringLiteral("kept=$(stat -c %Y \"$1\"); for i in $(seq 101 399); do "
                                "sed \"s/Version [0-9]*/Version $i/\" \"$1\" > \"$1.next\" && "
                                "dd if=\"$1.next\" of=\"$1\" conv=notrunc status=none && "
                                "touch -m -d @$kept \"$1\" || exit 1; done; rm \"$1.next\""),
                 QStringLiteral("sh"), shared});
    ASSERT_TRUE(other.waitForStarted());
    int edits = 0;
    do {
        const CalendarEvent event = on(day, QStringLiteral("mine"));
        EventDraft draft = draftOf(event);
        draft.title = QStringLiteral("Mine %1").arg(++edits);
        QString error;
        ASSERT_TRUE(store_.updateEvent(event, draft, EventSpan::thisEvent, &error)) << error.toStdString();
        VdirEventStore next(dir_.path() + QStringLiteral("/calendars"));
        ASSERT_EQ(between(next, day, day).size(), 2u);
    } while (!other.waitForFinished(1));
    ASSERT_EQ(other.exitCode(), 0) << other.readAllStandardError().toStdString();

    const QByteArray left = read(shared);
    ASSERT_TRUE(left.contains("SUMMARY:Version 399\r\n"));
    const QString mineNow = QStringLiteral("Mine %1").arg(edits);
    EXPECT_TRUE(read(mine).contains(mineNow.toUtf8()));
    VdirEventStore next(dir_.path() + QStringLiteral("/calendars"));
    for (VdirEventStore *reader : {&store_, &next}) {
        QStringList titles;
        for (const CalendarEvent &e : between(*reader, day, day))
            titles << e.title;
        titles.sort();
        EXPECT_EQ(titles, QStringList({mineNow, QStringLiteral("Version 399")}));
    }
    EXPECT_EQ(read(shared), left);
}

} // namespace
