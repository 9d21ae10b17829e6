// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// A part of a program kept in a library of its own, so that a run that does
// not need it (a command on the terminal) never maps it or what it links,
// such as the GUI toolkit. The library exports one C function, the module's
// main: `int entry(int argc, char **argv)`.
using ModuleMain = int (*)(int, char **);

// Where the module named `fileName` may lie, in the order to try: beside the
// executable (a build tree), then relative to it as installed
// (`relativeInstallDir`, e.g. "../lib/qamarly", so that a moved prefix still
// works), then the install prefix's own directory (`installDir`). Empty
// directories are left out and no place is named twice.
QStringList moduleCandidates(const QString &fileName, const QString &executablePath,
                             const QString &relativeInstallDir, const QString &installDir);

// The arguments after the program's name, as the terminal passed them.
QStringList programArguments(int argc, char **argv);

// The running program's own file (what /proc/self/exe names); empty if unknown.
QString executablePath();

// Loads the first candidate that loads and returns its `entry`; null, with the
// reasons in `error`, when none does.
ModuleMain loadModuleMain(const QStringList &candidates, const char *entry, QString *error);

} // namespace platform
