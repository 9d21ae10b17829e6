// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/AgentLoginStart.h"

#include "platform/notifications/DeliveryAgentLauncher.h"
#include "platform/system/Console.h"
#include "platform/system/ProgramPart.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

namespace platform {

namespace {

QString environmentOr(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

} // namespace

AgentLoginStart::Environment AgentLoginStart::current()
{
    Environment env;
    env.runtimeDirectory = qEnvironmentVariable("XDG_RUNTIME_DIR");
    env.configDirectory = environmentOr("XDG_CONFIG_HOME", QDir::homePath() + QStringLiteral("/.config"));
    const QString dataHome =
        environmentOr("XDG_DATA_HOME", QDir::homePath() + QStringLiteral("/.local/share"));
    env.unitDirectories = {env.configDirectory + QStringLiteral("/systemd/user"),
                           dataHome + QStringLiteral("/systemd/user"), QStringLiteral("/etc/systemd/user"),
                           QStringLiteral("/usr/local/lib/systemd/user"),
                           QStringLiteral("/usr/lib/systemd/user")};
    // An install under another prefix is not among these: systemd would not
    // find its unit, so the autostart entry starts the agent instead.
    env.agentProgram = QDir(launcherDirectory()).filePath(QString::fromLatin1(deliveryAgentProgram));
    if (!QFileInfo(env.agentProgram).isExecutable()) {
        const QString found = QStandardPaths::findExecutable(QString::fromLatin1(deliveryAgentProgram));
        if (!found.isEmpty())
            env.agentProgram = found;
    }
    env.systemctl = [](const QStringList &arguments) {
        // Not waited for: the window stays responsive, and a failure changes nothing.
        if (!QProcess::startDetached(QStringLiteral("systemctl"), arguments))
            consoleLog(QStringLiteral("Cannot run systemctl %1").arg(arguments.join(QLatin1Char(' '))));
    };
    return env;
}

AgentLoginStart::AgentLoginStart(Environment environment) : env_(std::move(environment)) {}

QString AgentLoginStart::autostartPath() const
{
    return env_.configDirectory + QStringLiteral("/autostart/qamarly-notifyd.desktop");
}

QString AgentLoginStart::unitLinkPath() const
{
    return env_.configDirectory + QStringLiteral("/systemd/user/graphical-session.target.wants/") +
           QLatin1String(unitName);
}

bool AgentLoginStart::systemdKnowsUnit() const
{
    if (env_.runtimeDirectory.isEmpty() ||
        !QFileInfo::exists(env_.runtimeDirectory + QStringLiteral("/systemd/private")))
        return false;
    for (const QString &directory : env_.unitDirectories)
        if (QFileInfo::exists(directory + QLatin1Char('/') + QLatin1String(unitName)))
            return true;
    return false;
}

void AgentLoginStart::setEnabled(bool on)
{
    const bool systemd = systemdKnowsUnit();
    const bool linked = QFileInfo(unitLinkPath()).isSymLink() || QFileInfo::exists(unitLinkPath());
    if (systemd && linked != on && env_.systemctl)
        env_.systemctl({QStringLiteral("--user"), on ? QStringLiteral("enable") : QStringLiteral("disable"),
                        QLatin1String(unitName)});

    // The autostart entry only where systemd cannot start the agent; one
    // left from a session without systemd goes, so it never starts twice.
    const QString entry = autostartPath();
    if (!on || systemd) {
        if (QFileInfo::exists(entry) && !QFile::remove(entry))
            consoleLog(QStringLiteral("Cannot remove %1").arg(entry));
        return;
    }
    if (QFileInfo::exists(entry) || env_.agentProgram.isEmpty())
        return;
    QDir().mkpath(QFileInfo(entry).absolutePath());
    QSaveFile file(entry);
    QString program = env_.agentProgram;
    program.replace(QLatin1Char('%'), QStringLiteral("%%"));
    // The Exec key quotes an argument with a space, and escapes what quoting needs.
    if (program.contains(QLatin1Char(' ')) || program.contains(QLatin1Char('"'))) {
        program.replace(QLatin1Char('\\'), QStringLiteral("\\\\\\\\"));
        program.replace(QLatin1Char('"'), QStringLiteral("\\\""));
        program = QLatin1Char('"') + program + QLatin1Char('"');
    }
    const QString text =
        QStringLiteral("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Qamarly notifications\n"
                       "Comment=Delivers Qamarly's notifications and keeps its launcher badge\n"
                       "Exec=%1\n"
                       "Icon=org.qamarly.Qamarly\n"
                       "NoDisplay=true\n"
                       "X-GNOME-Autostart-enabled=true\n")
            .arg(program);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.toUtf8()) < 0 || !file.commit())
        consoleLog(QStringLiteral("Cannot write %1").arg(entry));
}

} // namespace platform
