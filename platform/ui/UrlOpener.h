// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QUrl>
#include <memory>

namespace platform {

// Opens an address in the desktop's handler for it.
class UrlOpener
{
public:
    virtual ~UrlOpener() = default;
    // True when the desktop has a handler for the address's scheme; says
    // nothing about whether the address itself leads anywhere.
    virtual bool canOpen(const QUrl &url) = 0;
    // True only when the desktop took the address. An address no handler
    // takes is not handed on at all.
    virtual bool open(const QUrl &url) = 0;

    static UrlOpener &shared();
    // nullptr returns to the desktop's.
    static void install(std::shared_ptr<UrlOpener> opener);
};

} // namespace platform
