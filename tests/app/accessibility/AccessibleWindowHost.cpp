// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The real main window in a world of its own (fixed clock, zone, locale,
// settings and a few events), shown until the process is ended: what the
// screen-reader test reads through AT-SPI. Arguments: the locale, then
// optionally a size (1366x700, or "max" for maximised), a tab index and a
// PNG file: the window is then saved there after a moment, and the program ends.
#include "app/Composition.h"
#include "app/shell/MainWindow.h"
#include "core/GlobalSettings.h"
#include "platform/events/testing/TestEventStore.h"
#include "platform/localization/Localization.h"
#include "platform/notifications/testing/TestNotificationCenter.h"
#include "platform/system/Device.h"
#include "platform/ui/TabBarController.h"
#include "platform/ui/Window.h"
#include "support/TestEnvironment.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>

int main(int argc, char **argv)
{
    const testenv::ProcessCacheHome cacheHome;
    QApplication application(argc, argv);
    const QString locale = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("en_US");
    testenv::ScopedEnvironment world(locale, QStringLiteral("Asia/Riyadh"));
    // Noon on 5 December 2026 (14 Jumada II 1448).
    world.setNow(testenv::gregorianInstant(2026, 12, 5, 12));
    platform::Device::reload();
    platform::installTranslations();
    QApplication::setLayoutDirection(platform::Device::isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);

    auto center = std::make_shared<platform::TestNotificationCenter>();
    center->setSettings({platform::AuthorizationStatus::authorized,
                         platform::AuthorizationOption::alert | platform::AuthorizationOption::badge});
    platform::UserNotificationCenter::setCurrent(center);
    core::GlobalSettings::shared().adjustmentNumber = 1; // the converter's round button shows
    core::GlobalSettings::shared().save();

    auto store = std::make_shared<platform::TestEventStore>();
    const auto home = store->addCalendar(QStringLiteral("Home"), QStringLiteral("#ff8800"), true);
    platform::CalendarEvent meeting;
    meeting.identifier = meeting.uid = QStringLiteral("meeting");
    meeting.title = QStringLiteral("Family dinner");
    meeting.location = QStringLiteral("Jeddah");
    meeting.startDate = testenv::gregorianInstant(2026, 12, 5, 19);
    meeting.endDate = testenv::gregorianInstant(2026, 12, 5, 21);
    meeting.calendar = home;
    store->setEvents({meeting});
    platform::setEventStoreFactory([store] { return store; });

    std::unique_ptr<platform::Window> window = app::shell::makeMainWindow(app::tabScreens());
    const QStringList args = QCoreApplication::arguments();
    const QString size = args.value(2, QStringLiteral("1024x700"));
    if (size == QLatin1String("max")) {
        window->showMaximized();
    } else {
        window->resize(size.section(QLatin1Char('x'), 0, 0).toInt(),
                       size.section(QLatin1Char('x'), 1, 1).toInt());
        window->show();
    }
    if (args.size() > 4) {
        app::shell::rootTabBarController(*window)->setSelectedIndex(args.value(3).toInt());
        const QString file = args.value(4);
        QTimer::singleShot(1500, window.get(), [&window, file] {
            window->grab().save(file);
            QCoreApplication::quit();
        });
        return QApplication::exec();
    }
    // Tells the test the window is up.
    QTimer::singleShot(500, qApp, [] { QTextStream(stdout) << "shown" << Qt::endl; });
    return QApplication::exec();
}
