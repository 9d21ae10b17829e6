// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "DBusTestSupport.h"

#include <QDBusConnectionInterface>
#include <QFile>
#include <QStandardPaths>

namespace testbus {

PrivateBus::PrivateBus(const QString &socketPath)
{
    const QString socket = socketPath.isEmpty() ? dir_.filePath(QStringLiteral("bus")) : socketPath;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("dbus-daemon"));
    if (program.isEmpty())
        return;
    // A configuration of our own: no service files, so nothing on this machine
    // is activated in place of the test's fakes.
    const QString config = dir_.filePath(QStringLiteral("session.conf"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(
        QStringLiteral("<!DOCTYPE busconfig PUBLIC \"-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN\"\n"
                       " \"http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd\">\n"
                       "<busconfig><type>session</type><listen>unix:path=%1</listen>"
                       "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                       "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n")
            .arg(socket)
            .toUtf8());
    file.close();
    daemon_.setProgram(program);
    daemon_.setArguments({QStringLiteral("--config-file=") + config, QStringLiteral("--nofork"),
                          QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    daemon_.start();
    if (!daemon_.waitForStarted(10000))
        return;
    // The address line arrives once the daemon listens.
    QByteArray line;
    while (!line.contains('\n') && daemon_.waitForReadyRead(10000))
        line += daemon_.readAllStandardOutput();
    address_ = QString::fromUtf8(line).trimmed();
}

PrivateBus::~PrivateBus()
{
    if (daemon_.state() != QProcess::NotRunning) {
        daemon_.kill();
        daemon_.waitForFinished(10000);
    }
}

QDBusConnection PrivateBus::connect(const QString &name)
{
    return QDBusConnection::connectToBus(address_, name);
}

FakeNotificationService::FakeNotificationService(QDBusConnection bus) : bus_(bus)
{
    bus_.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"),
                 QStringLiteral("Update"), this, SLOT(onLauncherUpdate(QString, QVariantMap)));
}

FakeNotificationService::~FakeNotificationService()
{
    unregisterService();
}

bool FakeNotificationService::registerService()
{
    return bus_.registerObject(QStringLiteral("/org/freedesktop/Notifications"), this,
                               QDBusConnection::ExportAllSlots) &&
           bus_.registerService(QStringLiteral("org.freedesktop.Notifications"));
}

void FakeNotificationService::unregisterService()
{
    bus_.unregisterService(QStringLiteral("org.freedesktop.Notifications"));
    bus_.unregisterObject(QStringLiteral("/org/freedesktop/Notifications"));
}

void FakeNotificationService::holdReplies(bool hold)
{
    hold_ = hold;
    if (!hold) {
        for (const QDBusMessage &m : std::exchange(held_, {}))
            bus_.send(m.createReply(QVariant::fromValue(nextId_++)));
    }
}

int FakeNotificationService::countOf(const QString &summary) const
{
    int n = 0;
    for (const Shown &s : shown)
        n += s.summary == summary ? 1 : 0;
    return n;
}

uint FakeNotificationService::Notify(const QString &, uint, const QString &, const QString &summary,
                                     const QString &body, const QStringList &, const QVariantMap &hints, int)
{
    shown.append(Shown{summary, body, hints});
    Q_EMIT notified(summary);
    if (hold_) {
        setDelayedReply(true);
        held_.append(message());
        return 0;
    }
    return nextId_++;
}

QStringList FakeNotificationService::GetCapabilities()
{
    return {QStringLiteral("body")};
}

void FakeNotificationService::CloseNotification(uint) {}

void FakeNotificationService::onLauncherUpdate(const QString &appUri, const QVariantMap &properties)
{
    launcherUris.append(appUri);
    launcherUpdates.append(properties);
    Q_EMIT launcherUpdated(properties.value(QStringLiteral("count")).toLongLong());
}

} // namespace testbus
