// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/AlertController.h"
#include "platform/ui/TopAlertPresenter.h"

#include <QApplication>

namespace platform {

namespace {
// The window the alert belongs with: the active one, else the first shown.
QWidget *hostFor(const QWidget *alert)
{
    if (QWidget *active = QApplication::activeWindow(); active && active != alert)
        return active;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != alert && window->isVisible() && !qobject_cast<AlertController *>(window))
            return window;
    }
    return nullptr;
}

// The window manager keeps a stay-on-top window above ordinary ones,
// including alerts shown over the main window.
class StayOnTopAlertPresenter final : public TopAlertPresenter
{
public:
    void present(AlertController *alert) override
    {
        QWidget *host = hostFor(alert);
        alert->setParent(nullptr);
        alert->setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint);
        alert->adjustSize();
        // Over the window it concerns rather than wherever the desktop puts new windows.
        if (host)
            alert->move(host->frameGeometry().center() - alert->rect().center());
        alert->showOver(nullptr);
        alert->raise();
        alert->activateWindow();
    }
};

std::shared_ptr<TopAlertPresenter> &installed()
{
    static std::shared_ptr<TopAlertPresenter> presenter;
    return presenter;
}
} // namespace

TopAlertPresenter &TopAlertPresenter::shared()
{
    if (!installed())
        installed() = std::make_shared<StayOnTopAlertPresenter>();
    return *installed();
}

void TopAlertPresenter::install(std::shared_ptr<TopAlertPresenter> presenter)
{
    installed() = std::move(presenter);
}

} // namespace platform
