// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/system/SystemInfo.h"

namespace platform {

// A system with the given version and region, installed for the life of a test.
class FixedSystemInfo final : public SystemInfo
{
public:
    FixedSystemInfo(QString version, QString region)
        : version_(std::move(version)), region_(std::move(region))
    {
    }
    QString operatingSystemVersion() const override { return version_; }
    QString regionCode() const override { return region_; }

    static void installFor(QString version, QString region)
    {
        install(std::make_shared<FixedSystemInfo>(std::move(version), std::move(region)));
    }

private:
    QString version_;
    QString region_;
};

} // namespace platform
