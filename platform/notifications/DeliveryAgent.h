// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/defaults/UserDefaults.h"
#include "platform/notifications/NotificationStore.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QVariant>
#include <deque>
#include <functional>
#include <memory>
#include <optional>

class QDBusServiceWatcher;

namespace platform {

struct DeliveryAgentOptions
{
    QString storePath;  // empty: NotificationStore::defaultPath()
    QString busAddress; // empty: the session bus
    // How often the store is looked at: a new request is noticed within this.
    int pollIntervalMs = 500;
    // How often a missing bus or notification service is tried again.
    int retryIntervalMs = 5000;
    // How long the notification service may take to answer. A call without
    // an answer may still have shown the notification, so it is never repeated.
    int notifyTimeoutMs = 25000;
    // Makes the plan again from the stored settings and calls `finished`
    // once done (the program runs `qamarly notifications refresh`). Nothing
    // is delivered from a plan made for other settings than the stored ones
    // until it is made again; without this such a plan only waits. Tried
    // again every retryIntervalMs while the plan stays stale.
    std::function<void(std::function<void()> finished)> repairPlan;
};

// qamarly-notifyd's work: delivers each pending request of the store when its
// trigger comes, to the application when it is in front and otherwise to the
// desktop notification service, and keeps the launcher badge equal to the
// stored badge.
//
// Each delivery is claimed in the store before it is handed on and marked
// delivered when the service answers; a claim left by a killed agent counts
// as delivered at the next start, so nothing is shown twice. Likewise a call
// to the service that got no answer counts as delivered (at most once). Requests missed
// while the machine slept or the clock jumped are folded: only those of the
// latest day are shown and the badge takes the latest value.
class DeliveryAgent : public QObject
{
    Q_OBJECT

public:
    explicit DeliveryAgent(DeliveryAgentOptions options = {}, QObject *parent = nullptr);
    ~DeliveryAgent() override;

    // False (and one console line) when the store cannot be opened.
    bool start();
    bool isBusConnected() const { return bus_.has_value(); }

    // Shows an event's alert through the desktop notification service, on
    // the agent's own connection; `done` hears whether it may have been
    // shown (a call without an answer may have been).
    void showEventAlert(const QString &title, const QString &body, std::function<void(bool shown)> done);

Q_SIGNALS:
    void delivered(const QString &identifier, bool shownOnDesktop);
    void skipped(const QString &identifier);
    void badgeShown(int badge);

private:
    void tick();
    bool planIsCurrent();
    void repairPlan();
    bool connectBus();
    void dropBus();
    void withdrawRemoved();
    void syncBadge(bool force);
    void emitBadge(int badge);
    void planDue();
    void deliverNext();
    // The desktop service's Notify call, with the application's own hints.
    QDBusMessage notifyCall(const QString &title, const QString &body, QVariantMap hints) const;
    void showOnDesktop(const NotificationStore::Entry &entry);
    void finish(const NotificationStore::Entry &entry, quint32 serverId, bool shown);
    void serviceFailed(const NotificationStore::Entry &entry, const QString &why);

    DeliveryAgentOptions options_;
    std::unique_ptr<NotificationStore> store_;
    std::optional<QDBusConnection> bus_;
    QString busName_;
    int busAttempts_ = 0;
    std::unique_ptr<QDBusServiceWatcher> serviceWatcher_;
    QTimer ticker_;
    QElapsedTimer monotonic_;
    qint64 lastBusAttemptMs_ = -1;
    bool busDownLogged_ = false;
    bool serviceDown_ = false;
    bool serviceDownLogged_ = false;
    qint64 serviceRetryAtMs_ = 0;
    std::optional<int> shownBadge_;
    std::deque<NotificationStore::Entry> queue_;
    bool busy_ = false;
    std::shared_ptr<UserDefaults> basisSuite_;
    bool repairing_ = false;
    qint64 nextRepairAtMs_ = 0;
    bool staleLogged_ = false;
};

} // namespace platform
