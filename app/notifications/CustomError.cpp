// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "app/notifications/CustomError.h"

namespace app::notifications {

const char *CustomError::what() const noexcept
{
    switch (case_) {
    case NotificationsNotAllowed:
        return "notification alerts are not permitted";
    }
    return "unknown error";
}

} // namespace app::notifications
