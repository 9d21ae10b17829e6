// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/ui/AlertController.h"
#include "platform/ui/DialogHost.h"
#include "platform/ui/TopAlertPresenter.h"

#include <QApplication>

namespace platform {

namespace {
// The window the alert belongs with: the main window, else the active one,
// else the first shown.
QWidget *hostFor(const QWidget *alert)
{
    if (QWidget *host = dialogHost(); host && host != alert)
        return host;
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
        // A child of the window it concerns, so that it opens in front of it
        // (on Wayland too) rather than wherever the desktop puts new windows.
        alert->setParent(host, Qt::Dialog | Qt::WindowStaysOnTopHint);
        alert->adjustSize();
        if (host)
            alert->move(host->frameGeometry().center() - alert->rect().center());
        alert->showOver(host);
        alert->raise();
        alert->activateWindow();
    }
};

std::shared_ptr<TopAlertPresenter> &installedPresenter()
{
    static std::shared_ptr<TopAlertPresenter> presenter;
    return presenter;
}
} // namespace

TopAlertPresenter &TopAlertPresenter::shared()
{
    if (!installedPresenter())
        installedPresenter() = std::make_shared<StayOnTopAlertPresenter>();
    return *installedPresenter();
}

void TopAlertPresenter::install(std::shared_ptr<TopAlertPresenter> presenter)
{
    installedPresenter() = std::move(presenter);
}

} // namespace platform
