// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/notifications/ForegroundLink.h"
#include "platform/notifications/NotificationStore.h"
#include "platform/notifications/StoreWriteQueue.h"
#include "platform/notifications/UserNotificationCenter.h"

#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace platform {

// The real centre: requests, permission and badge live in the notification
// store, where qamarly-notifyd picks them up and delivers them, also while
// Qamarly is closed. While a delegate is set, the centre offers itself on the
// session bus so deliveries reach the application when it is in front.
class LocalNotificationCenter final : public UserNotificationCenter
{
public:
    // `busAddress` empty: the session bus, when there is one.
    explicit LocalNotificationCenter(QString storePath = QString(), QString busAddress = QString());
    ~LocalNotificationCenter() override;

    void requestAuthorization(AuthorizationOptions options,
                              std::function<void(bool granted)> completion) override;
    void getNotificationSettings(std::function<void(const NotificationSettings &)> completion) override;
    void
    addNotificationRequest(const NotificationRequest &request,
                           std::function<void(const std::optional<QString> &error)> completion = {}) override;
    void getPendingNotificationRequests(
        std::function<void(const QList<NotificationRequest> &)> completion) override;
    void getDeliveredNotifications(std::function<void(const QList<Notification> &)> completion) override;
    void removeAllPendingNotificationRequests() override;
    void removeAllDeliveredNotifications() override;
    bool replacePendingNotificationRequests(const QList<NotificationRequest> &requests,
                                            const PlanBasis &basis = PlanBasis()) override;
    std::optional<PlanBasis> pendingPlanBasis() override;
    std::optional<QString> unavailableReason() override;
    void setApplicationIconBadgeNumber(int number) override;
    int applicationIconBadgeNumber() override;

    bool setNotificationSettings(const NotificationSettings &settings) override;

    // Whether the application is in front: this centre's probe, else the one
    // the application installed (setDefaultForegroundProbe), else never.
    // Tests replace it.
    void setForegroundProbe(std::function<bool()> probe);
    static void setDefaultForegroundProbe(std::function<bool()> probe);
    bool isInForeground() const;
    // Whether deliveries are taken over the bus right now.
    bool isPresenterRegistered() const;

    // Waits until the writes made so far are in the store; false after `timeoutMs`.
    bool waitForWrites(int timeoutMs);

protected:
    void delegateChanged() override;

private:
    NotificationStore *store();
    // The window's thread never waits for another process's lock: its
    // writes are posted, and reads see them as if made (`ahead_`) until they
    // are. Other threads wait for the outcome.
    bool write(NotificationStore *s, StoreWriteQueue::Write write, const QString &failure,
               const std::function<void()> &posted = {}, std::function<void()> done = {});
    std::optional<QString> refusal(const NotificationRequest &request, Instant now,
                                   TriggerCalendars &calendars) const;

    QString storePath_;
    QString busAddress_;
    std::mutex storeMutex_;
    std::unique_ptr<NotificationStore> store_;
    bool storeTried_ = false;
    QString failedPath_;
    QString failure_;
    std::vector<std::unique_ptr<NotificationStore>> retired_;
    // What posted writes that are not yet in the store will change.
    struct Ahead
    {
        std::optional<int> badge;
        int badgeWrites = 0;
        std::optional<NotificationSettings> settings;
        int settingsWrites = 0;
        int pendingRemovals = 0;
        int deliveredRemovals = 0;
    };
    std::mutex aheadMutex_;
    // Per store: the config home may move while the centre lives.
    std::map<const NotificationStore *, Ahead> ahead_;
    std::function<bool()> foregroundProbe_;
    std::unique_ptr<ForegroundLink> foregroundLink_;
    // Last: its writes use the stores above, so it goes first.
    StoreWriteQueue writes_;
};

} // namespace platform
