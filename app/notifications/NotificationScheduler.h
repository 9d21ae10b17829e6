// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "app/notifications/CustomError.h"
#include "platform/calendar/Instant.h"
#include "platform/defaults/UserDefaults.h"
#include "platform/notifications/UserNotificationCenter.h"

#include <QList>
#include <QString>
#include <atomic>
#include <memory>
#include <mutex>
#include <optional>

class QThreadPool;

namespace app::notifications {

// What a pass works from: the two switches, and the adjustment every day of
// the plan uses (no value: read from the suite once when the plan is made).
struct ScheduleSwitches
{
    bool todayAppBadgeEnabled = true;
    bool dailyNotificationEnabled = true;
    std::optional<std::int64_t> adjustmentNumber;
};

// Keeps the 30-day plan of badge and daily notifications in the notification
// centre. Passes run one at a time on a worker thread; a newer reschedule
// supersedes an older pass, so what is pending always matches the latest
// switches and adjustment.
class NotificationScheduler
{
public:
    static constexpr int windowDays = 30;
    static NotificationScheduler &shared();

    // `center` defaults to UserNotificationCenter::current() at each call,
    // `suite` to core::sharedDefaults().
    explicit NotificationScheduler(platform::UserNotificationCenter *center = nullptr,
                                   std::shared_ptr<platform::UserDefaults> suite = nullptr);
    ~NotificationScheduler();
    NotificationScheduler(const NotificationScheduler &) = delete;
    NotificationScheduler &operator=(const NotificationScheduler &) = delete;

    // Badge 0, no pending and no delivered notifications.
    void clearNotifications();
    // Clears, then plans in the background with the switches of
    // GlobalSettings::shared() as they are now. Throws CustomError
    // (NotificationsNotAllowed) when alerts are not permitted.
    void rescheduleNotifications();
    // Reschedules when the plan was last made on an earlier day, or when the
    // pending requests are not the plan the settings give today (a pass
    // killed half-way, or one made before the adjustment changed), or when
    // the settings the plan was made from are no longer the stored ones; a
    // failure is ignored.
    void refreshNotificationsIfNeeded();
    // Whether the pending requests are those a pass would add now (leaving
    // aside today's badge, which fires a second after it is added).
    bool pendingMatchesPlan();
    // Whether the settings the pending plan was made from are still the stored ones.
    bool basisMatchesSettings();

    // Blocks until every pass handed out so far has finished; false on timeout.
    bool waitForPasses(int timeoutMs = -1);

    // The requests a pass starting at `now` adds, in the order it adds them.
    static QList<platform::NotificationRequest> plan(platform::Instant now, const ScheduleSwitches &switches);
    // `now` as the lastRefreshDate stamp ("yyyyMMdd" in the device's calendar, locale and zone).
    static QString refreshStamp(platform::Instant now);

private:
    platform::UserNotificationCenter &center() const;
    std::shared_ptr<platform::UserDefaults> suite() const;
    void runPass(unsigned long long generation, ScheduleSwitches switches);

    platform::UserNotificationCenter *center_;
    std::shared_ptr<platform::UserDefaults> suite_;
    // Held while a pass adds one request and while a reschedule clears and
    // moves the generation on, so no superseded request lands after a clear.
    std::mutex addMutex_;
    std::atomic<unsigned long long> generation_{0};
    std::unique_ptr<QThreadPool> pool_;
};

} // namespace app::notifications
