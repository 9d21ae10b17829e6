#include "platform/defaults/SqliteFile.h"

#include "platform/system/Console.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QUrl>
#include <sqlite3.h>
#include <sys/stat.h>

namespace platform {

namespace {

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
    if (!QFile::copy(path, copy))
        return SQLITE_CANTOPEN;
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(20);
    return header.size() == 20 && header.startsWith(QByteArrayLiteral("SQLite format 3\0")) &&
           header.at(18) == 2 && header.at(19) == 2;
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
        consoleLog(QStringLiteral("%1 %2 is not a regular file; %3")
                       .arg(what, side,
                            moved ? QStringLiteral("moved it to %1").arg(aside)
                                  : QStringLiteral("could not move it aside")));
        if (!moved)
            return SQLITE_CANTOPEN;
    }
    int rc = isSpecialFile(path) ? SQLITE_NOTADB : openChecked(path, setup, out);
    if (rc == SQLITE_OK || !isSqliteCorruption(rc))
        return rc;
    const QString aside = path + QStringLiteral(".corrupt-") + stamp;
    const bool moved = QFile::rename(path, aside);
    if (moved) {
        for (const char *suffix : {"-wal", "-shm"})
            QFile::remove(path + QLatin1String(suffix));
    }
    consoleLog(QStringLiteral("%1 %2 was unreadable (%3); %4")
                   .arg(what, path, QString::fromUtf8(sqlite3_errstr(rc)),
                        moved ? QStringLiteral("moved it to %1, starting afresh").arg(aside)
                              : QStringLiteral("could not move it aside")));
    return moved ? openChecked(path, setup, out) : rc;
}

} // namespace platform
