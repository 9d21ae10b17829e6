// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "components/visual/ReadableColumn.h"

#include <QBoxLayout>
#include <QEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>

namespace components {

namespace {

// The page inside the scroll area: widens its side margins so that what it
// lays out is never wider than the column.
class ColumnPage final : public QWidget
{
public:
    ColumnPage(int maxWidth, QMargins margins) : maxWidth_(maxWidth), margins_(margins) {}

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (!layout())
            return;
        const int content = width() - margins_.left() - margins_.right();
        const int extra = std::max(0, content - maxWidth_);
        QMargins m = margins_;
        m.setLeft(m.left() + extra / 2);
        m.setRight(m.right() + extra - extra / 2);
        if (layout()->contentsMargins() != m)
            layout()->setContentsMargins(m);
    }

private:
    int maxWidth_;
    QMargins margins_;
};

void moveItems(QBoxLayout *from, QBoxLayout *to)
{
    while (QLayoutItem *item = from->takeAt(0)) {
        const int stretch = 0;
        if (QWidget *widget = item->widget()) {
            const Qt::Alignment alignment = item->alignment();
            delete item;
            to->addWidget(widget, stretch, alignment);
        } else if (QLayout *child = item->layout()) {
            child->setParent(nullptr);
            to->addLayout(child);
        } else if (QSpacerItem *spacer = item->spacerItem()) {
            to->addSpacerItem(spacer);
        } else {
            to->addItem(item);
        }
    }
}

} // namespace

QScrollArea *makeReadableColumn(QWidget *background, int maxWidth)
{
    auto *old = qobject_cast<QBoxLayout *>(background->layout());
    if (!old)
        return nullptr;
    const QMargins margins = old->contentsMargins();
    const int spacing = old->spacing();
    // Stretch factors live in the layout, not the items: read them before the move.
    QList<int> stretches;
    for (int i = 0; i < old->count(); ++i)
        stretches.append(old->stretch(i));

    auto *page = new ColumnPage(maxWidth, margins);
    page->setObjectName(background->objectName() + QStringLiteral("Page"));
    auto *column = new QVBoxLayout(page);
    column->setContentsMargins(margins);
    column->setSpacing(spacing);
    moveItems(old, column);
    for (int i = 0; i < stretches.size() && i < column->count(); ++i)
        column->setStretch(i, stretches[i]);
    delete old;

    auto *scroll = new QScrollArea(background);
    scroll->setObjectName(background->objectName() + QStringLiteral("Scroller"));
    scroll->setFrameShape(QFrame::NoFrame);
    // The keyboard goes to the controls inside; the area scrolls to show the focused one.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setWidget(page);
    // See-through all the way down to the wallpaper; setWidget() made the page opaque.
    scroll->setAutoFillBackground(false);
    scroll->viewport()->setAutoFillBackground(false);
    page->setAutoFillBackground(false);
    scroll->setStyleSheet(QStringLiteral("QScrollArea { background: transparent; border: none; }"));

    auto *fill = new QVBoxLayout(background);
    fill->setContentsMargins(0, 0, 0, 0);
    fill->setSpacing(0);
    fill->addWidget(scroll);
    return scroll;
}

QString legibilityStyleSheet()
{
    const QString panel = QStringLiteral("rgba(0, 0, 0, %1)").arg(legibilityPanelAlpha);
    const QString ring = QString::fromLatin1(focusRingColor);
    return QStringLiteral(
               "#todayPanel, #resultPanel, #pickerPanel, #promptPanel { background-color: %1; "
               "border-radius: 14px; }\n"
               "QTabBar::tab { background: %1; color: white; border: 1px solid rgba(255, 255, 255, 150); "
               "padding: 2px 12px; }\n"
               "QTabBar::tab:selected { background: white; color: #1c3a4a; }\n"
               "QTabBar::tab:focus { border: 3px solid %2; }\n"
               // The ring says it: no second, dotted frame inside the tab.
               "QTabBar { outline: 0px; }\n"
               "QToolButton#changeWallpaperButton, QPushButton#closeButton { background: %1; color: white; "
               "border: 1px solid rgba(255, 255, 255, 160); border-radius: 5px; padding: 4px 10px; }\n"
               "QPushButton:focus, QToolButton:focus { border: 3px solid %2; }\n"
               "#todayButton:focus, #resetButton:focus, #enableNotificationButton:focus { border: 3px solid "
               "%2; "
               "padding: 1px 11px; }\n"
               "#changeWallpaperButton:focus, #closeButton:focus { border: 3px solid %2; padding: 2px 8px; "
               "}\n"
               "#swipeHintLabel { background: %1; border-radius: 8px; padding: 2px 10px; }\n")
        .arg(panel, ring);
}

} // namespace components
