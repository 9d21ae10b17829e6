// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/AppDelegate.h"

#include "app/notifications/NotificationScheduler.h"
#include "app/store/RatingPrompt.h"
#include "app/store/UpdateChecker.h"
#include "core/GlobalSettings.h"
#include "platform/events/EventImportDialog.h"
#include "platform/settings/AppSettingsWindow.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"
#include "platform/ui/DialogHost.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QMetaObject>
#include <QThread>

namespace app::shell {

namespace {
AppDelegate *runningDelegate = nullptr;

constexpr QLatin1StringView adjustmentNumberKey("adjustmentNumber");
constexpr QLatin1StringView messageKey("message");
constexpr QLatin1StringView getDataMessage("GETDATA");
} // namespace

AppDelegate::AppDelegate(AppServices services)
    : center_(services.center ? *services.center : platform::UserNotificationCenter::current()),
      services_(std::move(services))
{
    store::RatingPrompt &ratingPrompt = store::RatingPrompt::sharedInstance();
    ratingPrompt.onlyPromptIfLatestVersion = false;
    ratingPrompt.daysUntilPrompt = 3;
    ratingPrompt.usesUntilPrompt = 7;
    ratingPrompt.remindPeriod = 2;
    if (!runningDelegate)
        runningDelegate = this;
    connect(&platform::AppSettings::shared(), &platform::AppSettings::notificationSettingsChanged, this,
            &AppDelegate::notificationPermissionChanged);
}

void AppDelegate::notificationPermissionChanged()
{
    try {
        if (services_.rescheduleNotifications)
            services_.rescheduleNotifications();
        else
            notifications::NotificationScheduler::shared().rescheduleNotifications();
    } catch (const notifications::CustomError &) {
        // Alerts went off: the plan is cleared and nothing more is to be done.
    }
}

AppDelegate::~AppDelegate()
{
    if (center_.delegate() == this)
        center_.setDelegate(nullptr);
    if (watchSession_ && watchSession_->delegate() == this)
        watchSession_->setDelegate(nullptr);
    if (runningDelegate == this)
        runningDelegate = nullptr;
}

AppDelegate *AppDelegate::shared()
{
    return runningDelegate;
}

bool AppDelegate::didFinishLaunchingWithOptions(QApplication &, const QVariantMap &)
{
    // First, so that nothing the refresh schedules can arrive without a delegate.
    center_.setDelegate(this);
    refreshNotificationsIfNeeded();
    platform::TabBarController::setAppearanceTintColor(Qt::white);
    store::RatingPrompt::sharedInstance().presentingWindow = window_.data();
    store::UpdateChecker::shared().setAlertType(store::AlertType::option);
    // Asking the store loads and starts a network session, which would
    // delay the window's first frame; its answer is shown over the window anyway.
    platform::Window::afterFirstFrame(window_, [] {
        store::UpdateChecker::shared().startVersionCheck(store::VersionCheckType::immediately);
    });
    startWatchSession();
    return true;
}

void AppDelegate::applicationWillEnterForeground(QApplication &)
{
    refreshNotificationsIfNeeded();
    store::UpdateChecker::shared().startVersionCheck(store::VersionCheckType::immediately);
    store::RatingPrompt::sharedInstance().applicationWillEnterForeground();
    startWatchSession();
}

bool AppDelegate::openURL(QApplication &, const QUrl &url, const QString &, const QVariant &)
{
    // A calendar file opened from the file manager or a mail: its events,
    // to add to a calendar.
    if (url.isLocalFile()) {
        platform::EventImportDialog::openFile(url.toLocalFile(), platform::dialogHost());
        return true;
    }
    return true;
}

void AppDelegate::willPresentNotification(
    platform::UserNotificationCenter &center, const platform::Notification &notification,
    std::function<void(platform::PresentationOptions)> completionHandler)
{
    if (const auto badge = notification.request.content.badge)
        center.setApplicationIconBadgeNumber(*badge);
    if (completionHandler)
        completionHandler(0);
}

void AppDelegate::refreshNotificationsIfNeeded()
{
    if (services_.refreshNotificationsIfNeeded)
        services_.refreshNotificationsIfNeeded();
    else
        notifications::NotificationScheduler::shared().refreshNotificationsIfNeeded();
}

void AppDelegate::startWatchSession()
{
    if (!platform::WatchSession::isSupported())
        return;
    watchSession_ = platform::WatchSession::defaultSession();
    if (!watchSession_)
        return;
    watchSession_->setDelegate(this);
    watchSession_->activateSession();
}

void AppDelegate::sendAdjustmentToWatch()
{
    const std::int64_t adjustment = core::GlobalSettings::shared().adjustmentNumber;
    platform::consoleDebug(lcWatch(),
                           QStringLiteral("will send data to watch: AdjuNo: ") + QString::number(adjustment));
    if (!watchSession_)
        return;
    const platform::WatchContext context{{adjustmentNumberKey, QVariant::fromValue<qint64>(adjustment)}};
    if (const auto error = watchSession_->updateApplicationContext(context))
        platform::consoleWarning(lcWindow(), QStringLiteral("Updating the context failed: ") + *error);
}

void AppDelegate::activationDidCompleteWithState(platform::WatchSession &,
                                                 platform::WatchSessionActivationState state,
                                                 const std::optional<QString> &error)
{
    if (state != platform::WatchSessionActivationState::activated || error)
        return;
    onMainThread([this] { sendAdjustmentToWatch(); });
}

void AppDelegate::didReceiveApplicationContext(platform::WatchSession &,
                                               const platform::WatchContext &context)
{
    const auto message = context.constFind(messageKey);
    if (message == context.constEnd() || message->typeId() != QMetaType::QString ||
        message->toString() != getDataMessage)
        return;
    onMainThread([this] { sendAdjustmentToWatch(); });
}

void AppDelegate::sessionDidBecomeInactive(platform::WatchSession &) {}

void AppDelegate::sessionDidDeactivate(platform::WatchSession &) {}

void AppDelegate::onMainThread(std::function<void()> work)
{
    // The settings object belongs to the main thread; a session callback on
    // another thread must not read it there.
    if (QThread::currentThread() == thread())
        work();
    else
        QMetaObject::invokeMethod(this, std::move(work), Qt::QueuedConnection);
}

void sendAdjustmentToWatch()
{
    AppDelegate *delegate = AppDelegate::shared();
    if (!delegate)
        return;
    if (QThread::currentThread() == delegate->thread())
        delegate->sendAdjustmentToWatch();
    else
        QMetaObject::invokeMethod(
            delegate, [delegate] { delegate->sendAdjustmentToWatch(); }, Qt::QueuedConnection);
}

} // namespace app::shell
