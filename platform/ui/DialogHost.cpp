// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/DialogHost.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPointer>

namespace platform {

namespace {

QPointer<QWidget> &registeredMainWindow()
{
    static QPointer<QWidget> window;
    return window;
}

class EnterActivatesButtons : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
            (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
            return false;
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || !button->hasFocus() || !button->isEnabled() ||
            qobject_cast<QDialog *>(button->window()))
            return false;
        button->animateClick();
        return true;
    }
};

} // namespace

void setMainWindow(QWidget *window)
{
    registeredMainWindow() = window;
}

QWidget *mainWindow()
{
    return registeredMainWindow().data();
}

QWidget *dialogHost()
{
    if (QWidget *main = mainWindow())
        return main;
    return QApplication::activeWindow();
}

void installEnterActivatesButtons()
{
    static QPointer<EnterActivatesButtons> installed;
    if (installed || !QCoreApplication::instance())
        return;
    installed = new EnterActivatesButtons(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(installed);
}

} // namespace platform
