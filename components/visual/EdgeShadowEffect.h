// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QColor>
#include <QGraphicsEffect>
#include <QPointF>

namespace components {

// The shadow of an opaque rectangular widget (a filled panel), drawn as a few
// translucent rings around the rectangle moved by `offset`, under the widget
// painted as it is. Unlike a blurred drop shadow it renders nothing off
// screen, so a panel with a hairline shadow costs no more to paint than
// without one. Fit for small blur radii; a widget with see-through parts
// would show the shadow through them.
class EdgeShadowEffect : public QGraphicsEffect
{
    Q_OBJECT

public:
    EdgeShadowEffect(const QColor &color, QPointF offset, int blurRadius, QObject *parent = nullptr);

    QRectF boundingRectFor(const QRectF &rect) const override;
    QColor color() const { return color_; }
    QPointF offset() const { return offset_; }
    int blurRadius() const { return blurRadius_; }

protected:
    void draw(QPainter *painter) override;

private:
    QColor color_;
    QPointF offset_;
    int blurRadius_;
};

} // namespace components
