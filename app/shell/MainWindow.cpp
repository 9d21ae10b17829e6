#include "app/shell/MainWindow.h"

#include "platform/Localization.h"
#include "platform/TabBarController.h"
#include "platform/UserDefaults.h"
#include "platform/Window.h"

#include <QIcon>

namespace shell {

std::unique_ptr<platform::Window> makeMainWindow(const std::vector<TabScreen> &tabs)
{
    auto window = std::make_unique<platform::Window>();
    window->setObjectName(QStringLiteral("mainWindow"));
    window->setWindowTitle(QStringLiteral("Qamarly"));
    window->setWindowIcon(QIcon(QStringLiteral(":/images/qamarly.png")));
    window->setMinimumSize(mainWindowMinimumWidth, mainWindowMinimumHeight);
    window->placeAndRemember(QSize(mainWindowWidth, mainWindowHeight), platform::UserDefaults::standard(),
                             QString::fromLatin1(mainWindowGeometryKey));

    auto *tabBar = new platform::TabBarController;
    tabBar->setObjectName(QStringLiteral("rootTabBarController"));
    for (const TabScreen &tab : tabs) {
        platform::ViewController *screen = tab.make ? tab.make() : nullptr;
        if (!screen)
            continue;
        const QIcon icon = tab.iconPath.isEmpty() ? QIcon() : QIcon(tab.iconPath);
        tabBar->addTab(screen, platform::localized(tab.titleKey), icon);
    }
    window->setRootViewController(tabBar);
    return window;
}

platform::TabBarController *rootTabBarController(const platform::Window &window)
{
    return qobject_cast<platform::TabBarController *>(window.rootViewController());
}

} // namespace shell
