// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/DatePickerColumn.h"

#include "components/visual/ReadableColumn.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyleHints>
#include <QVariantAnimation>
#include <QWheelEvent>
#include <cmath>

namespace components {

namespace {
// One notch of a common mouse wheel.
constexpr int wheelNotch = 120;
constexpr int scrollMilliseconds = 180;
} // namespace

DatePickerColumn::DatePickerColumn(const QString &name, QWidget *parent) : QWidget(parent)
{
    setObjectName(name);
    setAccessibleName(name);
    setFocusPolicy(Qt::StrongFocus);
    // Wide as the picker allows; as tall as its rows need, so a tall window gives
    // its room to the screen rather than to ever larger wheels.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    scroll_ = new QVariantAnimation(this);
    scroll_->setDuration(scrollMilliseconds);
    scroll_->setEasingCurve(QEasingCurve::OutCubic);
    connect(scroll_, &QVariantAnimation::valueChanged, this, [this](const QVariant &v) {
        offset_ = v.toDouble();
        update();
    });
}

void DatePickerColumn::setValues(int value, int minimum, int maximum, bool cyclic,
                                 std::function<QString(int)> text)
{
    value_ = value;
    minimum_ = minimum;
    maximum_ = std::max(minimum, maximum);
    cyclic_ = cyclic;
    text_ = std::move(text);
    setAccessibleDescription(this->text());
    update();
}

void DatePickerColumn::scrollFrom(double rows)
{
    scroll_->stop();
    if (rows == 0.0) {
        offset_ = 0.0;
        update();
        return;
    }
    scroll_->setStartValue(std::clamp(rows, -double(visibleRows), double(visibleRows)));
    scroll_->setEndValue(0.0);
    scroll_->start();
}

bool DatePickerColumn::valueAt(int rows, int *out) const
{
    int v = value_ + rows;
    if (cyclic_) {
        const int span = maximum_ - minimum_ + 1;
        v = minimum_ + (((v - minimum_) % span) + span) % span;
    } else if (v < minimum_ || v > maximum_) {
        return false;
    }
    *out = v;
    return true;
}

QSize DatePickerColumn::sizeHint() const
{
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(QStringLiteral("0000")) + 16, visibleRows * (metrics.height() + 14)};
}

void DatePickerColumn::setInk(const QColor &ink)
{
    ink_ = ink;
    update();
}

void DatePickerColumn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double row = rowHeight();
    const double middleTop = row * (visibleRows / 2);
    const QColor ink = ink_;

    // The selected row's band.
    const QRectF band(2.0, middleTop + 1.0, width() - 4.0, row - 2.0);
    QColor fill = ink;
    fill.setAlphaF(hasFocus() ? 0.22f : 0.12f);
    QColor edge = ink;
    edge.setAlphaF(hasFocus() ? 0.8f : 0.25f);
    painter.setPen(QPen(edge, hasFocus() ? 1.5 : 1.0));
    painter.setBrush(fill);
    painter.drawRoundedRect(band, row * 0.22, row * 0.22);
    if (hasFocus()) {
        // The keyboard's place, plain on any wallpaper: a warm ring round the whole column.
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(QString::fromLatin1(focusRingColor)), 2.5));
        painter.drawRoundedRect(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5), 8, 8);
    }

    QFont face = font();
    face.setPixelSize(std::max(8, int(row * 0.5)));
    const int reach = visibleRows / 2 + 1;
    for (int k = -reach - int(std::ceil(std::abs(offset_))); k <= reach + int(std::ceil(std::abs(offset_)));
         ++k) {
        int v = 0;
        if (!valueAt(k, &v))
            continue;
        const double position = double(k) + offset_; // rows from the middle
        if (std::abs(position) > visibleRows / 2.0 + 0.5)
            continue;
        const double distance = std::min(std::abs(position), 2.5);
        QFont rowFace = face;
        rowFace.setPixelSize(std::max(6, int(face.pixelSize() * (1.0 - 0.12 * distance))));
        rowFace.setBold(distance < 0.5);
        const QString label = text_ ? text_(v) : QString::number(v);
        // A long month name in a narrow column gets a smaller face rather than losing its ends.
        const qreal room = width() - 8.0;
        const qreal needed = QFontMetricsF(rowFace).horizontalAdvance(label);
        if (needed > room && needed > 0)
            rowFace.setPixelSize(std::max(6, int(rowFace.pixelSize() * room / needed)));
        painter.setFont(rowFace);
        QColor color = ink;
        color.setAlphaF(float(std::max(0.15, 1.0 - 0.38 * distance)));
        painter.setPen(color);
        const QRectF rect(4.0, middleTop + position * row, width() - 8.0, row);
        painter.drawText(rect, Qt::AlignCenter, label);
    }
}

void DatePickerColumn::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        emit stepRequested(-1);
        break;
    case Qt::Key_Down:
        emit stepRequested(1);
        break;
    case Qt::Key_PageUp:
        emit stepRequested(-visibleRows);
        break;
    case Qt::Key_PageDown:
        emit stepRequested(visibleRows);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void DatePickerColumn::wheelEvent(QWheelEvent *event)
{
    // Turning the wheel away from the user (positive) brings up earlier values.
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / wheelNotch;
    wheelRemainder_ -= notches * wheelNotch;
    if (notches != 0)
        emit stepRequested(-notches);
    event->accept();
}

void DatePickerColumn::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    pressed_ = true;
    dragging_ = false;
    pressY_ = event->position().y();
    draggedRows_ = 0;
    event->accept();
}

void DatePickerColumn::mouseMoveEvent(QMouseEvent *event)
{
    if (!pressed_ || !(event->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(event);
        return;
    }
    const double moved = event->position().y() - pressY_;
    if (!dragging_ && std::abs(moved) >= QGuiApplication::styleHints()->startDragDistance())
        dragging_ = true;
    if (dragging_) {
        // The values follow the pointer, as on a real wheel: dragging down
        // brings the earlier values into the middle, one per row moved.
        const int rows = -int(std::lround(moved / rowHeight()));
        if (rows != draggedRows_) {
            emit stepRequested(rows - draggedRows_);
            draggedRows_ = rows;
        }
    }
    event->accept();
}

void DatePickerColumn::mouseReleaseEvent(QMouseEvent *event)
{
    if (!pressed_ || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    pressed_ = false;
    if (!dragging_) {
        const double middleTop = rowHeight() * (visibleRows / 2);
        const int rows = int(std::floor((pressY_ - middleTop) / rowHeight()));
        if (rows != 0)
            emit stepRequested(rows);
    }
    dragging_ = false;
    event->accept();
}

void DatePickerColumn::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    update();
}

void DatePickerColumn::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace components
