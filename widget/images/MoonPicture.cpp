// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "widget/images/MoonPicture.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

namespace widget {

namespace {
constexpr double synodicMonthDays = 29.530589;
// The first crescent is seen about a day after the new moon; day 1 shows it.
constexpr double ageOnFirstEvening = 1.2;
} // namespace

double moonAge(int hijriDay)
{
    const double age = (ageOnFirstEvening + (hijriDay - 1)) / synodicMonthDays;
    return age - std::floor(age);
}

QImage moonPicture(int hijriDay, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = side;

    QLinearGradient sky(0, 0, 0, s);
    sky.setColorAt(0, QColor(0x0b, 0x16, 0x2e));
    sky.setColorAt(1, QColor(0x1d, 0x2d, 0x52));
    p.fillRect(QRectF(0, 0, s, s), sky);

    // A few fixed stars; the same sky every day.
    static constexpr double stars[][3] = {{0.10, 0.14, 0.012}, {0.85, 0.10, 0.010}, {0.90, 0.78, 0.011},
                                          {0.12, 0.86, 0.009}, {0.30, 0.06, 0.007}, {0.68, 0.92, 0.008},
                                          {0.05, 0.50, 0.007}, {0.95, 0.45, 0.008}};
    p.setPen(Qt::NoPen);
    for (const auto &star : stars) {
        p.setBrush(QColor(255, 255, 240, 200));
        p.drawEllipse(QPointF(star[0] * s, star[1] * s), star[2] * s, star[2] * s);
    }

    const QPointF centre(s / 2, s / 2);
    const double r = s * 0.36;
    const QRectF disc(centre.x() - r, centre.y() - r, 2 * r, 2 * r);

    // The unlit side, faintly visible.
    p.setBrush(QColor(0x3a, 0x44, 0x5c));
    p.drawEllipse(disc);

    // The lit part: half the disc on the sun's side, widened or narrowed by the
    // terminator, an ellipse whose half-width is r * |cos(phase angle)|.
    const double phase = 2 * M_PI * moonAge(hijriDay);
    const bool waxing = phase < M_PI;
    const double halfWidth = r * std::abs(std::cos(phase));
    QPainterPath half;
    half.moveTo(centre.x(), centre.y() - r);
    half.arcTo(disc, 90, waxing ? -180 : 180);
    half.closeSubpath();
    QPainterPath terminator;
    terminator.addEllipse(centre, halfWidth, r);
    const bool gibbous = std::cos(phase) < 0;
    const QPainterPath lit = gibbous ? half.united(terminator) : half.subtracted(terminator);

    QRadialGradient glow(centre, r);
    glow.setColorAt(0, QColor(0xfb, 0xf6, 0xdc));
    glow.setColorAt(1, QColor(0xe8, 0xd8, 0x9c));
    p.setBrush(glow);
    p.drawPath(lit);

    // Maria: soft shadows that only show on the lit part.
    p.setClipPath(lit);
    p.setBrush(QColor(0xb8, 0xa8, 0x70, 70));
    p.drawEllipse(QPointF(centre.x() - 0.30 * r, centre.y() - 0.25 * r), 0.28 * r, 0.22 * r);
    p.drawEllipse(QPointF(centre.x() + 0.25 * r, centre.y() - 0.35 * r), 0.18 * r, 0.15 * r);
    p.drawEllipse(QPointF(centre.x() + 0.10 * r, centre.y() + 0.35 * r), 0.22 * r, 0.16 * r);
    p.setClipping(false);
    p.end();
    return image;
}

} // namespace widget
