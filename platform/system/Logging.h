// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QLoggingCategory>
#include <QString>

// Diagnostic categories of the window. Debug lines are off unless
// QT_LOGGING_RULES turns them on (e.g. "qamarly.calendar.debug=true"); what
// is written goes to stderr, never to stdout, which belongs to the command
// line. Further areas add their category here.
Q_DECLARE_LOGGING_CATEGORY(lcCalendar)
Q_DECLARE_LOGGING_CATEGORY(lcNotifications)
Q_DECLARE_LOGGING_CATEGORY(lcWatch)

namespace platform {

// A debug line of `category`, written only while its debug lines are on; to
// the console sink when a test captures the console.
void consoleDebug(const QLoggingCategory &category, const QString &line);

} // namespace platform
