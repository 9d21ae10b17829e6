// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 that answers each path with a fixture.
class LocalStore : public QObject
{
    Q_OBJECT

public:
    struct Reply
    {
        int status = 200;
        QByteArray body;
        QByteArray contentType = "application/json";
        // Extra header lines, "Name: value".
        QList<QByteArray> headers;
        // Answer this late (a slow store).
        int delayMs = 0;
        // Say Content-Length; without it the body ends when the connection closes.
        bool contentLength = true;
        // Send the body one byte every this many milliseconds: a store that
        // never pauses long enough for a time-out between bytes.
        int dripMs = 0;
        // A chunked body that never ends, sent as fast as it is taken.
        bool endless = false;
    };

    LocalStore();
    QUrl baseUrl() const;
    void route(const QString &path, Reply reply) { routes_.insert(path, std::move(reply)); }
    // Request targets ("/lookup?bundleId=...") in the order they arrived.
    const QList<QString> &requests() const { return requests_; }

    static QByteArray lookupBody(const QString &version, const QString &releaseDate,
                                 const QString &minimumOs = QStringLiteral("12"), qint64 trackId = 1234567);

private:
    void serve(class QTcpSocket *socket);

    QTcpServer server_;
    QHash<QString, Reply> routes_;
    QList<QString> requests_;
};

// Runs the event loop until `done` holds or `ms` pass; returns `done()`.
bool waitUntil(const std::function<bool()> &done, int ms = 5000);
// Runs the event loop for `ms`.
void spin(int ms);
