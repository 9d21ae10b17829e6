// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/ViewController.h"

#include "platform/system/Console.h"
#include "platform/system/Logging.h"
#include "platform/ui/TabBarController.h"

#include <QEvent>
#include <QMetaObject>
#include <QShowEvent>

namespace platform {

ViewController::ViewController(QWidget *parent) : QWidget(parent) {}

ViewController::~ViewController()
{
    // A screen deleted while presented must not leave its presenter covered.
    if (presenting_ && presenting_->presented_ == this) {
        presenting_->presented_ = nullptr;
        presenting_->uncover();
    }
    // A presented screen that is our child dies after this body, while the
    // QPointer to us still looks alive: it must not call back into us.
    if (presented_)
        presented_->presenting_ = nullptr;
}

void ViewController::loadViewIfNeeded()
{
    if (loaded_)
        return;
    loaded_ = true;
    viewDidLoad();
}

void ViewController::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (covered_ || inView_ || dismissing_)
        return;
    // A minimised window can still be told to show its children (an expose
    // that arrives late); nothing is in view until it is restored, and the
    // restore may then bring no show of its own.
    if (window()->isMinimized()) {
        if (!awaitingRestore_) {
            awaitingRestore_ = true;
            window()->installEventFilter(this);
        }
        return;
    }
    beginAppearance();
}

void ViewController::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    if (inView_)
        endAppearance();
}

void ViewController::beginAppearance()
{
    loadViewIfNeeded();
    inView_ = true;
    const quint64 appearance = ++appearance_;
    viewWillAppear();
    QPointer<ViewController> self(this);
    // viewDidAppear comes once the screen is on screen, never from inside
    // the show that made it appear.
    QMetaObject::invokeMethod(
        this,
        [self, appearance] {
            if (self && self->inView_ && self->appearance_ == appearance)
                self->viewDidAppear();
        },
        Qt::QueuedConnection);
}

void ViewController::endAppearance()
{
    inView_ = false;
    ++appearance_;
    viewWillDisappear();
    viewDidDisappear();
}

void ViewController::coverBy(ViewController *vc)
{
    presented_ = vc;
    covered_ = true;
    if (inView_)
        endAppearance();
}

void ViewController::uncover()
{
    covered_ = false;
    const QWidget *host = window();
    if (!inView_ && isVisible() && !host->isMinimized())
        beginAppearance();
}

void ViewController::presentViewController(ViewController *vc)
{
    if (!vc || vc == this)
        return;
    if (presented_) {
        consoleWarning(
            lcWindow(),
            QStringLiteral("Attempt to present a screen over one that is already presenting; ignored"));
        vc->deleteLater();
        return;
    }
    QWidget *host = window();
    vc->presenting_ = this;
    vc->setParent(host);
    vc->setAutoFillBackground(true);
    vc->fitOverlay();
    host->installEventFilter(vc);
    coverBy(vc);
    vc->raise();
    vc->show();
    vc->setFocus(Qt::OtherFocusReason);
}

void ViewController::dismissViewController()
{
    ViewController *target = presented_ ? presented_.data() : (presenting_ ? this : nullptr);
    if (!target || target->dismissing_)
        return;
    // Whatever the target presented goes with it, topmost first.
    if (target->presented_)
        target->presented_->dismissViewController();
    if (target->presented_)
        target->dismissViewController();

    ViewController *presenter = target->presenting_;
    target->dismissing_ = true;
    target->hide();
    if (presenter) {
        presenter->presented_ = nullptr;
        presenter->uncover();
        if (presenter->isVisible())
            presenter->setFocus(Qt::OtherFocusReason);
    }
    target->presenting_ = nullptr;
    target->deleteLater();
}

TabBarController *ViewController::tabBarController() const
{
    for (QWidget *w = parentWidget(); w; w = w->parentWidget()) {
        if (auto *tabs = qobject_cast<TabBarController *>(w))
            return tabs;
    }
    if (presenting_)
        return presenting_->tabBarController();
    if (auto *self = qobject_cast<TabBarController *>(const_cast<ViewController *>(this)))
        return self;
    return nullptr;
}

bool ViewController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        fitOverlay();
    if (awaitingRestore_ && watched == window() && event->type() == QEvent::WindowStateChange &&
        !window()->isMinimized()) {
        awaitingRestore_ = false;
        if (watched != parentWidget())
            watched->removeEventFilter(this);
        if (isVisible() && !covered_ && !inView_ && !dismissing_)
            beginAppearance();
    }
    return QWidget::eventFilter(watched, event);
}

void ViewController::fitOverlay()
{
    if (QWidget *host = parentWidget())
        setGeometry(host->rect());
}

} // namespace platform
