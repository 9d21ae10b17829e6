// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QEvent>
#include <QPointF>
#include <QTouchEvent>

namespace platform {

// A control that follows one pointer through its steps, whether a mouse or a
// finger moves it.
class PointerSteps
{
public:
    virtual void pointerPressed(QPointF position) = 0;
    virtual void pointerMoved(QPointF position) = 0;
    virtual void pointerReleased(QPointF position) = 0;
    virtual void pointerCancelled() = 0;

    // Takes a touch event to the steps, following its first point; false for
    // any other event. A touch without points is taken with no step.
    bool followFirstTouch(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd: {
            auto *touch = static_cast<QTouchEvent *>(event);
            if (touch->points().isEmpty())
                return true;
            const QPointF position = touch->points().first().position();
            touchActive_ = event->type() != QEvent::TouchEnd;
            if (event->type() == QEvent::TouchBegin)
                pointerPressed(position);
            else if (event->type() == QEvent::TouchUpdate)
                pointerMoved(position);
            else
                pointerReleased(position);
            event->accept();
            return true;
        }
        case QEvent::TouchCancel:
            touchActive_ = false;
            pointerCancelled();
            return true;
        default:
            return false;
        }
    }

protected:
    ~PointerSteps() = default;
    // A finger is down, so a mouse move without a button is not a lost release.
    bool touchActive() const { return touchActive_; }

private:
    bool touchActive_ = false;
};

} // namespace platform
