// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/Logging.h"

#include "platform/system/Console.h"

// Info and above by default: debug lines only when asked for.
Q_LOGGING_CATEGORY(lcCalendar, "qamarly.calendar", QtInfoMsg)
Q_LOGGING_CATEGORY(lcEvents, "qamarly.events", QtInfoMsg)
Q_LOGGING_CATEGORY(lcNotifications, "qamarly.notifications", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSettings, "qamarly.settings", QtInfoMsg)
Q_LOGGING_CATEGORY(lcStore, "qamarly.store", QtInfoMsg)
Q_LOGGING_CATEGORY(lcSystem, "qamarly.system", QtInfoMsg)
Q_LOGGING_CATEGORY(lcWatch, "qamarly.watch", QtInfoMsg)
Q_LOGGING_CATEGORY(lcWidget, "qamarly.widget", QtInfoMsg)
Q_LOGGING_CATEGORY(lcWindow, "qamarly.window", QtInfoMsg)

namespace platform {

namespace {

void writeLine(const QLoggingCategory &category, QtMsgType type, const QString &line)
{
    if (!category.isEnabled(type))
        return;
    if (consoleCaptured()) {
        consoleLog(line);
        return;
    }
    const QMessageLogger logger(nullptr, 0, nullptr, category.categoryName());
    (type == QtDebugMsg ? logger.debug() : logger.warning()).noquote() << line;
}

} // namespace

void consoleWarning(const QLoggingCategory &category, const QString &line)
{
    writeLine(category, QtWarningMsg, line);
}

void consoleDebug(const QLoggingCategory &category, const QString &line)
{
    writeLine(category, QtDebugMsg, line);
}

} // namespace platform
