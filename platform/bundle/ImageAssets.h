// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>

namespace platform {

// Named image assets compiled into the program as Qt resources under
// ":/images/<name>.png" (see resources/). Loading the image itself is left to
// the user-interface code.
class ImageAssets
{
public:
    static QString resourcePath(const QString &name);
    static bool contains(const QString &name);
};

} // namespace platform
