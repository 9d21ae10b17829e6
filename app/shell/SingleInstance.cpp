// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/SingleInstance.h"

#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <unistd.h>

namespace app::shell {

namespace {
constexpr int connectTimeoutMs = 1000;
constexpr int answerTimeoutMs = 2000;
// A request is one JSON line; anything longer is not from us.
constexpr qint64 maxRequestBytes = 64 * 1024;
constexpr char acknowledgement[] = "ok\n";
constexpr QLatin1StringView argumentsKey("activate");
constexpr QLatin1StringView tokenKey("token");
} // namespace

QString SingleInstance::defaultServerName()
{
    const QString fileName = QStringLiteral("qamarly-%1.socket").arg(::getuid());
    const QString runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtimeDir.isEmpty() && QFileInfo(runtimeDir).isDir())
        return QDir(runtimeDir).filePath(fileName);
    return QDir(QDir::tempPath()).filePath(fileName);
}

SingleInstance::SingleInstance(QString serverName, QObject *parent)
    : QObject(parent), serverName_(std::move(serverName))
{
}

SingleInstance::~SingleInstance() = default;

SingleInstance::Outcome SingleInstance::claim(const QStringList &arguments)
{
    // Two starts at the same moment must not both find no one and both listen.
    QLockFile lock(serverName_ + QStringLiteral(".lock"));
    lock.setStaleLockTime(0);
    if (!lock.tryLock(answerTimeoutMs))
        platform::consoleWarning(
            lcWindow(),
            QStringLiteral("Another start of Qamarly holds %1.lock; going on without it").arg(serverName_));

    bool reached = false;
    if (forwardTo(arguments, reached) == Outcome::forwarded)
        return Outcome::forwarded;
    if (reached) {
        platform::consoleWarning(
            lcWindow(), QStringLiteral("Another Qamarly holds %1 but did not answer").arg(serverName_));
        return Outcome::failed;
    }

    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered, so whatever is left at the name is stale (a Qamarly
    // that crashed); take it over.
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) {
        // Another start may have won the race between our attempt and now.
        if (forwardTo(arguments, reached) == Outcome::forwarded)
            return Outcome::forwarded;
        platform::consoleWarning(
            lcWindow(), QStringLiteral("Cannot listen on %1: %2").arg(serverName_, server_->errorString()));
        delete server_;
        server_ = nullptr;
        return Outcome::failed;
    }
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    return Outcome::primary;
}

SingleInstance::Outcome SingleInstance::forwardTo(const QStringList &arguments, bool &reached)
{
    QLocalSocket socket;
    socket.connectToServer(serverName_);
    if (!socket.waitForConnected(connectTimeoutMs))
        return Outcome::failed;
    reached = true;
    // A compositor lets a window come to the front only with the token the
    // launcher handed this start (Wayland's activation; X11's startup id).
    QString token = qEnvironmentVariable("XDG_ACTIVATION_TOKEN");
    if (token.isEmpty())
        token = qEnvironmentVariable("DESKTOP_STARTUP_ID");
    const QJsonObject request{{argumentsKey, QJsonArray::fromStringList(arguments)}, {tokenKey, token}};
    socket.write(QJsonDocument(request).toJson(QJsonDocument::Compact) + '\n');
    if (!socket.waitForBytesWritten(answerTimeoutMs))
        return Outcome::failed;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(answerTimeoutMs))
            return Outcome::failed;
    }
    return socket.readLine() == acknowledgement ? Outcome::forwarded : Outcome::failed;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket *socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > maxRequestBytes)
                    socket->abort();
                return;
            }
            const QJsonDocument document = QJsonDocument::fromJson(socket->readLine());
            const QJsonValue arguments = document.object().value(argumentsKey);
            if (!arguments.isArray()) {
                platform::consoleWarning(
                    lcWindow(), QStringLiteral("Ignored a malformed request from another start of Qamarly"));
                socket->abort();
                return;
            }
            socket->write(acknowledgement);
            socket->flush();
            QStringList list;
            const QJsonArray values = arguments.toArray();
            for (const auto &value : values)
                list << value.toString();
            emit activationRequested(list, document.object().value(tokenKey).toString());
        });
    }
}

} // namespace app::shell
