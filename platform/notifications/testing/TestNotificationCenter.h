// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/notifications/UserNotificationCenter.h"

#include <mutex>

namespace platform {

// An in-memory centre for tests: the permission is whatever the test sets,
// and nothing is ever delivered unless the test calls deliver().
class TestNotificationCenter final : public UserNotificationCenter
{
public:
    TestNotificationCenter();

    // The answer requestAuthorization gives while the status is not determined.
    void setAuthorizationAnswer(bool grant, AuthorizationOptions options);
    // While held, a request waits for answerAuthorization(), as a person
    // takes a moment to answer the question.
    void setAuthorizationAnswersHeld(bool held);
    // Gives the held request its answer; false when none is waiting.
    bool answerAuthorization();
    void setSettings(const NotificationSettings &settings);
    // As the settings page would; refused while a keep failure is set.
    bool setNotificationSettings(const NotificationSettings &settings) override;
    void setKeepSettingsFails(bool fails);
    // Refuse every added request with this error (empty: accept again).
    void setAddError(const QString &error);

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
    void setApplicationIconBadgeNumber(int number) override;
    int applicationIconBadgeNumber() override;

    // Snapshots, in the order the requests were added.
    QList<NotificationRequest> pending() const;
    QList<Notification> delivered() const;
    // Moves the pending request `identifier` to the delivered list (and, if it
    // has a badge, sets the badge). False when it is not pending.
    bool deliver(const QString &identifier, Instant at);
    // Every call made, as "add:<identifier>", "removePending", "removeDelivered",
    // "badge:<n>", "settings", "getPending", "requestAuthorization",
    // "replacePending" (followed by an "add:" for each request).
    QStringList calls() const;
    void clearCalls();

private:
    void answer(const std::function<void(bool)> &completion);

    mutable std::mutex mutex_;
    std::optional<PlanBasis> basis_;
    NotificationSettings settings_;
    bool answerGrant_ = true;
    AuthorizationOptions answerOptions_ = AuthorizationOption::alert | AuthorizationOption::badge;
    bool answersHeld_ = false;
    bool held_ = false;
    std::function<void(bool)> heldCompletion_;
    QString addError_;
    bool keepSettingsFails_ = false;
    QList<NotificationRequest> pending_;
    QList<Notification> delivered_;
    int badge_ = 0;
    QStringList calls_;
};

} // namespace platform
