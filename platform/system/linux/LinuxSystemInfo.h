// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/system/SystemInfo.h"

namespace platform {

class LinuxSystemInfo final : public SystemInfo
{
public:
    explicit LinuxSystemInfo(QString osReleasePath = QStringLiteral("/etc/os-release"));
    QString operatingSystemVersion() const override;
    QString regionCode() const override;

    // VERSION_ID of an os-release text, quotes removed.
    static QString versionIdOf(const QByteArray &osRelease);

private:
    QString osReleasePath_;
};

} // namespace platform
