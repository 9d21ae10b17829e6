// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QWidget>

namespace app::occasions {

// The light panel behind the timing label: square at the top where it meets
// the carousel, rounded at the two bottom corners once masked.
class TimingLabelView : public QWidget
{
    Q_OBJECT

public:
    explicit TimingLabelView(QWidget *parent = nullptr);

    // Rounds the two bottom corners; a radius larger than half the panel is
    // held to half its width or height, so the panel ends in a half circle.
    void setBottomCornerRadius(qreal radius);
    qreal bottomCornerRadius() const { return radius_; }
    // The outline the panel is drawn in.
    QPainterPath outline() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    qreal radius_ = 0;
};

} // namespace app::occasions
