// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/notifications/NotificationRequest.h"

#include <QList>
#include <QString>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

struct sqlite3;

namespace platform {

class SqliteStatementCache;

// The notification store on disk: permission, badge and requests, shared by
// the application (which adds and removes) and qamarly-notifyd (which
// delivers). SQLite in WAL mode; every change is one transaction, so either
// process may be killed at any moment without losing or doubling a request.
// Safe to use from several threads.
class NotificationStore
{
public:
    enum class State
    {
        pending,
        delivering,
        delivered,
        skipped,
        removed
    };

    struct Entry
    {
        qint64 seq = 0; // order of addition
        NotificationRequest request;
        Instant addedAt;
        State state = State::pending;
        std::optional<Instant> deliveredAt;
        quint32 serverId = 0; // the desktop notification's id, 0 when none was shown
    };

    // $XDG_CONFIG_HOME/qamarly/notifications.sqlite
    static QString defaultPath();
    // No store (and one console line) when the file cannot be opened or made.
    // `syncEveryCommit`: each commit reaches the disk before it returns (the
    // agent, whose delivery marks must survive a power cut); otherwise a
    // commit survives a crash of the process but may be lost with the power,
    // and costs no disk flush (the application, which writes on its UI thread).
    // `error`, when given, receives why it could not be opened.
    static std::unique_ptr<NotificationStore> open(const QString &path, bool syncEveryCommit = false,
                                                   QString *error = nullptr);
    ~NotificationStore();
    NotificationStore(const NotificationStore &) = delete;
    NotificationStore &operator=(const NotificationStore &) = delete;

    QString path() const { return path_; }

    NotificationSettings settings();
    bool setSettings(const NotificationSettings &settings);
    int badge();
    bool setBadge(int badge);

    // Whether the last write made on the calling thread failed only because
    // another connection held the write lock past the lock wait.
    static bool lastWriteLockedOut();
    // How long a write waits for another connection's lock before it fails
    // (5 s when opened).
    void setLockWait(int milliseconds);

    // Replaces a pending request of the same identifier.
    bool add(const NotificationRequest &request, Instant addedAt);
    // Every pending request gives way to `requests`, in one transaction: a
    // process killed meanwhile leaves the old plan or the new one, never a part.
    // A plan equal to the pending requests, request for request and in order,
    // only has their time of addition renewed (so their seq stays); the table
    // then holds what a full replace would leave.
    // `basis` (PlanBasis as JSON; empty for none) is kept with the plan in
    // the same transaction, and goes when the pending requests are removed.
    bool replacePending(const QList<NotificationRequest> &requests, Instant addedAt,
                        const QByteArray &basis = QByteArray());
    // What the pending plan was made from, if it was given.
    std::optional<QByteArray> planBasis();
    // The pending ones come from a copy kept while no connection has changed
    // the table since it was read.
    QList<Entry> entries(State state);
    bool removePending();
    // Delivered notifications become `removed` until the agent has withdrawn
    // them from the screen (then they are dropped).
    bool removeDelivered();
    bool drop(qint64 seq);

    // Delivery steps, each one transaction. claim: pending -> delivering
    // (false when the request is gone, no longer pending, or planned again
    // since `entry` was read: its time of addition, which its moment counts
    // from, is no longer the entry's); release undoes it.
    bool claim(const Entry &entry);
    bool release(qint64 seq);
    // delivering -> delivered; sets the badge in the same transaction when given.
    bool markDelivered(qint64 seq, Instant at, quint32 serverId, std::optional<int> badge);
    // pending -> skipped (a missed notification superseded by a later one);
    // nothing when it was planned again since `entry` was read, as with claim.
    bool markSkipped(const Entry &entry, Instant at, std::optional<int> badge);
    // A claim found at start was handed to the notification service by an
    // agent that died before recording the outcome; it counts as delivered
    // so a restart never shows it twice. Returns how many there were.
    int settleInterruptedDeliveries(Instant at);

private:
    NotificationStore(sqlite3 *db, QString path);
    bool exec(const char *sql);
    bool setState(const char *key, qint64 value);
    bool setPlanBasis(const QByteArray &basis);
    bool insertPending(const NotificationRequest &request, Instant addedAt);
    // `count` rows at once, in order (1 or a full batch). `written`, when
    // given, receives each row as a read would give it back (seq aside), or
    // is cleared when that cannot be said.
    bool insertPending(const NotificationRequest *const *requests, int count, Instant addedAt,
                       QList<Entry> *written = nullptr);
    std::optional<qint64> state(const char *key);
    std::optional<qint64> dataVersion();
    // Every row of `wanted` in order; `*complete` false when an unreadable
    // row was left out, `*whole` false when the read failed part way.
    QList<Entry> readEntries(State wanted, bool *complete, bool *whole);
    // Deletes the pending rows and inserts `kept`; `written` receives the
    // rows as a read would give them back, or nothing when that cannot be said.
    bool replaceAll(const std::vector<const NotificationRequest *> &kept, Instant addedAt,
                    QList<Entry> *written);
    static void rowChanged(void *store, int op, const char *database, const char *table, qint64 rowid);

    sqlite3 *db_;
    QString path_;
    std::unique_ptr<SqliteStatementCache> statements_;
    std::recursive_mutex mutex_;

    // The pending rows as this connection last read or wrote them. They are
    // the table's while no row changed through this connection since
    // (rowChanged clears `pendingCurrent_`, also for a change later rolled
    // back) and no other connection committed (PRAGMA data_version still
    // gives `pendingVersion_`, read before the rows were).
    QList<Entry> pendingRows_;
    qint64 pendingVersion_ = 0;
    bool pendingCurrent_ = false;
    bool pendingComplete_ = false;            // no unreadable row was left out
    std::vector<qint64> *inserted_ = nullptr; // while set, rowChanged adds each inserted seq
};

} // namespace platform
