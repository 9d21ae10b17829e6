// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/events/EventStore.h"

#include <QColor>
#include <QFrame>
#include <QPointer>
#include <QWidget>

class QLabel;
class QPushButton;
class QVariantAnimation;
class QGraphicsOpacityEffect;

namespace app::screens {

// A plain view whose background never becomes clear: a clear colour put on it
// is taken back, so a row's calendar colour survives highlighting.
class NeverClearView : public QWidget
{
    Q_OBJECT

public:
    explicit NeverClearView(QWidget *parent = nullptr);
    void setBackgroundColor(const QColor &color);
    QColor backgroundColor() const { return color_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor color_;
};

// One event of the day: colour marker, title, the "From" and "To" texts (none
// for an all-day event), location with its pin and the duration. A swipe
// towards the leading side (or a right click, the Menu key, Shift+F10) shows
// the row actions; a tap elsewhere (or Return) is the row's selection, and
// Delete asks to delete it.
class EventRowView : public QWidget
{
    Q_OBJECT

public:
    enum Tag
    {
        markerTag = 1,
        titleTag,
        fromTag,
        toTag,
        locationTag,
        pinTag,
        durationTag
    };

    EventRowView(const platform::CalendarEvent &event, const QString &from, const QString &to,
                 const QString &duration, QWidget *parent = nullptr);

    const platform::CalendarEvent &event() const { return event_; }
    // The widget's own event handler stays in sight beside the accessor.
    using QWidget::event;
    // What a screen reader says of the row: what it shows, and the calendar.
    QString spokenText() const;
    // The part with `tag`, as the row's parts are found.
    QWidget *viewWithTag(int tag) const;
    NeverClearView *marker() const { return marker_; }
    // The actions are made when first wanted: most rows of a day are only read.
    QPushButton *deleteButton() const { return actions().delete_; }
    QPushButton *shareButton() const { return actions().share_; }
    QPushButton *moreButton() const { return actions().more_; }
    QWidget *actionsView() const { return actions().actions_; }
    bool actionsShown() const;
    void showActions(bool shown);

    // Slides in from 40 points to the leading side while fading in.
    void startEntrance(int delayMs, int durationMs);
    void finishEntrance();
    bool entering() const;
    // 0: where the entrance starts; 1: in place.
    void setEntranceProgress(double progress);

signals:
    void selected();
    void deleteTapped();
    void shareTapped();
    void moreTapped();
    void entranceFinished();
    // The keyboard came to the row.
    void focused();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    // Shows the actions with the keyboard on the first of them.
    void openActions();
    const EventRowView &actions() const;
    bool canChange() const;
    // The content's margins for the row's direction.
    void placeContent();
    // The title and the place keep to the row's leading edge, whatever
    // script they are written in.
    void alignTexts();

    // Between the duration and the row's trailing edge.
    static constexpr int trailingMargin = 10;

    platform::CalendarEvent event_;
    QWidget *content_ = nullptr;
    NeverClearView *marker_;
    QLabel *title_ = nullptr;
    QLabel *from_;
    QLabel *to_;
    QLabel *location_ = nullptr;
    QLabel *pin_;
    QLabel *duration_;
    QWidget *actions_ = nullptr;
    QPushButton *delete_ = nullptr;
    QPushButton *share_ = nullptr;
    QPushButton *more_ = nullptr;
    QGraphicsOpacityEffect *opacity_;
    QPointer<QVariantAnimation> entrance_;
    QPoint pressAt_;
    bool pressed_ = false;
    bool swiped_ = false;
    double progress_ = 1.0;
};

} // namespace app::screens
