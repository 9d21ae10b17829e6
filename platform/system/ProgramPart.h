// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A part of a program that is a program of its own (the window, the widget's
// desktop host): the program a user starts runs it in its own place when a
// run needs it, so a command on the terminal never maps what the part links,
// such as the GUI toolkit, and no library is ever linked into one process
// twice.

// Where the part named `fileName` may lie, in the order to try: beside the
// executable (a build tree), then relative to it as installed
// (`relativeInstallDir`, e.g. "../lib/qamarly", so that a moved prefix still
// works), then the install prefix's own directory (`installDir`). Empty
// directories are left out and no place is named twice.
QStringList partCandidates(const QString &fileName, const QString &executablePath,
                           const QString &relativeInstallDir, const QString &installDir);

// The arguments after the program's name, as the terminal passed them.
QStringList programArguments(int argc, char **argv);

// The running program's own file (what /proc/self/exe names); empty if unknown.
QString executablePath();

// Runs the first candidate that is an executable file in place of this
// process, with `argv` as it came; returns only when none could run, with the
// reasons in `error`. The part finds the programs installed beside the one
// the user started through launcherPath().
void execPart(const QStringList &candidates, char **argv, QString *error);

// The program the user started: the one that ran this part, or this program
// itself. Sibling programs (the agent, `qamarly`) lie beside it.
QString launcherPath();
QString launcherDirectory();

} // namespace platform
