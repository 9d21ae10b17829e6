// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>

namespace platform {

// The device's locale and time zone, read from the environment once and kept
// until reload(). Locale: LC_ALL, then LC_TIME, then LANG ("C"/"POSIX" mean
// English). Zone: TZ, else the system zone. Qt and ICU are told the same locale
// (ICU only once the process makes an ICU object: see useInIcu()).
class Device
{
public:
    // ICU-style locale name such as "en_US" or "ar_SA".
    static QString localeName();
    static QString timeZoneId();
    static bool isRightToLeft();
    // Reads the environment again (tests change LC_ALL/TZ and call this).
    static void reload();
    // For tests and previews: use these instead of the environment until reload().
    static void override(const QString &localeName, const QString &timeZoneId);
    // Makes the locale and zone ICU's defaults, now and after every reload.
    // Code that builds ICU calendars or formatters calls it first; a process
    // that never does (the desktop widget's host) keeps ICU's locale and
    // zone data out of its memory.
    static void useInIcu();

    // "ar_SA.UTF-8@foo" -> "ar_SA"; "C"/"POSIX"/"" -> "en_US".
    static QString normalizeLocaleName(const QString &posixName);
};

} // namespace platform
