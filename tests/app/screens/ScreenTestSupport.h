// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/calendar/Calendar.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "platform/ui/AlertController.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <memory>

namespace screentest {

// A world for one screen test: its own settings suite, English in Riyadh at
// noon on 5 December 2026 (14 Jumada II 1448), a notification centre that
// permits alerts unless told otherwise, and a left-to-right application.
class ScreenWorld
{
public:
    ScreenWorld() : env(QStringLiteral("en_US"), QStringLiteral("Asia/Riyadh"))
    {
        center = std::make_shared<platform::TestNotificationCenter>();
        center->setSettings({platform::AuthorizationStatus::authorized,
                             platform::AuthorizationOption::alert | platform::AuthorizationOption::badge});
        platform::UserNotificationCenter::setCurrent(center);
        platform::installTranslations();
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }
    ~ScreenWorld()
    {
        for (platform::AlertController *alert : platform::AlertController::shownAlerts())
            alert->reject();
        settle();
        platform::UserNotificationCenter::setCurrent(nullptr);
        QApplication::setLayoutDirection(Qt::LeftToRight);
    }

    void useArabic()
    {
        env.setLocale(QStringLiteral("ar_SA"));
        platform::installTranslations();
        QApplication::setLayoutDirection(Qt::RightToLeft);
    }
    void denyAlerts() { center->setSettings({platform::AuthorizationStatus::denied, 0}); }

    // Lets the event loop deliver what is queued (appearance calls, deferred
    // deletes); never waits for time to pass.
    static void settle()
    {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

    static platform::AlertController *topAlert()
    {
        const auto shown = platform::AlertController::shownAlerts();
        return shown.isEmpty() ? nullptr : shown.last();
    }

    testenv::ScopedEnvironment env;
    std::shared_ptr<platform::TestNotificationCenter> center;
};

inline platform::DateComponents hijriDayOf(platform::Instant at)
{
    return platform::Calendar(platform::CalendarIdentifier::islamicUmmAlQura).components(at);
}
inline platform::DateComponents gregorianDayOf(platform::Instant at)
{
    return platform::Calendar(platform::CalendarIdentifier::gregorian).components(at);
}

} // namespace screentest
