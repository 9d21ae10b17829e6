// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/ApplicationMain.h"

#include "app/notifications/NotificationScheduler.h"
#include "app/shell/AppDelegate.h"
#include "app/shell/ApplicationLifecycle.h"
#include "app/shell/MainWindow.h"
#include "app/shell/SingleInstance.h"
#include "app/shell/WindowArguments.h"
#include "core/RGConv.h"
#include "core/RGDate.h"
#include "platform/events/EventDialogs.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/AgentLoginStart.h"
#include "platform/notifications/AuthorizationDialog.h"
#include "platform/notifications/DeliveryAgentLauncher.h"
#include "platform/notifications/ForegroundLink.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QTimer>

namespace app::shell {

void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("qamarly"));
    // Ties the window to the launcher entry (its icon and name in the dock).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qamarly.Qamarly"));
    platform::Device::reload();
    platform::installTranslations();
    // The same name as the launcher entry gives in the user's language.
    QGuiApplication::setApplicationDisplayName(platform::localized("app.name"));
    QGuiApplication::setLayoutDirection(platform::Device::isRightToLeft() ? Qt::RightToLeft
                                                                          : Qt::LeftToRight);
}

int applicationMain(int argc, char **argv, const std::vector<TabScreen> &tabs)
{
    QApplication application(argc, argv);
    prepareApplication();

    // Paths made whole here: a running window reads them from its own folder.
    const QStringList arguments = forwardableArguments(QCoreApplication::arguments().mid(1));
    SingleInstance instance;
    switch (instance.claim(arguments)) {
    case SingleInstance::Outcome::forwarded:
        platform::consoleLog(
            QStringLiteral("Qamarly is already running; its window was brought to the front."));
        return 0;
    case SingleInstance::Outcome::failed:
        // Still start: one window too many is better than none.
        break;
    case SingleInstance::Outcome::primary:
        break;
    }

    platform::installAuthorizationDialog();
    platform::installForegroundBusLink();
    platform::installEventAccessDialog();
    notifications::NotificationScheduler::shared().setAgentLoginStart(
        [](bool on) { platform::AgentLoginStart(platform::AgentLoginStart::current()).setEnabled(on); });
    // The editor's dates carry their Hijri day, with the user's adjustment.
    platform::setEventDayNote([](QDate day) {
        const core::RGConv conv(platform::fromQDateTime(day.startOfDay()));
        return conv.hijriDate()->dateFullString();
    });
    AppDelegate delegate;
    std::unique_ptr<platform::Window> window = makeMainWindow(tabs);
    delegate.setWindow(window.get());
    delegate.didFinishLaunchingWithOptions(application, {});

    ApplicationLifecycle lifecycle(application, delegate, *window);
    QObject::connect(&instance, &SingleInstance::activationRequested, &lifecycle,
                     &ApplicationLifecycle::activationRequested);
    watchScreenLock(lifecycle);
    window->show();
    // A file to open comes up over the window, once the window is there.
    if (const QUrl url = ApplicationLifecycle::urlArgument(arguments); !url.isEmpty())
        QTimer::singleShot(0, &application, [&application, &delegate, url] {
            delegate.openURL(application, url, QString(), QVariant());
        });
    // Notifications must keep arriving after the window closes.
    QTimer::singleShot(0, &application, [] { platform::startDeliveryAgentIfNeeded(); });

    const int status = QApplication::exec();
    delegate.applicationWillTerminate(application);
    return status;
}

} // namespace app::shell
