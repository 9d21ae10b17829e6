// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/DeliveryAgent.h"

#include "platform/calendar/Calendar.h"
#include "platform/calendar/Clock.h"
#include "platform/notifications/DBusNames.h"
#include "platform/notifications/PlanBasis.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusServiceWatcher>
#include <QPointer>
#include <QVariantMap>
#include <algorithm>

namespace platform {

namespace {

// How long the application in front may take to answer before the desktop shows the notification.
constexpr int presenterTimeoutMs = 3000;

// Whether a failed call may nevertheless have reached the service: no answer
// in time, or the connection lost while waiting. Any answer proper, an error
// included, means the service did not show it.
bool outcomeUnknown(QDBusError::ErrorType type)
{
    return type == QDBusError::NoReply || type == QDBusError::Timeout || type == QDBusError::TimedOut ||
           type == QDBusError::Disconnected;
}

QString name(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace

DeliveryAgent::DeliveryAgent(DeliveryAgentOptions options, QObject *parent)
    : QObject(parent), options_(std::move(options))
{
    monotonic_.start();
    connect(&ticker_, &QTimer::timeout, this, &DeliveryAgent::tick);
}

DeliveryAgent::~DeliveryAgent()
{
    dropBus();
}

bool DeliveryAgent::start()
{
    store_ = NotificationStore::open(options_.storePath.isEmpty() ? NotificationStore::defaultPath()
                                                                  : options_.storePath,
                                     /*syncEveryCommit=*/true);
    if (!store_)
        return false;
    if (const int n = store_->settleInterruptedDeliveries(Clock::current()))
        consoleWarning(
            lcNotifications(),
            QStringLiteral(
                "qamarly-notifyd: %1 delivery(ies) interrupted by the last stop count as delivered")
                .arg(n));
    ticker_.start(options_.pollIntervalMs);
    tick();
    return true;
}

bool DeliveryAgent::connectBus()
{
    if (bus_ && bus_->isConnected())
        return true;
    dropBus();
    lastBusAttemptMs_ = monotonic_.elapsed();
    // A fresh name per attempt: Qt keeps a failed connection under its name.
    busName_ = QStringLiteral("qamarly-notifyd-%1").arg(++busAttempts_);
    QDBusConnection bus = options_.busAddress.isEmpty()
                              ? QDBusConnection::connectToBus(QDBusConnection::SessionBus, busName_)
                              : QDBusConnection::connectToBus(options_.busAddress, busName_);
    if (!bus.isConnected()) {
        QDBusConnection::disconnectFromBus(busName_);
        if (!busDownLogged_) {
            consoleWarning(
                lcNotifications(),
                QStringLiteral(
                    "qamarly-notifyd: no session bus (%1); notifications stay pending until one is available")
                    .arg(bus.lastError().message()));
            busDownLogged_ = true;
        }
        return false;
    }
    if (busDownLogged_)
        consoleWarning(lcNotifications(),
                       QStringLiteral("qamarly-notifyd: connected to the session bus; delivering again"));
    busDownLogged_ = false;
    bus_ = bus;
    serviceDown_ = false;
    serviceWatcher_ = std::make_unique<QDBusServiceWatcher>(name(dbusnames::notificationsService), bus,
                                                            QDBusServiceWatcher::WatchForRegistration);
    connect(serviceWatcher_.get(), &QDBusServiceWatcher::serviceRegistered, this, [this] {
        serviceDown_ = false;
        tick();
    });
    // A launcher shows the badge of whoever is connected; say it again on each new connection.
    shownBadge_.reset();
    return true;
}

void DeliveryAgent::dropBus()
{
    serviceWatcher_.reset();
    if (bus_) {
        bus_.reset();
        QDBusConnection::disconnectFromBus(busName_);
    }
}

void DeliveryAgent::tick()
{
    if (!store_ || busy_)
        return;
    if (!bus_ || !bus_->isConnected()) {
        if (bus_)
            dropBus();
        if (lastBusAttemptMs_ >= 0 && monotonic_.elapsed() - lastBusAttemptMs_ < options_.retryIntervalMs)
            return;
        if (!connectBus())
            return;
    }
    withdrawRemoved();
    if (!planIsCurrent()) {
        repairPlan();
        return;
    }
    staleLogged_ = false;
    syncBadge(false);
    if (serviceDown_ && monotonic_.elapsed() < serviceRetryAtMs_)
        return;
    planDue();
    deliverNext();
}

bool DeliveryAgent::planIsCurrent()
{
    const std::optional<QByteArray> json = store_->planBasis();
    // A plan kept without a basis (by an older version) is delivered as it is.
    const std::optional<PlanBasis> basis = json ? PlanBasis::fromJson(*json) : std::nullopt;
    if (!basis)
        return true;
    if (!basisSuite_ || basisSuite_->path() != basis->suitePath)
        basisSuite_ = UserDefaults::openReadOnly(basis->suitePath);
    return basis->matches(*basisSuite_);
}

void DeliveryAgent::repairPlan()
{
    if (!staleLogged_) {
        consoleWarning(
            lcNotifications(),
            QStringLiteral("qamarly-notifyd: the pending notifications were planned for other settings "
                           "than the stored ones; none is delivered until they are planned again"));
        staleLogged_ = true;
    }
    if (repairing_ || !options_.repairPlan || monotonic_.elapsed() < nextRepairAtMs_)
        return;
    repairing_ = true;
    nextRepairAtMs_ = monotonic_.elapsed() + options_.retryIntervalMs;
    options_.repairPlan([self = QPointer<DeliveryAgent>(this)] {
        if (!self)
            return;
        self->repairing_ = false;
        self->tick();
    });
}

void DeliveryAgent::withdrawRemoved()
{
    for (const auto &e : store_->entries(NotificationStore::State::removed)) {
        QDBusMessage close = QDBusMessage::createMethodCall(
            name(dbusnames::notificationsService), name(dbusnames::notificationsPath),
            name(dbusnames::notificationsInterface), QStringLiteral("CloseNotification"));
        close << e.serverId;
        bus_->send(close);
        store_->drop(e.seq);
    }
}

void DeliveryAgent::syncBadge(bool force)
{
    const int badge = store_->badge();
    if (force || !shownBadge_ || *shownBadge_ != badge)
        emitBadge(badge);
}

void DeliveryAgent::emitBadge(int badge)
{
    if (!bus_)
        return;
    QDBusMessage update = QDBusMessage::createSignal(
        name(dbusnames::launcherPath), name(dbusnames::launcherInterface), QStringLiteral("Update"));
    QVariantMap properties;
    properties.insert(QStringLiteral("count"), QVariant::fromValue<qint64>(badge));
    properties.insert(QStringLiteral("count-visible"), badge > 0);
    update << name(dbusnames::launcherAppUri) << properties;
    bus_->send(update);
    shownBadge_ = badge;
    Q_EMIT badgeShown(badge);
}

void DeliveryAgent::planDue()
{
    queue_.clear();
    const Instant now = Clock::current();
    struct Due
    {
        NotificationStore::Entry entry;
        Instant at;
    };
    std::vector<Due> due;
    TriggerCalendars calendars;
    // Read only: the list is the store's kept copy, shared until written to.
    for (const auto &e : store_->entries(NotificationStore::State::pending)) {
        const auto at = triggerDate(e.request.trigger, e.addedAt, e.addedAt, calendars);
        if (!at) {
            // It can never fire; keeping it would only be looked at forever.
            store_->markSkipped(e, now, std::nullopt);
            continue;
        }
        if (*at <= now)
            due.push_back(Due{e, *at});
    }
    if (due.empty())
        return;
    std::stable_sort(due.begin(), due.end(), [](const Due &a, const Due &b) { return a.at < b.at; });

    // After a sleep or a clock jump several days may be due at once: show the
    // alerts of the latest of those days only, and let the last badge win.
    const Calendar calendar = Calendar::gregorian();
    std::optional<Instant> latestAlertDay;
    std::optional<size_t> lastBadge;
    for (size_t i = 0; i < due.size(); ++i) {
        if (due[i].entry.request.content.hasAlert())
            latestAlertDay = calendar.startOfDay(due[i].at);
        if (due[i].entry.request.content.badge)
            lastBadge = i;
    }
    for (size_t i = 0; i < due.size(); ++i) {
        const auto &content = due[i].entry.request.content;
        const bool staleAlert = content.hasAlert() && calendar.startOfDay(due[i].at) < *latestAlertDay;
        const bool overriddenBadge = !content.hasAlert() && content.badge && i < *lastBadge;
        if (staleAlert || overriddenBadge) {
            store_->markSkipped(due[i].entry, now, lastBadge == i ? content.badge : std::nullopt);
            Q_EMIT skipped(due[i].entry.request.identifier);
            continue;
        }
        queue_.push_back(std::move(due[i].entry));
    }
}

void DeliveryAgent::deliverNext()
{
    while (!queue_.empty()) {
        NotificationStore::Entry entry = std::move(queue_.front());
        queue_.pop_front();
        // Removed, replaced or renewed by a later plan since it was read: nothing to do.
        if (!store_->claim(entry))
            continue;
        busy_ = true;
        const QDBusConnectionInterface *daemon = bus_->interface();
        if (daemon && daemon->isServiceRegistered(name(dbusnames::presenterService)).value()) {
            QDBusMessage present = QDBusMessage::createMethodCall(
                name(dbusnames::presenterService), name(dbusnames::presenterPath),
                name(dbusnames::presenterInterface), QStringLiteral("Present"));
            const auto &c = entry.request.content;
            present << entry.request.identifier << c.title << c.body << (c.badge ? *c.badge : -1);
            auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(present, presenterTimeoutMs), this);
            connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, entry] {
                watcher->deleteLater();
                QDBusPendingReply<bool> reply = *watcher;
                if (reply.isValid() && reply.value())
                    finish(entry, 0, false);
                else
                    showOnDesktop(entry);
            });
            return;
        }
        showOnDesktop(entry);
        return;
    }
}

QDBusMessage DeliveryAgent::notifyCall(const QString &title, const QString &body, QVariantMap hints) const
{
    QDBusMessage notify = QDBusMessage::createMethodCall(
        name(dbusnames::notificationsService), name(dbusnames::notificationsPath),
        name(dbusnames::notificationsInterface), QStringLiteral("Notify"));
    hints.insert(QStringLiteral("desktop-entry"), name(dbusnames::desktopEntry));
    notify << QStringLiteral("Qamarly") << quint32(0) << QStringLiteral("org.qamarly.Qamarly") << title
           << body << QStringList() << hints << qint32(-1);
    return notify;
}

void DeliveryAgent::showOnDesktop(const NotificationStore::Entry &entry)
{
    const auto &c = entry.request.content;
    if (!c.hasAlert()) {
        finish(entry, 0, false); // a badge-only request shows nothing
        return;
    }
    QVariantMap hints;
    if (!c.sound)
        hints.insert(QStringLiteral("suppress-sound"), true);
    const QDBusMessage notify = notifyCall(c.title, c.body, hints);
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(notify, options_.notifyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, watcher, entry] {
        watcher->deleteLater();
        QDBusPendingReply<quint32> reply = *watcher;
        if (reply.isValid()) {
            finish(entry, reply.value(), true);
        } else if (outcomeUnknown(reply.error().type())) {
            // Sending it again could show it twice; the badge still follows.
            consoleWarning(lcNotifications(),
                           QStringLiteral("qamarly-notifyd: no answer about %1 (%2); it counts as shown")
                               .arg(entry.request.identifier, reply.error().message()));
            finish(entry, 0, true);
        } else {
            serviceFailed(entry, reply.error().message());
        }
    });
}

void DeliveryAgent::showEventAlert(const QString &title, const QString &body, std::function<void(bool)> done)
{
    if ((!bus_ || !bus_->isConnected()) && !connectBus()) {
        done(false);
        return;
    }
    const QDBusMessage notify = notifyCall(title, body,
                                           {{QStringLiteral("category"), QStringLiteral("x-qamarly.event")},
                                            {QStringLiteral("urgency"), QVariant::fromValue<uchar>(1)}});
    auto *watcher = new QDBusPendingCallWatcher(bus_->asyncCall(notify, options_.notifyTimeoutMs), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        QDBusPendingReply<quint32> reply = *watcher;
        if (!reply.isValid() && !outcomeUnknown(reply.error().type()))
            consoleWarning(
                lcNotifications(),
                QStringLiteral("qamarly-notifyd: no desktop notification service (%1); the alert is "
                               "tried again")
                    .arg(reply.error().message()));
        done(reply.isValid() || outcomeUnknown(reply.error().type()));
    });
}

void DeliveryAgent::finish(const NotificationStore::Entry &entry, quint32 serverId, bool shown)
{
    if (!store_->markDelivered(entry.seq, Clock::current(), serverId, entry.request.content.badge))
        consoleWarning(lcNotifications(), QStringLiteral("qamarly-notifyd: cannot record the delivery of %1")
                                              .arg(entry.request.identifier));
    if (serviceDownLogged_)
        consoleWarning(lcNotifications(),
                       QStringLiteral("qamarly-notifyd: the notification service is back; delivering again"));
    serviceDown_ = false;
    serviceDownLogged_ = false;
    busy_ = false;
    if (entry.request.content.badge)
        syncBadge(false);
    Q_EMIT delivered(entry.request.identifier, shown);
    deliverNext();
}

void DeliveryAgent::serviceFailed(const NotificationStore::Entry &entry, const QString &why)
{
    // Back to pending: it is shown once the service is there again.
    store_->release(entry.seq);
    queue_.clear();
    busy_ = false;
    serviceDown_ = true;
    serviceRetryAtMs_ = monotonic_.elapsed() + options_.retryIntervalMs;
    if (!serviceDownLogged_) {
        consoleWarning(
            lcNotifications(),
            QStringLiteral(
                "qamarly-notifyd: no desktop notification service (%1); notifications stay pending")
                .arg(why));
        serviceDownLogged_ = true;
    }
}

} // namespace platform
