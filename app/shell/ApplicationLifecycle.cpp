#include "app/shell/ApplicationLifecycle.h"

#include "app/shell/AppDelegate.h"
#include "app/shell/WindowArguments.h"
#include "platform/ui/Window.h"

#include <QApplication>
#include <QEvent>
#include <QWindowStateChangeEvent>

namespace app::shell {

ApplicationLifecycle::ApplicationLifecycle(QApplication &application, AppDelegate &delegate,
                                           platform::Window &window)
    : application_(application), delegate_(delegate), window_(&window),
      state_(QGuiApplication::applicationState())
{
    connect(&application, &QGuiApplication::applicationStateChanged, this,
            &ApplicationLifecycle::applicationStateChanged);
    window.installEventFilter(this);
}

QUrl ApplicationLifecycle::urlArgument(const QStringList &arguments)
{
    return addressArgument(arguments);
}

void ApplicationLifecycle::applicationStateChanged(Qt::ApplicationState state)
{
    if (state == state_)
        return;
    const Qt::ApplicationState previous = state_;
    state_ = state;
    if (state == Qt::ApplicationActive) {
        if (awaitingReturn_)
            returnToForeground();
        delegate_.applicationDidBecomeActive(application_);
        return;
    }
    if (previous == Qt::ApplicationActive || state != Qt::ApplicationInactive)
        leaveForeground(state != Qt::ApplicationInactive);
}

void ApplicationLifecycle::activationRequested(const QStringList &arguments)
{
    if (window_)
        window_->bringToFront();
    if (awaitingReturn_ || state_ != Qt::ApplicationActive)
        returnToForeground();
    const QUrl url = urlArgument(arguments);
    if (!url.isEmpty())
        delegate_.openURL(application_, url, QString(), QVariant());
}

bool ApplicationLifecycle::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == window_ && event->type() == QEvent::WindowStateChange) {
        const auto *change = static_cast<QWindowStateChangeEvent *>(event);
        const bool wasMinimized = change->oldState() & Qt::WindowMinimized;
        const bool isMinimized = window_->windowState() & Qt::WindowMinimized;
        if (!wasMinimized && isMinimized)
            leaveForeground(true);
        else if (wasMinimized && !isMinimized && awaitingReturn_ && state_ == Qt::ApplicationActive)
            returnToForeground();
    }
    return QObject::eventFilter(watched, event);
}

void ApplicationLifecycle::leaveForeground(bool background)
{
    if (!awaitingReturn_)
        delegate_.applicationWillResignActive(application_);
    awaitingReturn_ = true;
    if (background)
        delegate_.applicationDidEnterBackground(application_);
}

void ApplicationLifecycle::returnToForeground()
{
    awaitingReturn_ = false;
    delegate_.applicationWillEnterForeground(application_);
}

} // namespace app::shell
