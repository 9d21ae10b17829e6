// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Build step: writes the widget's day pictures 1.png ... 30.png into a folder.
#include "widget/images/MoonPicture.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: generate-moon-pictures OUTPUT-DIRECTORY SIDE-PIXELS\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QString::fromLocal8Bit(argv[1]);
    const int side = QString::fromLocal8Bit(argv[2]).toInt();
    if (side <= 0 || !QDir().mkpath(dir)) {
        std::fprintf(stderr, "generate-moon-pictures: cannot write %s pictures of %s pixels\n", argv[1],
                     argv[2]);
        return 1;
    }
    for (int day = 1; day <= 30; ++day) {
        const QString path = dir + QLatin1Char('/') + QString::number(day) + QStringLiteral(".png");
        if (!widget::moonPicture(day, side).save(path, "PNG")) {
            std::fprintf(stderr, "generate-moon-pictures: could not write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
