// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QDialog>
#include <QList>
#include <QString>
#include <functional>

class QBoxLayout;
class QPushButton;

namespace platform {

// A short alert: a title, a message and buttons. It is shown window-modal
// over the window of the widget it is shown from and never blocks the event
// loop: showOver() returns at once and a button's handler runs after the
// alert has closed. The alert deletes itself once it is answered.
class AlertController : public QDialog
{
    Q_OBJECT

public:
    enum class ActionStyle
    {
        Default,
        Cancel,
        Destructive
    };
    struct Action
    {
        QString title;
        ActionStyle style = ActionStyle::Default;
        std::function<void()> handler;
    };

    explicit AlertController(const QString &title, const QString &message, QWidget *parent = nullptr);
    ~AlertController() override;

    // Buttons appear in the order they are added.
    void addAction(const QString &title, ActionStyle style, std::function<void()> handler = {});
    QString title() const { return title_; }
    QString message() const { return message_; }
    const QList<Action> &actions() const { return actions_; }

    // Shows the alert over `over`'s window (application-modal without one).
    void showOver(QWidget *over);

    // Presses a button as the user would: closes the alert, then runs the
    // button's handler. False when there is no such button or the alert is
    // not shown.
    bool press(int index);
    bool press(const QString &title);

    // What is on screen, oldest first; tests read and press alerts here.
    static QList<AlertController *> shownAlerts();
    // Called with every alert as it is shown; returns the previous hook.
    using ShowHook = std::function<void(AlertController *)>;
    static ShowHook setShowHook(ShowHook hook);

public slots:
    // Escape or the window's close button: the cancel-style button when
    // there is one, otherwise the alert just closes.
    void reject() override;

private:
    QString title_;
    QString message_;
    QList<Action> actions_;
    QBoxLayout *buttonLayout_;
    bool answered_ = false;
};

} // namespace platform
