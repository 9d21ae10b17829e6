// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "LocalStore.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

LocalStore::LocalStore()
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket *socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        }
    });
}

QUrl LocalStore::baseUrl() const
{
    return QUrl(QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()));
}

void LocalStore::serve(QTcpSocket *socket)
{
    const QByteArray received = socket->property("received").toByteArray() + socket->readAll();
    socket->setProperty("received", received);
    // A TLS greeting gets plain text back, as a store with a broken certificate setup would.
    if (received.startsWith('\x16')) {
        socket->write("HTTP/1.1 400 Plain HTTP\r\nConnection: close\r\n\r\n");
        socket->disconnectFromHost();
        return;
    }
    const qsizetype end = received.indexOf("\r\n\r\n");
    if (end < 0 || socket->property("answered").toBool())
        return;
    socket->setProperty("answered", true);
    const QList<QByteArray> requestLine = received.left(received.indexOf("\r\n")).split(' ');
    const QString target = requestLine.size() > 1 ? QString::fromLatin1(requestLine.at(1)) : QString();
    requests_.append(target);

    const QString path = target.section(QLatin1Char('?'), 0, 0);
    Reply reply;
    if (auto found = routes_.constFind(path); found != routes_.constEnd())
        reply = *found;
    else
        reply = Reply{404, "<html>not found</html>", "text/html", {}, 0, true};

    QByteArray response = "HTTP/1.1 " + QByteArray::number(reply.status) + " Fixture\r\n";
    response += "Content-Type: " + reply.contentType + "\r\n";
    if (reply.endless) {
        socket->write(response + "Transfer-Encoding: chunked\r\n\r\n");
        const QByteArray chunk = "10000\r\n" + QByteArray(0x10000, 'x') + "\r\n";
        const QByteArray opening = "{\"results\":[],\"pad\":\"";
        socket->write(QByteArray::number(opening.size(), 16) + "\r\n" + opening + "\r\n");
        auto more = [socket, chunk] {
            while (socket->bytesToWrite() < 4 * chunk.size())
                socket->write(chunk);
        };
        connect(socket, &QTcpSocket::bytesWritten, socket, more);
        more();
        return;
    }
    if (reply.contentLength)
        response += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    for (const QByteArray &header : reply.headers)
        response += header + "\r\n";
    response += "Connection: close\r\n\r\n" + reply.body;

    QPointer<QTcpSocket> guard(socket);
    if (reply.dripMs > 0) {
        // The head at once: only the body comes a byte at a time.
        auto sent = std::make_shared<qsizetype>(response.indexOf("\r\n\r\n") + 4);
        socket->write(response.left(*sent));
        auto *drip = new QTimer(socket);
        connect(drip, &QTimer::timeout, socket, [socket, drip, sent, response] {
            socket->write(response.mid(*sent, 1));
            if (++*sent == response.size()) {
                drip->stop();
                socket->disconnectFromHost();
            }
        });
        drip->start(reply.dripMs);
        return;
    }
    QTimer::singleShot(reply.delayMs, this, [guard, response] {
        if (!guard)
            return;
        guard->write(response);
        guard->disconnectFromHost();
    });
}

QByteArray LocalStore::lookupBody(const QString &version, const QString &releaseDate,
                                  const QString &minimumOs, qint64 trackId)
{
    return QStringLiteral(R"({"resultCount":1,"results":[{"trackId":%1,"bundleId":"org.qamarly.Qamarly",)"
                          R"("primaryGenreId":6000,"currentVersionReleaseDate":"%2","minimumOsVersion":"%3",)"
                          R"("version":"%4","trackName":"Qamarly"}]})")
        .arg(trackId)
        .arg(releaseDate, minimumOs, version)
        .toUtf8();
}

bool waitUntil(const std::function<bool()> &done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void spin(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}
