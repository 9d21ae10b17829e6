// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The application icon library holds only Qt resources; a static library needs one source.
namespace qamarly_app_icon_anchor {
int anchor = 0;
}
