// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/CommandLine.h"
#include "app/shell/WindowArguments.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"
#include "platform/system/ProgramModule.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#ifndef QAMARLY_MODULE_RELATIVE_DIR
#define QAMARLY_MODULE_RELATIVE_DIR ""
#define QAMARLY_MODULE_INSTALL_DIR ""
#endif

namespace {
int runCommand(int argc, char *argv[], const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qamarly"));
    platform::Device::reload();
    platform::installTranslations();

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const auto status = app::cli::runCommandLine(arguments, out, err))
        return *status;
    out << app::cli::usage();
    return 0;
}

// The window and the GUI libraries it links are loaded only now.
int openWindow(int argc, char *argv[])
{
    const QStringList candidates = platform::moduleCandidates(
        QStringLiteral("libqamarly-window.so"), platform::executablePath(),
        QStringLiteral(QAMARLY_MODULE_RELATIVE_DIR), QStringLiteral(QAMARLY_MODULE_INSTALL_DIR));
    QString error;
    const platform::ModuleMain windowMain =
        platform::loadModuleMain(candidates, "qamarly_window_main", &error);
    if (!windowMain) {
        std::fprintf(stderr,
                     "Qamarly's window could not be loaded (%s); commands still work, see qamarly --help.\n",
                     error.toLocal8Bit().constData());
        return app::cli::exitFailure;
    }
    return windowMain(argc, argv);
}
} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = platform::programArguments(argc, argv);

    // --version, --help and a mistyped option answer on the terminal; only
    // the toolkit's own options and addresses reach the window.
    if (!app::shell::wantsWindow(arguments) || !app::cli::onlyWindowArguments(arguments))
        return runCommand(argc, argv, arguments);
    if (!app::shell::displayAvailable(arguments)) {
        std::fputs("No display is available, so Qamarly's window cannot open. Today's dates:\n", stderr);
        return runCommand(argc, argv, {QStringLiteral("today")});
    }
    return openWindow(argc, argv);
}
