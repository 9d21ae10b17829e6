// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/cli/CommandLine.h"
#include "app/notifications/NotificationScheduler.h"
#include "app/shell/WindowArguments.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/AgentLoginStart.h"
#include "platform/system/Device.h"
#include "platform/system/ProgramPart.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#ifndef QAMARLY_PART_RELATIVE_DIR
#define QAMARLY_PART_RELATIVE_DIR ""
#define QAMARLY_PART_INSTALL_DIR ""
#endif

namespace {
int runCommand(int argc, char *argv[], const QStringList &arguments)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qamarly"));
    platform::Device::reload();
    platform::installTranslations();
    // `settings set dailyNotificationEnabled ...` turns the agent's start after login on or off too.
    app::notifications::NotificationScheduler::shared().setAgentLoginStart([](bool on) {
        platform::AgentLoginStart start(platform::AgentLoginStart::current());
        start.setEnabled(on);
    });

    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const auto status = app::cli::runCommandLine(arguments, out, err))
        return *status;
    out << app::cli::usage();
    return 0;
}

// The window, a program of its own with the GUI libraries it links, runs
// in this one's place.
int openWindow(char *argv[])
{
    const QStringList candidates = platform::partCandidates(
        QStringLiteral("qamarly-window"), platform::executablePath(),
        QStringLiteral(QAMARLY_PART_RELATIVE_DIR), QStringLiteral(QAMARLY_PART_INSTALL_DIR));
    QString error;
    platform::execPart(candidates, argv, &error);
    std::fprintf(stderr,
                 "Qamarly's window could not be started (%s); commands still work, see qamarly --help.\n",
                 error.toLocal8Bit().constData());
    return app::cli::exitFailure;
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
    return openWindow(argv);
}
