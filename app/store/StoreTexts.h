// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QStringList>

namespace app::store {

// Texts of the store components, from their own string tables
// (":/i18n/<table>-<folder>.qm", folder as in "ar", "pt-PT", "zh-Hans"),
// which the program's general tables do not load.
class StoreTexts
{
public:
    // The folder for a locale name: "pt_PT" -> "pt-PT" when that table
    // exists, else "pt"; "zh_CN" -> "zh-Hans"; none when neither exists.
    static QString folderFor(const QString &table, const QString &localeName);
    static bool tableExists(const QString &table, const QString &folder);

    // The text for `key` in that table, else `fallback`.
    static QString lookup(const QString &table, const QString &folder, const QString &key,
                          const QString &fallback);
};

} // namespace app::store
