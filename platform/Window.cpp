#include "platform/Window.h"

#include "platform/ViewController.h"

#include <QVBoxLayout>

namespace platform {

Window::Window(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

void Window::setRootViewController(ViewController *vc)
{
    if (root_ == vc)
        return;
    if (root_)
        root_->deleteLater();
    root_ = vc;
    if (vc)
        layout()->addWidget(vc);
}

void Window::bringToFront()
{
    if (isMinimized())
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    show();
    raise();
    activateWindow();
}

} // namespace platform
