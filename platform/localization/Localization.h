// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>

namespace platform {

// Localized string tables: Qt Linguist, ID-based, written one per area of the
// program ("cli_en.ts", "converter_ar.ts", ...) and compiled into one table
// per language under ":/i18n" ("qamarly_ar.qm"). installTranslations() loads
// the table of the device's interface language, falling back to English.
void installTranslations();
// The text for `key` in the loaded tables; the key itself when no table has it.
QString localized(const char *key);

} // namespace platform
