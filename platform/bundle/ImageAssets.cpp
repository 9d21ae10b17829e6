// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/bundle/ImageAssets.h"

#include <QFile>

namespace platform {

QString ImageAssets::resourcePath(const QString &name)
{
    return QStringLiteral(":/images/") + name + QStringLiteral(".png");
}

bool ImageAssets::contains(const QString &name)
{
    return !name.isEmpty() && QFile::exists(resourcePath(name));
}

} // namespace platform
