// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/CircledButton.h"

#include "components/visual/ReadableColumn.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <cmath>

namespace components {

CircledButton::CircledButton(QWidget *parent) : CircledButton(QString(), parent) {}

CircledButton::CircledButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent), fill_(255, 255, 255, 46), ring_(255, 255, 255, 200), title_(Qt::white)
{
    setFlat(true);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CircledButton::setFillColor(const QColor &color)
{
    fill_ = color;
    update();
}

void CircledButton::setRingColor(const QColor &color)
{
    ring_ = color;
    update();
}

void CircledButton::setTitleColor(const QColor &color)
{
    title_ = color;
    update();
}

QSize CircledButton::sizeHint() const
{
    const QFontMetrics metrics(font());
    const int side = std::max(40, metrics.horizontalAdvance(text()) + metrics.height());
    return {side, side};
}

QSize CircledButton::minimumSizeHint() const
{
    const int side = QFontMetrics(font()).height() + 8;
    return {side, side};
}

void CircledButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal ringWidth = std::max<qreal>(1.5, std::min(width(), height()) / 22.0);
    const qreal side = std::min(width(), height()) - ringWidth;
    const QRectF circle(QPointF((width() - side) / 2.0, (height() - side) / 2.0), QSizeF(side, side));

    QColor fill = fill_;
    if (isDown())
        fill.setAlphaF(std::min(1.0f, fill.alphaF() * 2.2f));
    else if (underMouse())
        fill.setAlphaF(std::min(1.0f, fill.alphaF() * 1.5f));
    QColor ring = ring_;
    if (!isEnabled())
        ring.setAlphaF(ring.alphaF() * 0.4f);
    painter.setBrush(fill);
    painter.setPen(QPen(ring, ringWidth));
    painter.drawEllipse(circle);
    if (hasFocus()) {
        // The keyboard's place: a warm ring just inside the edge, plain on any wallpaper.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(
            QPen(QColor(QString::fromLatin1(focusRingColor)), std::max<qreal>(2.5, ringWidth * 1.5)));
        const qreal inset = ringWidth * 1.5;
        painter.drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
    }

    QColor title = title_;
    if (!isEnabled())
        title.setAlphaF(title.alphaF() * 0.5f);
    painter.setPen(title);
    painter.setFont(font());
    painter.drawText(circle, Qt::AlignCenter, text());
}

bool CircledButton::hitButton(const QPoint &pos) const
{
    // Only the circle answers, not the corners of the square around it.
    const QPointF centre(width() / 2.0, height() / 2.0);
    const qreal radius = std::min(width(), height()) / 2.0;
    const QPointF d = QPointF(pos) - centre;
    return std::hypot(d.x(), d.y()) <= radius;
}

} // namespace components
