// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/ProgramModule.h"

#include <QDir>
#include <QFileInfo>
#include <dlfcn.h>

namespace platform {

QStringList moduleCandidates(const QString &fileName, const QString &executablePath,
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
    // Not QCoreApplication::applicationFilePath(): the module's main makes
    // the application object, so none exists yet.
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath();
}

ModuleMain loadModuleMain(const QStringList &candidates, const char *entry, QString *error)
{
    QStringList reasons;
    for (const QString &path : candidates) {
        if (!QFileInfo::exists(path)) {
            reasons << path + QStringLiteral(": not found");
            continue;
        }
        // Kept loaded for the rest of the process: the module's main runs the
        // program. Lazy binding, as the loader does at exec: binding every
        // symbol of the GUI libraries up front costs the window a tenth of
        // its start.
        void *handle = dlopen(QFile::encodeName(path).constData(), RTLD_LAZY | RTLD_LOCAL);
        if (!handle) {
            reasons << QString::fromLocal8Bit(dlerror());
            continue;
        }
        if (void *symbol = dlsym(handle, entry))
            return reinterpret_cast<ModuleMain>(symbol);
        reasons << path + QStringLiteral(": no ") + QString::fromLatin1(entry);
        dlclose(handle);
    }
    if (error)
        *error = reasons.isEmpty() ? QStringLiteral("no place to look") : reasons.join(QStringLiteral("; "));
    return nullptr;
}

} // namespace platform
