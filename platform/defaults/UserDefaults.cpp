// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/defaults/UserDefaults.h"

#include "platform/defaults/SqliteFile.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <chrono>
#include <map>
#include <sqlite3.h>
#include <thread>

namespace platform {

namespace {

// WAL lets the widget read while the application writes; FULL makes a
// committed write survive a crash. (An in-memory suite ignores both pragmas.)
constexpr const char *setup = "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"
                              "CREATE TABLE IF NOT EXISTS defaults ("
                              " key TEXT PRIMARY KEY NOT NULL,"
                              " type TEXT NOT NULL,"
                              " value)";

const char *typeName(UserDefaults::Type t)
{
    switch (t) {
    case UserDefaults::Type::integer:
        return "integer";
    case UserDefaults::Type::boolean:
        return "boolean";
    case UserDefaults::Type::string:
        return "string";
    case UserDefaults::Type::date:
        return "date";
    case UserDefaults::Type::none:
        break;
    }
    return "none";
}

UserDefaults::Type typeFromName(const unsigned char *name)
{
    const QByteArray n(reinterpret_cast<const char *>(name));
    if (n == "integer")
        return UserDefaults::Type::integer;
    if (n == "boolean")
        return UserDefaults::Type::boolean;
    if (n == "string")
        return UserDefaults::Type::string;
    if (n == "date")
        return UserDefaults::Type::date;
    return UserDefaults::Type::none;
}

// How long a write may wait for another process's lock in its caller's
// thread: less than a frame of the window. After that it waits in the background.
constexpr int lockWaitInCallerMs = 8;
constexpr auto backgroundRetryPause = std::chrono::milliseconds(20);
// At the end, what still waits may hold the closing thread this long.
constexpr int lockWaitAtCloseMs = 5000;

bool isLocked(int rc)
{
    return (rc & 0xff) == SQLITE_BUSY || (rc & 0xff) == SQLITE_LOCKED;
}

bool exec(sqlite3 *db, const char *sql)
{
    return sqlite3_exec(db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

// Copies whatever rows an unusable-for-writing file still yields.
void seedFrom(const QString &path, sqlite3 *memory)
{
    sqlite3 *src = nullptr;
    if (openSqliteForReading(path, &src) != SQLITE_OK)
        return;
    sqlite3_stmt *rows = nullptr;
    sqlite3_stmt *insert = nullptr;
    if (sqlite3_prepare_v2(src, "SELECT key, type, value FROM defaults", -1, &rows, nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(memory, "INSERT OR REPLACE INTO defaults(key, type, value) VALUES(?, ?, ?)", -1,
                           &insert, nullptr) == SQLITE_OK) {
        while (sqlite3_step(rows) == SQLITE_ROW) {
            for (int i = 0; i < 3; ++i)
                sqlite3_bind_value(insert, i + 1, sqlite3_column_value(rows, i));
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
    }
    sqlite3_finalize(rows);
    sqlite3_finalize(insert);
    sqlite3_close_v2(src);
}

// The shared WAL index of `db`'s file as SQLite has it mapped; null when
// the file is not in WAL mode or SQLite keeps the index to itself.
const volatile unsigned char *walIndexOf(sqlite3 *db)
{
    sqlite3_stmt *mode = nullptr;
    bool wal = false;
    if (sqlite3_prepare_v2(db, "PRAGMA journal_mode", -1, &mode, nullptr) == SQLITE_OK &&
        sqlite3_step(mode) == SQLITE_ROW)
        wal = qstricmp(reinterpret_cast<const char *>(sqlite3_column_text(mode, 0)), "wal") == 0;
    sqlite3_finalize(mode);
    sqlite3_file *file = nullptr;
    if (!wal ||
        sqlite3_file_control(db, "main", SQLITE_FCNTL_FILE_POINTER, static_cast<void *>(&file)) !=
            SQLITE_OK ||
        !file || !file->pMethods || file->pMethods->iVersion < 2 || !file->pMethods->xShmMap)
        return nullptr;
    // The index's first region, as SQLite itself maps it (never extended here).
    constexpr int regionSize = 32768;
    volatile void *region = nullptr;
    if (file->pMethods->xShmMap(file, 0, regionSize, 0, &region) != SQLITE_OK)
        return nullptr;
    return static_cast<const volatile unsigned char *>(region);
}

sqlite3 *openMemory()
{
    sqlite3 *db = nullptr;
    sqlite3_open_v2(":memory:", &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                    nullptr);
    exec(db, setup);
    return db;
}

} // namespace

namespace {
// $variable/qamarly, or ~/fallback/qamarly when it is unset or not absolute.
QString userDirectory(const char *variable, const char *fallback)
{
    QString base = QString::fromLocal8Bit(qgetenv(variable));
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QLatin1Char('/') + QLatin1String(fallback);
    return base + QStringLiteral("/qamarly");
}
} // namespace

QString UserDefaults::configDirectory()
{
    return userDirectory("XDG_CONFIG_HOME", ".config");
}

QString UserDefaults::cacheDirectory()
{
    return userDirectory("XDG_CACHE_HOME", ".cache");
}

QString UserDefaults::suitePath(const QString &name)
{
    return configDirectory() + QLatin1Char('/') + name + QStringLiteral(".sqlite");
}

std::shared_ptr<UserDefaults> UserDefaults::standard()
{
    return open(suitePath(QStringLiteral("org.qamarly.Qamarly")));
}

namespace {

// The suites this process has open, by file: everything in the process that
// asks for a file shares its one connection.
struct OpenSuites
{
    std::mutex mutex;
    std::map<QString, std::weak_ptr<UserDefaults>> byFile;
};

OpenSuites &openSuites()
{
    static OpenSuites suites;
    return suites;
}

// One name per file, however it was reached (a relative path, a linked folder).
QString fileKey(const QString &path)
{
    const QFileInfo info(path);
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

} // namespace

std::shared_ptr<UserDefaults> UserDefaults::open(const QString &path)
{
    OpenSuites &suites = openSuites();
    // Held while the file opens, so two threads asking at once share one connection.
    std::lock_guard lock(suites.mutex);
    std::erase_if(suites.byFile, [](const auto &entry) { return entry.second.expired(); });
    const QString key = fileKey(path);
    if (auto open = suites.byFile[key].lock())
        return open;
    std::shared_ptr<UserDefaults> suite = openFile(path);
    suites.byFile[fileKey(path)] = suite; // the folder exists now
    if (key != fileKey(path))
        suites.byFile.erase(key);
    return suite;
}

std::shared_ptr<UserDefaults> UserDefaults::inMemory()
{
    std::shared_ptr<UserDefaults> suite(new UserDefaults(openMemory(), QStringLiteral(":memory:"), false));
    suite->prepare();
    return suite;
}

std::shared_ptr<UserDefaults> UserDefaults::openFile(const QString &path)
{
    sqlite3 *db = nullptr;
    const int rc = openSqliteFile(path, setup, QStringLiteral("Settings file"), &db);
    if (rc != SQLITE_OK) {
        consoleWarning(
            lcSettings(),
            QStringLiteral(
                "Settings file %1 cannot be written (%2); the stored settings are read, but changes "
                "cannot be saved in this run")
                .arg(path, QString::fromUtf8(sqlite3_errstr(rc))));
        sqlite3 *memory = openMemory();
        if (!isSqliteCorruption(rc))
            seedFrom(path, memory);
        std::shared_ptr<UserDefaults> suite(new UserDefaults(memory, path, false));
        suite->prepare();
        return suite;
    }
    sqlite3_busy_timeout(db, lockWaitInCallerMs);
    std::shared_ptr<UserDefaults> suite(new UserDefaults(db, path, true));
    if (!suite->prepare())
        consoleWarning(
            lcSettings(),
            QStringLiteral("Settings file %1: %2").arg(path, QString::fromUtf8(sqlite3_errmsg(db))));
    return suite;
}

std::shared_ptr<UserDefaults> UserDefaults::openReadOnly(const QString &path)
{
    std::shared_ptr<UserDefaults> suite(new UserDefaults(nullptr, path, false));
    suite->readOnly_ = true;
    std::lock_guard lock(suite->mutex_);
    suite->attachReadOnly();
    return suite;
}

QString UserDefaults::fileStamp() const
{
    QString stamp;
    for (const QString &file : {path_, QString(path_ + QStringLiteral("-wal"))}) {
        const QFileInfo info(file);
        stamp += QString::number(info.size()) + QLatin1Char('@') +
                 QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char(';');
    }
    return stamp;
}

// Called with mutex_ held.
bool UserDefaults::readCacheValid() const
{
    if (!persistent_ && !readOnly_) {
        // Memory alone: only this suite's own writes change it, and they empty the cache.
        return true;
    }
    if (snapshot_ || !db_) {
        readCache_.clear();
        return false;
    }
    if (!walIndexLooked_) {
        // The connection has read its schema by now, so SQLite has mapped the index.
        walIndex_ = walIndexOf(db_);
        walIndexLooked_ = true;
    }
    if (!walIndex_)
        return false;
    // The header's two copies: a change counter, the last frame, the salts.
    std::array<unsigned char, 48> now;
    for (std::size_t i = 0; i < now.size(); ++i)
        now[i] = walIndex_[i];
    if (now == walIndexSeen_)
        return true;
    walIndexSeen_ = now;
    readCache_.clear();
    return false;
}

// Called with mutex_ held.
void UserDefaults::detachReadOnly() const
{
    readCache_.clear();
    walIndex_ = nullptr;
    walIndexLooked_ = false;
    sqlite3_finalize(select_);
    select_ = nullptr;
    sqlite3_close_v2(db_);
    db_ = nullptr;
}

namespace {

// An empty schema: the file is being created this moment (or was never
// written). A schema that cannot be read is a damaged file, reported by the caller.
bool hasNoTablesYet(sqlite3 *db)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT count(*) FROM sqlite_master", -1, &stmt, nullptr) != SQLITE_OK)
        return false;
    const bool none = sqlite3_step(stmt) == SQLITE_ROW && sqlite3_column_int(stmt, 0) == 0;
    sqlite3_finalize(stmt);
    return none;
}

} // namespace

// Called with mutex_ held.
bool UserDefaults::attachReadOnly() const
{
    if (select_ && snapshot_ && fileStamp() != snapshotStamp_)
        detachReadOnly();
    if (select_)
        return true;
    if (!readOnly_ || !QFileInfo::exists(path_))
        return false;
    sqlite3 *db = nullptr;
    sqlite3_stmt *select = nullptr;
    bool snapshot = false;
    const QString stamp = fileStamp();
    int rc = openSqliteForReading(path_, &db, &snapshot);
    if (rc == SQLITE_OK) {
        // WAL readers do not wait for writers; this only covers a checkpoint.
        sqlite3_busy_timeout(db, 100);
        rc = sqlite3_prepare_v3(db, "SELECT type, value FROM defaults WHERE key = ?", -1,
                                SQLITE_PREPARE_PERSISTENT, &select, nullptr);
    }
    if (rc != SQLITE_OK && db && hasNoTablesYet(db)) {
        // Nothing is stored yet, which is no fault: look again at the next read.
        sqlite3_close_v2(db);
        return false;
    }
    if (rc != SQLITE_OK) {
        if (!reportedUnreadable_)
            consoleWarning(lcSettings(),
                           QStringLiteral("Settings file %1 cannot be read (%2); using defaults")
                               .arg(path_, QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc))));
        reportedUnreadable_ = true;
        sqlite3_finalize(select);
        sqlite3_close_v2(db);
        return false;
    }
    db_ = db;
    select_ = select;
    snapshot_ = snapshot;
    snapshotStamp_ = stamp;
    return true;
}

UserDefaults::UserDefaults(sqlite3 *db, QString path, bool persistent)
    : db_(db), path_(std::move(path)), persistent_(persistent)
{
}

UserDefaults::~UserDefaults()
{
    if (!unsaved_.isEmpty()) {
        sqlite3_busy_timeout(db_, lockWaitAtCloseMs);
        if (!writeUnsaved() || !unsaved_.isEmpty())
            consoleWarning(lcSettings(),
                           QStringLiteral("Settings file %1 stayed locked; %2 change(s) were not stored")
                               .arg(path_)
                               .arg(unsaved_.size()));
    }
    sqlite3_finalize(select_);
    sqlite3_finalize(upsert_);
    sqlite3_finalize(delete_);
    sqlite3_close_v2(db_);
}

bool UserDefaults::prepare()
{
    return sqlite3_prepare_v3(db_, "SELECT type, value FROM defaults WHERE key = ?", -1,
                              SQLITE_PREPARE_PERSISTENT, &select_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(db_, "INSERT OR REPLACE INTO defaults(key, type, value) VALUES(?, ?, ?)", -1,
                              SQLITE_PREPARE_PERSISTENT, &upsert_, nullptr) == SQLITE_OK &&
           sqlite3_prepare_v3(db_, "DELETE FROM defaults WHERE key = ?", -1, SQLITE_PREPARE_PERSISTENT,
                              &delete_, nullptr) == SQLITE_OK;
}

UserDefaults::Value UserDefaults::value(const QString &key) const
{
    std::lock_guard lock(mutex_);
    for (auto it = unsaved_.crbegin(); it != unsaved_.crend(); ++it) {
        if (it->first == key)
            return it->second;
    }
    if (readCacheValid()) {
        if (const auto cached = readCache_.find(key); cached != readCache_.end())
            return cached->second;
    }
    if ((readOnly_ && !attachReadOnly()) || !select_)
        return {};
    // Noted before the read, so a commit during it is seen at the next.
    const bool cacheable = readCacheValid();
    const QByteArray k = key.toUtf8();
    sqlite3_bind_text(select_, 1, k.constData(), static_cast<int>(k.size()), SQLITE_STATIC);
    Value result;
    if (sqlite3_step(select_) == SQLITE_ROW) {
        switch (typeFromName(sqlite3_column_text(select_, 0))) {
        case Type::integer:
            result = static_cast<std::int64_t>(sqlite3_column_int64(select_, 1));
            break;
        case Type::boolean:
            result = sqlite3_column_int64(select_, 1) != 0;
            break;
        case Type::string:
            result = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(select_, 1)),
                                       sqlite3_column_bytes(select_, 1));
            break;
        case Type::date:
            result = instantFromMSecs(sqlite3_column_int64(select_, 1));
            break;
        case Type::none:
            break;
        }
    }
    sqlite3_reset(select_);
    sqlite3_clear_bindings(select_);
    if (cacheable)
        readCache_[key] = result;
    return result;
}

UserDefaults::Type UserDefaults::type(const QString &key) const
{
    const Value v = value(key);
    return static_cast<Type>(v.index());
}

std::optional<std::int64_t> UserDefaults::integer(const QString &key) const
{
    const Value v = value(key);
    if (const auto *i = std::get_if<std::int64_t>(&v))
        return *i;
    return std::nullopt;
}

std::optional<bool> UserDefaults::boolean(const QString &key) const
{
    const Value v = value(key);
    if (const auto *b = std::get_if<bool>(&v))
        return *b;
    return std::nullopt;
}

std::optional<QString> UserDefaults::string(const QString &key) const
{
    const Value v = value(key);
    if (const auto *s = std::get_if<QString>(&v))
        return *s;
    return std::nullopt;
}

std::optional<Instant> UserDefaults::date(const QString &key) const
{
    const Value v = value(key);
    if (const auto *d = std::get_if<Instant>(&v))
        return *d;
    return std::nullopt;
}

// Called with mutex_ held and upsert_ prepared.
int UserDefaults::bindAndStep(const QString &key, const Value &value)
{
    readCache_.clear();
    const QByteArray k = key.toUtf8();
    QByteArray text;
    sqlite3_bind_text(upsert_, 1, k.constData(), static_cast<int>(k.size()), SQLITE_STATIC);
    sqlite3_bind_text(upsert_, 2, typeName(static_cast<Type>(value.index())), -1, SQLITE_STATIC);
    if (const auto *i = std::get_if<std::int64_t>(&value)) {
        sqlite3_bind_int64(upsert_, 3, *i);
    } else if (const auto *b = std::get_if<bool>(&value)) {
        sqlite3_bind_int64(upsert_, 3, *b ? 1 : 0);
    } else if (const auto *s = std::get_if<QString>(&value)) {
        text = s->toUtf8();
        sqlite3_bind_text(upsert_, 3, text.constData(), static_cast<int>(text.size()), SQLITE_STATIC);
    } else if (const auto *d = std::get_if<Instant>(&value)) {
        sqlite3_bind_int64(upsert_, 3, msecsOf(*d));
    } else {
        sqlite3_bind_null(upsert_, 3);
    }
    const int rc = sqlite3_step(upsert_);
    if (rc != SQLITE_DONE && !isLocked(rc))
        consoleWarning(lcSettings(), QStringLiteral("Could not store %1 in %2: %3")
                                         .arg(key, path_, QString::fromUtf8(sqlite3_errmsg(db_))));
    sqlite3_reset(upsert_);
    sqlite3_clear_bindings(upsert_);
    return rc;
}

// Called with mutex_ held and delete_ prepared.
int UserDefaults::deleteKey(const QString &key)
{
    readCache_.clear();
    const QByteArray k = key.toUtf8();
    sqlite3_bind_text(delete_, 1, k.constData(), static_cast<int>(k.size()), SQLITE_STATIC);
    const int rc = sqlite3_step(delete_);
    sqlite3_reset(delete_);
    sqlite3_clear_bindings(delete_);
    return rc;
}

void UserDefaults::keepUnsaved(const QList<std::pair<QString, Value>> &changes)
{
    unsaved_ += changes;
    if (retrying_)
        return;
    retrying_ = true;
    std::thread([weak = weak_from_this()] {
        for (;;) {
            std::this_thread::sleep_for(backgroundRetryPause);
            const std::shared_ptr<UserDefaults> self = weak.lock();
            if (!self)
                return; // the suite closed and wrote what waited itself
            std::lock_guard lock(self->mutex_);
            if (self->writeUnsaved()) {
                self->retrying_ = false;
                self->unsavedWritten_.notify_all();
                return;
            }
        }
    }).detach();
}

bool UserDefaults::writeUnsaved()
{
    if (unsaved_.isEmpty())
        return true;
    const int begun = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (isLocked(begun))
        return false;
    int rc = begun == SQLITE_OK ? SQLITE_DONE : begun;
    for (qsizetype i = 0; rc == SQLITE_DONE && i < unsaved_.size(); ++i) {
        const auto &[key, value] = unsaved_[i];
        rc = std::holds_alternative<std::monostate>(value) ? deleteKey(key) : bindAndStep(key, value);
    }
    if (rc == SQLITE_DONE)
        rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK ? SQLITE_DONE
                                                                                 : sqlite3_errcode(db_);
    if (rc != SQLITE_DONE && begun == SQLITE_OK)
        exec(db_, "ROLLBACK");
    if (isLocked(rc))
        return false;
    if (rc != SQLITE_DONE) {
        consoleWarning(lcSettings(), QStringLiteral("Could not store %1 change(s) in %2: %3")
                                         .arg(unsaved_.size())
                                         .arg(path_, QString::fromUtf8(sqlite3_errstr(rc))));
        healthy_ = false;
    }
    unsaved_.clear();
    return true;
}

void UserDefaults::set(const QString &key, const Value &value)
{
    if (std::holds_alternative<std::monostate>(value)) {
        remove(key);
        return;
    }
    std::lock_guard lock(mutex_);
    if (!upsert_) {
        if (readOnly_)
            consoleWarning(lcSettings(),
                           QStringLiteral("Settings file %1 is open for reading only; %2 was not stored")
                               .arg(path_, key));
        healthy_ = false;
        return;
    }
    // After what waits for the lock, never before it.
    if (!unsaved_.isEmpty()) {
        keepUnsaved({{key, value}});
        return;
    }
    const int rc = bindAndStep(key, value);
    if (isLocked(rc))
        keepUnsaved({{key, value}});
    else if (rc != SQLITE_DONE)
        healthy_ = false;
}

bool UserDefaults::setValues(const QList<std::pair<QString, Value>> &values)
{
    if (values.isEmpty())
        return true;
    std::lock_guard lock(mutex_);
    if (!upsert_) {
        if (readOnly_)
            consoleWarning(
                lcSettings(),
                QStringLiteral("Settings file %1 is open for reading only; nothing was stored").arg(path_));
        return false;
    }
    if (!unsaved_.isEmpty()) {
        keepUnsaved(values);
        return true;
    }
    const int begun = sqlite3_exec(db_, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (isLocked(begun)) {
        keepUnsaved(values); // all of them still go in one transaction
        return true;
    }
    if (begun != SQLITE_OK) {
        consoleWarning(lcSettings(), QStringLiteral("Could not store settings in %1: %2")
                                         .arg(path_, QString::fromUtf8(sqlite3_errmsg(db_))));
        return false;
    }
    int rc = SQLITE_DONE;
    for (qsizetype i = 0; rc == SQLITE_DONE && i < values.size(); ++i) {
        const auto &[key, value] = values[i];
        rc = std::holds_alternative<std::monostate>(value) ? deleteKey(key) : bindAndStep(key, value);
    }
    if (rc == SQLITE_DONE && exec(db_, "COMMIT"))
        return true;
    exec(db_, "ROLLBACK");
    return false;
}

UserDefaults::Value UserDefaults::setDefault(const QString &key, const Value &fallback)
{
    if (Value present = value(key); present.index() == fallback.index())
        return present; // the common case: nothing to write
    {
        std::lock_guard lock(mutex_);
        // A locked file keeps the default out of it for now: the next load writes it.
        if (upsert_ && unsaved_.isEmpty()) {
            readCache_.clear();
            sqlite3_stmt *stmt = nullptr;
            // Only an absent key or one of another type takes the default.
            if (sqlite3_prepare_v2(
                    db_,
                    "INSERT INTO defaults(key, type, value) VALUES(?1, ?2, ?3)"
                    " ON CONFLICT(key) DO UPDATE SET type = excluded.type, value = excluded.value"
                    " WHERE defaults.type <> excluded.type",
                    -1, &stmt, nullptr) == SQLITE_OK) {
                const QByteArray k = key.toUtf8();
                QByteArray text;
                sqlite3_bind_text(stmt, 1, k.constData(), static_cast<int>(k.size()), SQLITE_STATIC);
                sqlite3_bind_text(stmt, 2, typeName(static_cast<Type>(fallback.index())), -1, SQLITE_STATIC);
                if (const auto *i = std::get_if<std::int64_t>(&fallback))
                    sqlite3_bind_int64(stmt, 3, *i);
                else if (const auto *b = std::get_if<bool>(&fallback))
                    sqlite3_bind_int64(stmt, 3, *b ? 1 : 0);
                else if (const auto *s = std::get_if<QString>(&fallback))
                    sqlite3_bind_text(stmt, 3, (text = s->toUtf8()).constData(),
                                      static_cast<int>(text.size()), SQLITE_STATIC);
                else if (const auto *d = std::get_if<Instant>(&fallback))
                    sqlite3_bind_int64(stmt, 3, msecsOf(*d));
                if (const int rc = sqlite3_step(stmt); rc != SQLITE_DONE && !isLocked(rc)) {
                    healthy_ = false;
                    consoleWarning(lcSettings(),
                                   QStringLiteral("Could not store %1 in %2: %3")
                                       .arg(key, path_, QString::fromUtf8(sqlite3_errmsg(db_))));
                }
            }
            sqlite3_finalize(stmt);
        }
    }
    const Value stored = value(key);
    return stored.index() == fallback.index() ? stored : fallback;
}

void UserDefaults::remove(const QString &key)
{
    std::lock_guard lock(mutex_);
    if (!delete_) {
        if (readOnly_)
            healthy_ = false;
        return;
    }
    if (!unsaved_.isEmpty()) {
        keepUnsaved({{key, Value()}});
        return;
    }
    const int rc = deleteKey(key);
    if (isLocked(rc))
        keepUnsaved({{key, Value()}});
    else if (rc != SQLITE_DONE)
        healthy_ = false;
}

QStringList UserDefaults::keys() const
{
    std::lock_guard lock(mutex_);
    QStringList result;
    sqlite3_stmt *stmt = nullptr;
    if ((readOnly_ ? attachReadOnly() : db_ != nullptr) &&
        sqlite3_prepare_v2(db_, "SELECT key FROM defaults ORDER BY key", -1, &stmt, nullptr) == SQLITE_OK) {
        while (sqlite3_step(stmt) == SQLITE_ROW)
            result << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    if (!unsaved_.isEmpty()) {
        for (const auto &[key, value] : unsaved_) {
            result.removeAll(key);
            if (!std::holds_alternative<std::monostate>(value))
                result << key;
        }
        result.sort();
    }
    return result;
}

bool UserDefaults::waitForWrites(int timeoutMs)
{
    std::unique_lock lock(mutex_);
    return unsavedWritten_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                    [this] { return unsaved_.isEmpty(); });
}

bool UserDefaults::flush()
{
    std::lock_guard lock(mutex_);
    return std::exchange(healthy_, true);
}

} // namespace platform
