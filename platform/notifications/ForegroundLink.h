// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

#include <QString>
#include <memory>

namespace platform {

class LocalNotificationCenter;

// While the application has a notification delegate, its centre takes the
// agent's deliveries over the session bus. The bus side comes from the
// program that wants it (installForegroundBusLink), so a program that never
// sets a delegate, such as the command line, loads no D-Bus library.
class ForegroundLink
{
public:
    virtual ~ForegroundLink() = default;
};

// Makes the link for `center`, or nothing when it cannot be made (no bus,
// another Qamarly took it).
using ForegroundLinkFactory = std::unique_ptr<ForegroundLink> (*)(LocalNotificationCenter &center,
                                                                  const QString &busAddress);
void setForegroundLinkFactory(ForegroundLinkFactory factory);
ForegroundLinkFactory foregroundLinkFactory();

// The link over D-Bus: registers a ForegroundPresenter on the session bus, or
// on the bus at `busAddress` when one is given.
void installForegroundBusLink();

} // namespace platform
