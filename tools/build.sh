#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Configures and builds Qamarly into build/ (or $QAMARLY_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QAMARLY_BUILD_DIR:-$root/build}
launcher=()
if command -v ccache >/dev/null 2>&1; then
  # Shared between build folders: paths under the source tree hash the same.
  export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
  # The test programs' precompiled header is cached only with these.
  export CCACHE_SLOPPINESS=pch_defines,time_macros
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root" -B "$build" -G Ninja "${launcher[@]}" -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$build" -j"$(nproc)"
