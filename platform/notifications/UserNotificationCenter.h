// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/notifications/NotificationRequest.h"
#include "platform/notifications/PlanBasis.h"

#include <QList>
#include <functional>
#include <memory>
#include <optional>

namespace platform {

class UserNotificationCenter;

// How a notification that arrives while the application is in front is shown.
struct PresentationOption
{
    enum : unsigned
    {
        badge = 1u,
        sound = 2u,
        banner = 4u,
        list = 8u
    };
};
using PresentationOptions = unsigned;

// Told about notifications that arrive while the application is in front;
// called on the main thread.
class UserNotificationCenterDelegate
{
public:
    virtual ~UserNotificationCenterDelegate() = default;
    virtual void willPresentNotification(UserNotificationCenter &center, const Notification &notification,
                                         std::function<void(PresentationOptions)> completionHandler) = 0;
};

// The process's notification centre: permission, pending and delivered
// requests, and the application badge.
//
// Threads: every operation may be called from any thread. Completions run on
// the calling thread before the call returns, except requestAuthorization's
// when a dialog has to ask: then it runs on the main thread once the user
// answered.
class UserNotificationCenter
{
public:
    virtual ~UserNotificationCenter() = default;

    // The real centre (requests kept on disk for qamarly-notifyd), or the one
    // installed with setCurrent().
    static UserNotificationCenter &current();
    // Tests: make `center` the current one; nullptr returns to the real centre.
    static void setCurrent(std::shared_ptr<UserNotificationCenter> center);

    void setDelegate(UserNotificationCenterDelegate *delegate);
    UserNotificationCenterDelegate *delegate() const { return delegate_; }

    // Asks the user once; later calls answer with the kept decision.
    // `granted` is false when the user refused or could not be asked.
    virtual void requestAuthorization(AuthorizationOptions options,
                                      std::function<void(bool granted)> completion) = 0;
    virtual void getNotificationSettings(std::function<void(const NotificationSettings &)> completion) = 0;
    // Convenience: the settings, read synchronously.
    NotificationSettings notificationSettings();
    // The platform's settings page changes the permission through this (the
    // user turning a refused permission on, or a granted one off); the
    // application itself only ever asks. False when it cannot be kept.
    virtual bool setNotificationSettings(const NotificationSettings &settings) = 0;

    // A request whose identifier is already pending replaces it. `completion`
    // gets an error text when the request is refused (a trigger that can
    // never fire, a store that cannot be written).
    virtual void
    addNotificationRequest(const NotificationRequest &request,
                           std::function<void(const std::optional<QString> &error)> completion = {}) = 0;
    virtual void
    getPendingNotificationRequests(std::function<void(const QList<NotificationRequest> &)> completion) = 0;
    virtual void getDeliveredNotifications(std::function<void(const QList<Notification> &)> completion) = 0;
    virtual void removeAllPendingNotificationRequests() = 0;
    virtual void removeAllDeliveredNotifications() = 0;
    // Every pending request gives way to `requests`. A centre that can (the
    // real one) does it at once, so nobody ever sees part of a plan; a
    // refused request is left out. False when nothing could be replaced.
    // `basis`, the settings the plan answers, is kept with it where the
    // centre can, until the pending requests are removed.
    virtual bool replacePendingNotificationRequests(const QList<NotificationRequest> &requests,
                                                    const PlanBasis &basis = PlanBasis());
    // The basis kept with the pending plan; no value when none was given.
    virtual std::optional<PlanBasis> pendingPlanBasis() { return std::nullopt; }
    // Why the centre cannot work at all (its store cannot be opened), or no value.
    virtual std::optional<QString> unavailableReason() { return std::nullopt; }

    virtual void setApplicationIconBadgeNumber(int number) = 0;
    virtual int applicationIconBadgeNumber() = 0;

    // Hands a notification that arrived while the application is in front to
    // the delegate and applies its badge when the options ask for it. Returns
    // the options the delegate answered with (none if it did not answer
    // before returning), or no value when there is no delegate.
    std::optional<PresentationOptions> presentInForeground(const Notification &notification);

protected:
    // Called by setDelegate so a real centre can start or stop taking
    // deliveries while the application is in front.
    virtual void delegateChanged() {}

private:
    UserNotificationCenterDelegate *delegate_ = nullptr;
};

// How the real centre asks the user for permission; the application installs
// a dialog (showAuthorizationDialog), tests install an answer. Without one the
// request is not answered and the status stays not determined.
using AuthorizationPrompt =
    std::function<void(AuthorizationOptions options, std::function<void(bool granted)> answer)>;
void setAuthorizationPrompt(AuthorizationPrompt prompt);
AuthorizationPrompt authorizationPrompt();

} // namespace platform
