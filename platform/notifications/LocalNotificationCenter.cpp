// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/LocalNotificationCenter.h"

#include "platform/calendar/Clock.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QThread>

namespace platform {

namespace {
ForegroundLinkFactory &linkFactory()
{
    static ForegroundLinkFactory factory = nullptr;
    return factory;
}
} // namespace

void setForegroundLinkFactory(ForegroundLinkFactory factory)
{
    linkFactory() = factory;
}

ForegroundLinkFactory foregroundLinkFactory()
{
    return linkFactory();
}

namespace {

constexpr QLatin1StringView storeUnavailable("the notification store cannot be opened");

// Short, so a write locked out by another process holds the store's own
// mutex (and with it the window's reads) no longer than this.
constexpr int lockWaitMs = 50;

bool isMainThread()
{
    return QCoreApplication::instance() && QThread::currentThread() == QCoreApplication::instance()->thread();
}

} // namespace

LocalNotificationCenter::LocalNotificationCenter(QString storePath, QString busAddress)
    : storePath_(std::move(storePath)), busAddress_(std::move(busAddress))
{
}

LocalNotificationCenter::~LocalNotificationCenter() = default;

NotificationStore *LocalNotificationCenter::store()
{
    std::lock_guard lock(storeMutex_);
    // Opened at first use, and again when the config home moved (tests give
    // every case a home of its own), so the home in force is the one used.
    const QString path = storePath_.isEmpty() ? NotificationStore::defaultPath() : storePath_;
    if (!storeTried_ || (store_ && store_->path() != path) || (!store_ && path != failedPath_)) {
        storeTried_ = true;
        // Another thread may still hold the old one: keep it until the centre goes.
        if (store_)
            retired_.push_back(std::move(store_));
        QString why;
        store_ = NotificationStore::open(path, false, &why);
        if (store_)
            store_->setLockWait(lockWaitMs);
        failedPath_ = store_ ? QString() : path;
        failure_ = why;
    }
    return store_.get();
}

void LocalNotificationCenter::requestAuthorization(AuthorizationOptions options,
                                                   std::function<void(bool)> completion)
{
    NotificationStore *s = store();
    NotificationSettings current;
    getNotificationSettings([&current](const NotificationSettings &settings) { current = settings; });
    if (current.authorizationStatus != AuthorizationStatus::notDetermined) {
        if (completion)
            completion(current.authorizationStatus == AuthorizationStatus::authorized);
        return;
    }
    const AuthorizationPrompt prompt = authorizationPrompt();
    if (!prompt || !s) {
        // Nobody can be asked (no window, or the store is unusable): undecided stays undecided.
        if (completion)
            completion(false);
        return;
    }
    auto ask = [this, prompt, options, completion] {
        prompt(options, [this, options, completion](bool granted) {
            NotificationSettings decided;
            decided.authorizationStatus =
                granted ? AuthorizationStatus::authorized : AuthorizationStatus::denied;
            decided.options = granted ? options : 0;
            setNotificationSettings(decided);
            if (completion)
                completion(granted);
        });
    };
    // The dialog belongs to the user interface thread.
    if (isMainThread() || !QCoreApplication::instance())
        ask();
    else
        QMetaObject::invokeMethod(QCoreApplication::instance(), ask, Qt::QueuedConnection);
}

void LocalNotificationCenter::getNotificationSettings(
    std::function<void(const NotificationSettings &)> completion)
{
    NotificationStore *s = store();
    std::optional<NotificationSettings> ahead;
    {
        std::lock_guard lock(aheadMutex_);
        ahead = ahead_[s].settings;
    }
    const NotificationSettings settings = ahead ? *ahead : s ? s->settings() : NotificationSettings{};
    if (completion)
        completion(settings);
}

bool LocalNotificationCenter::setNotificationSettings(const NotificationSettings &settings)
{
    NotificationStore *s = store();
    if (!s) {
        consoleWarning(lcNotifications(),
                       QStringLiteral("Cannot keep the notification permission: %1").arg(storeUnavailable));
        return false;
    }
    return write(
        s, [s, settings] { return s->setSettings(settings); },
        QStringLiteral("Cannot keep the notification permission in %1").arg(s->path()),
        [this, s, settings] {
            std::lock_guard lock(aheadMutex_);
            ahead_[s].settings = settings;
            ++ahead_[s].settingsWrites;
        },
        [this, s] {
            std::lock_guard lock(aheadMutex_);
            if (--ahead_[s].settingsWrites == 0)
                ahead_[s].settings.reset();
        });
}

bool LocalNotificationCenter::write(NotificationStore *s, StoreWriteQueue::Write write,
                                    const QString &failure, const std::function<void()> &posted,
                                    std::function<void()> done)
{
    if (!s)
        return false;
    if (!isMainThread())
        return writes_.run(std::move(write), failure);
    if (posted)
        posted();
    writes_.post(std::move(write), failure, [done = std::move(done)](bool) {
        if (done)
            done();
    });
    return true;
}

bool LocalNotificationCenter::waitForWrites(int timeoutMs)
{
    return writes_.waitForWrites(timeoutMs);
}

void LocalNotificationCenter::addNotificationRequest(
    const NotificationRequest &request, std::function<void(const std::optional<QString> &)> completion)
{
    auto finish = [&completion](const std::optional<QString> &error) {
        if (completion)
            completion(error);
    };
    NotificationStore *s = store();
    if (!s)
        return finish(storeUnavailable);
    const Instant now = Clock::current();
    TriggerCalendars calendars;
    if (const auto refused = refusal(request, now, calendars))
        return finish(refused);
    // Waited for on every thread: the caller is told whether it was kept.
    if (!writes_.run([s, request, now] { return s->add(request, now); },
                     QStringLiteral("Cannot add %1 to %2").arg(request.identifier, s->path())))
        return finish(QStringLiteral("cannot write %1 to the notification store").arg(request.identifier));
    finish(std::nullopt);
}

std::optional<QString> LocalNotificationCenter::refusal(const NotificationRequest &request, Instant now,
                                                        TriggerCalendars &calendars) const
{
    if (request.identifier.isEmpty())
        return QStringLiteral("a notification request needs an identifier");
    const auto fireAt = triggerDate(request.trigger, now, now, calendars);
    // A calendar moment already past never fires; refusing it keeps the agent
    // from showing it at once.
    if (!fireAt || (std::holds_alternative<CalendarTrigger>(request.trigger) && *fireAt < now))
        return QStringLiteral("the trigger of %1 never fires").arg(request.identifier);
    return std::nullopt;
}

bool LocalNotificationCenter::replacePendingNotificationRequests(const QList<NotificationRequest> &requests,
                                                                 const PlanBasis &basis)
{
    NotificationStore *s = store();
    if (!s)
        return false;
    const Instant now = Clock::current();
    QList<NotificationRequest> accepted;
    accepted.reserve(requests.size());
    TriggerCalendars calendars;
    for (const NotificationRequest &r : requests) {
        if (const auto refused = refusal(r, now, calendars))
            consoleWarning(lcNotifications(), *refused);
        else
            accepted.append(r);
    }
    const QByteArray basisJson = basis.suitePath.isEmpty() ? QByteArray() : basis.toJson();
    // After any removal still queued, so an older clear never takes the new plan.
    return writes_.run(
        [s, &accepted, now, &basisJson] { return s->replacePending(accepted, now, basisJson); },
        QStringLiteral("Cannot replace the pending notifications in %1").arg(s->path()));
}

std::optional<PlanBasis> LocalNotificationCenter::pendingPlanBasis()
{
    NotificationStore *s = store();
    if (std::lock_guard lock(aheadMutex_); ahead_[s].pendingRemovals > 0)
        return std::nullopt;
    const std::optional<QByteArray> json = s ? s->planBasis() : std::nullopt;
    return json ? PlanBasis::fromJson(*json) : std::nullopt;
}

std::optional<QString> LocalNotificationCenter::unavailableReason()
{
    if (store())
        return std::nullopt;
    std::lock_guard lock(storeMutex_);
    return QStringLiteral("the notification store %1 cannot be opened (%2)").arg(failedPath_, failure_);
}

void LocalNotificationCenter::getPendingNotificationRequests(
    std::function<void(const QList<NotificationRequest> &)> completion)
{
    QList<NotificationRequest> result;
    NotificationStore *s = store();
    bool removing = false;
    {
        std::lock_guard lock(aheadMutex_);
        removing = ahead_[s].pendingRemovals > 0;
    }
    if (s && !removing) {
        // Copied, not moved: the entries are the store's kept copy, and
        // writing to them would copy the whole list first.
        const QList<NotificationStore::Entry> entries = s->entries(NotificationStore::State::pending);
        result.reserve(entries.size());
        for (const auto &e : entries)
            result.append(e.request);
    }
    if (completion)
        completion(result);
}

void LocalNotificationCenter::getDeliveredNotifications(
    std::function<void(const QList<Notification> &)> completion)
{
    QList<Notification> result;
    NotificationStore *s = store();
    bool removing = false;
    {
        std::lock_guard lock(aheadMutex_);
        removing = ahead_[s].deliveredRemovals > 0;
    }
    if (s && !removing) {
        for (const auto &e : s->entries(NotificationStore::State::delivered))
            result.append(Notification{e.request, e.deliveredAt.value_or(e.addedAt)});
    }
    if (completion)
        completion(result);
}

void LocalNotificationCenter::removeAllPendingNotificationRequests()
{
    NotificationStore *s = store();
    write(
        s, [s] { return s->removePending(); },
        QStringLiteral("Cannot remove the pending notifications from %1").arg(s ? s->path() : QString()),
        [this, s] {
            std::lock_guard lock(aheadMutex_);
            ++ahead_[s].pendingRemovals;
        },
        [this, s] {
            std::lock_guard lock(aheadMutex_);
            --ahead_[s].pendingRemovals;
        });
}

void LocalNotificationCenter::removeAllDeliveredNotifications()
{
    NotificationStore *s = store();
    write(
        s, [s] { return s->removeDelivered(); },
        QStringLiteral("Cannot remove the delivered notifications from %1").arg(s ? s->path() : QString()),
        [this, s] {
            std::lock_guard lock(aheadMutex_);
            ++ahead_[s].deliveredRemovals;
        },
        [this, s] {
            std::lock_guard lock(aheadMutex_);
            --ahead_[s].deliveredRemovals;
        });
}

void LocalNotificationCenter::setApplicationIconBadgeNumber(int number)
{
    // The agent keeps the launcher entry equal to the stored badge.
    NotificationStore *s = store();
    write(
        s, [s, number] { return s->setBadge(number); },
        QStringLiteral("Cannot keep the badge in %1").arg(s ? s->path() : QString()),
        [this, s, number] {
            std::lock_guard lock(aheadMutex_);
            ahead_[s].badge = number;
            ++ahead_[s].badgeWrites;
        },
        [this, s] {
            std::lock_guard lock(aheadMutex_);
            if (--ahead_[s].badgeWrites == 0)
                ahead_[s].badge.reset();
        });
}

int LocalNotificationCenter::applicationIconBadgeNumber()
{
    NotificationStore *s = store();
    if (std::lock_guard lock(aheadMutex_); ahead_[s].badge)
        return *ahead_[s].badge;
    return s ? s->badge() : 0;
}

void LocalNotificationCenter::setForegroundProbe(std::function<bool()> probe)
{
    foregroundProbe_ = std::move(probe);
}

namespace {
// Only a process with a window can be in front; the agent and the command
// line never install one.
std::function<bool()> &defaultForegroundProbe()
{
    static std::function<bool()> probe;
    return probe;
}
} // namespace

void LocalNotificationCenter::setDefaultForegroundProbe(std::function<bool()> probe)
{
    defaultForegroundProbe() = std::move(probe);
}

bool LocalNotificationCenter::isInForeground() const
{
    if (foregroundProbe_)
        return foregroundProbe_();
    const std::function<bool()> &probe = defaultForegroundProbe();
    return probe && probe();
}

bool LocalNotificationCenter::isPresenterRegistered() const
{
    return foregroundLink_ != nullptr;
}

void LocalNotificationCenter::delegateChanged()
{
    if (!delegate()) {
        foregroundLink_.reset();
        return;
    }
    if (foregroundLink_)
        return;
    // No link: the agent shows every delivery, as it does while Qamarly is closed.
    if (const ForegroundLinkFactory makeLink = foregroundLinkFactory())
        foregroundLink_ = makeLink(*this, busAddress_);
}

} // namespace platform
