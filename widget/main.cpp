// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/ProgramModule.h"
#include "widget/WidgetCommandLine.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>

#ifndef QAMARLY_MODULE_RELATIVE_DIR
#define QAMARLY_MODULE_RELATIVE_DIR ""
#define QAMARLY_MODULE_INSTALL_DIR ""
#endif

namespace {

// Drawing and the desktop host need the GUI libraries, which come with the
// host module, and the host's menu the widget toolkit, which comes with the
// menu module; the timeline and the help never load them.
int runModule(const QString &fileName, const char *entry, int argc, char *argv[])
{
    const QStringList candidates = platform::moduleCandidates(fileName, platform::executablePath(),
                                                              QStringLiteral(QAMARLY_MODULE_RELATIVE_DIR),
                                                              QStringLiteral(QAMARLY_MODULE_INSTALL_DIR));
    QString error;
    const platform::ModuleMain hostMain = platform::loadModuleMain(candidates, entry, &error);
    if (!hostMain) {
        std::fprintf(stderr, "qamarly-widget: the widget's drawing part could not be loaded (%s)\n",
                     error.toLocal8Bit().constData());
        return widget::exitFailure;
    }
    return hostMain(argc, argv);
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
        return runModule(QStringLiteral("libqamarly-widget-menu.so"), "qamarly_widget_menu_main", argc, argv);
    case widget::Mode::render:
    case widget::Mode::host:
        break;
    }
    out.flush();
    return runModule(QStringLiteral("libqamarly-widget-host.so"), "qamarly_widget_host_main", argc, argv);
}
