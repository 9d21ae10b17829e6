// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/DeliveryAgentLauncher.h"

#include "platform/defaults/UserDefaults.h"
#include "platform/system/Console.h"
#include "platform/system/ProgramPart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>

namespace platform {

QString deliveryAgentLockPath()
{
    const QString directory = UserDefaults::configDirectory();
    QDir().mkpath(directory);
    return directory + QStringLiteral("/qamarly-notifyd.lock");
}

bool isDeliveryAgentRunning()
{
    QLockFile probe(deliveryAgentLockPath());
    // A lock whose owner died is stale at once: Qt checks the owner's pid.
    probe.setStaleLockTime(0);
    if (probe.tryLock(0)) {
        probe.unlock();
        return false;
    }
    return probe.error() == QLockFile::LockFailedError;
}

bool startDeliveryAgentIfNeeded()
{
    if (isDeliveryAgentRunning())
        return true;
    QString program = QDir(launcherDirectory()).filePath(QString::fromLatin1(deliveryAgentProgram));
    if (!QFileInfo(program).isExecutable())
        program = QStandardPaths::findExecutable(QString::fromLatin1(deliveryAgentProgram));
    if (program.isEmpty()) {
        consoleLog(QStringLiteral("Cannot find %1; notifications are delivered only while it runs")
                       .arg(QString::fromLatin1(deliveryAgentProgram)));
        return false;
    }
    // Detached: the agent outlives the application, which is the point of it.
    if (!QProcess::startDetached(program, {})) {
        consoleLog(QStringLiteral("Cannot start %1").arg(program));
        return false;
    }
    return true;
}

} // namespace platform
