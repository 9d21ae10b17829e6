// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The widget's drawing side, run by qamarly-widget in its place only to
// render a picture or to show the widget on the desktop. The Qt GUI library
// only: the host's menu is a program of its own.
#include "platform/localization/Localization.h"
#include "platform/system/ProgramPart.h"
#include "widget/RenderCommand.h"
#include "widget/WidgetCommandLine.h"
#include "widget/WidgetHost.h"

#include <QGuiApplication>
#include <QTextStream>
#include <optional>

namespace {

bool hasDisplay()
{
    return qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

int render(int argc, char **argv, const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    // Drawing a picture needs no screen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    widget::prepareExtension();
    return widget::runRender(arguments.mid(1), out, err);
}

int host(int argc, char **argv, const QStringList &arguments, QTextStream &err)
{
    // A mistake is told in the user's language, which needs the string
    // tables and so an application object; the window's comes after.
    std::optional<widget::HostOptions> options;
    {
        QCoreApplication reader(argc, argv);
        widget::prepareHost();
        options = widget::readHostOptions(arguments, err);
        if (!options)
            return widget::exitUsage;
        if (!hasDisplay()) {
            err << "qamarly-widget: " << platform::localized("widget.error.noDisplay") << '\n';
            return widget::exitFailure;
        }
    }
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("qamarly-widget"));
    // Closing the widget ends the host.
    QGuiApplication::setQuitOnLastWindowClosed(true);
    // Locale and string tables only: the timelines come from a child process,
    // so this long-running process keeps no calendar, formatter or suite.
    widget::prepareHost();
    widget::HostWindow window(*options, std::make_shared<widget::HostPositions>());
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    const QStringList arguments = platform::programArguments(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (widget::modeOf(arguments) == widget::Mode::render)
        return render(argc, argv, arguments, out, err);
    return host(argc, argv, arguments, err);
}
