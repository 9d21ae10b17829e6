// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// Draws Qamarly's icon as PNG at the sizes given on the command line, in the
// same shapes as qamarly.svg (no binary assets in the tree).
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace {
// The drawing is laid out on a 256-unit square and scaled to each size.
constexpr double designSize = 256;

QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / designSize, size / designSize);

    QLinearGradient tile(0, 8, 0, 248);
    tile.setColorAt(0, QColor(0x20, 0x40, 0xb0));
    tile.setColorAt(1, QColor(0x0a, 0x1a, 0x60));
    painter.setPen(Qt::NoPen);
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(8, 8, 240, 240), 52, 52);

    QPainterPath moon;
    moon.addEllipse(QPointF(120, 134), 82, 82);
    QPainterPath bite;
    bite.addEllipse(QPointF(156, 108), 70, 70);
    painter.setBrush(Qt::white);
    painter.drawPath(moon.subtracted(bite));

    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? 26 : 11;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << QPointF(184 + radius * std::cos(angle), 86 + radius * std::sin(angle));
    }
    painter.setBrush(QColor(0xff, 0xd2, 0x4a));
    painter.drawPolygon(star);
    return image;
}
} // namespace

// Usage: qamarly_icon_generator <output folder> <size>...
int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fputs("usage: qamarly_icon_generator <folder> <size>...\n", stderr);
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int size = QByteArray(argv[i]).toInt();
        const QString path =
            QStringLiteral("%1/qamarly-%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        if (size <= 0 || !drawIcon(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
