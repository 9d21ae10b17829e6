// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#include "platform/defaults/StandardUserDefaults.h"

#include <mutex>

namespace platform {

namespace {
struct State
{
    std::mutex mutex;
    std::shared_ptr<UserDefaults> installed;
    std::shared_ptr<UserDefaults> file;
};

State &state()
{
    static State s;
    return s;
}
} // namespace

std::shared_ptr<UserDefaults> standardUserDefaults()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    if (s.installed)
        return s.installed;
    const QString path = UserDefaults::suitePath(QStringLiteral("org.qamarly.Qamarly"));
    if (!s.file || s.file->path() != path)
        s.file = UserDefaults::open(path);
    return s.file;
}

void installStandardUserDefaults(std::shared_ptr<UserDefaults> defaults)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.installed = std::move(defaults);
}

} // namespace platform
