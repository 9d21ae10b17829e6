// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"
#include "platform/calendar/Clock.h"
#include "platform/defaults/UserDefaults.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace testenv {

// Puts a test in a world of its own: a temporary $HOME and $XDG_CONFIG_HOME
// with a fresh app-group suite, a fixed locale and zone, and an injected
// clock. Everything is put back when it goes out of scope.
class ScopedEnvironment
{
public:
    explicit ScopedEnvironment(const QString &locale = QStringLiteral("en_US"),
                               const QString &timeZone = QStringLiteral("UTC"));
    ~ScopedEnvironment();
    ScopedEnvironment(const ScopedEnvironment &) = delete;
    ScopedEnvironment &operator=(const ScopedEnvironment &) = delete;

    void setLocale(const QString &locale);
    void setTimeZone(const QString &timeZone);
    QString configHome() const { return home_.path(); }
    // $XDG_DATA_HOME while the environment lasts.
    QString dataHome() const { return home_.path() + QStringLiteral("/data"); }
    // The app-group suite that sharedDefaults() now returns.
    std::shared_ptr<platform::UserDefaults> suite() const;
    std::shared_ptr<platform::FixedClock> clock() const { return clock_; }
    void setNow(platform::Instant at) { clock_->set(at); }

private:
    QTemporaryDir home_;
    QByteArray savedHome_;
    QByteArray savedConfigHome_;
    QByteArray savedDataHome_;
    QByteArray savedTz_;
    QByteArray savedLcAll_;
    QString locale_;
    QString zone_;
    std::shared_ptr<platform::FixedClock> clock_;
};

// A fresh $XDG_CACHE_HOME for the whole test process, so that what one run
// keeps there is neither read by the next nor left in the user's home.
class ProcessCacheHome
{
public:
    ProcessCacheHome();

private:
    QTemporaryDir home_;
};

// Wall-clock time on the Gregorian calendar in `zone` (the device's when empty).
platform::Instant gregorianInstant(int year, int month, int day, int hour = 0, int minute = 0,
                                   const QString &zone = QString());
// The first moment of a day on the Umm al-Qura calendar in the device's zone.
platform::Instant hijriInstant(int year, int month, int day);

} // namespace testenv
