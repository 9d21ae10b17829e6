// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

// Input as a person gives it: every press, move, release and wheel turn goes
// to the top-level QWindow at window coordinates, so the toolkit's own
// hit-testing decides which widget gets it. An overlay, a transparent parent
// or a hidden control then fails the test the way it fails the user.
#include <QApplication>
#include <QCheckBox>
#include <QPointer>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <QtTest/qtestspontaneevent.h>

namespace windowinput {

// Shows `window` as a top-level window and waits until the window system has
// exposed it; false when it never was.
inline bool showAndExpose(QWidget *window)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    // Queued appearance calls and layouts run before the first event.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    return true;
}

// Where a check box's switch is drawn (a click beside its text does nothing).
inline QPoint indicatorOf(const QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    return box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box).center();
}

// A point of `control` (its centre when none is given) in the coordinates of
// its top-level window.
inline QPoint windowPoint(const QWidget *control, QPoint local = QPoint(-1, -1))
{
    if (local == QPoint(-1, -1))
        local = control->rect().center();
    return control->mapTo(control->window(), local);
}

inline QWindow *windowOf(const QWidget *control)
{
    QWidget *top = control->window();
    return top ? top->windowHandle() : nullptr;
}

// The widget the window would hand a press at that point of `control` to.
inline QWidget *widgetAt(const QWidget *control, QPoint local = QPoint(-1, -1))
{
    QWidget *top = control->window();
    QWidget *hit = top->childAt(windowPoint(control, local));
    return hit ? hit : top;
}

// True when a press on `control` at `local` would reach it or a child of it.
inline bool reaches(const QWidget *control, QPoint local = QPoint(-1, -1))
{
    const QWidget *hit = widgetAt(control, local);
    return hit == control || control->isAncestorOf(hit);
}

inline void click(const QWidget *control, QPoint local = QPoint(-1, -1),
                  Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(windowOf(control), button, {}, windowPoint(control, local));
    QCoreApplication::processEvents();
}

inline void press(const QWidget *control, QPoint local = QPoint(-1, -1))
{
    QTest::mousePress(windowOf(control), Qt::LeftButton, {}, windowPoint(control, local));
}

// A move with the left button held (after press()).
inline void move(const QWidget *control, QPoint local)
{
    QTest::mouseMove(windowOf(control), windowPoint(control, local));
}

inline void release(const QWidget *control, QPoint local = QPoint(-1, -1))
{
    QTest::mouseRelease(windowOf(control), Qt::LeftButton, {}, windowPoint(control, local));
    QCoreApplication::processEvents();
}

// Press at `from`, `steps` moves to `to`, release there; `betweenMoves` runs
// after each move (a test clock advancing, for instance).
template <typename Between>
void drag(const QWidget *control, QPoint from, QPoint to, int steps, Between betweenMoves)
{
    press(control, from);
    for (int i = 1; i <= steps; ++i) {
        const QPoint at = from + (to - from) * i / steps;
        move(control, at);
        betweenMoves();
    }
    release(control, to);
}

inline void drag(const QWidget *control, QPoint from, QPoint to, int steps = 8)
{
    drag(control, from, to, steps, [] {});
}

// Turns the wheel over `control`: `angleDelta` in eighths of a degree (one
// common notch is 120; positive y turns away from the user).
inline void wheel(const QWidget *control, QPoint angleDelta, QPoint local = QPoint(-1, -1))
{
    QWindow *window = windowOf(control);
    const QPointF at = windowPoint(control, local);
    QWheelEvent event(at, window->mapToGlobal(at.toPoint()), QPoint(), angleDelta, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    // Handed to the window as the window system hands it: only such a wheel
    // event travels on to the parents of a widget that does not take it
    // (sendEvent would mark it as made by the program).
    QSpontaneKeyEvent::setSpontaneous(&event);
    static_cast<QObject *>(window)->event(&event);
    QCoreApplication::processEvents();
}

inline void wheelNotches(const QWidget *control, int notches, QPoint local = QPoint(-1, -1))
{
    wheel(control, QPoint(0, 120 * notches), local);
}

} // namespace windowinput
