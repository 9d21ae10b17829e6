// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The wallpaper chooser or the template screen alone in a window of the
// application's usual size (or --size WxH). --template shows the template screen; with
// --screenshot FILE the screen is rendered to FILE (offscreen works) and the
// program ends.
#include "app/screens/wallpaper/MoreSettingsVC.h"
#include "app/screens/wallpaper/TemplateViewController.h"
#include "platform/localization/Localization.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption templateOption(QStringLiteral("template"),
                                            QStringLiteral("Show the template screen."));
    const QCommandLineOption screenshotOption(
        QStringLiteral("screenshot"), QStringLiteral("Save a picture of the screen to FILE and quit."),
        QStringLiteral("FILE"));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
                                        QStringLiteral("The window's size (420x760)."), QStringLiteral("WxH"),
                                        QStringLiteral("420x760"));
    parser.addOptions({templateOption, screenshotOption, sizeOption});
    parser.process(app);

    platform::installTranslations();
    if (QLocale().textDirection() == Qt::RightToLeft)
        QApplication::setLayoutDirection(Qt::RightToLeft);

    // Shown as the application shows it: presented over a screen of the window.
    platform::ViewController host;
    const QStringList size = parser.value(sizeOption).split(QLatin1Char('x'));
    host.resize(size.value(0).toInt() > 0 ? size.value(0).toInt() : 420,
                size.value(1).toInt() > 0 ? size.value(1).toInt() : 760);
    host.show();
    if (parser.isSet(templateOption)) {
        host.presentViewController(new app::wallpaper::TemplateViewController);
    } else {
        auto *chooser = app::wallpaper::MoreSettingsVC::presentOver(&host);
        QObject::connect(chooser, &app::wallpaper::MoreSettingsVC::closed, &app, &QCoreApplication::quit);
    }

    if (parser.isSet(screenshotOption)) {
        const QString file = parser.value(screenshotOption);
        // Once the screen has appeared and the carousel has laid out its cards.
        QTimer::singleShot(500, &host, [&] {
            const bool saved = host.grab().save(file);
            QCoreApplication::exit(saved ? 0 : 1);
        });
    }
    return app.exec();
}
