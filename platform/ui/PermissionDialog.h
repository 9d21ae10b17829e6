// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <functional>

namespace platform {

// Asks the user once for a permission in a window-modal box with Allow and
// Don't Allow. Its texts are the string-table keys `keyPrefix` followed by
// ".windowTitle", ".title", ".message", ".allow" and ".deny". `answer` runs
// exactly once, false when the box goes away unanswered or when there is no
// window system to ask in.
void askPermission(const QString &objectName, const QString &keyPrefix, std::function<void(bool)> answer);

} // namespace platform
