// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"

#include <QString>
#include <QStringList>
#include <array>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <variant>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// A user-defaults suite: typed key/value pairs in one SQLite database file.
// Every write is committed before it returns, so flush() only confirms; two
// processes may use the same file at once. Safe to use from several threads.
//
// A write never waits long for another process's lock (the caller may be the
// window's thread): it is kept in memory, read back from there, and written
// from a background thread as soon as the lock is free, at the latest when
// the suite closes.
class UserDefaults : public std::enable_shared_from_this<UserDefaults>
{
public:
    using Value = std::variant<std::monostate, std::int64_t, bool, QString, Instant>;
    enum class Type
    {
        none,
        integer,
        boolean,
        string,
        date
    };

    // The suite at `path`, opened (and created if needed) unless this process
    // has it open already: then that one, so the process keeps one connection
    // to each file. A file that is not a database, or a corrupt one, is moved
    // aside with a timestamped name and replaced by one holding whatever could
    // still be read; a place that cannot be written gives an in-memory suite
    // seeded with whatever could be read. Either way one console line says so.
    static std::shared_ptr<UserDefaults> open(const QString &path);
    static std::shared_ptr<UserDefaults> inMemory();
    // Opens the suite at `path` for reading only: nothing is ever created,
    // moved or written (set() and remove() are refused, flush() says so). A
    // file that does not exist yet or cannot be read reads as empty, and is
    // tried again at the next read, so a suite made later is picked up.
    static std::shared_ptr<UserDefaults> openReadOnly(const QString &path);
    // $XDG_CONFIG_HOME/qamarly (default ~/.config/qamarly).
    static QString configDirectory();
    // $XDG_CACHE_HOME/qamarly (~/.cache/qamarly when unset): files made again
    // from elsewhere when missing.
    static QString cacheDirectory();
    // The suite named `name` in configDirectory().
    static QString suitePath(const QString &name);
    // The application's own standard defaults (never the shared app-group
    // suite) under the config home in force: the process's one suite of that
    // file, shared with standardUserDefaults().
    static std::shared_ptr<UserDefaults> standard();

    ~UserDefaults();
    UserDefaults(const UserDefaults &) = delete;
    UserDefaults &operator=(const UserDefaults &) = delete;

    Type type(const QString &key) const;
    Value value(const QString &key) const;
    // Each returns no value when the key is absent or holds another type.
    std::optional<std::int64_t> integer(const QString &key) const;
    std::optional<bool> boolean(const QString &key) const;
    std::optional<QString> string(const QString &key) const;
    std::optional<Instant> date(const QString &key) const;

    void set(const QString &key, const Value &value);
    void setInteger(const QString &key, std::int64_t v) { set(key, Value(v)); }
    void setBoolean(const QString &key, bool v) { set(key, Value(v)); }
    void setString(const QString &key, const QString &v) { set(key, Value(v)); }
    void setDate(const QString &key, Instant v) { set(key, Value(v)); }
    void remove(const QString &key);
    // Writes every pair in one transaction: all of them reach the file or none.
    bool setValues(const QList<std::pair<QString, Value>> &values);
    // Stores `fallback` under `key` unless the key already holds a value of
    // its type, in one statement, so a value another process wrote in the
    // meantime is never replaced. Returns what the key holds afterwards.
    Value setDefault(const QString &key, const Value &fallback);
    QStringList keys() const;
    // True when every write so far reached the file (or memory, for an
    // in-memory suite), or waits for a lock to be written in the background.
    bool flush();
    // Waits up to `timeoutMs` until no write waits for a lock; true when none does.
    bool waitForWrites(int timeoutMs);

    QString path() const { return path_; }
    bool isPersistent() const { return persistent_; }
    bool isReadOnly() const { return readOnly_; }
    // False when a change cannot outlive this process although a file was
    // asked for (the in-memory stand-in for an unwritable file, or a suite
    // opened for reading). A suite made with inMemory() can save.
    bool canSave() const { return persistent_ || (!readOnly_ && path_ == QLatin1String(":memory:")); }

private:
    UserDefaults(sqlite3 *db, QString path, bool persistent);
    static std::shared_ptr<UserDefaults> openFile(const QString &path);
    bool prepare();
    bool attachReadOnly() const;
    void detachReadOnly() const;
    QString fileStamp() const;
    // Called with mutex_ held: whether what readCache_ holds may still be
    // answered from, and if not, makes it empty and notes the file's state.
    bool readCacheValid() const;
    // SQLITE_DONE or the failure; a failure other than a lock is logged.
    int bindAndStep(const QString &key, const Value &value);
    int deleteKey(const QString &key);
    // Called with mutex_ held: keeps `changes` until the lock is free.
    void keepUnsaved(const QList<std::pair<QString, Value>> &changes);
    // Called with mutex_ held: writes what waits in one transaction. False
    // while the file is still locked; true once nothing waits any more.
    bool writeUnsaved();

    mutable sqlite3 *db_;
    QString path_;
    bool persistent_;
    bool healthy_ = true;
    bool readOnly_ = false;
    mutable bool reportedUnreadable_ = false;
    // Reading from a copy: taken again when the file or its log changes.
    mutable bool snapshot_ = false;
    mutable QString snapshotStamp_;
    mutable std::mutex mutex_;
    std::condition_variable unsavedWritten_;
    // Writes that met another process's lock, in order; no value is a removal.
    QList<std::pair<QString, Value>> unsaved_;
    bool retrying_ = false;
    // Values read since the file last changed. Any commit, by any process,
    // changes the header of the database's shared WAL index, which SQLite
    // keeps mapped in memory: comparing it costs no system call, where even
    // the cheapest look at the file (a stat) costs more than a conversion.
    mutable std::map<QString, Value> readCache_;
    mutable const volatile unsigned char *walIndex_ = nullptr;
    mutable bool walIndexLooked_ = false;
    mutable std::array<unsigned char, 48> walIndexSeen_{};
    mutable sqlite3_stmt *select_ = nullptr;
    sqlite3_stmt *upsert_ = nullptr;
    sqlite3_stmt *delete_ = nullptr;
};

} // namespace platform
