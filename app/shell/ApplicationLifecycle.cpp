// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/shell/ApplicationLifecycle.h"

#include "app/shell/AppDelegate.h"
#include "app/shell/WindowArguments.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QDBusConnection>
#include <QEvent>
#include <QWidget>

namespace app::shell {

namespace {
// A window the user brings up and puts away: the main window and dialogs, not
// menus, tooltips or the toolkit's own helpers.
bool isApplicationWindow(const QWidget *widget)
{
    const Qt::WindowType kind = widget->windowType();
    return widget->isWindow() && (kind == Qt::Window || kind == Qt::Dialog);
}
} // namespace

ApplicationLifecycle::ApplicationLifecycle(QApplication &application, AppDelegate &delegate,
                                           platform::Window &window)
    : application_(application), delegate_(delegate), window_(&window),
      state_(QGuiApplication::applicationState())
{
    connect(&application, &QGuiApplication::applicationStateChanged, this,
            &ApplicationLifecycle::applicationStateChanged);
    // Every window of the application counts, dialogs and prompts included.
    application.installEventFilter(this);
    windowSeen_ = anyWindowShown();
}

QUrl ApplicationLifecycle::urlArgument(const QStringList &arguments)
{
    return addressArgument(arguments);
}

void ApplicationLifecycle::applicationStateChanged(Qt::ApplicationState state)
{
    if (state == state_)
        return;
    state_ = state;
    switch (state) {
    case Qt::ApplicationActive:
        applicationHidden_ = false;
        update();
        resigned_ = false;
        delegate_.applicationDidBecomeActive(application_);
        return;
    case Qt::ApplicationInactive:
        resignActive();
        return;
    case Qt::ApplicationHidden:
    case Qt::ApplicationSuspended:
        applicationHidden_ = true;
        update();
        return;
    }
}

void ApplicationLifecycle::activationRequested(const QStringList &arguments, const QString &activationToken)
{
    // The Wayland shell hands the token to the compositor on the next
    // activation; without one the compositor may leave the window behind.
    if (!activationToken.isEmpty() && QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        qputenv("XDG_ACTIVATION_TOKEN", activationToken.toUtf8());
    // Bringing a hidden or minimised window back is the return, if it is one.
    if (window_)
        window_->bringToFront();
    update();
    const QUrl url = urlArgument(arguments);
    if (!url.isEmpty())
        delegate_.openURL(application_, url, QString(), QVariant());
}

void ApplicationLifecycle::screenLockChanged(bool locked)
{
    screenLocked_ = locked;
    update();
}

bool ApplicationLifecycle::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Hide || type == QEvent::WindowStateChange) {
        const auto *widget = qobject_cast<const QWidget *>(watched);
        if (widget && isApplicationWindow(widget)) {
            const bool shown =
                type == QEvent::Show || (type == QEvent::WindowStateChange && widget->isVisible());
            update(widget, shown && !widget->isMinimized());
        }
    }
    return QObject::eventFilter(watched, event);
}

bool ApplicationLifecycle::anyWindowShown(const QWidget *changed, bool changedShown) const
{
    if (changedShown)
        return true;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (const QWidget *w : windows) {
        if (w == changed || !isApplicationWindow(w))
            continue;
        if (w->isVisible() && !w->isMinimized())
            return true;
    }
    return false;
}

void ApplicationLifecycle::update(const QWidget *changed, bool changedShown)
{
    const bool shown = anyWindowShown(changed, changedShown);
    windowSeen_ = windowSeen_ || shown;
    const bool background = screenLocked_ || applicationHidden_ || (windowSeen_ && !shown);
    if (background == inBackground_)
        return;
    inBackground_ = background;
    if (background) {
        resignActive();
        delegate_.applicationDidEnterBackground(application_);
    } else {
        delegate_.applicationWillEnterForeground(application_);
    }
}

void ApplicationLifecycle::resignActive()
{
    if (!resigned_)
        delegate_.applicationWillResignActive(application_);
    resigned_ = true;
}

void watchScreenLock(ApplicationLifecycle &lifecycle)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    // The freedesktop name, as KDE and others send it, and GNOME's own.
    const struct
    {
        const char *path;
        const char *interface;
    } lockers[] = {{"/org/freedesktop/ScreenSaver", "org.freedesktop.ScreenSaver"},
                   {"/ScreenSaver", "org.freedesktop.ScreenSaver"},
                   {"/org/gnome/ScreenSaver", "org.gnome.ScreenSaver"}};
    for (const auto &locker : lockers)
        bus.connect(QString(), QString::fromLatin1(locker.path), QString::fromLatin1(locker.interface),
                    QStringLiteral("ActiveChanged"), &lifecycle, SLOT(screenLockChanged(bool)));
}

} // namespace app::shell
