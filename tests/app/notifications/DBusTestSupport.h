// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusMessage>
#include <QObject>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantMap>

namespace testbus {

// A session bus of the test's own: dbus-daemon started here and killed with
// this object, so nothing reaches the desktop the tests run on.
class PrivateBus
{
public:
    // `socketPath` empty: a socket in a temporary folder.
    explicit PrivateBus(const QString &socketPath = QString());
    ~PrivateBus();
    PrivateBus(const PrivateBus &) = delete;
    PrivateBus &operator=(const PrivateBus &) = delete;

    bool isRunning() const { return !address_.isEmpty(); }
    QString address() const { return address_; }
    // A fresh connection of the test to this bus.
    QDBusConnection connect(const QString &name);

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
};

// A stand-in for the desktop's org.freedesktop.Notifications service that
// records every Notify and every launcher badge update it sees.
class FakeNotificationService : public QObject, protected QDBusContext
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Shown
    {
        QString summary;
        QString body;
        QVariantMap hints;
    };

    explicit FakeNotificationService(QDBusConnection bus);
    ~FakeNotificationService() override;
    // Takes the service name; false when that failed.
    bool registerService();
    void unregisterService();

    // While holding, Notify calls are recorded but not answered.
    void holdReplies(bool hold);

    QList<Shown> shown;
    QList<QVariantMap> launcherUpdates;
    QStringList launcherUris;
    int countOf(const QString &summary) const;

public Q_SLOTS:
    uint Notify(const QString &appName, uint replacesId, const QString &appIcon, const QString &summary,
                const QString &body, const QStringList &actions, const QVariantMap &hints, int expireTimeout);
    QStringList GetCapabilities();
    void CloseNotification(uint id);

Q_SIGNALS:
    void notified(const QString &summary);
    void launcherUpdated(qint64 count);

private Q_SLOTS:
    void onLauncherUpdate(const QString &appUri, const QVariantMap &properties);

private:
    QDBusConnection bus_;
    bool hold_ = false;
    uint nextId_ = 1;
    QList<QDBusMessage> held_;
};

} // namespace testbus
