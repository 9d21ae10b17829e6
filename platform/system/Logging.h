// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QLoggingCategory>
#include <QString>

// Diagnostic categories, one per area. Warnings are on and debug lines off
// unless QT_LOGGING_RULES says otherwise (e.g. "qamarly.events.debug=true",
// or "qamarly.*.warning=false" to silence them). Lines go to stderr or the
// journal, never to stdout, which belongs to the command line.
Q_DECLARE_LOGGING_CATEGORY(lcCalendar)
Q_DECLARE_LOGGING_CATEGORY(lcEvents)
Q_DECLARE_LOGGING_CATEGORY(lcNotifications)
Q_DECLARE_LOGGING_CATEGORY(lcSettings)
Q_DECLARE_LOGGING_CATEGORY(lcStore)
Q_DECLARE_LOGGING_CATEGORY(lcSystem)
Q_DECLARE_LOGGING_CATEGORY(lcWatch)
Q_DECLARE_LOGGING_CATEGORY(lcWidget)
Q_DECLARE_LOGGING_CATEGORY(lcWindow)

namespace platform {

// Something went wrong that the program works around (a file skipped, a
// write retried, a service missing): written while the category's warnings
// are on, to the console sink when a test captures the console.
void consoleWarning(const QLoggingCategory &category, const QString &line);
// A debug line of `category`, written only while its debug lines are on.
void consoleDebug(const QLoggingCategory &category, const QString &line);

} // namespace platform
