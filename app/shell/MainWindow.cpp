// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/MainWindow.h"

#include "platform/defaults/UserDefaults.h"
#include "platform/localization/Localization.h"
#include "platform/settings/AppSettingsWindow.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"

#include <QAction>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace app::shell {

std::unique_ptr<platform::Window> makeMainWindow(const std::vector<TabScreen> &tabs)
{
    auto window = std::make_unique<platform::Window>();
    window->setObjectName(QStringLiteral("mainWindow"));
    window->setWindowTitle(platform::localized("app.name"));
    window->setWindowIcon(QIcon(QStringLiteral(":/images/qamarly.png")));
    window->setMinimumSize(mainWindowMinimumWidth, mainWindowMinimumHeight);
    window->placeAndRemember(QSize(mainWindowWidth, mainWindowHeight), platform::UserDefaults::standard(),
                             QString::fromLatin1(mainWindowGeometryKey));

    auto *tabBar = new platform::TabBarController;
    tabBar->setObjectName(QStringLiteral("rootTabBarController"));
    // Only the first tab's screen is made before the window shows; each
    // other one when it is first selected, so the window opens sooner.
    for (const TabScreen &tab : tabs) {
        if (!tab.make)
            continue;
        const QIcon icon = tab.iconPath.isEmpty() ? QIcon() : QIcon(tab.iconPath);
        tabBar->addTab(tab.make, platform::localized(tab.titleKey), icon);
    }
    window->setRootViewController(tabBar);
    addApplicationMenu(*window);
    return window;
}

void addApplicationMenu(platform::Window &window)
{
    auto *bar = new QMenuBar(&window);
    bar->setObjectName(QStringLiteral("menuBar"));
    QMenu *menu = bar->addMenu(platform::localized("shell.menu.application"));
    menu->setObjectName(QStringLiteral("applicationMenu"));
    // The way back to a permission refused with "Not now" or in the
    // platform's dialog, which no screen offers again.
    QAction *settings = menu->addAction(platform::localized("shell.menu.notificationSettings"));
    settings->setObjectName(QStringLiteral("notificationSettingsAction"));
    // Desktops disagree on a Preferences key; Ctrl+, is the common one.
    settings->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    settings->setShortcutContext(Qt::ApplicationShortcut);
    settings->setMenuRole(QAction::PreferencesRole);
    QObject::connect(settings, &QAction::triggered, &window,
                     [w = &window] { platform::openApplicationSettings(w); });
    menu->addSeparator();
    QAction *quit = menu->addAction(platform::localized("shell.menu.quit"));
    quit->setObjectName(QStringLiteral("quitAction"));
    quit->setShortcut(QKeySequence::Quit);
    quit->setMenuRole(QAction::QuitRole);
    QObject::connect(quit, &QAction::triggered, &window, &QWidget::close);
    window.layout()->setMenuBar(bar);
}

platform::TabBarController *rootTabBarController(const platform::Window &window)
{
    return qobject_cast<platform::TabBarController *>(window.rootViewController());
}

} // namespace app::shell
