// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/UserNotificationCenter.h"

#include "platform/notifications/LocalNotificationCenter.h"

#include <atomic>
#include <mutex>

namespace platform {

namespace {

std::shared_ptr<UserNotificationCenter> &installedCenter()
{
    static std::shared_ptr<UserNotificationCenter> center;
    return center;
}

std::mutex promptMutex;
AuthorizationPrompt &installedPrompt()
{
    static AuthorizationPrompt prompt;
    return prompt;
}

} // namespace

UserNotificationCenter &UserNotificationCenter::current()
{
    if (auto center = std::atomic_load(&installedCenter()))
        return *center;
    static LocalNotificationCenter real;
    return real;
}

void UserNotificationCenter::setCurrent(std::shared_ptr<UserNotificationCenter> center)
{
    std::atomic_store(&installedCenter(), std::move(center));
}

void UserNotificationCenter::setDelegate(UserNotificationCenterDelegate *delegate)
{
    delegate_ = delegate;
    delegateChanged();
}

NotificationSettings UserNotificationCenter::notificationSettings()
{
    NotificationSettings result;
    getNotificationSettings([&result](const NotificationSettings &s) { result = s; });
    return result;
}

bool UserNotificationCenter::replacePendingNotificationRequests(const QList<NotificationRequest> &requests,
                                                                const PlanBasis &)
{
    removeAllPendingNotificationRequests();
    for (const NotificationRequest &r : requests)
        addNotificationRequest(r, [](const std::optional<QString> &) {});
    return true;
}

std::optional<PresentationOptions>
UserNotificationCenter::presentInForeground(const Notification &notification)
{
    if (!delegate_)
        return std::nullopt;
    // The delegate may answer later; a late answer still applies its badge.
    auto answered = std::make_shared<std::optional<PresentationOptions>>();
    const std::optional<int> badge = notification.request.content.badge;
    delegate_->willPresentNotification(*this, notification,
                                       [this, answered, badge](PresentationOptions options) {
                                           *answered = options;
                                           if (badge && (options & PresentationOption::badge))
                                               setApplicationIconBadgeNumber(*badge);
                                       });
    return answered->value_or(0);
}

void setAuthorizationPrompt(AuthorizationPrompt prompt)
{
    std::lock_guard lock(promptMutex);
    installedPrompt() = std::move(prompt);
}

AuthorizationPrompt authorizationPrompt()
{
    std::lock_guard lock(promptMutex);
    return installedPrompt();
}

} // namespace platform
