// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "TestEnvironment.h"

#include "core/GlobalSettings.h"
#include "core/SharedDefaults.h"
#include "platform/system/Device.h"

#include <QTimeZone>
#include <cstdlib>
#include <ctime>
#include <stdexcept>

namespace testenv {

namespace {
void putEnv(const char *name, const QByteArray &value)
{
    if (value.isNull())
        qunsetenv(name);
    else
        qputenv(name, value);
}
} // namespace

ScopedEnvironment::ScopedEnvironment(const QString &locale, const QString &timeZone)
    // qgetenv() is null for a variable that is not set: putEnv() unsets it again.
    : savedHome_(qgetenv("HOME")), savedConfigHome_(qgetenv("XDG_CONFIG_HOME")),
      savedDataHome_(qgetenv("XDG_DATA_HOME")), savedTz_(qgetenv("TZ")), savedLcAll_(qgetenv("LC_ALL")),
      locale_(locale), zone_(timeZone),
      clock_(std::make_shared<platform::FixedClock>(gregorianInstant(2026, 12, 5, 12, 0, timeZone)))
{
    qputenv("XDG_CONFIG_HOME", home_.path().toLocal8Bit());
    // Calendars and the trash live under the data home: a test never sees the
    // user's. $HOME moves too: when it is missing (a new user's CI run) or on
    // another mount, a file put in the trash goes to the one at the top of its
    // own mount instead, shared by every run on the machine.
    qputenv("HOME", home_.path().toLocal8Bit());
    qputenv("XDG_DATA_HOME", (home_.path() + QStringLiteral("/data")).toLocal8Bit());
    setTimeZone(timeZone);
    setLocale(locale);
    core::setSharedDefaults(nullptr);
    core::GlobalSettings::resetShared();
    platform::Clock::install(clock_);
}

ScopedEnvironment::~ScopedEnvironment()
{
    platform::Clock::install(nullptr);
    core::GlobalSettings::resetShared();
    core::setSharedDefaults(nullptr);
    putEnv("HOME", savedHome_);
    putEnv("XDG_CONFIG_HOME", savedConfigHome_);
    putEnv("XDG_DATA_HOME", savedDataHome_);
    putEnv("TZ", savedTz_);
    putEnv("LC_ALL", savedLcAll_);
    tzset();
    platform::Device::reload();
}

void ScopedEnvironment::setLocale(const QString &locale)
{
    locale_ = locale;
    qputenv("LC_ALL", (locale + QStringLiteral(".UTF-8")).toLatin1());
    platform::Device::override(locale_, zone_);
}

void ScopedEnvironment::setTimeZone(const QString &timeZone)
{
    zone_ = timeZone;
    qputenv("TZ", timeZone.toLatin1());
    tzset();
    platform::Device::override(locale_, zone_);
}

ProcessCacheHome::ProcessCacheHome()
{
    qputenv("XDG_CACHE_HOME", home_.path().toLocal8Bit());
}

std::shared_ptr<platform::UserDefaults> ScopedEnvironment::suite() const
{
    return core::sharedDefaults();
}

platform::Instant gregorianInstant(int year, int month, int day, int hour, int minute, const QString &zone)
{
    const QString id = zone.isEmpty() ? platform::Device::timeZoneId() : zone;
    const QDateTime dt(QDate(year, month, day), QTime(hour, minute), QTimeZone(id.toLatin1()));
    if (!dt.isValid())
        throw std::invalid_argument("no such local time");
    return platform::fromQDateTime(dt);
}

platform::Instant hijriInstant(int year, int month, int day)
{
    const auto at = platform::Calendar::islamicUmmAlQura().date(year, month, day);
    if (!at)
        throw std::invalid_argument("no such Hijri day");
    return *at;
}

} // namespace testenv
