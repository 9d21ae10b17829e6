// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/occasions/TimingLabelView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace app::occasions {

TimingLabelView::TimingLabelView(QWidget *parent) : QWidget(parent) {}

void TimingLabelView::setBottomCornerRadius(qreal radius)
{
    radius_ = std::max<qreal>(0, radius);
    update();
}

QPainterPath TimingLabelView::outline() const
{
    const QRectF box(rect());
    const qreal r = std::min({radius_, box.width() / 2, box.height() / 2});
    QPainterPath path;
    path.moveTo(box.topLeft());
    path.lineTo(box.topRight());
    path.lineTo(box.right(), box.bottom() - r);
    path.arcTo(QRectF(box.right() - 2 * r, box.bottom() - 2 * r, 2 * r, 2 * r), 0, -90);
    path.lineTo(box.left() + r, box.bottom());
    path.arcTo(QRectF(box.left(), box.bottom() - 2 * r, 2 * r, 2 * r), 270, -90);
    path.closeSubpath();
    return path;
}

void TimingLabelView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(outline(), QColor(255, 255, 255, 225));
}

} // namespace app::occasions
