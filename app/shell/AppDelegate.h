// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/notifications/UserNotificationCenter.h"
#include "platform/ui/Window.h"
#include "platform/watch/WatchSession.h"

#include <QObject>
#include <QPointer>
#include <QUrl>
#include <QVariantMap>
#include <functional>

class QApplication;

namespace app::shell {

// What the delegate works with; tests replace them.
struct AppServices
{
    // The notification centre; UserNotificationCenter::current() when null.
    platform::UserNotificationCenter *center = nullptr;
    // Reschedules the notifications when last done on an earlier day; the
    // shared scheduler's when empty.
    std::function<void()> refreshNotificationsIfNeeded;
    // Rebuilds the plan (may throw CustomError, which is ignored); the shared
    // scheduler's when empty.
    std::function<void()> rescheduleNotifications;
};

// The application's delegate: puts the notification and watch machinery in
// place at launch and keeps it current at every return to the foreground.
// It owns no screen logic. One instance, made by applicationMain(); every
// call arrives on the main thread except the watch session's, which are
// carried there.
class AppDelegate : public QObject,
                    public platform::UserNotificationCenterDelegate,
                    public platform::WatchSessionDelegate
{
    Q_OBJECT

public:
    explicit AppDelegate(AppServices services = {});
    ~AppDelegate() override;

    // The delegate of the running application, if any.
    static AppDelegate *shared();

    platform::Window *window() const { return window_; }
    void setWindow(platform::Window *window) { window_ = window; }
    platform::WatchSession *watchSession() const { return watchSession_; }
    platform::UserNotificationCenter &center() const { return center_; }

    bool didFinishLaunchingWithOptions(QApplication &application, const QVariantMap &options);
    void applicationWillEnterForeground(QApplication &application);
    void applicationWillResignActive(QApplication &) {}
    void applicationDidEnterBackground(QApplication &) {}
    void applicationDidBecomeActive(QApplication &) {}
    void applicationWillTerminate(QApplication &) {}
    bool openURL(QApplication &application, const QUrl &url, const QString &sourceApplication,
                 const QVariant &annotation);

    void
    willPresentNotification(platform::UserNotificationCenter &center,
                            const platform::Notification &notification,
                            std::function<void(platform::PresentationOptions)> completionHandler) override;

    // Watch link.
    void startWatchSession();
    void sendAdjustmentToWatch();
    void activationDidCompleteWithState(platform::WatchSession &session,
                                        platform::WatchSessionActivationState state,
                                        const std::optional<QString> &error) override;
    void didReceiveApplicationContext(platform::WatchSession &session,
                                      const platform::WatchContext &context) override;
    void sessionDidBecomeInactive(platform::WatchSession &session) override;
    void sessionDidDeactivate(platform::WatchSession &session) override;

private:
    // Runs `work` on this object's (the main) thread: now when already there,
    // otherwise queued to it.
    void onMainThread(std::function<void()> work);
    void refreshNotificationsIfNeeded();
    // The user changed the notification permission on Qamarly's settings
    // page: the plan follows at once (made, or cleared when alerts went off).
    void notificationPermissionChanged();

    QPointer<platform::Window> window_;
    platform::WatchSession *watchSession_ = nullptr;
    platform::UserNotificationCenter &center_;
    AppServices services_;
};

// Sends the current Hijri adjustment to the watch; screens call it after
// saving a new adjustment. Does nothing without a running delegate.
void sendAdjustmentToWatch();

} // namespace app::shell
