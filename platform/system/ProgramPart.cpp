// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/ProgramPart.h"

#include <QDir>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace platform {

QStringList partCandidates(const QString &fileName, const QString &executablePath,
                           const QString &relativeInstallDir, const QString &installDir)
{
    QStringList dirs;
    const QString executableDir = executablePath.isEmpty() ? QString() : QFileInfo(executablePath).path();
    if (!executableDir.isEmpty()) {
        dirs << executableDir;
        if (!relativeInstallDir.isEmpty())
            dirs << QDir(executableDir).filePath(relativeInstallDir);
    }
    if (!installDir.isEmpty())
        dirs << installDir;

    QStringList candidates;
    for (const QString &dir : dirs) {
        const QString path = QDir::cleanPath(QDir(dir).filePath(fileName));
        if (!candidates.contains(path))
            candidates << path;
    }
    return candidates;
}

QStringList programArguments(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

QString executablePath()
{
    // Not QCoreApplication::applicationFilePath(): it works without an
    // application object, which the launcher never makes.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

namespace {
// Set by the launcher for the part it runs.
constexpr const char *launcherVariable = "QAMARLY_LAUNCHER";
} // namespace

void execPart(const QStringList &candidates, char **argv, QString *error)
{
    QStringList reasons;
    const QByteArray launcher = QFile::encodeName(executablePath());
    for (const QString &path : candidates) {
        const QFileInfo info(path);
        if (!info.isFile() || !info.isExecutable()) {
            reasons << path + QStringLiteral(": not found");
            continue;
        }
        ::setenv(launcherVariable, launcher.constData(), 1);
        ::execv(QFile::encodeName(path).constData(), argv);
        reasons << path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(errno));
    }
    ::unsetenv(launcherVariable);
    if (error)
        *error = reasons.isEmpty() ? QStringLiteral("no place to look") : reasons.join(QStringLiteral("; "));
}

QString launcherPath()
{
    const QString launcher = qEnvironmentVariable(launcherVariable);
    return !launcher.isEmpty() && QFileInfo(launcher).isExecutable() ? launcher : executablePath();
}

QString launcherDirectory()
{
    return QFileInfo(launcherPath()).path();
}

} // namespace platform
