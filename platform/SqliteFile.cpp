#include "platform/SqliteFile.h"

#include "platform/Console.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace platform {

namespace {

int openChecked(const QString &path, const char *setup, sqlite3 **out)
{
    sqlite3 *db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        rc = sqlite3_exec(db, setup, nullptr, nullptr, nullptr);
    }
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

int openSqliteFile(const QString &path, const char *setup, const QString &what, sqlite3 **out)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    int rc = openChecked(path, setup, out);
    if (rc == SQLITE_OK || !isSqliteCorruption(rc))
        return rc;
    const QString aside =
        path + QStringLiteral(".corrupt-") + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmsszzz"));
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
