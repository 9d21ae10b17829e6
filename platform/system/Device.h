// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// The device's languages and time zone, read from the environment once and
// kept until reload(), as the desktop sets them apart:
// - the interface language (texts and their direction): the first language
//   of LANGUAGE (a colon list) that Qamarly speaks, then the one of LC_ALL,
//   LC_MESSAGES or LANG; LANGUAGE is passed over when that locale is "C", so
//   LC_ALL=C gives English as it does for every program;
// - the formats locale (date patterns, names in dates, digits): LC_ALL, then
//   LC_TIME, then LANG ("C"/"POSIX" mean English).
// Zone: TZ, else the system zone. Qt and ICU are told the formats locale
// (ICU only once the process makes an ICU object: see useInIcu()).
class Device
{
public:
    // ICU-style name of the formats locale, such as "en_US" or "ar_SA".
    static QString localeName();
    // The interface language, one of interfaceLanguages() ("fr", "ar").
    static QString languageName();
    static QString timeZoneId();
    // The interface language is written right to left (Arabic, Urdu, Persian).
    static bool isRightToLeft();
    // The languages Qamarly's texts are written in; English first.
    static const QStringList &interfaceLanguages();
    // Reads the environment again (tests change LC_ALL/TZ and call this).
    static void reload();
    // For tests and previews: use these instead of the environment until
    // reload(). The interface speaks the locale's language (English when
    // Qamarly does not speak it) unless `languageName` names another.
    static void override(const QString &localeName, const QString &timeZoneId,
                         const QString &languageName = QString());
    // Makes the locale and zone ICU's defaults, now and after every reload.
    // Code that builds ICU calendars or formatters calls it first; a process
    // that never does (the desktop widget's host) keeps ICU's locale and
    // zone data out of its memory.
    static void useInIcu();

    // "ar_SA.UTF-8@foo" -> "ar_SA"; "C"/"POSIX"/"" -> "en_US".
    static QString normalizeLocaleName(const QString &posixName);
    // The interface language the environment asks for (see above), given
    // LANGUAGE and the first set one of LC_ALL, LC_MESSAGES and LANG.
    static QString chooseLanguage(const QString &languageList, const QString &messagesLocale);
};

} // namespace platform
