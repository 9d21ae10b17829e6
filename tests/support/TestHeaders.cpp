// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Qamarly developers
// The library that builds the test programs' precompiled header: it needs a
// source of its own to be compiled with.
