// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The index of a calendar folder lets a query skip the files whose events
// cannot fall in it. It must never hide an event: whatever the index says,
// the events found are the ones reading every file finds.
#include "platform/events/linux/FolderIndex.h"

#include "platform/events/CalendarTexts.h"
#include "platform/events/linux/VdirEventStore.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using testcal::calendarText;
using testcal::eventText;
using testenv::gregorianInstant;

namespace {

const QByteArray kiritimati =
    "BEGIN:VTIMEZONE\r\nTZID:Line Islands\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
    "TZOFFSETFROM:+1400\r\nTZOFFSETTO:+1400\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n";

// Files whose events lie far from where a first look at them would put them.
const std::pair<const char *, QByteArray> trickyFiles[] = {
    {"single.ics",
     eventText("single", "DTSTART:20261207T110000Z\r\nDTEND:20261207T120000Z\r\nSUMMARY:Single\r\n")},
    {"yearly.ics",
     eventText("yearly", "DTSTART;VALUE=DATE:20201210\r\nRRULE:FREQ=YEARLY\r\nSUMMARY:Yearly\r\n")},
    {"count.ics", eventText("count", "DTSTART:20261201T090000Z\r\nDURATION:PT1H\r\n"
                                     "RRULE:FREQ=WEEKLY;BYDAY=TU,FR;COUNT=5\r\nSUMMARY:Count\r\n")},
    {"until.ics", eventText("until", "DTSTART;TZID=Europe/Berlin:20261203T233000\r\n"
                                     "DTEND;TZID=Europe/Berlin:20261204T003000\r\n"
                                     "RRULE:FREQ=DAILY;UNTIL=20261210T000000Z\r\nSUMMARY:Until\r\n")},
    {"moved.ics", eventText("moved", "DTSTART:20261202T100000Z\r\nDTEND:20261202T110000Z\r\n"
                                     "RRULE:FREQ=WEEKLY;COUNT=3\r\nSUMMARY:Moved\r\n") +
                      eventText("moved", "RECURRENCE-ID:20261209T100000Z\r\nDTSTART:20270601T100000Z\r\n"
                                         "DTEND:20270601T110000Z\r\nSUMMARY:Moved away\r\n")},
    {"rdate.ics", eventText("rdate", "DTSTART:20261205T080000Z\r\nRDATE:20270105T080000Z,20271231T230000Z\r\n"
                                     "SUMMARY:Extra\r\n")},
    {"floating.ics",
     eventText("floating", "DTSTART:20261209T233000\r\nDTEND:20261210T003000\r\nSUMMARY:Floating\r\n")},
    {"east.ics",
     kiritimati + eventText("east", "DTSTART;TZID=Line Islands:20261211T010000\r\n"
                                    "DTEND;TZID=Line Islands:20261211T020000\r\nSUMMARY:East\r\n")},
    {"days.ics",
     eventText("days", "DTSTART;VALUE=DATE:20261230\r\nDTEND;VALUE=DATE:20270103\r\nSUMMARY:Days\r\n")},
    {"hijri.ics",
     eventText("hijri", "DTSTART;VALUE=DATE:20261210\r\n"
                        "RRULE:RSCALE=ISLAMIC-UMALQURA;FREQ=MONTHLY;COUNT=3\r\nSUMMARY:Hijri\r\n")},
    // Kept with the days their events start on.
    {"ramadan.ics", eventText("ramadan", "DTSTART;VALUE=DATE:20270208\r\n"
                                         "RRULE:RSCALE=ISLAMIC-UMALQURA;FREQ=YEARLY\r\nSUMMARY:Ramadan\r\n")},
    {"monthend.ics", eventText("monthend", "DTSTART:20261031T200000Z\r\nDTEND:20261031T210000Z\r\n"
                                           "RRULE:FREQ=MONTHLY;BYMONTHDAY=31\r\nSUMMARY:Month end\r\n")},
    {"turn.ics",
     eventText("turn", "DTSTART;VALUE=DATE:20251230\r\nDTEND;VALUE=DATE:20260102\r\n"
                       "RRULE:FREQ=YEARLY\r\nEXDATE;VALUE=DATE:20261230\r\nSUMMARY:Year turn\r\n")},
    {"spring.ics", eventText("spring", "DTSTART;VALUE=DATE:20270301\r\nDTEND;VALUE=DATE:20270615\r\n"
                                       "RDATE;VALUE=DATE:20310301\r\nSUMMARY:Spring\r\n")},
};

class FolderIndexTest : public testcal::CalendarFolderTest
{
protected:
    void SetUp() override
    {
        CalendarFolderTest::SetUp();
        for (const auto &[name, body] : trickyFiles)
            put(QString::fromLatin1(name), calendarText(body));
    }

    static std::string said(const QStringList &titles)
    {
        return titles.join(QStringLiteral(", ")).toStdString();
    }

    static QStringList titles(const std::vector<CalendarEvent> &events)
    {
        QStringList out;
        for (const auto &e : events)
            out << e.title;
        out.sort();
        return out;
    }

    // What the day holds when every file is read and expanded, with no index.
    QStringList everyFile(Instant start, Instant end) const
    {
        QStringList out;
        const QDir dir(folder());
        for (const QString &name : dir.entryList({QStringLiteral("*.ics")}, QDir::Files)) {
            QFile file(dir.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            const auto parsed = ical::CalendarFile::parse(file.readAll(), name, nullptr);
            std::vector<ical::Occurrence> found;
            if (parsed)
                parsed->occurrences(start, end, found);
            for (const auto &o : found)
                out << o.title;
        }
        out.sort();
        return out;
    }

    // Every day from `first` for `days` days, through a store that starts
    // from the index the last one kept.
    void expectSameAsEveryFile(QDate first, int days)
    {
        VdirEventStore store(base());
        for (int i = 0; i < days; ++i) {
            const QDate day = first.addDays(i);
            const QDate next = day.addDays(1);
            const Instant start = gregorianInstant(day.year(), day.month(), day.day());
            const Instant end = gregorianInstant(next.year(), next.month(), next.day());
            ASSERT_EQ(said(titles(store.events(start, end))), said(everyFile(start, end)))
                << qPrintable(day.toString());
        }
    }

    std::vector<CalendarEvent> onDay(int y, int m, int d)
    {
        VdirEventStore store(base());
        const QDate next = QDate(y, m, d).addDays(1);
        return store.events(gregorianInstant(y, m, d),
                            gregorianInstant(next.year(), next.month(), next.day()));
    }
};

// In zones on both sides of the date line, and when the zone changes between
// the run that kept the index and the one that reads it.
TEST_F(FolderIndexTest, AQueryThroughTheIndexFindsWhatReadingEveryFileFinds)
{
    for (const char *zone : {"Pacific/Kiritimati", "Pacific/Pago_Pago", "Asia/Riyadh"}) {
        env_.setTimeZone(QString::fromLatin1(zone));
        SCOPED_TRACE(zone);
        expectSameAsEveryFile(QDate(2026, 11, 28), 45);
        expectSameAsEveryFile(QDate(2027, 5, 30), 4);
        expectSameAsEveryFile(QDate(2027, 12, 30), 3);
        expectSameAsEveryFile(QDate(2031, 12, 9), 3);
        expectSameAsEveryFile(QDate(2028, 1, 25), 5);
        expectSameAsEveryFile(QDate(2031, 5, 30), 2);
    }
    EXPECT_TRUE(QFileInfo::exists(ical::folderindex::pathFor(folder())));
}

// A file changed behind the index (same size, same modification time), one
// added and one removed: the next run sees the folder as it is.
TEST_F(FolderIndexTest, FilesChangedBehindTheIndexAreReadAgain)
{
    EXPECT_TRUE(titles(onDay(2026, 12, 7)).contains(QStringLiteral("Single")));
    const QString single = folder() + QStringLiteral("/single.ics");
    const QDateTime modified = QFileInfo(single).lastModified();
    put(QStringLiteral("single.ics"),
        calendarText(
            eventText("single", "DTSTART:20261208T110000Z\r\nDTEND:20261208T120000Z\r\nSUMMARY:Single\r\n")));
    QFile file(single);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    file.close();
    put(QStringLiteral("new.ics"),
        calendarText(eventText("new", "DTSTART:20261207T150000Z\r\nSUMMARY:New\r\n")));
    ASSERT_TRUE(QFile::remove(folder() + QStringLiteral("/rdate.ics")));

    const QStringList seventh = titles(onDay(2026, 12, 7));
    EXPECT_TRUE(seventh.contains(QStringLiteral("New")) && !seventh.contains(QStringLiteral("Single")));
    EXPECT_TRUE(titles(onDay(2026, 12, 8)).contains(QStringLiteral("Single")));
    EXPECT_FALSE(titles(onDay(2027, 1, 5)).contains(QStringLiteral("Extra")));
    const auto kept = ical::folderindex::load(folder());
    EXPECT_EQ(kept.size(), std::size(trickyFiles));
    EXPECT_TRUE(
        std::none_of(kept.begin(), kept.end(), [](const auto &entry) { return entry.first == "rdate.ics"; }));
}

// A damaged index, one cut short, another folder's, or one that says every
// file lies elsewhere in time: each is read as no index at all and rebuilt.
TEST_F(FolderIndexTest, AnIndexThatCannotBeTrustedIsReadAgainFromTheFiles)
{
    const QStringList expected{QStringLiteral("Count"), QStringLiteral("Until")};
    ASSERT_EQ(titles(onDay(2026, 12, 4)), expected);
    const QString indexPath = ical::folderindex::pathFor(folder());
    QFile index(indexPath);
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    const QByteArray good = index.readAll();
    index.close();

    const QString other = base() + QStringLiteral("/other");
    const auto lying = [&] {
        // A well-formed index of this folder whose spans all lie in 1990.
        auto entries = ical::folderindex::decode(folder(), good).value();
        for (auto &[name, entry] : entries)
            entry.span = {631152000, 631238400};
        return ical::folderindex::encode(folder(), entries);
    }();
    QByteArray flipped = good;
    flipped[flipped.size() / 2] = static_cast<char>(flipped[flipped.size() / 2] ^ 0x20);
    const std::pair<const char *, QByteArray> cases[] = {
        {"flipped", flipped},
        {"cut short", good.left(good.size() - 20)},
        {"empty", {}},
        {"another folder's", ical::folderindex::encode(other, *ical::folderindex::decode(folder(), good))},
    };
    for (const auto &[what, bytes] : cases) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(ical::folderindex::save(folder(), bytes));
        EXPECT_EQ(titles(onDay(2026, 12, 4)), expected);
        // Rebuilt, and trusted again.
        EXPECT_EQ(ical::folderindex::load(folder()).size(), std::size(trickyFiles));
    }
    // A lying index that is sound in form cannot be told from a true one
    // unless the files changed: that is what the stamps are for.
    ASSERT_TRUE(ical::folderindex::save(folder(), lying));
    for (const auto &[name, body] : trickyFiles)
        put(QString::fromLatin1(name), calendarText(body));
    EXPECT_EQ(titles(onDay(2026, 12, 4)), expected);
}

// The index keeps the folder's own order, so the next run matches the two
// file by file; a file that cannot be read keeps its place there, is read
// and reported again each run, and does not make every run rewrite the index.
TEST_F(FolderIndexTest, AnUnreadableFileIsTriedAgainEachRunWithoutRewritingTheIndex)
{
    put(QStringLiteral("broken.ics"), "BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:garbage\r\n");
    const auto skippedLines = [this] { return log_.filter(QStringLiteral("broken.ics")).size(); };
    const auto indexStamp = [this] {
        struct stat info
        {
        };
        EXPECT_EQ(::stat(QFile::encodeName(ical::folderindex::pathFor(folder())).constData(), &info), 0);
        return std::pair(info.st_ino, info.st_mtim.tv_nsec + info.st_mtim.tv_sec * 1'000'000'000LL);
    };
    const QStringList expected{QStringLiteral("Count"), QStringLiteral("Until")};
    EXPECT_EQ(titles(onDay(2026, 12, 4)), expected);
    EXPECT_EQ(skippedLines(), 1);
    const auto kept = indexStamp();

    std::vector<QByteArray> listed;
    for (const ical::FolderFile &file : ical::calendarFiles(folder()))
        listed.push_back(file.name);
    std::vector<QByteArray> indexed;
    for (const auto &[name, entry] : ical::folderindex::load(folder()))
        indexed.push_back(name);
    EXPECT_EQ(indexed, listed);

    for (int run = 2; run <= 3; ++run) {
        EXPECT_EQ(titles(onDay(2026, 12, 4)), expected);
        EXPECT_EQ(skippedLines(), run);
        EXPECT_EQ(indexStamp(), kept) << "run " << run;
    }
    // Another day reads the series near it again, and keeps what it knew of them.
    EXPECT_EQ(titles(onDay(2026, 12, 3)), QStringList{QStringLiteral("Until")});
    EXPECT_EQ(indexStamp(), kept);
    put(QStringLiteral("broken.ics"),
        calendarText(eventText("mended", "DTSTART:20261204T100000Z\r\nSUMMARY:Mended\r\n")));
    EXPECT_EQ(titles(onDay(2026, 12, 4)),
              (QStringList{QStringLiteral("Count"), QStringLiteral("Mended"), QStringLiteral("Until")}));
    EXPECT_EQ(skippedLines(), 4);
}

// A folder big enough that its files are looked at on several threads, with
// entries that are not calendar files spread through it: the listing keeps
// the folder's order and each file's own stamp, and leaves the rest out.
TEST(CalendarFilesTest, ABigFolderIsListedWholeAndInOrder)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QByteArray path = QFile::encodeName(dir.path());
    for (int i = 0; i < 20000; ++i) {
        const QByteArray name = path + "/e" + QByteArray::number(i) + ".ics";
        const int fd = ::open(name.constData(), O_CREAT | O_WRONLY, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, name.constData(), static_cast<size_t>(i % 7)), i % 7);
        ::close(fd);
        const QByteArray odd = path + "/odd" + QByteArray::number(i) + ".ics";
        switch (i % 500) {
        case 1:
            ASSERT_EQ(::mkdir(odd.constData(), 0755), 0);
            break;
        case 2:
            ASSERT_EQ(::symlink("gone.ics", odd.constData()), 0);
            break;
        case 3:
            ASSERT_EQ(::symlink(name.constData(), odd.constData()), 0);
            break;
        case 4:
            ASSERT_EQ(::mkfifo(odd.constData(), 0644), 0);
            break;
        default:
            break;
        }
    }
    std::vector<std::pair<QByteArray, ical::FileStamp>> expected;
    DIR *listing = ::opendir(path.constData());
    ASSERT_NE(listing, nullptr);
    while (const dirent *entry = ::readdir(listing)) {
        struct stat info
        {
        };
        const QByteArray name(entry->d_name);
        if (name.endsWith(".ics") && ::stat(QByteArray(path + '/' + name).constData(), &info) == 0 &&
            S_ISREG(info.st_mode))
            expected.emplace_back(name, ical::FileStamp{info.st_size, 0, info.st_ino});
    }
    ::closedir(listing);
    ASSERT_EQ(expected.size(), 20000U + 40U);

    bool hasLinks = false;
    const auto files = ical::calendarFiles(dir.path(), &hasLinks);
    EXPECT_TRUE(hasLinks);
    ASSERT_EQ(files.size(), expected.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        ASSERT_EQ(files[i].name, expected[i].first) << i;
        EXPECT_EQ(files[i].stamp.size, expected[i].second.size) << i;
        EXPECT_EQ(files[i].stamp.inode, expected[i].second.inode) << i;
        EXPECT_NE(files[i].stamp.changedNs, 0) << i;
    }
}

} // namespace
