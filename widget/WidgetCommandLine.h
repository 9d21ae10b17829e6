// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Instant.h"
#include "widget/Appearance.h"
#include "widget/Timeline.h"
#include "widget/WidgetFamily.h"

#include <QPoint>
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
    version,
    // The host's context menu, run in a process of its own (not in the help).
    menu
};

// Loads the device's locale and string tables and opens the app group's
// suite read-only; every mode runs this once its application object exists.
void prepareExtension();
// The desktop host's share of it: locale and string tables only. The host
// shows what its timeline command prints, so it opens no suite.
void prepareHost();

// The mode the arguments (without the program name) ask for, so that main()
// can make the right kind of application object before running it.
Mode modeOf(const QStringList &arguments);

// Reads the host's options; no value (and one line on `err`) when they are wrong.
std::optional<HostOptions> readHostOptions(const QStringList &arguments, QTextStream &err);

// `menu --kind K --family F --at X,Y`: which widget the menu is for and
// where it opens (global coordinates).
struct MenuOptions
{
    WidgetKind kind = WidgetKind::simple;
    WidgetFamily family = WidgetFamily::systemSmall;
    QPoint at;
};
std::optional<MenuOptions> readMenuOptions(const QStringList &arguments, QTextStream &err);
// The answers of the menu besides a widget choice's id.
inline const char *const menuOpenId = "open";
inline const char *const menuCloseId = "close";

// What `render ...` asks for, checked.
struct RenderOptions
{
    HostOptions choice;
    QString output;
    platform::Instant at;
    double scale = 2;
};
// Reads the render command's options; no value (and one line on `err`) when
// they are wrong. Drawing is left to runRender (RenderCommand.h), which
// needs the GUI libraries.
std::optional<RenderOptions> readRenderOptions(const QStringList &arguments, QTextStream &err);

// The timeline the provider builds at `at`.
Timeline timelineAt(platform::Instant at);

// `timeline [--json]`; the exit status.
int runTimeline(const QStringList &arguments, QTextStream &out, QTextStream &err);
// All the program's uses, or those of one command ("timeline", "render").
QString usage(const QString &command = QString());
QString versionText();

} // namespace widget
