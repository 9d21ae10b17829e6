// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QColor>
#include <QWidget>
#include <functional>

class QVariantAnimation;

namespace components {

// One wheel-like column of the date picker: the selected value in the middle
// row with its neighbours above and below. It does not change its value
// itself; it asks the picker to step, which refuses or accepts the step.
class DatePickerColumn : public QWidget
{
    Q_OBJECT
public:
    static constexpr int visibleRows = 5;

    explicit DatePickerColumn(const QString &name, QWidget *parent = nullptr);

    // Values run from minimum to maximum; a cyclic column wraps around.
    void setValues(int value, int minimum, int maximum, bool cyclic, std::function<QString(int)> text);
    int value() const { return value_; }
    QString text() const { return text_ ? text_(value_) : QString(); }
    // Scrolls in from `rows` rows away to the selected row.
    void scrollFrom(double rows);
    // Text and band colour; not the palette, which an ancestor's style sheet replaces.
    void setInk(const QColor &ink);

    QSize sizeHint() const override;

signals:
    void stepRequested(int rows);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QColor ink_ = Qt::white;
    double rowHeight() const { return double(height()) / visibleRows; }
    // The value `rows` rows from the selected one; false when there is none.
    bool valueAt(int rows, int *out) const;

    int value_ = 1;
    int minimum_ = 1;
    int maximum_ = 1;
    bool cyclic_ = false;
    std::function<QString(int)> text_;
    double offset_ = 0.0;
    int wheelRemainder_ = 0;
    // A press turns into a drag once it has moved far enough; a press that
    // never does is a click on the row under it.
    bool pressed_ = false;
    bool dragging_ = false;
    double pressY_ = 0.0;
    int draggedRows_ = 0;
    QVariantAnimation *scroll_ = nullptr;
};

} // namespace components
