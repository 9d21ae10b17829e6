#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Installs the Debian 12 packages Qamarly needs to build, test and run.
# Idempotent: does nothing when everything is already there. Further package
# names given as arguments are installed the same way (tools/ui-check.sh).
set -euo pipefail
# clang-tidy is bookworm-security's 22: unlike Debian's default 14, it leaves
# the code of system headers (Qt's, ICU's) unanalysed, which was most of the
# analysis' time.
packages=(
  build-essential cmake ninja-build pkg-config lld
  qt6-base-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools libgl-dev
  libicu-dev libsqlite3-dev libical-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  dbus dbus-daemon xvfb xauth
  fonts-dejavu-core fonts-noto-core
  locales ccache
  desktop-file-utils appstream lintian dpkg-dev fakeroot rpm
  clang-format clang-tidy-22 clazy codespell python3 python3-dateutil nodejs
  radicale vdirsyncer
  at-spi2-core python3-pyatspi weston qt6-wayland
  "$@"
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages: ${missing[*]} (run as root to install them)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
# The tests and the Arabic look need these locales generated.
need_locales=()
for l in en_US.UTF-8 ar_SA.UTF-8; do
  locale -a 2>/dev/null | grep -qi "^${l%%.*}\.utf-\?8$" || need_locales+=("$l")
done
if ((${#need_locales[@]})) && [ "$(id -u)" -eq 0 ]; then
  for l in "${need_locales[@]}"; do
    grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" >> /etc/locale.gen
  done
  locale-gen >/dev/null
fi
