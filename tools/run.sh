#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Installs what is missing, builds, and starts Qamarly. Without a display it
# says so and prints today's dates instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
build=${QAMARLY_BUILD_DIR:-$root/build}
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display is available, so Qamarly's window cannot open. Today's dates:" >&2
  exec "$build/app/qamarly" today "$@"
fi
exec "$build/app/qamarly" "$@"
