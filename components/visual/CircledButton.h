// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QColor>
#include <QPushButton>

namespace components {

// A round push button: a filled circle with a thin ring and its title centred.
class CircledButton : public QPushButton
{
    Q_OBJECT
public:
    explicit CircledButton(QWidget *parent = nullptr);
    explicit CircledButton(const QString &text, QWidget *parent = nullptr);

    void setFillColor(const QColor &color);
    QColor fillColor() const { return fill_; }
    void setRingColor(const QColor &color);
    QColor ringColor() const { return ring_; }
    void setTitleColor(const QColor &color);
    QColor titleColor() const { return title_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QColor fill_;
    QColor ring_;
    QColor title_;
};

} // namespace components
