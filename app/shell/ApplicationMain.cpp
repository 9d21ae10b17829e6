// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/ApplicationMain.h"

#include "app/notifications/NotificationScheduler.h"
#include "app/shell/AppDelegate.h"
#include "app/shell/ApplicationLifecycle.h"
#include "app/shell/MainWindow.h"
#include "app/shell/SingleInstance.h"
#include "app/shell/WindowArguments.h"
#include "platform/events/EventDialogs.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/AgentLoginStart.h"
#include "platform/notifications/AuthorizationDialog.h"
#include "platform/notifications/DeliveryAgentLauncher.h"
#include "platform/notifications/ForegroundLink.h"
#include "platform/system/Console.h"
#include "platform/system/Device.h"
#include "platform/system/Logging.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLocale>
#include <QTimer>

namespace app::shell {

namespace {

QString argumentValue(const QStringList &arguments, const QString &name)
{
    const qsizetype at = arguments.indexOf(name);
    if (at >= 0 && at + 1 < arguments.size())
        return arguments.at(at + 1);
    const QString prefix = name + QLatin1Char('=');
    for (const QString &argument : arguments)
        if (argument.startsWith(prefix))
            return argument.mid(prefix.size());
    return QString();
}

// The formats that go with a language when the window is asked to speak it:
// Arabic as in Saudi Arabia, whose calendar the Hijri dates follow.
QString formatsOf(const QString &language)
{
    if (platform::Device::localeName().section(QLatin1Char('_'), 0, 0) == language)
        return platform::Device::localeName();
    if (language == QLatin1String("ar"))
        return QStringLiteral("ar_SA");
    return QLocale(language).name();
}

void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget *widget, const QString &path)
{
    const bool saved = widget->grab().save(path);
    if (!saved)
        platform::consoleWarning(lcWindow(), QStringLiteral("Could not write %1").arg(path));
    return saved;
}

// A picture of every tab, and of the screen the settings tab opens over
// itself, named "<language>-<n>-<screen>.png".
int writeScreenshots(const std::vector<TabScreen> &tabs, const QString &folder)
{
    if (!QDir().mkpath(folder)) {
        platform::consoleWarning(lcWindow(), QStringLiteral("Could not make the folder %1").arg(folder));
        return 1;
    }
    const QString language = platform::Device::languageName();
    std::unique_ptr<platform::Window> window = makeMainWindow(tabs);
    window->resize(1024, 700);
    window->show();
    platform::TabBarController *tabBar = rootTabBarController(*window);
    bool saved = true;
    int number = 0;
    const auto name = [&](const char *screen) {
        return QDir(folder).filePath(
            QStringLiteral("%1-%2-%3.png").arg(language).arg(++number).arg(QLatin1String(screen)));
    };
    const char *const screens[] = {"calendar", "converter", "duration", "settings", "occasions"};
    for (int i = 0; i < tabBar->count(); ++i) {
        tabBar->setSelectedIndex(i);
        settle(400);
        // A first start asks for notifications over the converter: that
        // prompt is a screen of its own, and the tab is under it.
        if (auto *prompt = window->findChild<QWidget *>(QStringLiteral("EnableOptionsVC"));
            prompt && prompt->isVisible()) {
            saved = save(window.get(), name("notifications-prompt")) && saved;
            if (auto *notNow = prompt->findChild<QAbstractButton *>(QStringLiteral("closeButton")))
                notNow->click();
            settle(600);
        }
        saved = save(window.get(), name(i < 5 ? screens[i] : "screen")) && saved;
    }
    tabBar->setSelectedIndex(settingsTabIndex);
    settle(100);
    if (auto *more = window->findChild<QAbstractButton *>(QStringLiteral("moreSettingsButton"));
        more && more->isVisible()) {
        more->click();
        settle(600);
        QWidget *shown = window.get();
        for (QWidget *top : QApplication::topLevelWidgets())
            if (top != window.get() && top->isVisible() && top->isWindow() && !top->isHidden())
                shown = top;
        saved = save(shown, name("wallpaper")) && saved;
    }
    return saved ? 0 : 1;
}

} // namespace

void prepareApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("qamarly"));
    // Ties the window to the launcher entry (its icon and name in the dock).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.qamarly.Qamarly"));
    platform::Device::reload();
    // --language LANG: the window in that language, with its dates as it writes them.
    const QString language = argumentValue(QCoreApplication::arguments(), QStringLiteral("--language"));
    if (platform::Device::interfaceLanguages().contains(language))
        platform::Device::override(formatsOf(language), platform::Device::timeZoneId(), language);
    else if (!language.isEmpty())
        platform::consoleWarning(lcWindow(), QStringLiteral("Qamarly does not speak \"%1\"; it speaks %2")
                                                 .arg(language, platform::Device::interfaceLanguages().join(
                                                                    QStringLiteral(", "))));
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

    // A gallery of the screens: no other start is asked, nothing is delivered.
    if (const QString folder =
            argumentValue(QCoreApplication::arguments().mid(1), QStringLiteral("--screenshots"));
        !folder.isEmpty())
        return writeScreenshots(tabs, folder);
    // Paths made whole here: a running window reads them from its own folder.
    const QStringList arguments = forwardableArguments(QCoreApplication::arguments().mid(1));
    SingleInstance instance;
    switch (instance.claim(arguments)) {
    case SingleInstance::Outcome::forwarded:
        platform::consoleWarning(
            lcWindow(), QStringLiteral("Qamarly is already running; its window was brought to the front."));
        return 0;
    case SingleInstance::Outcome::failed: // still start: one window too many is better than none
    case SingleInstance::Outcome::primary:
        break;
    }

    platform::installAuthorizationDialog();
    platform::installForegroundBusLink();
    platform::installEventAccessDialog();
    // The agent also delivers the calendars' own alerts: once the calendars
    // may be read, it starts at login whatever the daily switches say.
    notifications::NotificationScheduler::shared().setAgentLoginStart([](bool on) {
        const bool eventAlerts = platform::keptEventAccess() == platform::EventAccessStatus::authorized;
        platform::AgentLoginStart start(platform::AgentLoginStart::current());
        start.setEnabled(on || eventAlerts);
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
