// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The SQLite-backed suite: typed values, two writers, and files that are not
// what they should be.
#include "platform/defaults/UserDefaults.h"

#include "TestEnvironment.h"
#include "platform/defaults/StandardUserDefaults.h"
#include "platform/system/Console.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

using platform::UserDefaults;

namespace {

struct CapturedConsole
{
    CapturedConsole()
    {
        previous = platform::setConsoleSink([this](const QString &line) { lines << line; });
    }
    ~CapturedConsole() { platform::setConsoleSink(previous); }
    QStringList lines;
    platform::ConsoleSink previous;
};

TEST(UserDefaults, KeepsEachValueWithItsType)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    {
        auto suite = UserDefaults::open(path);
        suite->setInteger(QStringLiteral("i"), -9'000'000'000LL);
        suite->setBoolean(QStringLiteral("b"), false);
        suite->setString(QStringLiteral("s"), QStringLiteral("٢٠٢٦ text"));
        suite->setDate(QStringLiteral("d"), platform::instantFromMSecs(1'780'000'000'123));
        EXPECT_TRUE(suite->flush());
    }
    auto suite = UserDefaults::open(path);
    EXPECT_EQ(suite->integer(QStringLiteral("i")), -9'000'000'000LL);
    EXPECT_EQ(suite->boolean(QStringLiteral("b")), false);
    EXPECT_EQ(suite->string(QStringLiteral("s")), QStringLiteral("٢٠٢٦ text"));
    EXPECT_EQ(suite->date(QStringLiteral("d")), platform::instantFromMSecs(1'780'000'000'123));
    // Another type under the key is no value of the asked type.
    EXPECT_FALSE(suite->integer(QStringLiteral("b")).has_value());
    EXPECT_FALSE(suite->boolean(QStringLiteral("i")).has_value());
    EXPECT_FALSE(suite->string(QStringLiteral("missing")).has_value());
    suite->remove(QStringLiteral("i"));
    EXPECT_EQ(suite->type(QStringLiteral("i")), UserDefaults::Type::none);
    EXPECT_EQ(suite->keys(), (QStringList{QStringLiteral("b"), QStringLiteral("d"), QStringLiteral("s")}));
}

TEST(UserDefaults, TwoProcessesWritingAtOnceLoseNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    UserDefaults::open(path); // both writers find the schema in place
    QProcess a, b;
    a.start(QStringLiteral(SUITE_WRITER), {path, QStringLiteral("a"), QStringLiteral("200")});
    b.start(QStringLiteral(SUITE_WRITER), {path, QStringLiteral("b"), QStringLiteral("200")});
    ASSERT_TRUE(a.waitForFinished(120000));
    ASSERT_TRUE(b.waitForFinished(120000));
    EXPECT_EQ(a.exitCode(), 0);
    EXPECT_EQ(b.exitCode(), 0);
    auto suite = UserDefaults::open(path);
    EXPECT_EQ(suite->keys().size(), 401);
    for (int i = 0; i < 200; i += 37) {
        EXPECT_EQ(suite->integer(QStringLiteral("a-%1").arg(i)), i);
        EXPECT_EQ(suite->integer(QStringLiteral("b-%1").arg(i)), i);
    }
    EXPECT_EQ(suite->integer(QStringLiteral("shared")), 199);
}

// Reads are answered from memory until the file changes; a commit by
// another process or connection is seen at the very next read, also after it
// restarted the log (same size, new salts), and by a read-only reader too.
TEST(UserDefaults, AValueSavedElsewhereIsReadAtTheNextRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    auto suite = UserDefaults::open(path);
    auto reader = UserDefaults::openReadOnly(path);
    suite->setInteger(QStringLiteral("shared"), -1);
    EXPECT_EQ(suite->integer(QStringLiteral("shared")), -1);
    EXPECT_EQ(reader->integer(QStringLiteral("shared")), -1);

    QProcess writer;
    writer.start(QStringLiteral(SUITE_WRITER), {path, QStringLiteral("w"), QStringLiteral("3")});
    ASSERT_TRUE(writer.waitForFinished(60000));
    EXPECT_EQ(suite->integer(QStringLiteral("shared")), 2);
    EXPECT_EQ(reader->integer(QStringLiteral("shared")), 2);

    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
    for (const int value : {7, 8}) {
        ASSERT_EQ(sqlite3_exec(other, "PRAGMA wal_checkpoint(TRUNCATE)", nullptr, nullptr, nullptr),
                  SQLITE_OK);
        const QByteArray update =
            "UPDATE defaults SET value = " + QByteArray::number(value) + " WHERE key = 'shared'";
        ASSERT_EQ(sqlite3_exec(other, update.constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        EXPECT_EQ(suite->integer(QStringLiteral("shared")), value);
        EXPECT_EQ(reader->integer(QStringLiteral("shared")), value);
    }
    sqlite3_close(other);
    suite->setInteger(QStringLiteral("shared"), 9);
    EXPECT_EQ(suite->integer(QStringLiteral("shared")), 9);
    EXPECT_EQ(reader->integer(QStringLiteral("shared")), 9);
}

TEST(UserDefaults, ACorruptFileIsMovedAsideAndReplaced)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'x'));
    }
    CapturedConsole console;
    auto suite = UserDefaults::open(path);
    EXPECT_TRUE(suite->isPersistent());
    suite->setInteger(QStringLiteral("k"), 1);
    EXPECT_EQ(suite->integer(QStringLiteral("k")), 1);
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("suite.sqlite.corrupt-*")});
    ASSERT_EQ(aside.size(), 1);
    EXPECT_EQ(QFile(dir.filePath(aside.first())).size(), 8192) << "the old file is kept, not deleted";
    ASSERT_EQ(console.lines.size(), 1);
    EXPECT_TRUE(console.lines.first().contains(aside.first()));
}

// A file the last writer closed cleanly opens as it is; one cut short, one
// with a damaged page behind a whole header, or one left with a log by a
// crash goes aside.
TEST(UserDefaults, ACutOrDamagedFileIsMovedAsideEvenWhenItsHeaderLooksWhole)
{
    struct Row
    {
        const char *what;
        qint64 keep;  // bytes left; -1 leaves the file as written
        bool damaged; // its second page overwritten
        bool logLeft; // and a log left behind, as by a crash
        bool movedAside;
    };
    const Row rows[] = {
        {"closed cleanly", -1, false, false, false},
        {"cut to its first page", 4096, false, false, true},
        {"cut to two pages", 8192, false, false, true},
        {"cut inside a page", 5000, false, false, true},
        {"a damaged page behind a whole header", -1, true, false, true},
        {"damaged by a crash that left its log", -1, true, true, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
        {
            auto suite = UserDefaults::open(path);
            QList<std::pair<QString, UserDefaults::Value>> values;
            for (int i = 0; i < 200; ++i)
                values.append(
                    {QStringLiteral("key%1").arg(i), UserDefaults::Value(QString(40, QLatin1Char('v')))});
            ASSERT_TRUE(suite->setValues(values));
        }
        ASSERT_FALSE(QFileInfo::exists(path + QStringLiteral("-wal"))) << "the last writer leaves no log";
        ASSERT_GT(QFileInfo(path).size(), 8192);
        if (row.keep >= 0) {
            ASSERT_TRUE(QFile::resize(path, row.keep));
        }
        if (row.damaged) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadWrite));
            file.seek(4096);
            file.write(QByteArray(4096, '\xff'));
        }
        if (row.logLeft) {
            QFile log(path + QStringLiteral("-wal"));
            ASSERT_TRUE(log.open(QIODevice::WriteOnly));
            log.write(QByteArray(32, '\0'));
        }
        CapturedConsole console;
        auto suite = UserDefaults::open(path);
        const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("suite.sqlite.corrupt-*")});
        EXPECT_EQ(aside.size(), row.movedAside ? 1 : 0);
        EXPECT_EQ(suite->string(QStringLiteral("key199")).has_value(), !row.movedAside);
        suite->setInteger(QStringLiteral("k"), 7);
        EXPECT_EQ(suite->integer(QStringLiteral("k")), 7);
        EXPECT_TRUE(suite->isPersistent());
    }
}

// A file that really is damaged still holds rows on its whole pages: they
// are what the user stored, and the fresh file starts with them.
TEST(UserDefaults, ADamagedFileIsReplacedByOneHoldingEveryRowThatCanStillBeRead)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    constexpr int rows = 2000;
    const auto valueOf = [](int i) -> QString {
        return QStringLiteral("%1:").arg(i) + QString(200, QLatin1Char('v'));
    };
    {
        QList<std::pair<QString, UserDefaults::Value>> values;
        for (int i = 0; i < rows; ++i)
            values.append({QStringLiteral("key%1").arg(i), UserDefaults::Value(valueOf(i))});
        ASSERT_TRUE(UserDefaults::open(path)->setValues(values));
    }
    const qint64 pages = QFileInfo(path).size() / 4096;
    ASSERT_GT(pages, 100);
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(pages / 2 * 4096);
        file.write(QByteArray(4096, '\xff'));
    }
    CapturedConsole console;
    auto suite = UserDefaults::open(path);
    ASSERT_EQ(QDir(dir.path()).entryList({QStringLiteral("suite.sqlite.corrupt-*")}).size(), 1);
    int kept = 0;
    for (int i = 0; i < rows; ++i) {
        const auto value = suite->string(QStringLiteral("key%1").arg(i));
        if (!value)
            continue;
        ++kept;
        EXPECT_EQ(*value, valueOf(i)) << "a kept row is the row stored";
    }
    // One page of a table this size holds about twenty rows.
    EXPECT_GE(kept, rows - 60);
    ASSERT_EQ(console.lines.size(), 1);
    EXPECT_TRUE(console.lines.first().contains(QString::number(kept))) << console.lines.first().toStdString();
    suite->setInteger(QStringLiteral("after"), 1);
    EXPECT_EQ(suite->integer(QStringLiteral("after")), 1);
}

// Every part of a process that asks for a file (the window's store
// components, its event store, its placement) gets the one suite of it:
// connections of their own would each check and perhaps move the file.
TEST(UserDefaults, EveryUserOfAFileInOneProcessSharesOneSuite)
{
    testenv::ScopedEnvironment env;
    const QString path = UserDefaults::suitePath(QStringLiteral("org.qamarly.Qamarly"));
    const auto first = platform::standardUserDefaults();
    EXPECT_EQ(UserDefaults::standard().get(), first.get());
    EXPECT_EQ(UserDefaults::open(QFileInfo(path).absolutePath() + QStringLiteral("/../qamarly/") +
                                 QFileInfo(path).fileName())
                  .get(),
              first.get());
}

// Another process holding the write lock must not hold the window's thread:
// the change is kept, read back at once, and reaches the file in the
// background as soon as the lock goes, all of a batch together.
// GCC with the sanitizers takes the QString alternative of the moved
// variants below for uninitialised, as in the test of several values.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
TEST(UserDefaults, AWriteThatMeetsALockIsKeptAndStoredWhenTheLockGoes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    auto suite = UserDefaults::open(path);
    suite->setInteger(QStringLiteral("before"), 1);
    sqlite3 *other = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(path).constData(), &other), SQLITE_OK);
    const auto storedThere = [other](const char *key) {
        sqlite3_stmt *s = nullptr;
        sqlite3_prepare_v2(other, "SELECT value FROM defaults WHERE key = ?1", -1, &s, nullptr);
        sqlite3_bind_text(s, 1, key, -1, SQLITE_STATIC);
        const std::optional<qint64> v =
            sqlite3_step(s) == SQLITE_ROW ? std::optional<qint64>(sqlite3_column_int64(s, 0)) : std::nullopt;
        sqlite3_finalize(s);
        return v;
    };
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK);

    suite->setInteger(QStringLiteral("k"), 5);
    EXPECT_TRUE(suite->setValues({{QStringLiteral("a"), UserDefaults::Value(std::int64_t{1})},
                                  {QStringLiteral("b"), UserDefaults::Value(std::int64_t{2})}}));
    suite->remove(QStringLiteral("before"));
    EXPECT_TRUE(suite->flush());
    EXPECT_EQ(suite->integer(QStringLiteral("k")), 5);
    EXPECT_EQ(suite->integer(QStringLiteral("b")), 2);
    EXPECT_EQ(suite->type(QStringLiteral("before")), UserDefaults::Type::none);
    EXPECT_EQ(suite->keys(), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("k")}));
    EXPECT_EQ(storedThere("k"), std::nullopt) << "the lock is still held";

    ASSERT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    ASSERT_TRUE(suite->waitForWrites(30000));
    EXPECT_EQ(storedThere("k"), 5);
    EXPECT_EQ(storedThere("a"), 1);
    EXPECT_EQ(storedThere("b"), 2);
    EXPECT_EQ(storedThere("before"), std::nullopt);
    sqlite3_close(other);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// The write-ahead log lets the widget read while the application writes: a
// whole file left in the older journal mode is switched on its next open.
TEST(UserDefaults, AFileInTheOlderJournalModeIsSwitchedToTheLog)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    const auto modeBytes = [&path] {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.read(20).mid(18, 2);
    };
    UserDefaults::open(path)->setInteger(QStringLiteral("k"), 1);
    ASSERT_EQ(modeBytes(), QByteArray("\x02\x02", 2));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(18);
        file.write(QByteArray("\x01\x01", 2));
    }
    auto suite = UserDefaults::open(path);
    EXPECT_EQ(suite->integer(QStringLiteral("k")), 1);
    suite->setInteger(QStringLiteral("k"), 2);
    suite.reset();
    EXPECT_EQ(modeBytes(), QByteArray("\x02\x02", 2));
    EXPECT_EQ(UserDefaults::open(path)->integer(QStringLiteral("k")), 2);
}

TEST(UserDefaults, AnUnwritablePlaceGivesAWorkingSuiteInMemory)
{
    QTemporaryDir dir;
    // A file where the folder should be: nothing can be created below it (even as root).
    const QString blocker = dir.filePath(QStringLiteral("not-a-folder"));
    QFile(blocker).open(QIODevice::WriteOnly);
    CapturedConsole console;
    auto suite = UserDefaults::open(blocker + QStringLiteral("/qamarly/suite.sqlite"));
    EXPECT_FALSE(suite->isPersistent());
    suite->setBoolean(QStringLiteral("b"), true);
    EXPECT_EQ(suite->boolean(QStringLiteral("b")), true);
    EXPECT_EQ(console.lines.size(), 1);
}

TEST(UserDefaults, ADefaultNeverReplacesAValueOfItsType)
{
    using Value = UserDefaults::Value;
    QTemporaryDir dir;
    auto suite = UserDefaults::open(dir.filePath(QStringLiteral("suite.sqlite")));
    auto check = [&](const char *what, const Value &before, const Value &fallback, const Value &after) {
        suite->set(QStringLiteral("k"), before);
        EXPECT_EQ(suite->setDefault(QStringLiteral("k"), fallback), after) << what;
        EXPECT_EQ(suite->value(QStringLiteral("k")), after) << what;
    };
    check("absent", Value(), Value(std::int64_t(18)), Value(std::int64_t(18)));
    check("same type", Value(std::int64_t(4)), Value(std::int64_t(18)), Value(std::int64_t(4)));
    check("another type", Value(QStringLiteral("x")), Value(std::int64_t(18)), Value(std::int64_t(18)));
    check("boolean kept", Value(false), Value(true), Value(false));
    check("integer for a boolean", Value(std::int64_t(1)), Value(true), Value(true));
}

// GCC with the sanitizers takes the QString alternative of a moved variant
// for uninitialised although the variant holds another alternative.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
TEST(UserDefaults, SeveralValuesGoInTogetherAndAReaderCannotWrite)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    auto suite = UserDefaults::open(path);
    suite->setInteger(QStringLiteral("gone"), 1);
    QList<std::pair<QString, UserDefaults::Value>> values;
    values.append({QStringLiteral("a"), UserDefaults::Value(std::int64_t(1))});
    values.append({QStringLiteral("b"), UserDefaults::Value(true)});
    values.append({QStringLiteral("gone"), UserDefaults::Value()});
    ASSERT_TRUE(suite->setValues(values));
    EXPECT_EQ(suite->keys(), (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
    EXPECT_TRUE(suite->canSave());
    EXPECT_TRUE(UserDefaults::inMemory()->canSave());

    CapturedConsole console;
    auto reader = UserDefaults::openReadOnly(path);
    EXPECT_FALSE(reader->canSave());
    values.resize(1);
    values[0].second = UserDefaults::Value(std::int64_t(2));
    EXPECT_FALSE(reader->setValues(values));
    EXPECT_EQ(suite->integer(QStringLiteral("a")), 1);
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

// Opening a FIFO blocks until someone writes to it: every place of the file
// and its two companions is tried with a FIFO and with a folder.
TEST(UserDefaults, ASpecialFileInThePlaceOfTheFileOrItsLogIsMovedAsideNotOpened)
{
    for (const char *suffix : {"", "-wal", "-shm"}) {
        for (const bool fifo : {true, false}) {
            const std::string what = std::string(fifo ? "FIFO" : "folder") + " at suite.sqlite" + suffix;
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
            const bool companion = *suffix != '\0';
            if (companion)
                UserDefaults::open(path)->setInteger(QStringLiteral("kept"), 7);
            const QByteArray special = QFile::encodeName(path + QLatin1String(suffix));
            QFile::remove(QString::fromLocal8Bit(special));
            ASSERT_EQ(fifo ? ::mkfifo(special.constData(), 0600) : ::mkdir(special.constData(), 0700), 0)
                << what;

            CapturedConsole console;
            auto suite = UserDefaults::open(path);
            EXPECT_TRUE(suite->isPersistent()) << what;
            suite->setInteger(QStringLiteral("k"), 1);
            EXPECT_EQ(suite->integer(QStringLiteral("k")), 1) << what;
            if (companion) {
                EXPECT_EQ(suite->integer(QStringLiteral("kept")), 7)
                    << what << ": the file itself is not damaged";
            }
            EXPECT_EQ(
                QDir(dir.path())
                    .entryList({QStringLiteral("suite.sqlite.corrupt-*")}, QDir::AllEntries | QDir::System)
                    .size(),
                1)
                << what;
            EXPECT_EQ(console.lines.size(), 1) << what;
        }
    }
}

// A reader that cannot make the shared-memory file (a read-only folder; here a
// folder in its place) still finds the last commits, which are in the log.
TEST(UserDefaults, AReaderThatCannotShareMemoryStillSeesTheLog)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    UserDefaults::open(path)->setInteger(QStringLiteral("shared"), -1);
    QProcess writer;
    writer.start(QStringLiteral(SUITE_WRITER),
                 {path, QStringLiteral("w"), QStringLiteral("20"), QStringLiteral("die")});
    ASSERT_TRUE(writer.waitForFinished(60000));
    ASSERT_EQ(writer.exitCode(), 0);
    ASSERT_GT(QFileInfo(path + QStringLiteral("-wal")).size(), 0) << "the writer left no log";
    for (const bool fifo : {false, true}) {
        const QByteArray shm = QFile::encodeName(path + QStringLiteral("-shm"));
        QFile::remove(QString::fromLocal8Bit(shm));
        ::rmdir(shm.constData());
        ASSERT_EQ(fifo ? ::mkfifo(shm.constData(), 0600) : ::mkdir(shm.constData(), 0700), 0);
        CapturedConsole console;
        auto reader = UserDefaults::openReadOnly(path);
        EXPECT_EQ(reader->integer(QStringLiteral("shared")), 19) << (fifo ? "FIFO" : "folder");
        EXPECT_EQ(reader->integer(QStringLiteral("w-0")), 0);
    }
}

// The widget reads while the application may be creating the file: an empty
// file is "nothing stored yet", said nowhere, and read again once filled.
TEST(UserDefaults, AReaderOfAFileBeingCreatedSeesDefaultsQuietlyThenTheValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("suite.sqlite"));
    QFile empty(path);
    ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
    empty.close();
    CapturedConsole console;
    auto reader = UserDefaults::openReadOnly(path);
    EXPECT_FALSE(reader->integer(QStringLiteral("adjustmentNumber")).has_value());
    EXPECT_TRUE(console.lines.isEmpty()) << console.lines.join(QLatin1Char('\n')).toStdString();

    UserDefaults::open(path)->setInteger(QStringLiteral("adjustmentNumber"), 2);
    EXPECT_EQ(reader->integer(QStringLiteral("adjustmentNumber")), 2);
}

TEST(UserDefaults, ConfigDirectoryFollowsXdgConfigHome)
{
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", "/tmp/qamarly-config-test");
    EXPECT_EQ(UserDefaults::suitePath(QStringLiteral("group.x")),
              QStringLiteral("/tmp/qamarly-config-test/qamarly/group.x.sqlite"));
    qputenv("XDG_CONFIG_HOME", "relative/is/ignored");
    EXPECT_EQ(UserDefaults::configDirectory(), QDir::homePath() + QStringLiteral("/.config/qamarly"));
    qputenv("XDG_CONFIG_HOME", saved);
}

} // namespace
