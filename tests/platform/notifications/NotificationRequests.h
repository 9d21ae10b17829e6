// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// A request as the tests of the centre and its store make them: a title and
// a badge on a fixed body.
#pragma once

#include "platform/notifications/NotificationRequest.h"

#include <optional>

namespace testrequests {

inline platform::NotificationRequest request(const QString &id, const QString &title,
                                             std::optional<int> badge, platform::NotificationTrigger trigger)
{
    return platform::NotificationRequest{
        id, platform::NotificationContent{title, QStringLiteral("body"), badge, false}, trigger};
}

} // namespace testrequests
