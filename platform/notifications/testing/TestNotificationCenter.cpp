// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/testing/TestNotificationCenter.h"

#include <utility>

namespace platform {

TestNotificationCenter::TestNotificationCenter()
{
    settings_.authorizationStatus = AuthorizationStatus::authorized;
    settings_.options = answerOptions_;
}

void TestNotificationCenter::setAuthorizationAnswer(bool grant, AuthorizationOptions options)
{
    std::lock_guard lock(mutex_);
    answerGrant_ = grant;
    answerOptions_ = options;
}

void TestNotificationCenter::setSettings(const NotificationSettings &settings)
{
    std::lock_guard lock(mutex_);
    settings_ = settings;
}

bool TestNotificationCenter::setNotificationSettings(const NotificationSettings &settings)
{
    std::lock_guard lock(mutex_);
    calls_ << QStringLiteral("setSettings");
    if (keepSettingsFails_)
        return false;
    settings_ = settings;
    return true;
}

void TestNotificationCenter::setKeepSettingsFails(bool fails)
{
    std::lock_guard lock(mutex_);
    keepSettingsFails_ = fails;
}

void TestNotificationCenter::setAddError(const QString &error)
{
    std::lock_guard lock(mutex_);
    addError_ = error;
}

void TestNotificationCenter::setAuthorizationAnswersHeld(bool held)
{
    std::lock_guard lock(mutex_);
    answersHeld_ = held;
}

void TestNotificationCenter::requestAuthorization(AuthorizationOptions, std::function<void(bool)> completion)
{
    {
        std::lock_guard lock(mutex_);
        calls_ << QStringLiteral("requestAuthorization");
        if (answersHeld_) {
            heldCompletion_ = std::move(completion);
            held_ = true;
            return;
        }
    }
    answer(completion);
}

bool TestNotificationCenter::answerAuthorization()
{
    std::function<void(bool)> completion;
    {
        std::lock_guard lock(mutex_);
        if (!std::exchange(held_, false))
            return false;
        completion = std::exchange(heldCompletion_, {});
    }
    answer(completion);
    return true;
}

void TestNotificationCenter::answer(const std::function<void(bool)> &completion)
{
    bool granted;
    {
        std::lock_guard lock(mutex_);
        if (settings_.authorizationStatus == AuthorizationStatus::notDetermined) {
            settings_.authorizationStatus =
                answerGrant_ ? AuthorizationStatus::authorized : AuthorizationStatus::denied;
            settings_.options = answerGrant_ ? answerOptions_ : 0;
        }
        granted = settings_.authorizationStatus == AuthorizationStatus::authorized;
    }
    if (completion)
        completion(granted);
}

void TestNotificationCenter::getNotificationSettings(
    std::function<void(const NotificationSettings &)> completion)
{
    NotificationSettings s;
    {
        std::lock_guard lock(mutex_);
        calls_ << QStringLiteral("settings");
        s = settings_;
    }
    if (completion)
        completion(s);
}

void TestNotificationCenter::addNotificationRequest(
    const NotificationRequest &request, std::function<void(const std::optional<QString> &)> completion)
{
    std::optional<QString> error;
    {
        std::lock_guard lock(mutex_);
        calls_ << QStringLiteral("add:") + request.identifier;
        if (!addError_.isEmpty()) {
            error = addError_;
        } else {
            pending_.removeIf(
                [&](const NotificationRequest &r) { return r.identifier == request.identifier; });
            pending_.append(request);
        }
    }
    if (completion)
        completion(error);
}

bool TestNotificationCenter::replacePendingNotificationRequests(const QList<NotificationRequest> &requests,
                                                                const PlanBasis &basis)
{
    std::lock_guard lock(mutex_);
    basis_ = basis.suitePath.isEmpty() ? std::nullopt : std::optional<PlanBasis>(basis);
    // At once, as the real centre does; each request still shows as an add.
    calls_ << QStringLiteral("replacePending");
    pending_.clear();
    for (const NotificationRequest &request : requests) {
        calls_ << QStringLiteral("add:") + request.identifier;
        if (!addError_.isEmpty())
            continue;
        pending_.removeIf([&](const NotificationRequest &r) { return r.identifier == request.identifier; });
        pending_.append(request);
    }
    return true;
}

void TestNotificationCenter::getPendingNotificationRequests(
    std::function<void(const QList<NotificationRequest> &)> completion)
{
    QList<NotificationRequest> copy;
    {
        std::lock_guard lock(mutex_);
        calls_ << QStringLiteral("getPending");
        copy = pending_;
    }
    if (completion)
        completion(copy);
}

void TestNotificationCenter::getDeliveredNotifications(
    std::function<void(const QList<Notification> &)> completion)
{
    const QList<Notification> copy = delivered();
    if (completion)
        completion(copy);
}

std::optional<PlanBasis> TestNotificationCenter::pendingPlanBasis()
{
    std::lock_guard lock(mutex_);
    return basis_;
}

void TestNotificationCenter::removeAllPendingNotificationRequests()
{
    std::lock_guard lock(mutex_);
    basis_.reset();
    calls_ << QStringLiteral("removePending");
    pending_.clear();
}

void TestNotificationCenter::removeAllDeliveredNotifications()
{
    std::lock_guard lock(mutex_);
    calls_ << QStringLiteral("removeDelivered");
    delivered_.clear();
}

void TestNotificationCenter::setApplicationIconBadgeNumber(int number)
{
    std::lock_guard lock(mutex_);
    calls_ << QStringLiteral("badge:%1").arg(number);
    badge_ = number;
}

int TestNotificationCenter::applicationIconBadgeNumber()
{
    std::lock_guard lock(mutex_);
    return badge_;
}

QList<NotificationRequest> TestNotificationCenter::pending() const
{
    std::lock_guard lock(mutex_);
    return pending_;
}

QList<Notification> TestNotificationCenter::delivered() const
{
    std::lock_guard lock(mutex_);
    return delivered_;
}

bool TestNotificationCenter::deliver(const QString &identifier, Instant at)
{
    std::lock_guard lock(mutex_);
    for (qsizetype i = 0; i < pending_.size(); ++i) {
        if (pending_[i].identifier != identifier)
            continue;
        const NotificationRequest r = pending_.takeAt(i);
        if (r.content.badge)
            badge_ = *r.content.badge;
        delivered_.append(Notification{r, at});
        return true;
    }
    return false;
}

QStringList TestNotificationCenter::calls() const
{
    std::lock_guard lock(mutex_);
    return calls_;
}

void TestNotificationCenter::clearCalls()
{
    std::lock_guard lock(mutex_);
    calls_.clear();
}

} // namespace platform
