// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/notifications/ForegroundPresenter.h"

#include "platform/calendar/Clock.h"
#include "platform/notifications/DBusNames.h"
#include "platform/notifications/ForegroundLink.h"
#include "platform/notifications/LocalNotificationCenter.h"
#include "platform/system/Console.h"
#include "platform/system/Logging.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace platform {

namespace dbusnames {

std::optional<QDBusConnection> sessionBusIfAny()
{
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (address.isEmpty() &&
        (runtime.isEmpty() || !QFileInfo::exists(QString::fromLocal8Bit(runtime) + QStringLiteral("/bus"))))
        return std::nullopt;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return std::nullopt;
    return bus;
}

} // namespace dbusnames

namespace {

// The presenter registered on the bus for as long as the link lives.
class BusForegroundLink final : public ForegroundLink
{
public:
    BusForegroundLink(QDBusConnection bus, std::unique_ptr<ForegroundPresenter> presenter)
        : bus_(std::move(bus)), presenter_(std::move(presenter))
    {
    }
    ~BusForegroundLink() override
    {
        // The process's centre goes with the static objects, after the bus is gone.
        if (!QCoreApplication::instance())
            return;
        bus_.unregisterObject(QString::fromLatin1(dbusnames::presenterPath));
        bus_.unregisterService(QString::fromLatin1(dbusnames::presenterService));
    }

private:
    QDBusConnection bus_;
    std::unique_ptr<ForegroundPresenter> presenter_;
};

std::unique_ptr<ForegroundLink> makeBusLink(LocalNotificationCenter &center, const QString &busAddress)
{
    std::optional<QDBusConnection> bus =
        busAddress.isEmpty() ? dbusnames::sessionBusIfAny()
                             : QDBusConnection::connectToBus(
                                   busAddress, QStringLiteral("qamarly-presenter-%1").arg(qHash(busAddress)));
    if (!bus || !bus->isConnected())
        return nullptr; // no bus: the agent cannot deliver either, so nothing is missed
    auto presenter = std::make_unique<ForegroundPresenter>(center);
    if (!bus->registerObject(QString::fromLatin1(dbusnames::presenterPath), presenter.get(),
                             QDBusConnection::ExportAllSlots) ||
        !bus->registerService(QString::fromLatin1(dbusnames::presenterService))) {
        bus->unregisterObject(QString::fromLatin1(dbusnames::presenterPath));
        consoleWarning(
            lcNotifications(),
            QStringLiteral("Another Qamarly takes notifications while in front; this one will not"));
        return nullptr;
    }
    return std::make_unique<BusForegroundLink>(*bus, std::move(presenter));
}

} // namespace

void installForegroundBusLink()
{
    setForegroundLinkFactory(makeBusLink);
}

ForegroundPresenter::ForegroundPresenter(LocalNotificationCenter &center) : center_(center) {}

bool ForegroundPresenter::Present(const QString &identifier, const QString &title, const QString &body,
                                  int badge)
{
    if (!center_.isInForeground())
        return false;
    Notification notification;
    notification.request.identifier = identifier;
    notification.request.content.title = title;
    notification.request.content.body = body;
    if (badge >= 0)
        notification.request.content.badge = badge;
    notification.request.trigger = TimeIntervalTrigger{0, false};
    notification.date = Clock::current();
    const auto options = center_.presentInForeground(notification);
    if (!options)
        return false;
    const unsigned shown = PresentationOption::banner | PresentationOption::list;
    return (*options & shown) == 0;
}

} // namespace platform
