// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
#pragma once

namespace core {

// Every JSON document a command prints carries this under "version", so a
// script can tell a changed layout from a broken one. Raise it when a field
// is renamed, removed or changes its meaning; a field added leaves it alone.
inline constexpr int jsonSchemaVersion = 1;
inline constexpr char jsonSchemaKey[] = "version";

} // namespace core
