// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/ui/AlertController.h"
#include "platform/ui/TopAlertPresenter.h"

#include <QList>
#include <QPointer>

namespace platform {

// Shows alerts as ordinary application-modal windows and keeps them, so a
// test can tell how many were put up.
class CountingAlertPresenter final : public TopAlertPresenter
{
public:
    void present(AlertController *alert) override
    {
        presented.append(alert);
        alert->showOver(nullptr);
    }

    QList<QPointer<AlertController>> presented;
};

} // namespace platform
