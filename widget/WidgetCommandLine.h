#pragma once

#include "widget/EntryViews.h"

#include <QStringList>
#include <QTextStream>
#include <optional>

namespace widget {

enum ExitCode
{
    exitOk = 0,
    exitFailure = 1,
    exitUsage = 2
};

// What to show when no command is named.
struct HostOptions
{
    WidgetKind kind = WidgetKind::simple;
    WidgetFamily family = WidgetFamily::systemSmall;
    std::optional<Appearance> appearance;
};

enum class Mode
{
    host,
    timeline,
    render,
    help,
    version
};

// The mode the arguments (without the program name) ask for, so that main()
// can make the right kind of application object before running it.
Mode modeOf(const QStringList &arguments);

// Reads the host's options; no value (and one line on `err`) when they are wrong.
std::optional<HostOptions> readHostOptions(const QStringList &arguments, QTextStream &err);

// `timeline [--json]` and `render ...`; the exit status.
int runTimeline(const QStringList &arguments, QTextStream &out, QTextStream &err);
int runRender(const QStringList &arguments, QTextStream &out, QTextStream &err);
// All the program's uses, or those of one command ("timeline", "render").
QString usage(const QString &command = QString());
QString versionText();

} // namespace widget
