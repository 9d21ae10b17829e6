// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QObject>
#include <QStringList>

class QSocketNotifier;

namespace app::shell {

// Keeps one Qamarly window per user session. The first start listens on a
// local socket; a later start hands its arguments to it and exits, and the
// first one brings its window to the front. Plain Unix sockets, so that the
// window's start maps no network library.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // The socket of this user's session: in $XDG_RUNTIME_DIR when there is
    // one, otherwise in the temporary folder, named with the user's id.
    static QString defaultServerName();

    explicit SingleInstance(QString serverName = defaultServerName(), QObject *parent = nullptr);
    ~SingleInstance() override;

    enum class Outcome
    {
        primary,   // this process now answers later starts
        forwarded, // a running Qamarly took the arguments
        failed,    // neither: the socket is held by something that does not answer
    };
    // Waits at most a couple of seconds, and only before the window exists.
    Outcome claim(const QStringList &arguments);
    QString serverName() const { return serverName_; }

signals:
    // Another start of Qamarly asked to come to the front, with the token
    // its launcher gave it for that (empty when it had none).
    void activationRequested(const QStringList &arguments, const QString &activationToken);

private:
    Outcome forwardTo(const QStringList &arguments, bool &reached);
    bool listen(QString *why);
    void removeSocketFile() const;
    void acceptConnections();

    QString serverName_;
    int listener_ = -1;
    QSocketNotifier *accepting_ = nullptr;
    // The socket file this process made, told apart from one made since.
    quint64 socketInode_ = 0;
};

} // namespace app::shell
