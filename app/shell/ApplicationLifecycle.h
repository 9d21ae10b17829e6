// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

class QApplication;
class QWidget;

namespace platform {
class Window;
}

namespace app::shell {

class AppDelegate;

// Turns what the desktop reports into the delegate's lifecycle calls. The
// application is in the background while every window of it is hidden or
// minimised, while the screen is locked, or while the platform reports the
// whole application hidden; a return to the foreground is the end of such a
// stretch, reported once however many signals end it. Focus moving to
// another program and back is no return: the application only became
// inactive and active again.
class ApplicationLifecycle : public QObject
{
    Q_OBJECT

public:
    ApplicationLifecycle(QApplication &application, AppDelegate &delegate, platform::Window &window);

    // An address given on the command line ("qamarly://..."), or an empty URL.
    static QUrl urlArgument(const QStringList &arguments);

public slots:
    void applicationStateChanged(Qt::ApplicationState state);
    // Another start of Qamarly handed over its arguments.
    void activationRequested(const QStringList &arguments, const QString &activationToken = QString());
    // The session's screen locker came on (true) or went away.
    void screenLockChanged(bool locked);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Whether a window of the application is on screen; `changed` is taken
    // as `changedShown` (its own state may not say so yet while its event is
    // being delivered).
    bool anyWindowShown(const QWidget *changed = nullptr, bool changedShown = false) const;
    void update(const QWidget *changed = nullptr, bool changedShown = false);
    void resignActive();

    QApplication &application_;
    AppDelegate &delegate_;
    QPointer<platform::Window> window_;
    Qt::ApplicationState state_;
    bool screenLocked_ = false;
    bool applicationHidden_ = false;
    // Until a window was first shown, none on screen is the start, not the background.
    bool windowSeen_ = false;
    bool inBackground_ = false;
    bool resigned_ = false;
};

// Reports the session's screen locker (org.freedesktop.ScreenSaver and the
// desktops' own names for it on the session bus) to `lifecycle`.
void watchScreenLock(ApplicationLifecycle &lifecycle);

} // namespace app::shell
