// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/bundle/BundleInfo.h"

namespace platform {

// Bundle information of a test's choosing, put back when it goes.
class ScopedBundleInfo
{
public:
    explicit ScopedBundleInfo(const BundleInfo &info) { BundleInfo::install(info); }
    ~ScopedBundleInfo() { BundleInfo::install(std::nullopt); }
    ScopedBundleInfo(const ScopedBundleInfo &) = delete;
    ScopedBundleInfo &operator=(const ScopedBundleInfo &) = delete;

    void change(const BundleInfo &info) { BundleInfo::install(info); }
};

} // namespace platform
