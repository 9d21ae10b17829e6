// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The names kept on disk between processes: what one process learnt from ICU
// the next reads back unchanged, and a damaged, foreign or unwritable file
// costs a question to ICU, never a wrong text.
#include "core/DateTextsCache.h"

#include "core/DateTexts.h"
#include "core/DayTable.h"
#include "support/StuckReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace {

using core::DateTexts;
using core::DateTextsCache;
using platform::CalendarIdentifier;

const QByteArray key = "module=/test:1:2:3;icu=72.1";

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

DateTextsCache::Names someNames()
{
    DateTextsCache::Names names;
    names.usable = true;
    names.plainNumbers = true;
    for (int i = 0; i < 12; ++i)
        names.months[static_cast<size_t>(i)] = QStringLiteral("شهر %1").arg(i);
    for (int i = 0; i < 7; ++i) {
        names.weekdays[static_cast<size_t>(i)] = QStringLiteral("Day, %1").arg(i);
        names.shortWeekdays[static_cast<size_t>(i)] = QStringLiteral("D%1").arg(i);
    }
    for (int i = 0; i < 10; ++i)
        names.digits[static_cast<size_t>(i)] = QString(QChar(0x0660 + i));
    return names;
}

TEST(DateTextsCache, TablesReadBackFromTheFileEqualTablesMadeFromIcu)
{
    QTemporaryDir dir;
    struct Row
    {
        const char *locale;
        bool usable;
    };
    const Row rows[] = {{"en_US", true}, {"ar_SA", true}, {"fa_IR", true}, {"ta_IN@numbers=taml", false}};
    const auto calendars = {CalendarIdentifier::gregorian, CalendarIdentifier::islamicUmmAlQura};
    {
        DateTextsCache first(dir.path(), key);
        for (const Row &row : rows) {
            for (const auto calendar : calendars)
                EXPECT_EQ(DateTexts::fromCache(first, QString::fromLatin1(row.locale), calendar) != nullptr,
                          row.usable);
        }
    }
    DateTextsCache second(dir.path(), key);
    for (const Row &row : rows) {
        for (const auto calendar : calendars) {
            SCOPED_TRACE(testing::Message() << row.locale << " " << static_cast<int>(calendar));
            const QString locale = QString::fromLatin1(row.locale);
            const auto kept = second.find(locale, calendar);
            ASSERT_TRUE(kept);
            EXPECT_EQ(kept->usable, row.usable);
            // Persian dates and numbers share their digits, as do English ones.
            EXPECT_EQ(kept->plainNumbers, row.usable);
            const auto fromFile = DateTexts::fromCache(second, locale, calendar);
            const auto fromIcu = DateTexts::fromIcu(locale, calendar);
            ASSERT_EQ(fromFile != nullptr, row.usable);
            if (!fromFile)
                continue;
            for (int m = 1; m <= 12; ++m)
                EXPECT_EQ(fromFile->monthName(m), fromIcu->monthName(m));
            for (int w = 1; w <= 7; ++w) {
                EXPECT_EQ(fromFile->weekDayName(w), fromIcu->weekDayName(w));
                EXPECT_EQ(fromFile->shortWeekDayName(w), fromIcu->shortWeekDayName(w));
            }
            EXPECT_EQ(fromFile->number(1447, 4), fromIcu->number(1447, 4));
            const core::CalendarDay day{1447, 6, 27};
            EXPECT_EQ(fromFile->dateFullString(day), fromIcu->dateFullString(day));
        }
    }
    // Another build or another ICU keeps a file of its own.
    EXPECT_FALSE(
        DateTextsCache(dir.path(), key + "x").find(QStringLiteral("en_US"), CalendarIdentifier::gregorian));
    EXPECT_TRUE(DateTextsCache(dir.path(), key).find(QStringLiteral("en_US"), CalendarIdentifier::gregorian));
}

TEST(DateTextsCache, ADamagedOrForeignFileIsIgnoredAndMadeAfresh)
{
    QTemporaryDir dir;
    const QString locale = QStringLiteral("ar_SA");
    const auto calendar = CalendarIdentifier::islamicUmmAlQura;
    QString path;
    {
        DateTextsCache cache(dir.path(), key);
        cache.insert(locale, calendar, someNames());
        path = cache.filePath();
    }
    const QByteArray sound = readAll(path);
    ASSERT_FALSE(sound.isEmpty());
    ASSERT_EQ(DateTextsCache(dir.path(), key).find(locale, calendar), someNames());

    QByteArray flipped = sound;
    flipped[flipped.indexOf("Day") + 1] = 'A';
    QByteArray foreign = sound;
    foreign.replace(QByteArray("key " + key), QByteArray("key " + key + "y"));
    const QList<std::pair<const char *, QByteArray>> damaged = {
        {"empty", QByteArray()},
        {"cut in an entry", sound.left(sound.size() / 2)},
        {"cut before the checksum", sound.left(sound.lastIndexOf("sum "))},
        {"one letter changed", flipped},
        {"another key under this name", foreign},
        {"not text at all", QByteArray(5000, '\xff')},
    };
    for (const auto &[what, data] : damaged) {
        SCOPED_TRACE(what);
        writeAll(path, data);
        DateTextsCache cache(dir.path(), key);
        EXPECT_FALSE(cache.find(locale, calendar));
        cache.insert(locale, calendar, someNames());
        EXPECT_EQ(DateTextsCache(dir.path(), key).find(locale, calendar), someNames());
    }

    // A folder where the file should be: nothing read, nothing written, and
    // what was learnt still serves this process.
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QDir().mkpath(path));
    DateTextsCache blocked(dir.path(), key);
    EXPECT_FALSE(blocked.find(locale, calendar));
    blocked.insert(locale, calendar, someNames());
    EXPECT_EQ(blocked.find(locale, calendar), someNames());
    EXPECT_FALSE(DateTextsCache(dir.path(), key).find(locale, calendar));
}

// Another user's or a program's leftovers at the cache's path: a FIFO (which
// blocks an open for reading until a writer comes), a link to a device that
// never ends, a link to a file that is not ours.
TEST(DateTextsCache, SpecialFilesAreNotReadAndASaveReplacesALinkNotItsTarget)
{
    QTemporaryDir dir;
    const QString locale = QStringLiteral("en_US");
    const auto calendar = CalendarIdentifier::gregorian;
    const QString path = DateTextsCache(dir.path(), key).filePath();

    ASSERT_TRUE(testenv::makeFifo(path));
    std::optional<DateTextsCache> opened;
    EXPECT_TRUE(testenv::finishesDespiteFifo<std::optional<DateTextsCache>>(
        path, [&] { return std::optional<DateTextsCache>(std::in_place, dir.path(), key); }, &opened))
        << "reading the cache waits on a FIFO";
    DateTextsCache &cache = *opened;
    EXPECT_FALSE(cache.find(locale, calendar));
    cache.insert(locale, calendar, someNames());
    EXPECT_TRUE(QFileInfo(path).isFile()) << "the FIFO is replaced by the file";
    EXPECT_EQ(DateTextsCache(dir.path(), key).find(locale, calendar), someNames());

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), path));
    EXPECT_FALSE(DateTextsCache(dir.path(), key).find(locale, calendar));

    const QString victim = dir.filePath(QStringLiteral("victim"));
    writeAll(victim, "not the cache's\n");
    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(QFile::link(victim, path));
    DateTextsCache(dir.path(), key).insert(locale, calendar, someNames());
    EXPECT_EQ(readAll(victim), QByteArray("not the cache's\n"));
    EXPECT_FALSE(QFileInfo(path).isSymLink());
    EXPECT_EQ(DateTextsCache(dir.path(), key).find(locale, calendar), someNames());
}

TEST(DateTextsCache, NamesThatTheFileCannotHoldStayInMemory)
{
    QTemporaryDir dir;
    DateTextsCache cache(dir.path(), key);
    auto names = someNames();
    names.months[0] = QStringLiteral("tab\there");
    cache.insert(QStringLiteral("xx_XX"), CalendarIdentifier::gregorian, names);
    cache.insert(QStringLiteral("en_US"), CalendarIdentifier::gregorian, someNames());
    EXPECT_EQ(cache.find(QStringLiteral("xx_XX"), CalendarIdentifier::gregorian), names);
    const DateTextsCache reread(dir.path(), key);
    EXPECT_FALSE(reread.find(QStringLiteral("xx_XX"), CalendarIdentifier::gregorian));
    EXPECT_EQ(reread.find(QStringLiteral("en_US"), CalendarIdentifier::gregorian), someNames());
}

TEST(DateTextsCache, TheKeyNamesThisBuildAndTheIcuItRunsOn)
{
    const QByteArray current = DateTextsCache::currentKey();
    EXPECT_TRUE(current.startsWith("module=/")) << current.constData();
    EXPECT_TRUE(current.contains("libicuuc")) << current.constData();
    EXPECT_EQ(DateTextsCache::currentKey(), current);
    // Without a key there is no file to share.
    QTemporaryDir dir;
    DateTextsCache none(dir.path(), QByteArray());
    none.insert(QStringLiteral("en_US"), CalendarIdentifier::gregorian, someNames());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

} // namespace
