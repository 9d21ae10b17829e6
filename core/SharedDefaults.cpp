// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "core/SharedDefaults.h"

#include <mutex>

namespace core {

namespace {
std::mutex suiteMutex;
std::shared_ptr<platform::UserDefaults> &suite()
{
    static std::shared_ptr<platform::UserDefaults> s;
    return s;
}
} // namespace

std::shared_ptr<platform::UserDefaults> sharedDefaults()
{
    std::lock_guard lock(suiteMutex);
    if (!suite())
        suite() = platform::UserDefaults::open(
            platform::UserDefaults::suitePath(QString::fromLatin1(appGroupIdentifier)));
    return suite();
}

void setSharedDefaults(std::shared_ptr<platform::UserDefaults> s)
{
    std::lock_guard lock(suiteMutex);
    suite() = std::move(s);
}

} // namespace core
