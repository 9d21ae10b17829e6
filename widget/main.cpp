// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/ProgramPart.h"
#include "widget/WidgetCommandLine.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#ifndef QAMARLY_PART_RELATIVE_DIR
#define QAMARLY_PART_RELATIVE_DIR ""
#define QAMARLY_PART_INSTALL_DIR ""
#endif

namespace {

// Drawing and the desktop host need the GUI libraries, which come with the
// host program, and the host's menu the widget toolkit, which comes with the
// menu program; the timeline and the help never load them.
int runPart(const QString &fileName, char *argv[])
{
    const QStringList candidates = platform::partCandidates(fileName, platform::executablePath(),
                                                            QStringLiteral(QAMARLY_PART_RELATIVE_DIR),
                                                            QStringLiteral(QAMARLY_PART_INSTALL_DIR));
    QString error;
    platform::execPart(candidates, argv, &error);
    std::fprintf(stderr, "qamarly-widget: the widget's drawing part could not be started (%s)\n",
                 error.toLocal8Bit().constData());
    return widget::exitFailure;
}

} // namespace

int main(int argc, char *argv[])
{
    const QStringList arguments = platform::programArguments(argc, argv);

    QTextStream out(stdout);
    QTextStream err(stderr);
    switch (widget::modeOf(arguments)) {
    case widget::Mode::help: {
        // What each form does is said in the user's language.
        QCoreApplication app(argc, argv);
        widget::prepareHost();
        out << widget::usage(arguments.value(0));
        return widget::exitOk;
    }
    case widget::Mode::version:
        out << widget::versionText() << '\n';
        return widget::exitOk;
    case widget::Mode::timeline: {
        QCoreApplication app(argc, argv);
        widget::prepareExtension();
        return widget::runTimeline(arguments.mid(1), out, err);
    }
    case widget::Mode::menu:
        out.flush();
        return runPart(QStringLiteral("qamarly-widget-menu"), argv);
    case widget::Mode::render:
    case widget::Mode::host:
        break;
    }
    out.flush();
    return runPart(QStringLiteral("qamarly-widget-host"), argv);
}
