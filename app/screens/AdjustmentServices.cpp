// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/screens/AdjustmentServices.h"

#include "app/notifications/CustomError.h"

namespace app::screens {

void AdjustmentServices::adjustmentChanged() const
{
    if (sendAdjustmentToWatch)
        sendAdjustmentToWatch();
    if (rescheduleNotifications) {
        try {
            rescheduleNotifications();
        } catch (const notifications::CustomError &) {
            // Alerts not permitted: there is nothing to reschedule.
        }
    }
    if (reloadWidgetTimelines)
        reloadWidgetTimelines();
}

} // namespace app::screens
