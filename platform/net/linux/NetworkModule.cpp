// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The network module's one entry: LoadedUrlSession finds it by name.
#include "platform/net/linux/NetworkUrlSession.h"

extern "C" Q_DECL_EXPORT platform::UrlSession *qamarly_network_session()
{
    return new platform::NetworkUrlSession();
}
