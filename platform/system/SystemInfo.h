// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <memory>

namespace platform {

// The operating system's version text and the device's region.
class SystemInfo
{
public:
    virtual ~SystemInfo() = default;
    // "12" on Debian 12; empty when unknown.
    virtual QString operatingSystemVersion() const = 0;
    // The territory of the device locale: "SA", "GB", "150"; empty without one.
    virtual QString regionCode() const = 0;

    static const SystemInfo &current();
    // nullptr returns to the machine's.
    static void install(std::shared_ptr<SystemInfo> info);
};

} // namespace platform
