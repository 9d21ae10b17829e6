// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/linux/DesktopSchemeHandlers.h"

#include "platform/system/BoundedFile.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QHash>
#include <QSet>

namespace platform {

namespace {

QStringList splitPaths(const QByteArray &value, const QStringList &fallback)
{
    QStringList paths;
    for (const QString &path : QString::fromLocal8Bit(value).split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // Relative entries are invalid and ignored.
        if (QDir::isAbsolutePath(path))
            paths.append(path);
    }
    return paths.isEmpty() ? fallback : paths;
}

// The groups of an ini-style file that matter here: key -> value per group.
using IniGroups = QHash<QString, QHash<QString, QString>>;

IniGroups parseIni(const QByteArray &data, const QSet<QString> &wanted)
{
    IniGroups groups;
    QString group;
    for (const QByteArray &raw : data.split('\n')) {
        const QString line = QString::fromUtf8(raw).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            group = line.mid(1, line.size() - 2);
            continue;
        }
        if (!wanted.contains(group))
            continue;
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        // The first occurrence of a key wins, as desktop files are read.
        if (!groups[group].contains(key))
            groups[group].insert(key, line.mid(equals + 1).trimmed());
    }
    return groups;
}

// Anyone may leave these files in the user's folders: a FIFO would hold the
// window up, a link to a device would be read for good.
QByteArray readFile(const QString &path)
{
    constexpr qint64 largestEntry = 1024 * 1024;
    return platform::readRegularFileHead(path, largestEntry).value_or(QByteArray());
}

IniGroups readIni(const QString &path, const QSet<QString> &wanted)
{
    return parseIni(readFile(path), wanted);
}

QStringList listValue(const QString &value)
{
    return value.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

QStringList applicationFolders(const XdgFolders &folders)
{
    QStringList dirs;
    if (!folders.dataHome.isEmpty())
        dirs.append(folders.dataHome + QStringLiteral("/applications"));
    for (const QString &dir : folders.dataDirs)
        dirs.append(dir + QStringLiteral("/applications"));
    return dirs;
}

QStringList mimeappsLists(const XdgFolders &folders)
{
    QStringList lists;
    auto addFrom = [&](const QString &dir) {
        for (const QString &desktop : folders.desktops)
            lists.append(dir + QLatin1Char('/') + desktop + QStringLiteral("-mimeapps.list"));
        lists.append(dir + QStringLiteral("/mimeapps.list"));
    };
    QStringList configs;
    if (!folders.configHome.isEmpty())
        configs.append(folders.configHome);
    configs += folders.configDirs;
    for (const QString &dir : configs)
        addFrom(dir);
    for (const QString &dir : applicationFolders(folders))
        addFrom(dir);
    return lists;
}

constexpr QLatin1StringView desktopEntry("Desktop Entry");

// A desktop entry that can be started: not hidden, and with a command or
// started over D-Bus.
bool usable(const QHash<QString, QString> &entry)
{
    if (entry.isEmpty() || entry.value(QStringLiteral("Hidden")) == QLatin1String("true"))
        return false;
    return !entry.value(QStringLiteral("Exec")).isEmpty() ||
           entry.value(QStringLiteral("DBusActivatable")) == QLatin1String("true");
}

// Where the desktop file with this id lives: "org-app.desktop" may also be
// "org/app.desktop" below an applications folder.
QString findDesktopFile(const QString &id, const QStringList &dirs)
{
    for (const QString &dir : dirs) {
        QString direct = dir + QLatin1Char('/') + id;
        if (QFile::exists(direct))
            return direct;
        QString nested = id;
        nested.replace(QLatin1Char('-'), QLatin1Char('/'));
        if (nested != id && QFile::exists(dir + QLatin1Char('/') + nested))
            return dir + QLatin1Char('/') + nested;
    }
    return QString();
}

} // namespace

XdgFolders XdgFolders::fromEnvironment()
{
    XdgFolders folders;
    const QString home = QDir::homePath();
    folders.configHome =
        splitPaths(qgetenv("XDG_CONFIG_HOME"), {home + QStringLiteral("/.config")}).constFirst();
    folders.configDirs = splitPaths(qgetenv("XDG_CONFIG_DIRS"), {QStringLiteral("/etc/xdg")});
    folders.dataHome =
        splitPaths(qgetenv("XDG_DATA_HOME"), {home + QStringLiteral("/.local/share")}).constFirst();
    folders.dataDirs = splitPaths(qgetenv("XDG_DATA_DIRS"),
                                  {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    for (const QString &desktop :
         QString::fromLocal8Bit(qgetenv("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders.desktops.append(desktop.toLower());
    return folders;
}

QString schemeHandler(const QString &scheme, const XdgFolders &folders)
{
    if (scheme.isEmpty())
        return QString();
    const QString mimeType = QStringLiteral("x-scheme-handler/") + scheme.toLower();
    const QStringList appDirs = applicationFolders(folders);

    // The associations first: the user's choice, then what the system adds.
    // A removal in an earlier file hides the application from later ones.
    QSet<QString> removed;
    for (const QString &list : mimeappsLists(folders)) {
        const IniGroups groups =
            readIni(list, {QStringLiteral("Default Applications"), QStringLiteral("Added Associations"),
                           QStringLiteral("Removed Associations")});
        // A file's removals apply to its own additions too.
        for (const QString &id :
             listValue(groups.value(QStringLiteral("Removed Associations")).value(mimeType)))
            removed.insert(id);
        for (const char *group : {"Default Applications", "Added Associations"}) {
            for (const QString &id : listValue(groups.value(QLatin1String(group)).value(mimeType))) {
                if (removed.contains(id))
                    continue;
                const QString path = findDesktopFile(id, appDirs);
                if (!path.isEmpty() && usable(readIni(path, {desktopEntry}).value(desktopEntry)))
                    return id;
            }
        }
    }

    // Then any installed application that says it takes the scheme.
    const QByteArray mimeBytes = mimeType.toUtf8();
    for (const QString &dir : appDirs) {
        const QDir folder(dir);
        QDirIterator files(dir, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            const QByteArray data = readFile(path);
            // Most files never name the type: skip them before parsing.
            if (!data.contains(mimeBytes))
                continue;
            QString id = folder.relativeFilePath(path);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (removed.contains(id))
                continue;
            const QHash<QString, QString> entry = parseIni(data, {desktopEntry}).value(desktopEntry);
            if (listValue(entry.value(QStringLiteral("MimeType"))).contains(mimeType) && usable(entry))
                return id;
        }
    }
    return QString();
}

} // namespace platform
