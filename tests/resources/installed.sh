#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Installs the build as a packager does and checks what is installed: the
# programs run from the install, the unit names the agent under the prefix
# chosen at install time, the launcher files validate, the manual pages name
# every option help names, the completions load. With --package it also
# builds the .deb (and the .rpm where rpmbuild exists) and runs lintian.
#   installed.sh BUILD_DIR [--package]
set -euo pipefail
build=$(cd "$1" && pwd)
package=${2:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
export LANG=C.UTF-8 LC_ALL=C.UTF-8 LANGUAGE=en TZ=Asia/Riyadh QT_QPA_PLATFORM=offscreen
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/config XDG_DATA_HOME=$scratch/home/data
export XDG_CACHE_HOME=$scratch/home/cache
mkdir -p "$HOME"

# A prefix chosen only now, long after configuring.
prefix=$scratch/opt/qamarly
cmake --install "$build" --prefix "$prefix" >/dev/null
bin=$prefix/bin
share=$prefix/share

"$bin/qamarly" --help | grep -q "notifications plan" || fail "qamarly --help"
today=$("$bin/qamarly" today --json) || fail "qamarly today --json exits with $?"
grep -q '"version": 1' <<<"$today" || fail "today --json has no schema version: $today"
"$bin/qamarly-widget" --help >/dev/null || fail "qamarly-widget --help"
"$bin/qamarly-notifyd" --help >/dev/null || fail "qamarly-notifyd --help"
# The window loads its network module from beside itself at the first request.
window=$(find "$prefix" -name qamarly-window -type f)
module=$(dirname "$window")/qamarly-network.so
python3 -c 'import ctypes, sys; ctypes.CDLL(sys.argv[1]).qamarly_network_session' "$module" ||
  fail "the network module does not load beside $window"

# The occasions file reads as iCalendar to another parser too (the unit tests read it with libical).
if python3 -c 'import icalendar' 2>/dev/null; then
  "$bin/qamarly" occasions --ics --years 3 | python3 -c '
import sys, icalendar
events = icalendar.Calendar.from_ical(sys.stdin.buffer.read()).walk("VEVENT")
assert len(events) == 18, len(events)' || fail "python icalendar cannot read the occasions"
fi

unit=$prefix/lib/systemd/user/qamarly-notifyd.service
grep -qx "ExecStart=$bin/qamarly-notifyd" "$unit" || fail "unit: $(grep ExecStart "$unit")"
if command -v systemd-analyze >/dev/null; then
  verify=$(systemd-analyze verify "$unit" 2>&1) || fail "systemd-analyze verify: $verify"
fi

desktop=$share/applications/org.qamarly.Qamarly.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ "$icon" = org.qamarly.Qamarly ] || fail "launcher icon is $icon"
for size in scalable/apps/$icon.svg 48x48/apps/$icon.png 256x256/apps/$icon.png; do
  [ -s "$share/icons/hicolor/$size" ] || fail "no icon $size"
done
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$share/metainfo/org.qamarly.Qamarly.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate"
fi

# Every option and command any help text names is in the program's page.
help_words() {
  local program=$1
  shift
  "$program" "$@" --help | grep -o -- '--[a-z][a-z-]*' || true
}
for program in qamarly qamarly-widget qamarly-notifyd; do
  page=$share/man/man1/$program.1.gz
  [ -s "$page" ] || { fail "no manual page $page"; continue; }
  text=$(zcat "$page")
  words=$(help_words "$bin/$program")
  if [ "$program" = qamarly ]; then
    for command in $("$bin/qamarly" --help | sed -n 's/^  qamarly \([a-z][a-z]*\).*/\1/p' | sort -u); do
      words+=$'\n'$(help_words "$bin/qamarly" "$command")
      grep -q "^\.B qamarly$" <<<"$text" && grep -q "^$command" <<<"$text" ||
        fail "$program.1 lacks the command $command"
    done
  fi
  for word in $(sort -u <<<"$words"); do
    grep -qF -- "${word//-/\\-}" <<<"$text" || fail "$program.1 lacks $word"
  done
  if command -v man >/dev/null; then
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || true
    [ -z "$warnings" ] || fail "$program.1: $warnings"
  fi
done

# The bash completion loads, and offers every command help lists.
completion=$share/bash-completion/completions/qamarly
offered=$(PATH=$bin:$PATH bash -c '
  source "$1"
  complete -p qamarly >/dev/null && complete -p qamarly-widget >/dev/null || exit 1
  COMP_WORDS=(qamarly ""); COMP_CWORD=1; _qamarly; echo "${COMPREPLY[*]}"
  COMP_WORDS=(qamarly events add --calendar ""); COMP_CWORD=4; _qamarly; echo "${COMPREPLY[*]}"
' _ "$completion") || fail "the bash completion does not load"
for command in $("$bin/qamarly" --help | sed -n 's/^  qamarly \([a-z][a-z]*\).*/\1/p' | sort -u); do
  grep -qw "$command" <<<"$(head -1 <<<"$offered")" || fail "bash completion lacks $command"
done
[ -s "$share/fish/vendor_completions.d/qamarly.fish" ] || fail "no fish completion"
[ -n "$(find "$share/zsh" -name _qamarly)" ] || fail "no zsh completion"
[ -s "$share/doc/qamarly/copyright" ] || fail "no copyright file"

# The Flatpak manifest cannot be built here; it must at least read as one.
manifest=$(dirname "$0")/../../resources/packaging/org.qamarly.Qamarly.yml
if python3 -c 'import yaml' 2>/dev/null; then
  python3 - "$manifest" <<'PY' || fail "the Flatpak manifest"
import sys, yaml
m = yaml.safe_load(open(sys.argv[1]))
assert m["id"] == "org.qamarly.Qamarly" and m["command"] == "qamarly", m
assert m["runtime"] == "org.kde.Platform" and str(m["runtime-version"]).startswith("6."), m
assert m["modules"][-1]["name"] == "qamarly", m["modules"]
PY
fi

if [ "$package" = --package ]; then
  cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch/packages" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack -G DEB"; }
  deb=$(find "$scratch/packages" -maxdepth 1 -name 'qamarly_*.deb' | head -1)
  if [ -n "$deb" ]; then
    dpkg-deb -f "$deb" Depends | grep -q libqt6core6 || fail "no library dependencies: $(dpkg-deb -f "$deb" Depends)"
    root=$scratch/root
    dpkg-deb -x "$deb" "$root"
    "$root/usr/bin/qamarly" today --json >/dev/null || fail "the packaged qamarly does not run"
    grep -qx "ExecStart=/usr/bin/qamarly-notifyd" "$root/usr/lib/systemd/user/qamarly-notifyd.service" ||
      fail "the packaged unit does not start /usr/bin/qamarly-notifyd"
    if command -v lintian >/dev/null; then
      # The build tree is configured for /usr/local, where the modules' folder is
      # lib/qamarly and CPack adds ldconfig for it; configured for /usr (as a
      # packager does) it is the multiarch folder, which CPack leaves alone.
      lintian --tag-display-limit 0 --suppress-tags maintscript-calls-ldconfig \
        --fail-on error,warning "$deb" >"$scratch/lintian.log" 2>&1 ||
        { cat "$scratch/lintian.log" >&2; fail "lintian"; }
    fi
  fi
  if command -v rpmbuild >/dev/null; then
    cpack --config "$build/CPackConfig.cmake" -G RPM -B "$scratch/packages" >"$scratch/rpm.log" 2>&1 ||
      { cat "$scratch/rpm.log" >&2; fail "cpack -G RPM"; }
  fi
fi

[ "$failures" -eq 0 ] || exit 1
echo "installed files check out"
