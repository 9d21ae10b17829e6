// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The folders the desktop keeps its applications and their associations in,
// as the XDG base directory rules name them.
struct XdgFolders
{
    QString configHome;
    QStringList configDirs;
    QString dataHome;
    QStringList dataDirs;
    // $XDG_CURRENT_DESKTOP's names, lower case ("gnome", "kde").
    QStringList desktops;

    static XdgFolders fromEnvironment();
};

// The desktop file id ("thunderbird.desktop") of the application that opens
// `scheme` addresses ("mailto"), or an empty string when none does. Reads the
// mimeapps.list associations and the installed desktop files, nothing else:
// no program is started, so asking on every click costs milliseconds.
QString schemeHandler(const QString &scheme, const XdgFolders &folders);

} // namespace platform
