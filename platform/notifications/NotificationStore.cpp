// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/NotificationStore.h"

#include "platform/defaults/SqliteFile.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <algorithm>
#include <cstring>
#include <map>
#include <numeric>
#include <sqlite3.h>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The connection's prepared statements, by their text: the application
// replaces the whole plan on every pass, and parsing the same few statements
// again for each of its rows cost more than running them.
class SqliteStatementCache
{
public:
    struct Entry
    {
        sqlite3_stmt *stmt = nullptr;
        bool inUse = false;
    };

    explicit SqliteStatementCache(sqlite3 *db) : db_(db) {}
    ~SqliteStatementCache()
    {
        for (auto &[sql, entry] : entries_)
            sqlite3_finalize(entry.stmt);
    }
    SqliteStatementCache(const SqliteStatementCache &) = delete;
    SqliteStatementCache &operator=(const SqliteStatementCache &) = delete;

    // The cached statement, or (`*entry` null) a fresh one when the cached
    // one is in use; null when it cannot be prepared.
    sqlite3_stmt *take(const char *sql, Entry **entry)
    {
        *entry = nullptr;
        auto it = entries_.find(std::string_view(sql));
        if (it == entries_.end()) {
            sqlite3_stmt *stmt = nullptr;
            if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK) {
                sqlite3_finalize(stmt);
                return nullptr;
            }
            it = entries_.emplace(std::string(sql), Entry{stmt, false}).first;
        }
        if (!it->second.inUse) {
            it->second.inUse = true;
            *entry = &it->second;
            return it->second.stmt;
        }
        sqlite3_stmt *stmt = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &stmt, nullptr) != SQLITE_OK) {
            sqlite3_finalize(stmt);
            return nullptr;
        }
        return stmt;
    }
    void give(sqlite3_stmt *stmt, Entry *entry)
    {
        if (!entry) {
            sqlite3_finalize(stmt);
            return;
        }
        sqlite3_reset(stmt);
        sqlite3_clear_bindings(stmt);
        entry->inUse = false;
    }

private:
    sqlite3 *db_;
    std::map<std::string, Entry, std::less<>> entries_;
};

namespace {

constexpr const char *schema =
    "CREATE TABLE IF NOT EXISTS requests ("
    " seq INTEGER PRIMARY KEY AUTOINCREMENT,"
    " identifier TEXT NOT NULL,"
    " title TEXT NOT NULL,"
    " body TEXT NOT NULL,"
    " badge INTEGER,"
    " sound INTEGER NOT NULL,"
    " trigger TEXT NOT NULL,"
    " added_at INTEGER NOT NULL,"
    " state TEXT NOT NULL,"
    " delivered_at INTEGER,"
    " server_id INTEGER NOT NULL DEFAULT 0);"
    "CREATE INDEX IF NOT EXISTS requests_state ON requests(state, identifier);"
    "CREATE TABLE IF NOT EXISTS state (key TEXT PRIMARY KEY NOT NULL, value INTEGER NOT NULL);"
    // What the pending plan was made from (PlanBasis), written with the plan.
    "CREATE TABLE IF NOT EXISTS plan (key TEXT PRIMARY KEY NOT NULL, value TEXT NOT NULL);";

const char *stateName(NotificationStore::State s)
{
    switch (s) {
    case NotificationStore::State::pending:
        return "pending";
    case NotificationStore::State::delivering:
        return "delivering";
    case NotificationStore::State::delivered:
        return "delivered";
    case NotificationStore::State::skipped:
        return "skipped";
    case NotificationStore::State::removed:
        return "removed";
    }
    return "pending";
}

// A borrowed prepared statement from the store's cache: reset and unbound
// when the handle goes, so the next use starts clean and no read stays open.
// A statement already in use (the same text nested) is prepared afresh and
// finalized with the handle.
class Statement
{
public:
    Statement(SqliteStatementCache &cache, const char *sql) : cache_(cache), stmt_(cache.take(sql, &entry_))
    {
    }
    ~Statement() { cache_.give(stmt_, entry_); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    bool ok() const { return stmt_ != nullptr; }
    void bind(int i, qint64 v) { sqlite3_bind_int64(stmt_, i, v); }
    void bind(int i, const QString &v)
    {
        const QByteArray utf8 = v.toUtf8();
        bind(i, utf8);
    }
    void bind(int i, const QByteArray &utf8)
    {
        sqlite3_bind_text(stmt_, i, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    }
    void bind(int i, const char *v) { sqlite3_bind_text(stmt_, i, v, -1, SQLITE_STATIC); }
    // `utf8` must outlive this handle.
    void bindStatic(int i, const QByteArray &utf8)
    {
        sqlite3_bind_text(stmt_, i, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_STATIC);
    }
    void bindNull(int i) { sqlite3_bind_null(stmt_, i); }
    void bind(int i, const std::optional<int> &v)
    {
        if (v)
            bind(i, static_cast<qint64>(*v));
        else
            bindNull(i);
    }
    // SQLITE_ROW, SQLITE_DONE or an error.
    int step() { return stmt_ ? sqlite3_step(stmt_) : SQLITE_ERROR; }
    bool run() { return step() == SQLITE_DONE; }
    qint64 integer(int col) const { return sqlite3_column_int64(stmt_, col); }
    bool isNull(int col) const { return sqlite3_column_type(stmt_, col) == SQLITE_NULL; }
    QString text(int col) const
    {
        return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(stmt_, col)),
                                 sqlite3_column_bytes(stmt_, col));
    }
    // Valid until the next step or reset.
    QByteArrayView bytes(int col) const
    {
        const char *data = reinterpret_cast<const char *>(sqlite3_column_text(stmt_, col));
        return QByteArrayView(data, sqlite3_column_bytes(stmt_, col));
    }

private:
    SqliteStatementCache &cache_;
    SqliteStatementCache::Entry *entry_ = nullptr;
    sqlite3_stmt *stmt_;
};

thread_local bool lockedOutOnThisThread = false;

// BEGIN IMMEDIATE ... COMMIT, rolled back unless commit() succeeded.
class Transaction
{
public:
    explicit Transaction(SqliteStatementCache &cache) : cache_(cache)
    {
        const int rc = Statement(cache_, "BEGIN IMMEDIATE").step();
        begun_ = rc == SQLITE_DONE;
        lockedOutOnThisThread = rc == SQLITE_BUSY;
    }
    ~Transaction()
    {
        if (begun_ && !done_)
            Statement(cache_, "ROLLBACK").run();
    }
    bool begun() const { return begun_; }
    bool commit()
    {
        done_ = begun_ && Statement(cache_, "COMMIT").run();
        return done_;
    }

private:
    SqliteStatementCache &cache_;
    bool begun_ = false;
    bool done_ = false;
};

constexpr const char *statusKey = "authorizationStatus";
constexpr const char *optionsKey = "authorizationOptions";
constexpr const char *badgeKey = "badge";

} // namespace

QString NotificationStore::defaultPath()
{
    return UserDefaults::configDirectory() + QStringLiteral("/notifications.sqlite");
}

std::unique_ptr<NotificationStore> NotificationStore::open(const QString &path, bool syncEveryCommit,
                                                           QString *error)
{
    // WAL: the agent reads while the application writes. A commit is in the
    // log before it returns either way, so a killed process loses nothing.
    const QByteArray setup =
        QByteArray(syncEveryCommit ? "PRAGMA journal_mode=WAL; PRAGMA synchronous=FULL;"
                                   : "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;") +
        schema;
    sqlite3 *db = nullptr;
    const int rc = openSqliteFile(path, setup.constData(), QStringLiteral("Notification store"), &db);
    if (rc != SQLITE_OK) {
        consoleWarning(lcNotifications(), QStringLiteral("Cannot open the notification store %1: %2")
                                              .arg(path, QString::fromUtf8(sqlite3_errstr(rc))));
        if (error)
            *error = QString::fromUtf8(sqlite3_errstr(rc));
        return nullptr;
    }
    return std::unique_ptr<NotificationStore>(new NotificationStore(db, path));
}

NotificationStore::NotificationStore(sqlite3 *db, QString path)
    : db_(db), path_(std::move(path)), statements_(std::make_unique<SqliteStatementCache>(db))
{
    sqlite3_update_hook(db_, &NotificationStore::rowChanged, this);
}

NotificationStore::~NotificationStore()
{
    sqlite3_update_hook(db_, nullptr, nullptr);
    statements_.reset(); // finalized before the connection can close
    sqlite3_close(db_);
}

// Called by SQLite for each row this connection inserts, updates or deletes,
// inside the step that does it (so with the lock held). Every statement here
// on `requests` has a WHERE clause, so none is a truncation, which the hook
// would not see.
void NotificationStore::rowChanged(void *store, int op, const char *, const char *table, qint64 rowid)
{
    if (std::strcmp(table, "requests") != 0)
        return;
    auto *self = static_cast<NotificationStore *>(store);
    self->pendingCurrent_ = false;
    if (self->inserted_ && op == SQLITE_INSERT)
        self->inserted_->push_back(rowid);
}

// Changes whenever another connection (the agent's, another process's) has
// committed since this one last looked; this connection's own commits leave it.
std::optional<qint64> NotificationStore::dataVersion()
{
    Statement s(*statements_, "PRAGMA data_version");
    if (s.step() != SQLITE_ROW)
        return std::nullopt;
    return s.integer(0);
}

bool NotificationStore::exec(const char *sql)
{
    return Statement(*statements_, sql).run();
}

bool NotificationStore::setState(const char *key, qint64 value)
{
    Statement s(*statements_,
                "INSERT INTO state(key, value) VALUES(?1, ?2) ON CONFLICT(key) DO UPDATE SET value = ?2");
    s.bind(1, key);
    s.bind(2, value);
    return s.run();
}

std::optional<qint64> NotificationStore::state(const char *key)
{
    Statement s(*statements_, "SELECT value FROM state WHERE key = ?1");
    s.bind(1, key);
    if (s.step() != SQLITE_ROW)
        return std::nullopt;
    return s.integer(0);
}

NotificationSettings NotificationStore::settings()
{
    std::lock_guard lock(mutex_);
    NotificationSettings result;
    switch (state(statusKey).value_or(0)) {
    case 1:
        result.authorizationStatus = AuthorizationStatus::denied;
        break;
    case 2:
        result.authorizationStatus = AuthorizationStatus::authorized;
        result.options = static_cast<AuthorizationOptions>(state(optionsKey).value_or(0));
        break;
    default:
        break;
    }
    return result;
}

bool NotificationStore::setSettings(const NotificationSettings &settings)
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    const qint64 status = settings.authorizationStatus == AuthorizationStatus::authorized ? 2
                          : settings.authorizationStatus == AuthorizationStatus::denied   ? 1
                                                                                          : 0;
    return t.begun() && setState(statusKey, status) && setState(optionsKey, settings.options) && t.commit();
}

int NotificationStore::badge()
{
    std::lock_guard lock(mutex_);
    return static_cast<int>(state(badgeKey).value_or(0));
}

bool NotificationStore::setBadge(int badge)
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    return t.begun() && setState(badgeKey, badge) && t.commit();
}

bool NotificationStore::lastWriteLockedOut()
{
    return lockedOutOnThisThread;
}

void NotificationStore::setLockWait(int milliseconds)
{
    std::lock_guard lock(mutex_);
    sqlite3_busy_timeout(db_, milliseconds);
}

// Called with the lock held, inside a transaction.
namespace {

// A plan goes in this many rows to a statement: one statement's start and
// end (and its AUTOINCREMENT bookkeeping) for the lot instead of each row.
constexpr int rowsPerInsert = 16;
constexpr int columnsPerRow = 7;

const char *insertSql(int rows)
{
    static const std::string one =
        "INSERT INTO requests(identifier, title, body, badge, sound, trigger, added_at,"
        " state) VALUES(?, ?, ?, ?, ?, ?, ?, 'pending')";
    static const std::string many = [] {
        std::string sql = one;
        for (int i = 1; i < rowsPerInsert; ++i)
            sql += ", (?, ?, ?, ?, ?, ?, ?, 'pending')";
        return sql;
    }();
    return rows == 1 ? one.c_str() : many.c_str();
}

// Within one plan a later request of the same identifier wins, as with
// add(): it takes the earlier one's place at the end of the order. Found by
// sorting the positions rather than through a hash set, which cost a
// scheduling pass an allocation and a hash per request.
std::vector<const NotificationRequest *> lastOfEachIdentifier(const QList<NotificationRequest> &requests)
{
    const auto n = static_cast<std::size_t>(requests.size());
    std::vector<qsizetype> order(n);
    std::iota(order.begin(), order.end(), qsizetype{0});
    std::stable_sort(order.begin(), order.end(), [&requests](qsizetype a, qsizetype b) {
        return requests[a].identifier < requests[b].identifier;
    });
    // Stable: of one identifier's run the last is the latest in the plan.
    std::vector<bool> givesWay(n, false);
    for (std::size_t i = 0; i + 1 < n; ++i) {
        if (requests[order[i]].identifier == requests[order[i + 1]].identifier)
            givesWay[static_cast<std::size_t>(order[i])] = true;
    }
    std::vector<const NotificationRequest *> kept;
    kept.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        if (!givesWay[i])
            kept.push_back(&requests[static_cast<qsizetype>(i)]);
    }
    return kept;
}

// The text a read gives back for `s` stored as `utf8`: `s` itself when it is
// plain ASCII (no copy), otherwise decoded as the read decodes it.
QString readBack(const QString &s, const QByteArray &utf8)
{
    for (const QChar c : s) {
        if (c.unicode() >= 0x80)
            return QString::fromUtf8(utf8);
    }
    return s;
}

} // namespace

bool NotificationStore::insertPending(const NotificationRequest *const *requests, int count, Instant addedAt,
                                      QList<Entry> *written)
{
    Q_ASSERT(count == 1 || count == rowsPerInsert);
    // Bound without a copy, so they outlive the statement's use of them.
    std::vector<QByteArray> texts;
    texts.reserve(static_cast<std::size_t>(count) * 4);
    for (int i = 0; i < count; ++i) {
        texts.push_back(requests[i]->identifier.toUtf8());
        texts.push_back(requests[i]->content.title.toUtf8());
        texts.push_back(requests[i]->content.body.toUtf8());
        texts.push_back(toJsonText(requests[i]->trigger));
    }
    Statement insert(*statements_, insertSql(count));
    for (int i = 0; i < count; ++i) {
        const NotificationRequest &r = *requests[i];
        const int first = i * columnsPerRow;
        const QByteArray *text = &texts[static_cast<std::size_t>(i) * 4];
        insert.bindStatic(first + 1, text[0]);
        insert.bindStatic(first + 2, text[1]);
        insert.bindStatic(first + 3, text[2]);
        insert.bind(first + 4, r.content.badge);
        insert.bind(first + 5, qint64(r.content.sound ? 1 : 0));
        insert.bindStatic(first + 6, text[3]);
        insert.bind(first + 7, msecsOf(addedAt));
    }
    if (!insert.run())
        return false;
    for (int i = 0; written && i < count; ++i) {
        const NotificationRequest &r = *requests[i];
        const QByteArray *text = &texts[static_cast<std::size_t>(i) * 4];
        const auto trigger = triggerFromJsonText(text[3]);
        if (!trigger) {
            written->clear(); // a read would leave it out
            written = nullptr;
            break;
        }
        Entry e;
        e.request.identifier = readBack(r.identifier, text[0]);
        e.request.content.title = readBack(r.content.title, text[1]);
        e.request.content.body = readBack(r.content.body, text[2]);
        e.request.content.badge = r.content.badge;
        e.request.content.sound = r.content.sound;
        e.request.trigger = *trigger;
        e.addedAt = addedAt;
        written->append(std::move(e));
    }
    return true;
}

bool NotificationStore::insertPending(const NotificationRequest &request, Instant addedAt)
{
    const NotificationRequest *one = &request;
    return insertPending(&one, 1, addedAt);
}

bool NotificationStore::add(const NotificationRequest &request, Instant addedAt)
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    if (!t.begun())
        return false;
    Statement replace(*statements_, "DELETE FROM requests WHERE identifier = ?1 AND state = 'pending'");
    replace.bind(1, request.identifier);
    return replace.run() && insertPending(request, addedAt) && t.commit();
}

bool NotificationStore::setPlanBasis(const QByteArray &basis)
{
    if (basis.isEmpty())
        return exec("DELETE FROM plan WHERE key = 'basis'");
    Statement s(*statements_, "INSERT INTO plan(key, value) VALUES('basis', ?1)"
                              " ON CONFLICT(key) DO UPDATE SET value = ?1");
    s.bind(1, basis);
    return s.run();
}

std::optional<QByteArray> NotificationStore::planBasis()
{
    std::lock_guard lock(mutex_);
    Statement s(*statements_, "SELECT value FROM plan WHERE key = 'basis'");
    if (s.step() != SQLITE_ROW)
        return std::nullopt;
    return s.bytes(0).toByteArray();
}

bool NotificationStore::replacePending(const QList<NotificationRequest> &requests, Instant addedAt,
                                       const QByteArray &basis)
{
    const std::vector<const NotificationRequest *> kept = lastOfEachIdentifier(requests);
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    if (!t.begun() || !setPlanBasis(basis))
        return false;
    // The scheduler plans the same requests pass after pass: then only their
    // time of addition is renewed, exactly as the full replace would write
    // it. Their seq stays; the agent's claim and skip compare the time of
    // addition too, so one planned from the rows before this pass still
    // fails as it would on rows replaced.
    //
    // The version is read inside the write transaction: no other commit can
    // come between it and ours.
    const std::optional<qint64> version = dataVersion();
    const bool samePlan = pendingCurrent_ && pendingComplete_ && version == pendingVersion_ &&
                          std::equal(kept.begin(), kept.end(), pendingRows_.cbegin(), pendingRows_.cend(),
                                     [](const NotificationRequest *r, const Entry &e) {
                                         return *r == e.request && !e.deliveredAt && e.serverId == 0;
                                     });
    if (samePlan) {
        Statement renew(*statements_, "UPDATE requests SET added_at = ?1 WHERE state = 'pending'");
        renew.bind(1, msecsOf(addedAt));
        if (!renew.run())
            return false;
        // Anything but the rows the copy holds means the copy was wrong: replace them all.
        if (sqlite3_changes64(db_) == static_cast<qint64>(kept.size())) {
            if (!t.commit())
                return false;
            for (Entry &e : pendingRows_)
                e.addedAt = addedAt;
            pendingCurrent_ = true;
            return true;
        }
    }
    QList<Entry> written;
    if (!replaceAll(kept, addedAt, &written) || !t.commit())
        return false;
    // The rows just written, as a read would give them: the next read costs nothing.
    if (version && written.size() == static_cast<qsizetype>(kept.size())) {
        pendingRows_ = std::move(written);
        pendingVersion_ = *version;
        pendingCurrent_ = true;
        pendingComplete_ = true;
    }
    return true;
}

// Called with the lock held, inside a transaction.
bool NotificationStore::replaceAll(const std::vector<const NotificationRequest *> &kept, Instant addedAt,
                                   QList<Entry> *written)
{
    written->clear();
    if (!exec("DELETE FROM requests WHERE state = 'pending'"))
        return false;
    written->reserve(static_cast<qsizetype>(kept.size()));
    // The seq of each row, in the order inserted, from the update hook.
    std::vector<qint64> seqs;
    seqs.reserve(kept.size());
    inserted_ = &seqs;
    bool ok = true;
    std::size_t next = 0;
    for (; ok && next + rowsPerInsert <= kept.size(); next += rowsPerInsert)
        ok = insertPending(&kept[next], rowsPerInsert, addedAt, written);
    for (; ok && next < kept.size(); ++next)
        ok = insertPending(&kept[next], 1, addedAt, written);
    inserted_ = nullptr;
    // A read orders by seq: the copy holds only if they rose in the plan's order.
    if (ok && seqs.size() == static_cast<std::size_t>(written->size()) &&
        std::adjacent_find(seqs.begin(), seqs.end(), std::greater_equal<>()) == seqs.end()) {
        for (qsizetype i = 0; i < written->size(); ++i)
            (*written)[i].seq = seqs[static_cast<std::size_t>(i)];
    } else {
        written->clear();
    }
    return ok;
}

QList<NotificationStore::Entry> NotificationStore::entries(State wanted)
{
    std::lock_guard lock(mutex_);
    bool complete = true;
    bool whole = true;
    if (wanted != State::pending)
        return readEntries(wanted, &complete, &whole);
    // Read before the rows: a commit in between makes the copy look stale, never current.
    const std::optional<qint64> version = dataVersion();
    if (pendingCurrent_ && version == pendingVersion_)
        return pendingRows_;
    QList<Entry> rows = readEntries(wanted, &complete, &whole);
    if (version && whole) {
        pendingRows_ = rows;
        pendingVersion_ = *version;
        pendingCurrent_ = true;
        pendingComplete_ = complete;
    }
    return rows;
}

QList<NotificationStore::Entry> NotificationStore::readEntries(State wanted, bool *complete, bool *whole)
{
    QList<Entry> result;
    // In order of addition straight from the table: it holds little beside
    // the plan, and going through the state index would mean a sort.
    Statement s(
        *statements_,
        "SELECT seq, identifier, title, body, badge, sound, trigger, added_at, delivered_at, server_id"
        " FROM requests WHERE +state = ?1 ORDER BY seq");
    s.bind(1, stateName(wanted));
    int rc = SQLITE_ROW;
    while ((rc = s.step()) == SQLITE_ROW) {
        Entry e;
        e.seq = s.integer(0);
        e.request.identifier = s.text(1);
        e.request.content.title = s.text(2);
        e.request.content.body = s.text(3);
        if (!s.isNull(4))
            e.request.content.badge = static_cast<int>(s.integer(4));
        e.request.content.sound = s.integer(5) != 0;
        const auto trigger = triggerFromJsonText(s.bytes(6));
        if (!trigger) {
            consoleWarning(lcNotifications(),
                           QStringLiteral("Notification request %1 has an unreadable trigger; it is ignored")
                               .arg(e.request.identifier));
            *complete = false;
            continue;
        }
        e.request.trigger = *trigger;
        e.addedAt = instantFromMSecs(s.integer(7));
        e.state = wanted;
        if (!s.isNull(8))
            e.deliveredAt = instantFromMSecs(s.integer(8));
        e.serverId = static_cast<quint32>(s.integer(9));
        result.append(std::move(e));
    }
    // What was read before a failure is still given, as ever, but never kept.
    *whole = rc == SQLITE_DONE;
    if (!*whole)
        consoleWarning(lcNotifications(),
                       QStringLiteral("Cannot read all the notification requests from %1: %2")
                           .arg(path_, QString::fromUtf8(sqlite3_errstr(rc))));
    return result;
}

bool NotificationStore::removePending()
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    return t.begun() && exec("DELETE FROM requests WHERE state = 'pending'") && setPlanBasis(QByteArray()) &&
           t.commit();
}

bool NotificationStore::removeDelivered()
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    return t.begun() &&
           exec("DELETE FROM requests WHERE state = 'skipped' OR (state = 'delivered' AND server_id = 0)") &&
           exec("UPDATE requests SET state = 'removed' WHERE state = 'delivered'") && t.commit();
}

bool NotificationStore::drop(qint64 seq)
{
    std::lock_guard lock(mutex_);
    Statement s(*statements_, "DELETE FROM requests WHERE seq = ?1");
    s.bind(1, seq);
    return s.run();
}

bool NotificationStore::claim(const Entry &entry)
{
    std::lock_guard lock(mutex_);
    Statement s(*statements_, "UPDATE requests SET state = 'delivering'"
                              " WHERE seq = ?1 AND state = 'pending' AND added_at = ?2");
    s.bind(1, entry.seq);
    s.bind(2, msecsOf(entry.addedAt));
    return s.run() && sqlite3_changes(db_) == 1;
}

bool NotificationStore::release(qint64 seq)
{
    std::lock_guard lock(mutex_);
    Statement s(*statements_,
                "UPDATE requests SET state = 'pending' WHERE seq = ?1 AND state = 'delivering'");
    s.bind(1, seq);
    return s.run();
}

bool NotificationStore::markDelivered(qint64 seq, Instant at, quint32 serverId, std::optional<int> badge)
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    if (!t.begun())
        return false;
    Statement s(*statements_, "UPDATE requests SET state = 'delivered', delivered_at = ?2, server_id = ?3"
                              " WHERE seq = ?1 AND state = 'delivering'");
    s.bind(1, seq);
    s.bind(2, msecsOf(at));
    s.bind(3, qint64(serverId));
    if (!s.run())
        return false;
    if (badge && !setState(badgeKey, *badge))
        return false;
    return t.commit();
}

bool NotificationStore::markSkipped(const Entry &entry, Instant at, std::optional<int> badge)
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    if (!t.begun())
        return false;
    Statement s(*statements_, "UPDATE requests SET state = 'skipped', delivered_at = ?2"
                              " WHERE seq = ?1 AND state = 'pending' AND added_at = ?3");
    s.bind(1, entry.seq);
    s.bind(2, msecsOf(at));
    s.bind(3, msecsOf(entry.addedAt));
    if (!s.run())
        return false;
    if (badge && sqlite3_changes(db_) == 1 && !setState(badgeKey, *badge))
        return false;
    return t.commit();
}

int NotificationStore::settleInterruptedDeliveries(Instant at)
{
    std::lock_guard lock(mutex_);
    Transaction t(*statements_);
    if (!t.begun())
        return 0;
    Statement s(*statements_,
                "UPDATE requests SET state = 'delivered', delivered_at = ?1 WHERE state = 'delivering'");
    s.bind(1, msecsOf(at));
    if (!s.run())
        return 0;
    const int n = sqlite3_changes(db_);
    // The badge of the last interrupted delivery still belongs on the launcher.
    std::optional<qint64> badge;
    {
        Statement last(*statements_,
                       "SELECT badge FROM requests WHERE state = 'delivered' AND delivered_at = ?1"
                       " AND badge IS NOT NULL ORDER BY seq DESC LIMIT 1");
        last.bind(1, msecsOf(at));
        if (n > 0 && last.step() == SQLITE_ROW)
            badge = last.integer(0);
    }
    if (badge && !setState(badgeKey, *badge))
        return 0;
    return t.commit() ? n : 0;
}

} // namespace platform
