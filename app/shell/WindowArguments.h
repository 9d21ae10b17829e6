// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QStringList>
#include <QUrl>

namespace app::shell {

// What the command line says about the window, decided before any GUI
// library is loaded.

// Whether these command-line arguments ask for the window rather than a
// command: none, Qt's own options, or an address to open.
bool wantsWindow(const QStringList &arguments);
// Whether a window can be shown: a display, or a platform that needs none.
bool displayAvailable(const QStringList &arguments);
// An address given on the command line ("qamarly://...", or a calendar
// file as a "file:" URL), or an empty URL.
QUrl addressArgument(const QStringList &arguments);
// An argument the window takes: an address, or an iCalendar file to open (a
// path ending in ".ics", as file managers pass it).
bool isWindowAddress(const QString &argument);
// The arguments as a window started from any folder reads them: calendar
// files as absolute "file:" URLs.
QStringList forwardableArguments(const QStringList &arguments);

} // namespace app::shell
