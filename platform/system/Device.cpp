// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/Device.h"

#include "platform/system/SystemTimeZone.h"

#include <QLocale>
#include <QTimeZone>
#include <initializer_list>
#include <mutex>
#include <unicode/locid.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

namespace platform {

namespace {

struct DeviceState
{
    std::mutex mutex;
    bool loaded = false;
    QString locale;
    QString language;
    QString zone;
    bool icuInUse = false;
    bool icuApplied = false;
};

DeviceState &state()
{
    static DeviceState s;
    return s;
}

QString envValue(const char *name)
{
    return QString::fromLocal8Bit(qgetenv(name));
}

QString localeFromEnvironment()
{
    for (const char *name : {"LC_ALL", "LC_TIME", "LANG"}) {
        QString v = envValue(name);
        if (!v.isEmpty())
            return Device::normalizeLocaleName(v);
    }
    return Device::normalizeLocaleName(QString());
}

QString firstSet(std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        QString v = envValue(name);
        if (!v.isEmpty())
            return v;
    }
    return QString();
}

QString languageFromEnvironment()
{
    return Device::chooseLanguage(envValue("LANGUAGE"), firstSet({"LC_ALL", "LC_MESSAGES", "LANG"}));
}

// "fr_CA" -> "fr" when Qamarly speaks French; empty when it does not.
QString spokenLanguage(const QString &localeName)
{
    const QString language = Device::normalizeLocaleName(localeName).section(QLatin1Char('_'), 0, 0);
    return Device::interfaceLanguages().contains(language) ? language : QString();
}

QString zoneFromEnvironment()
{
    QString tz = envValue("TZ");
    if (tz.startsWith(QLatin1Char(':')))
        tz.remove(0, 1);
    const qsizetype zoneinfo = tz.indexOf(QLatin1String("zoneinfo/"));
    if (zoneinfo >= 0)
        tz = tz.mid(zoneinfo + 9);
    if (!tz.isEmpty() && SystemTimeZone::isKnown(tz))
        return tz;
    const QByteArray system = QTimeZone::systemTimeZoneId();
    if (!system.isEmpty())
        return QString::fromLatin1(system);
    return QStringLiteral("UTC");
}

void applyToIcu(DeviceState &s)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale::setDefault(icu::Locale(s.locale.toLatin1().constData()), status);
    icu::TimeZone::adoptDefault(SystemTimeZone::create(s.zone).release());
    s.icuApplied = true;
}

void apply(DeviceState &s)
{
    QLocale::setDefault(QLocale(s.locale));
    s.icuApplied = false;
    if (s.icuInUse)
        applyToIcu(s);
}

DeviceState &loaded()
{
    DeviceState &s = state();
    if (!s.loaded) {
        s.locale = localeFromEnvironment();
        s.language = languageFromEnvironment();
        s.zone = zoneFromEnvironment();
        s.loaded = true;
        apply(s);
    }
    return s;
}

} // namespace

QString Device::normalizeLocaleName(const QString &posixName)
{
    QString name = posixName;
    name = name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX"))
        return QStringLiteral("en_US");
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    return name;
}

QString Device::chooseLanguage(const QString &languageList, const QString &messagesLocale)
{
    const QString messages = messagesLocale.section(QLatin1Char('.'), 0, 0);
    const bool plainC = messages == QLatin1String("C") || messages == QLatin1String("POSIX");
    if (!plainC) {
        for (const QString &entry : languageList.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            const QString name = entry.section(QLatin1Char('.'), 0, 0);
            if (name == QLatin1String("C") || name == QLatin1String("POSIX"))
                continue;
            if (QString language = spokenLanguage(entry); !language.isEmpty())
                return language;
        }
    }
    const QString language = spokenLanguage(messagesLocale);
    return language.isEmpty() ? QStringLiteral("en") : language;
}

const QStringList &Device::interfaceLanguages()
{
    static const QStringList languages{QStringLiteral("en"), QStringLiteral("ar"), QStringLiteral("id"),
                                       QStringLiteral("ur"), QStringLiteral("bn"), QStringLiteral("tr"),
                                       QStringLiteral("fa"), QStringLiteral("ms"), QStringLiteral("fr")};
    return languages;
}

QString Device::languageName()
{
    std::lock_guard lock(state().mutex);
    return loaded().language;
}

QString Device::localeName()
{
    std::lock_guard lock(state().mutex);
    return loaded().locale;
}

QString Device::timeZoneId()
{
    std::lock_guard lock(state().mutex);
    return loaded().zone;
}

bool Device::isRightToLeft()
{
    return QLocale(languageName()).textDirection() == Qt::RightToLeft;
}

void Device::reload()
{
    std::lock_guard lock(state().mutex);
    state().loaded = false;
    loaded();
}

void Device::useInIcu()
{
    std::lock_guard lock(state().mutex);
    DeviceState &s = loaded();
    s.icuInUse = true;
    if (!s.icuApplied)
        applyToIcu(s);
}

void Device::override(const QString &localeName, const QString &timeZoneId, const QString &languageName)
{
    std::lock_guard lock(state().mutex);
    DeviceState &s = state();
    s.locale = normalizeLocaleName(localeName);
    s.language = spokenLanguage(languageName.isEmpty() ? localeName : languageName);
    if (s.language.isEmpty())
        s.language = QStringLiteral("en");
    s.zone = timeZoneId;
    s.loaded = true;
    apply(s);
}

} // namespace platform
