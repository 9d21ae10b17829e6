// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include "platform/defaults/StandardUserDefaults.h"

namespace platform {

// In-memory standard defaults for the life of a test.
class ScopedStandardDefaults
{
public:
    ScopedStandardDefaults() : defaults_(UserDefaults::inMemory()) { installStandardUserDefaults(defaults_); }
    ~ScopedStandardDefaults() { installStandardUserDefaults(nullptr); }
    ScopedStandardDefaults(const ScopedStandardDefaults &) = delete;
    ScopedStandardDefaults &operator=(const ScopedStandardDefaults &) = delete;

    UserDefaults &operator*() const { return *defaults_; }
    UserDefaults *operator->() const { return defaults_.get(); }

private:
    std::shared_ptr<UserDefaults> defaults_;
};

} // namespace platform
