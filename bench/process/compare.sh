#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Whole-process start-up against bare programs, pair by pair:
#   - every command of `qamarly` and `qamarly-widget timeline` against
#     bare-icu-convert (ICU alone doing one conversion);
#   - the window, exec to first painted frame, against bare-window (a
#     QMainWindow with a QLabel), on an X display: $DISPLAY when set, else a
#     private Xvfb with openbox (tools/install-deps.sh xvfb openbox).
# Rounds interleave the two sides of a pair and swap their order each round;
# the table gives medians and their ratios, of elapsed time and of the CPU
# time used (to the first frame for the window), which a busy machine
# disturbs less.
#
#   bench/process/compare.sh [BUILD_DIR] [ROUNDS]    (default: build, 21)
#   COMPARE_ONLY=cli|window  runs one half.
#   BENCH_TOOLS=DIR          takes the clock and the bare programs from DIR
#                            (to measure an older build with today's tools).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-21}
only=${COMPARE_ONLY:-}

qamarly=$build/app/qamarly
widget=$build/widget/qamarly-widget
tools=${BENCH_TOOLS:-$build/bench/process}
clock=$tools/process-clock
bare_icu=$tools/bare-icu-convert
bare_window=$tools/bare-window
for f in "$qamarly" "$widget" "$clock" "$bare_icu" "$bare_window"; do
  [ -x "$f" ] || { echo "missing $f: build first (tools/build.sh)" >&2; exit 1; }
done

# A home of its own: the user's settings and calendars stay untouched, and
# every run sees the same state.
home=$(mktemp -d)
xvfb_pid= wm_pid=
cleanup() {
  # The window starts the notification agent, which outlives it by design.
  local lock=$home/config/qamarly/qamarly-notifyd.lock
  if [ -f "$lock" ]; then
    local agent
    agent=$(head -n1 "$lock")
    [ -n "$agent" ] && kill "$agent" 2>/dev/null || true
  fi
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$home/runtime HOME=$home
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LC_ALL=${LC_ALL:-en_US.UTF-8} TZ=${TZ:-Asia/Riyadh}
unset DBUS_SESSION_BUS_ADDRESS QT_QPA_PLATFORM

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

# pair NAME MODE -- A... -- B...: interleaved rounds, prints one table row:
# medians of elapsed time and of CPU time, and their ratios.
pair() {
  local name=$1 mode=$2
  shift 3
  local a=() b=()
  while [ "$1" != -- ]; do a+=("$1"); shift; done
  shift
  b=("$@")
  local i ra rb
  local wa=() wb=() ca=() cb=()
  # One unmeasured run each fills the page cache.
  "$clock" "$mode" -- "${a[@]}" >/dev/null
  "$clock" "$mode" -- "${b[@]}" >/dev/null
  for ((i = 0; i < rounds; i++)); do
    if ((i % 2)); then
      rb=$("$clock" "$mode" -- "${b[@]}")
      ra=$("$clock" "$mode" -- "${a[@]}")
    else
      ra=$("$clock" "$mode" -- "${a[@]}")
      rb=$("$clock" "$mode" -- "${b[@]}")
    fi
    wa+=("${ra%% *}") wb+=("${rb%% *}")
    ca+=("${ra##* }") cb+=("${rb##* }")
  done
  local ma mb na nb
  ma=$(printf '%s\n' "${wa[@]}" | median)
  mb=$(printf '%s\n' "${wb[@]}" | median)
  na=$(printf '%s\n' "${ca[@]}" | median)
  nb=$(printf '%s\n' "${cb[@]}" | median)
  awk -v n="$name" -v a="$ma" -v b="$mb" -v c="$na" -v d="$nb" 'BEGIN {
    printf "%-38s %8.2f %8.2f %6.2fx", n, a/1000, b/1000, a/b
    if (d > 0) printf "   %7.2f %7.2f %6.2fx", c/1000, d/1000, c/d
    printf "\n"
  }'
}

header() {
  printf '%-38s %8s %8s %7s' "$1" "ours ms" "base ms" "ratio"
  [ "${2:-}" = cpu ] && printf '   %7s %7s %7s' "cpu ms" "base" "ratio"
  printf '\n'
}

# Settings and a calendar as a user has them after the first start.
"$qamarly" settings set enableOptionRequested true >/dev/null 2>&1 || true
"$qamarly" settings set enableNotificationsClicked true >/dev/null 2>&1 || true
mkdir -p "$XDG_DATA_HOME/qamarly/calendars/home"
# Calendar access answered on an earlier start, so no question covers the window.
python3 - "$XDG_CONFIG_HOME/qamarly/org.qamarly.Qamarly.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("CREATE TABLE IF NOT EXISTS defaults (key TEXT PRIMARY KEY NOT NULL, type TEXT NOT NULL, value)")
db.execute("INSERT OR REPLACE INTO defaults VALUES ('CalendarAccess', 'integer', 1)")
db.commit()
PY

if [ "$only" != window ]; then
  header "command, whole process; vs bare-icu-convert" cpu
  day=2026-12-06
  bare=("$bare_icu" "$day")
  pair "qamarly convert $day --json" run -- "$qamarly" convert "$day" --json -- "${bare[@]}"
  pair "qamarly today" run -- "$qamarly" today -- "${bare[@]}"
  pair "qamarly range 2026-01-01 $day" run -- "$qamarly" range 2026-01-01 "$day" -- "${bare[@]}"
  pair "qamarly month 2026-12" run -- "$qamarly" month 2026-12 -- "${bare[@]}"
  pair "qamarly occasions" run -- "$qamarly" occasions -- "${bare[@]}"
  pair "qamarly settings" run -- "$qamarly" settings -- "${bare[@]}"
  pair "qamarly notifications plan" run -- "$qamarly" notifications plan -- "${bare[@]}"
  pair "qamarly events $day" run -- "$qamarly" events "$day" -- "${bare[@]}"
  pair "qamarly-widget timeline" run -- "$widget" timeline -- "${bare[@]}"
fi

if [ "$only" != cli ]; then
  if "$clock" first-frame -- true 2>&1 | grep -q "unknown mode"; then
    echo "process-clock was built without XDamage: tools/install-deps.sh libxdamage-dev, then build again" >&2
    exit 1
  fi
  if [ -z "${DISPLAY:-}" ]; then
    command -v Xvfb >/dev/null || { echo "no DISPLAY and no Xvfb (tools/install-deps.sh xvfb openbox)" >&2; exit 1; }
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=$display
    for _ in $(seq 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    if command -v openbox >/dev/null; then
      openbox >/dev/null 2>&1 &
      wm_pid=$!
      sleep 0.5
    fi
  fi
  echo
  header "window, exec to first frame; vs bare-window" cpu
  pair "qamarly (calendar tab)" first-frame -- "$qamarly" -- "$bare_window"
fi
