// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The checks and set-ups the attack scripts cannot do in a shell: look into a
// SQLite file without changing it, grant the notification permission, leave a
// settings log behind as a killed writer does, and judge a widget timeline.
//
//   attack-probe suite PATH KEY          integrity, then the value under KEY ("absent" if none)
//   attack-probe store PATH              integrity, then the number of pending requests
//   attack-probe allow-notifications PATH
//   attack-probe leave-log PATH KEY N    writes KEY = N and dies without closing the file
//   attack-probe timeline < JSON         thirty days in a row on one adjustment; prints it
//   attack-probe fetch URL MS N          N requests at once, each with a deadline of MS; prints how
//                                        each ended, then the time taken and the peak resident memory
//   attack-probe churn PATH PREFIX N     N times: open the suite, store PREFIX-i = i, close it
#include "platform/defaults/UserDefaults.h"
#include "platform/net/UrlSession.h"
#include "platform/net/linux/LoadedUrlSession.h"
#include "platform/notifications/NotificationStore.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sqlite3.h>

namespace {

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

// Opens read-only and runs the full integrity check; null (and a line on
// stderr) when either fails.
sqlite3 *openChecked(const QString &path)
{
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr) !=
        SQLITE_OK) {
        err() << "cannot open " << path << ": " << sqlite3_errmsg(db) << Qt::endl;
        sqlite3_close(db);
        return nullptr;
    }
    sqlite3_busy_timeout(db, 5000);
    sqlite3_stmt *check = nullptr;
    QString verdict = QStringLiteral("no answer");
    if (sqlite3_prepare_v2(db, "PRAGMA integrity_check", -1, &check, nullptr) == SQLITE_OK &&
        sqlite3_step(check) == SQLITE_ROW)
        verdict = QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(check, 0)));
    sqlite3_finalize(check);
    if (verdict != QLatin1String("ok")) {
        err() << path << " is damaged: " << verdict << Qt::endl;
        sqlite3_close(db);
        return nullptr;
    }
    return db;
}

int suiteValue(const QString &path, const QString &key)
{
    sqlite3 *db = openChecked(path);
    if (!db)
        return 1;
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, "SELECT value FROM defaults WHERE key = ?1", -1, &s, nullptr);
    const QByteArray k = key.toUtf8();
    sqlite3_bind_text(s, 1, k.constData(), static_cast<int>(k.size()), SQLITE_TRANSIENT);
    if (sqlite3_step(s) == SQLITE_ROW)
        out() << reinterpret_cast<const char *>(sqlite3_column_text(s, 0)) << Qt::endl;
    else
        out() << "absent" << Qt::endl;
    sqlite3_finalize(s);
    sqlite3_close(db);
    return 0;
}

int storePending(const QString &path)
{
    sqlite3 *db = openChecked(path);
    if (!db)
        return 1;
    sqlite3_stmt *s = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM requests WHERE state = 'pending'", -1, &s, nullptr);
    const int rc = sqlite3_step(s);
    out() << (rc == SQLITE_ROW ? sqlite3_column_int(s, 0) : -1) << Qt::endl;
    sqlite3_finalize(s);
    sqlite3_close(db);
    return rc == SQLITE_ROW ? 0 : 1;
}

// The day the record's fields are of: the Hijri record names the entry's day
// and, under an adjustment, says which day its fields come from.
QDate dayOf(const QJsonObject &record)
{
    const QString key =
        record.contains(QStringLiteral("fieldsDate")) ? QStringLiteral("fieldsDate") : QStringLiteral("date");
    return QDateTime::fromString(record.value(key).toString(), Qt::ISODate).date();
}

int judgeTimeline()
{
    QFile in;
    in.open(stdin, QIODevice::ReadOnly);
    const QJsonArray entries =
        QJsonDocument::fromJson(in.readAll()).object().value(QStringLiteral("entries")).toArray();
    if (entries.size() != 30) {
        err() << "timeline has " << entries.size() << " entries" << Qt::endl;
        return 1;
    }
    std::optional<qint64> adjustment;
    for (int i = 0; i < entries.size(); ++i) {
        const QJsonObject e = entries[i].toObject();
        // The Hijri record describes the entry's day moved by the adjustment.
        const qint64 shift = dayOf(e.value(QStringLiteral("gregorian")).toObject())
                                 .daysTo(dayOf(e.value(QStringLiteral("hijri")).toObject()));
        if (adjustment && *adjustment != shift) {
            err() << "torn timeline: entry 0 uses " << *adjustment << ", entry " << i << " uses " << shift
                  << " ("
                  << e.value(QStringLiteral("hijri"))
                         .toObject()
                         .value(QStringLiteral("dateFullString"))
                         .toString()
                  << ")" << Qt::endl;
            return 1;
        }
        adjustment = shift;
    }
    out() << *adjustment << Qt::endl;
    return 0;
}

// VmHWM of /proc/self/status, in KiB.
qint64 peakResidentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

int fetch(const QString &url, int deadlineMs, int count)
{
    platform::UrlSession::install(
        std::make_shared<platform::LoadedUrlSession>(QStringLiteral(QAMARLY_NETWORK_MODULE)));
    QElapsedTimer clock;
    clock.start();
    int answered = 0;
    for (int i = 0; i < count; ++i) {
        platform::UrlRequest request;
        request.url = QUrl(url);
        request.timeout = std::chrono::milliseconds(deadlineMs);
        platform::UrlSession::shared().dataTask(request, nullptr, [&](const platform::UrlResponse &r) {
            if (r.error)
                out() << "error: " << *r.error << Qt::endl;
            else
                out() << "status " << r.statusCode << ", " << r.data.value_or(QByteArray()).size() << " bytes"
                      << Qt::endl;
            if (++answered == count)
                QCoreApplication::quit();
        });
    }
    QCoreApplication::exec();
    out() << "elapsed-ms " << clock.elapsed() << Qt::endl << "peak-kb " << peakResidentKb() << Qt::endl;
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments().mid(1);
    if (a.size() == 3 && a[0] == QLatin1String("suite"))
        return suiteValue(a[1], a[2]);
    if (a.size() == 2 && a[0] == QLatin1String("store"))
        return storePending(a[1]);
    if (a.size() == 2 && a[0] == QLatin1String("allow-notifications")) {
        auto store = platform::NotificationStore::open(a[1]);
        platform::NotificationSettings allowed;
        allowed.authorizationStatus = platform::AuthorizationStatus::authorized;
        allowed.options = platform::AuthorizationOption::alert | platform::AuthorizationOption::badge;
        return store && store->setSettings(allowed) ? 0 : 1;
    }
    if (a.size() == 4 && a[0] == QLatin1String("leave-log")) {
        auto suite = platform::UserDefaults::open(a[1]);
        suite->setInteger(a[2], a[3].toLongLong());
        if (!suite->waitForWrites(30000) || !suite->flush() || !suite->isPersistent())
            return 1;
        std::fflush(nullptr);
        std::_Exit(0); // as if killed: the log is not folded back into the file
    }
    if (a.size() == 4 && a[0] == QLatin1String("churn")) {
        // As the other programs of a user's session use the file: each run
        // opens it, writes and closes it again, as the last user it thinks it is.
        for (int i = 0; i < a[3].toInt(); ++i) {
            auto suite = platform::UserDefaults::open(a[1]);
            suite->setInteger(a[2] + QLatin1Char('-') + QString::number(i), i);
            if (!suite->waitForWrites(30000) || !suite->flush() || !suite->isPersistent())
                return 1;
        }
        return 0;
    }
    if (a.size() == 1 && a[0] == QLatin1String("timeline"))
        return judgeTimeline();
    if (a.size() == 4 && a[0] == QLatin1String("fetch"))
        return fetch(a[1], a[2].toInt(), std::max(1, a[3].toInt()));
    err() << "usage: see the head of AttackProbe.cpp" << Qt::endl;
    return 2;
}
