// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

// The window benchmarks' fixed world, so that runs compare: English in
// Riyadh at noon on Monday 7 December 2026, with the window's texts and the
// calendars readable.
#include "platform/calendar/Clock.h"
#include "platform/events/EventStore.h"
#include "platform/localization/Localization.h"
#include "platform/system/Device.h"

#include <QDateTime>
#include <QTimeZone>
#include <chrono>
#include <memory>

namespace bench {

// Before the application: no display is needed unless one is asked for.
inline void offscreenUnlessTold()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

// After the application.
inline void enterWindowWorld()
{
    platform::Device::override(QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh"));
    // The window's own texts: without them every row's text would be its
    // key, and Qt would warn of the missing argument once a row.
    platform::installTranslations();
    const platform::Instant day = platform::instantFromMSecs(
        QDateTime(QDate(2026, 12, 7), QTime(0, 0), QTimeZone("Asia/Riyadh")).toMSecsSinceEpoch());
    platform::Clock::install(std::make_shared<platform::FixedClock>(day + std::chrono::hours(12)));
    platform::keepEventAccess(platform::EventAccessStatus::authorized);
}

} // namespace bench
