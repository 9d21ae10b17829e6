// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// qamarly-notifyd: delivers Qamarly's notifications while the application is closed.
#include "platform/notifications/DeliveryAgent.h"
#include "platform/notifications/DeliveryAgentLauncher.h"
#include "platform/notifications/agent/EventAlerts.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <memory>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qamarly-notifyd"));
    platform::Device::reload();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Delivers Qamarly's notifications and keeps its launcher badge."));
    parser.addHelpOption();
    QCommandLineOption retry(
        QStringLiteral("retry-interval"),
        QStringLiteral("Milliseconds between attempts to reach a missing bus or notification service."),
        QStringLiteral("ms"), QStringLiteral("5000"));
    parser.addOption(retry);
    parser.process(app);

    // One agent per user: a second one would deliver everything twice.
    QLockFile lock(platform::deliveryAgentLockPath());
    lock.setStaleLockTime(0);
    if (!lock.tryLock(0)) {
        if (lock.error() == QLockFile::LockFailedError) {
            platform::consoleLog(QStringLiteral("qamarly-notifyd: already running"));
            return 0;
        }
        platform::consoleLog(QStringLiteral("qamarly-notifyd: cannot take the lock %1")
                                 .arg(platform::deliveryAgentLockPath()));
        return 1;
    }

    platform::DeliveryAgentOptions options;
    bool ok = false;
    const int retryMs = parser.value(retry).toInt(&ok);
    if (ok && retryMs > 0)
        options.retryIntervalMs = retryMs;
    // A plan made for other settings than the stored ones (a change whose
    // replanning was killed) is made again by the application's own command.
    const QString qamarly = QCoreApplication::applicationDirPath() + QStringLiteral("/qamarly");
    if (QFileInfo(qamarly).isExecutable()) {
        options.repairPlan = [qamarly](std::function<void()> finished) {
            auto *refresh = new QProcess(QCoreApplication::instance());
            refresh->setProcessChannelMode(QProcess::ForwardedErrorChannel);
            refresh->setStandardOutputFile(QProcess::nullDevice());
            auto done = std::make_shared<std::function<void()>>(std::move(finished));
            QObject::connect(refresh, &QProcess::finished, refresh, [refresh, done] {
                refresh->deleteLater();
                (*done)();
            });
            QObject::connect(refresh, &QProcess::errorOccurred, refresh,
                             [refresh, done](QProcess::ProcessError e) {
                                 if (e != QProcess::FailedToStart)
                                     return;
                                 refresh->deleteLater();
                                 (*done)();
                             });
            refresh->start(qamarly, {QStringLiteral("notifications"), QStringLiteral("refresh")});
        };
    }
    platform::DeliveryAgent agent(options);
    if (!agent.start())
        return 1;
    // Every calendar folder's alerts, those a sync tool brings in included.
    platform::EventAlertScheduler alerts(
        platform::makeEventStore(), platform::DeliveredAlerts::defaultPath(),
        [&agent](const platform::EventAlertMoment &alert, std::function<void(bool)> done) {
            agent.showEventAlert(alert.title, alert.body, std::move(done));
        });
    alerts.start();
    // Stopped by a signal at any moment: the store is crash-safe, and the
    // lock of a dead agent is stale at once.
    return app.exec();
}
