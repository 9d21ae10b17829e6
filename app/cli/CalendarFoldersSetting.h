// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QJsonArray>
#include <QStringList>
#include <QTextStream>
#include <optional>

namespace app::cli {

// `settings set|add|remove|list CalendarFolders [PATH ...]`: the folders of
// other tools (a vdirsyncer or khal collection) Qamarly reads as calendars.
// No value when the arguments are not about them.
std::optional<int> runCalendarFoldersSetting(const QStringList &positionals, bool json, QTextStream &out,
                                             QTextStream &err);
// The kept folders, for the settings listing.
QJsonArray calendarFoldersJson();
QString calendarFoldersLine();

} // namespace app::cli
