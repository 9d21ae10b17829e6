// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/EdgeShadowEffect.h"

#include <QPainter>
#include <algorithm>

namespace components {

EdgeShadowEffect::EdgeShadowEffect(const QColor &color, QPointF offset, int blurRadius, QObject *parent)
    : QGraphicsEffect(parent), color_(color), offset_(offset), blurRadius_(std::max(0, blurRadius))
{
}

QRectF EdgeShadowEffect::boundingRectFor(const QRectF &rect) const
{
    const qreal blur = blurRadius_;
    return rect.united(rect.translated(offset_).adjusted(-blur, -blur, blur, blur));
}

void EdgeShadowEffect::draw(QPainter *painter)
{
    const QRectF source = sourceBoundingRect(Qt::LogicalCoordinates);
    const QRectF core = source.translated(offset_);
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->fillRect(core, color_);
    // Each ring outward fades by an equal step, which is what a blur of a
    // straight edge looks like at these few pixels.
    for (int ring = 1; ring <= blurRadius_; ++ring) {
        QColor faded = color_;
        faded.setAlphaF(color_.alphaF() * float(blurRadius_ + 1 - ring) / float(blurRadius_ + 1));
        const QRectF outer = core.adjusted(-ring, -ring, ring, ring);
        const QRectF inner = core.adjusted(-ring + 1, -ring + 1, ring - 1, ring - 1);
        painter->fillRect(QRectF(outer.left(), outer.top(), outer.width(), 1), faded);
        painter->fillRect(QRectF(outer.left(), outer.bottom() - 1, outer.width(), 1), faded);
        painter->fillRect(QRectF(outer.left(), inner.top(), 1, inner.height()), faded);
        painter->fillRect(QRectF(outer.right() - 1, inner.top(), 1, inner.height()), faded);
    }
    painter->restore();
    drawSource(painter);
}

} // namespace components
