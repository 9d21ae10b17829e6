#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Looks at Qamarly the way a user does, on a virtual X display with a real
# window manager: opens the application on a fresh settings home, closes the
# first-run prompt, visits every tab, presses the controls, turns the wheels
# with the mouse wheel, drags the converter and the occasions carousel, and
# tabs through the controls. Runs in English and Arabic, on a 1366x768
# screen and maximised on a 1920x1080 one, and saves a screenshot after each
# step into the output folder (default: ./ui-check) for a person to look at.
#
#   tools/ui-check.sh [output folder]
#   UI_CHECK_ONLY=ar-1920x1080-max tools/ui-check.sh   # one run of the four
#
# Installs xvfb, openbox, xdotool, x11-utils and imagemagick when they are missing
# (as root); builds Qamarly when its program is not there yet.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QAMARLY_BUILD_DIR:-$root/build}
out=$(realpath -m "${1:-$PWD/ui-check}")
mkdir -p "$out"

"$root/tools/install-deps.sh" openbox xdotool x11-utils imagemagick
[ -x "$build/app/qamarly" ] || "$root/tools/build.sh"

# One run: language, screen size, whether to maximise.
run() {
  local lang=$1 screen=$2 maximise=$3
  local tag="$lang-$screen$([ "$maximise" = yes ] && echo -max)"
  # UI_CHECK_ONLY=en-1366x768 (say) runs that one alone.
  [ -n "${UI_CHECK_ONLY:-}" ] && [ "$UI_CHECK_ONLY" != "$tag" ] && return 0
  local home
  home=$(mktemp -d)
  echo "== $tag"
  local status=0
  HOME_DIR=$home LANG_CODE=$lang MAXIMISE=$maximise TAG=$tag OUT=$out BUILD=$build \
    xvfb-run -a -s "-screen 0 ${screen}x24" bash "$root/tools/ui-check-session.sh" || status=$?
  rm -rf "$home"
  return "$status"
}

run en 1366x768 no
run ar 1366x768 no
run en 1920x1080 yes
run ar 1920x1080 yes
echo "screenshots in $out"
