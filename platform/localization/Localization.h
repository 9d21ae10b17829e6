#pragma once

#include <QString>

namespace platform {

// Localized string tables: Qt Linguist, ID-based, one table per area of the
// program ("cli_en.ts", "converter_ar.ts", ...), compiled into the programs
// under ":/i18n". installTranslations() loads every table of the device's
// language, falling back to English.
void installTranslations();
// The text for `key` in the loaded tables; the key itself when no table has it.
QString localized(const char *key);

} // namespace platform
