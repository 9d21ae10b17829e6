// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <memory>

namespace platform {

class AlertController;

// Shows an alert in a window of its own, above the application's windows and
// its other alerts.
class TopAlertPresenter
{
public:
    virtual ~TopAlertPresenter() = default;
    virtual void present(AlertController *alert) = 0;

    static TopAlertPresenter &shared();
    // nullptr returns to the desktop's.
    static void install(std::shared_ptr<TopAlertPresenter> presenter);
};

} // namespace platform
