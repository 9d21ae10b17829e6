// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/system/Device.h"

#include "platform/system/SystemTimeZone.h"

#include <QLocale>
#include <QTimeZone>
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
        const QString v = envValue(name);
        if (!v.isEmpty())
            return Device::normalizeLocaleName(v);
    }
    return Device::normalizeLocaleName(QString());
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
    return QLocale(localeName()).textDirection() == Qt::RightToLeft;
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

void Device::override(const QString &localeName, const QString &timeZoneId)
{
    std::lock_guard lock(state().mutex);
    DeviceState &s = state();
    s.locale = normalizeLocaleName(localeName);
    s.zone = timeZoneId;
    s.loaded = true;
    apply(s);
}

} // namespace platform
