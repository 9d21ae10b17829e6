// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <map>
#include <optional>
#include <utility>

namespace core {

// The names and digits of each locale and calendar as ICU gave them, and
// whether texts put together from them matched ICU's formatting, kept in one
// file under the user's cache folder. Taking them from ICU and checking them
// costs more than the rest of a command on the terminal together; read from
// here it costs almost nothing.
//
// The file belongs to one build of the code that composes the texts and to
// one ICU with its data (the key): after an upgrade of either, it is made
// afresh. A damaged, foreign or unreadable file counts as empty; a file that
// cannot be written only means the next process asks ICU again.
class DateTextsCache
{
public:
    struct Names
    {
        // False: texts put together from the names did not match ICU, or ICU
        // writes numbers in a way the names cannot follow.
        bool usable = false;
        // The locale's number format writes whole numbers in these digits too
        // (without grouping), so numbers need no formatter either.
        bool plainNumbers = false;
        std::array<QString, 12> months;
        std::array<QString, 7> weekdays;
        // Abbreviated, as a weekday stands alone ("ccc").
        std::array<QString, 7> shortWeekdays;
        std::array<QString, 10> digits;

        bool operator==(const Names &) const = default;
    };

    // $XDG_CACHE_HOME/qamarly (~/.cache/qamarly when unset).
    static QString defaultDirectory();
    // What the file must have been made by: this build of the code (the file
    // of the module it is in, with its size and time) and the ICU libraries
    // and data the process has loaded.
    static QByteArray currentKey();

    // Reads `directory`'s file for `key`, if there is a sound one.
    DateTextsCache(QString directory, QByteArray key);

    std::optional<Names> find(const QString &locale, platform::CalendarIdentifier calendar) const;
    // Adds or replaces an entry and writes the file at once (atomically).
    // Names that could not be written back unchanged (control characters)
    // are kept in memory only.
    void insert(const QString &locale, platform::CalendarIdentifier calendar, const Names &names);

    QString filePath() const { return path_; }

private:
    void load();
    bool save() const;

    QString directory_;
    QByteArray key_;
    QString path_;
    std::map<std::pair<QString, int>, Names> entries_;
};

} // namespace core
