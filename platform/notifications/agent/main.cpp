// qamarly-notifyd: delivers Qamarly's notifications while the application is closed.
#include "platform/notifications/DeliveryAgent.h"
#include "platform/notifications/DeliveryAgentLauncher.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLockFile>

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
    platform::DeliveryAgent agent(options);
    if (!agent.start())
        return 1;
    // Stopped by a signal at any moment: the store is crash-safe, and the
    // lock of a dead agent is stale at once.
    return app.exec();
}
