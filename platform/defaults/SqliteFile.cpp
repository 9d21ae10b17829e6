// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/defaults/SqliteFile.h"

#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <thread>

namespace platform {

namespace {

// A database file opened through SQLite's own file layer rather than with
// open(2). POSIX locks belong to the process, so closing any descriptor of
// the file would drop the locks of every connection this process holds on
// it; SQLite's layer knows those connections and keeps its descriptor open
// until they are done.
class SqliteDatabaseFile
{
public:
    explicit SqliteDatabaseFile(const QString &path)
        : vfs_(sqlite3_vfs_find(nullptr)),
          name_(sqlite3_create_filename(QFile::encodeName(path).constData(), "", "", 0, nullptr))
    {
        if (!vfs_ || !name_)
            return;
        storage_.reset(
            new std::max_align_t[static_cast<std::size_t>(vfs_->szOsFile) / sizeof(std::max_align_t) + 1]());
        file_ = reinterpret_cast<sqlite3_file *>(storage_.get());
        int flags = 0;
        if (vfs_->xOpen(vfs_, name_, file_, SQLITE_OPEN_READONLY | SQLITE_OPEN_MAIN_DB, &flags) !=
            SQLITE_OK) {
            close();
            return;
        }
        opened_ = true;
    }
    ~SqliteDatabaseFile()
    {
        close();
        sqlite3_free_filename(name_);
    }
    SqliteDatabaseFile(const SqliteDatabaseFile &) = delete;
    SqliteDatabaseFile &operator=(const SqliteDatabaseFile &) = delete;

    std::optional<qint64> size() const
    {
        sqlite3_int64 n = 0;
        if (!opened_ || file_->pMethods->xFileSize(file_, &n) != SQLITE_OK)
            return std::nullopt;
        return n;
    }
    bool read(void *into, int bytes, qint64 offset) const
    {
        return opened_ && file_->pMethods->xRead(file_, into, bytes, offset) == SQLITE_OK;
    }

private:
    void close()
    {
        // SQLite's layer may set its methods even when the open failed; they close it then.
        if (file_ && file_->pMethods)
            file_->pMethods->xClose(file_);
        file_ = nullptr;
        opened_ = false;
    }

    sqlite3_vfs *vfs_;
    sqlite3_filename name_;
    std::unique_ptr<std::max_align_t[]> storage_;
    sqlite3_file *file_ = nullptr;
    bool opened_ = false;
};

// Copies the database file at `from` to a new file `to` through SQLite's layer.
bool copyDatabaseFile(const QString &from, const QString &to)
{
    SqliteDatabaseFile source(from);
    const std::optional<qint64> size = source.size();
    QFile target(to);
    if (!size || !target.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    constexpr qint64 chunk = 64 * 1024;
    QByteArray buffer(static_cast<qsizetype>(chunk), Qt::Uninitialized);
    for (qint64 at = 0; at < *size; at += chunk) {
        const int n = static_cast<int>(std::min(chunk, *size - at));
        if (!source.read(buffer.data(), n, at) || target.write(buffer.constData(), n) != n)
            return false;
    }
    return target.flush();
}

// Reading the schema is the first thing that touches the file (and, for a
// WAL database, its shared memory), so it tells whether reading works.
int probe(sqlite3 *db)
{
    sqlite3_stmt *stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(stmt) == SQLITE_ROW ? SQLITE_OK : sqlite3_errcode(db);
    sqlite3_finalize(stmt);
    return rc;
}

int openProbed(const QByteArray &name, int flags, sqlite3 **out)
{
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(name.constData(), &db, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 1000);
        rc = probe(db);
    }
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        return rc;
    }
    *out = db;
    return SQLITE_OK;
}

// Copies the file and its log into a private folder, lets SQLite read them
// there, and keeps the result in memory.
int openFromCopy(const QString &path, sqlite3 **out)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return SQLITE_CANTOPEN;
    const QString copy = dir.filePath(QStringLiteral("copy.sqlite"));
    if (!copyDatabaseFile(path, copy))
        return SQLITE_CANTOPEN;
    // The log holds no lock of ours (SQLite locks the file and its shared
    // memory only), so a plain copy of it drops nothing.
    const QString wal = path + QStringLiteral("-wal");
    if (QFileInfo::exists(wal) && !isSpecialFile(wal) && !QFile::copy(wal, copy + QStringLiteral("-wal")))
        return SQLITE_CANTOPEN;
    sqlite3 *src = nullptr;
    int rc = openProbed(QFile::encodeName(copy), SQLITE_OPEN_READWRITE, &src);
    if (rc != SQLITE_OK)
        return rc;
    sqlite3 *memory = nullptr;
    rc = sqlite3_open_v2(":memory:", &memory, SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_backup *backup = sqlite3_backup_init(memory, "main", src, "main");
        rc = backup ? sqlite3_backup_step(backup, -1) : sqlite3_errcode(memory);
        if (backup)
            sqlite3_backup_finish(backup);
        rc = rc == SQLITE_DONE ? SQLITE_OK : rc;
    }
    sqlite3_close_v2(src);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(memory);
        return rc;
    }
    *out = memory;
    return SQLITE_OK;
}

// Whether the file is a database already in write-ahead-log mode, which the
// file itself keeps: switching it again only costs a round through the pager.
bool inLogMode(const QString &path)
{
    SqliteDatabaseFile file(path);
    char header[20];
    return file.read(header, sizeof header, 0) && std::memcmp(header, "SQLite format 3\0", 16) == 0 &&
           header[18] == 2 && header[19] == 2;
}

constexpr char switchToWal[] = "PRAGMA journal_mode=WAL;";

int openChecked(const QString &path, const char *setup, sqlite3 **out)
{
    if (inLogMode(path) && qstrncmp(setup, switchToWal, sizeof switchToWal - 1) == 0)
        setup += sizeof switchToWal - 1;
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        // SQLite quietly opens a write-protected file for reading only; every
        // write would then fail one by one. Say it at once instead.
        rc = sqlite3_db_readonly(db, "main") == 1 ? SQLITE_READONLY
                                                  : sqlite3_exec(db, setup, nullptr, nullptr, nullptr);
    }
    // Every open checks the pages: a file can look whole from its header and
    // still hold a damaged page, which is better found here than mid-read.
    if (rc == SQLITE_OK) {
        sqlite3_stmt *check = nullptr;
        rc = sqlite3_prepare_v2(db, "PRAGMA quick_check", -1, &check, nullptr);
        if (rc == SQLITE_OK) {
            rc = sqlite3_step(check);
            if (rc == SQLITE_ROW) {
                const auto *result = reinterpret_cast<const char *>(sqlite3_column_text(check, 0));
                rc = (result && qstrcmp(result, "ok") == 0) ? SQLITE_OK : SQLITE_CORRUPT;
            } else if (rc == SQLITE_DONE) {
                rc = SQLITE_OK;
            }
        }
        sqlite3_finalize(check);
    }
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        return rc;
    }
    *out = db;
    return SQLITE_OK;
}

} // namespace

bool isSqliteCorruption(int resultCode)
{
    resultCode &= 0xff;
    return resultCode == SQLITE_NOTADB || resultCode == SQLITE_CORRUPT;
}

bool isSpecialFile(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return false; // absent (or unreachable, which opening reports)
    return !S_ISREG(st.st_mode);
}

int openSqliteForReading(const QString &path, sqlite3 **out, bool *snapshot)
{
    if (snapshot)
        *snapshot = false;
    if (!QFileInfo::exists(path))
        return SQLITE_CANTOPEN;
    if (isSpecialFile(path))
        return SQLITE_NOTADB;
    // SQLite would open a FIFO in the log's place and wait on it; the copy
    // and the unchangeable read leave such a log alone.
    const bool sideSpecial =
        isSpecialFile(path + QStringLiteral("-wal")) || isSpecialFile(path + QStringLiteral("-shm"));
    const int direct =
        sideSpecial ? SQLITE_CANTOPEN : openProbed(QFile::encodeName(path), SQLITE_OPEN_READONLY, out);
    if (direct == SQLITE_OK || isSqliteCorruption(direct))
        return direct;
    if (snapshot)
        *snapshot = true;
    if (openFromCopy(path, out) == SQLITE_OK)
        return SQLITE_OK;
    // No room for a copy either: the file without its log is still better than nothing.
    const QByteArray uri = QUrl::fromLocalFile(path).toEncoded() + "?immutable=1";
    if (openProbed(uri, SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, out) == SQLITE_OK)
        return SQLITE_OK;
    return direct;
}

namespace {

// A check that finds damage may have read another process's log while that
// process reset it under a reader whose locks had been dropped (by a program
// that opened and closed the file itself). Such a failure passes: the file is
// looked at again, on a fresh connection holding it, before anything is
// moved. The pauses together stay within a frame of the window.
constexpr int damageChecks = 3;
constexpr int pauseBetweenChecksMs[damageChecks - 1] = {3, 10};

int openConfirmed(const QString &path, const char *setup, sqlite3 **out)
{
    int rc = openChecked(path, setup, out);
    for (int i = 0; i + 1 < damageChecks && isSqliteCorruption(rc); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(pauseBetweenChecksMs[i]));
        rc = openChecked(path, setup, out);
    }
    return rc;
}

QByteArray quoted(const QByteArray &name)
{
    QByteArray q = name;
    q.replace('"', "\"\"");
    return '"' + q + '"';
}

// The column names of `table` in the fresh file.
QList<QByteArray> columnsOf(sqlite3 *db, const QByteArray &table)
{
    QList<QByteArray> columns;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray sql = "SELECT * FROM " + quoted(table) + " LIMIT 0";
    if (sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr) == SQLITE_OK) {
        for (int i = 0; i < sqlite3_column_count(stmt); ++i)
            columns << QByteArray(sqlite3_column_name(stmt, i));
    }
    sqlite3_finalize(stmt);
    return columns;
}

// How many unreadable stretches one scan steps over before it gives up.
constexpr int skipsPerScan = 64;

// Copies the rows of `table` that `source` can still read into `target`,
// walking the row ids in one direction; past an unreadable stretch it goes
// on further along, twice as far each time until rows come again.
int copyReadableRows(sqlite3 *source, sqlite3 *target, const QByteArray &table,
                     const QList<QByteArray> &columns, bool ascending)
{
    QByteArray list;
    QByteArray marks;
    for (const QByteArray &c : columns) {
        list += ", " + quoted(c);
        marks += ", ?";
    }
    const QByteArray select =
        "SELECT rowid" + list + " FROM " + quoted(table) +
        (ascending ? " WHERE rowid > ?1 ORDER BY rowid" : " WHERE rowid < ?1 ORDER BY rowid DESC");
    const QByteArray insert =
        "INSERT OR IGNORE INTO " + quoted(table) + "(rowid" + list + ") VALUES(?" + marks + ")";
    sqlite3_stmt *read = nullptr;
    sqlite3_stmt *write = nullptr;
    int copied = 0;
    if (sqlite3_prepare_v2(source, select.constData(), -1, &read, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(target, insert.constData(), -1, &write, nullptr) == SQLITE_OK) {
        qint64 from = ascending ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max();
        qint64 stride = 1;
        for (int skips = 0; skips <= skipsPerScan; ++skips) {
            sqlite3_bind_int64(read, 1, from);
            int rc;
            while ((rc = sqlite3_step(read)) == SQLITE_ROW) {
                for (int i = 0; i <= columns.size(); ++i)
                    sqlite3_bind_value(write, i + 1, sqlite3_column_value(read, i));
                if (sqlite3_step(write) == SQLITE_DONE && sqlite3_changes(target) == 1)
                    ++copied;
                sqlite3_reset(write);
                from = sqlite3_column_int64(read, 0);
                stride = 1;
            }
            sqlite3_reset(read);
            if (rc == SQLITE_DONE)
                break;
            // In unsigned arithmetic: the distance from a negative row id to
            // the largest one does not fit a signed 64-bit number.
            const quint64 room =
                ascending
                    ? static_cast<quint64>(std::numeric_limits<qint64>::max()) - static_cast<quint64>(from)
                    : static_cast<quint64>(from) - static_cast<quint64>(std::numeric_limits<qint64>::min());
            if (room <= static_cast<quint64>(stride))
                break;
            from = ascending ? from + stride : from - stride;
            stride = std::min<qint64>(stride * 2, qint64(1) << 40);
        }
    }
    sqlite3_finalize(read);
    sqlite3_finalize(write);
    return copied;
}

// Every row of the tables `target` has that can still be read from the
// damaged file at `damaged` (with its log) goes into `target`. Returns how
// many rows were kept.
int salvageRows(const QString &damaged, sqlite3 *target)
{
    // Reading a file in log mode makes its log and shared memory, which are
    // no part of what is kept.
    const QStringList sides{damaged + QStringLiteral("-wal"), damaged + QStringLiteral("-shm")};
    const bool sideBefore[] = {QFileInfo::exists(sides[0]), QFileInfo::exists(sides[1])};
    const auto cleanUp = qScopeGuard([&] {
        for (int i = 0; i < 2; ++i) {
            if (!sideBefore[i])
                QFile::remove(sides[i]);
        }
    });
    sqlite3 *source = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(damaged).constData(), &source,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_FULLMUTEX, nullptr) != SQLITE_OK) {
        sqlite3_close_v2(source);
        return 0;
    }
    QList<QByteArray> tables;
    sqlite3_stmt *list = nullptr;
    if (sqlite3_prepare_v2(target,
                           "SELECT name FROM sqlite_master WHERE type = 'table' AND name NOT LIKE 'sqlite_%'",
                           -1, &list, nullptr) == SQLITE_OK) {
        while (sqlite3_step(list) == SQLITE_ROW)
            tables << QByteArray(reinterpret_cast<const char *>(sqlite3_column_text(list, 0)));
    }
    sqlite3_finalize(list);
    int kept = 0;
    if (sqlite3_exec(target, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) == SQLITE_OK) {
        for (const QByteArray &table : tables) {
            const QList<QByteArray> columns = columnsOf(target, table);
            // From both ends: rows beyond a damaged page that the first walk
            // stepped over are reached from the other side.
            kept += copyReadableRows(source, target, table, columns, true);
            kept += copyReadableRows(source, target, table, columns, false);
        }
        if (sqlite3_exec(target, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK) {
            sqlite3_exec(target, "ROLLBACK", nullptr, nullptr, nullptr);
            kept = 0;
        }
    }
    sqlite3_close_v2(source);
    return kept;
}

} // namespace

int openSqliteFile(const QString &path, const char *setup, const QString &what, sqlite3 **out)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
    // A FIFO or folder in the place of the log holds no data of the file;
    // it goes aside on its own and the file is kept.
    for (const char *suffix : {"-wal", "-shm"}) {
        const QString side = path + QLatin1String(suffix);
        if (!isSpecialFile(side))
            continue;
        const QString aside = path + QStringLiteral(".corrupt-") + stamp + QLatin1String(suffix);
        const bool moved = QFile::rename(side, aside);
        consoleWarning(lcSettings(), QStringLiteral("%1 %2 is not a regular file; %3")
                                         .arg(what, side,
                                              moved ? QStringLiteral("moved it to %1").arg(aside)
                                                    : QStringLiteral("could not move it aside")));
        if (!moved)
            return SQLITE_CANTOPEN;
    }
    const bool special = isSpecialFile(path);
    int rc = special ? SQLITE_NOTADB : openConfirmed(path, setup, out);
    if (rc == SQLITE_OK || !isSqliteCorruption(rc))
        return rc;
    const QString aside = path + QStringLiteral(".corrupt-") + stamp;
    const bool moved = QFile::rename(path, aside);
    if (moved) {
        // The log goes with the file: rows committed to it are part of what
        // can still be read. The shared memory is only an index of the log.
        // (Opening the file may have made an empty one, which holds nothing.)
        const QString wal = path + QStringLiteral("-wal");
        if (QFileInfo(wal).size() == 0 || !QFile::rename(wal, aside + QStringLiteral("-wal")))
            QFile::remove(wal);
        QFile::remove(path + QStringLiteral("-shm"));
    }
    const int reopened = moved ? openChecked(path, setup, out) : rc;
    const int kept = reopened == SQLITE_OK && !special ? salvageRows(aside, *out) : 0;
    consoleWarning(
        lcSettings(),
        QStringLiteral("%1 %2 was unreadable (%3); %4")
            .arg(what, path, QString::fromUtf8(sqlite3_errstr(rc)),
                 !moved     ? QStringLiteral("could not move it aside")
                 : kept > 0 ? QStringLiteral("moved it to %1, starting afresh with the %2 entries that could "
                                             "still be read")
                                  .arg(aside)
                                  .arg(kept)
                            : QStringLiteral("moved it to %1, starting afresh").arg(aside)));
    return reopened;
}

} // namespace platform
