#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# The calendar tab stepping through days and months over 20,000 realistic
# events (one a file) against a one-event calendar, side by side: the worst
# main-thread stall (goal 50 ms, a frame is 16.7 ms), a picked day to its
# list (goal 50 ms), a page turn to the dots of the page turned to and of the
# page after it (goal 50 ms), the first list and resident memory. Prints
# medians of the rounds; exits 1 when a goal is missed.
#
#   bench/events/stall.sh [BUILD_DIR] [ROUNDS] [EVENTS]   (default: build, 3, 20000)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-3}
events=${3:-20000}
program=$build/bench/events/bench-window-stall
[ -x "$program" ] || { echo "missing $program: build first" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for side in large baseline; do
  mkdir -p "$work/$side/config" "$work/$side/cache" "$work/$side/data/qamarly/calendars"
done
"$program" generate "$work/large/data/qamarly/calendars" "$events"
"$program" generate "$work/baseline/data/qamarly/calendars" 1

in_home() { # side, command...
  local side=$1
  shift
  env XDG_CONFIG_HOME="$work/$side/config" XDG_CACHE_HOME="$work/$side/cache" XDG_DATA_HOME="$work/$side/data" \
    TZ=Asia/Riyadh LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: "$@"
}
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
field() { sed -n "s/.*\b$1=\([-0-9.]*\).*/\1/p" "$2" | median; }

: >"$work/out.large"
: >"$work/out.baseline"
for ((r = 0; r < rounds; r++)); do
  if ((r % 2)); then order="baseline large"; else order="large baseline"; fi
  for side in $order; do in_home "$side" "$program" >>"$work/out.$side" 2>>"$work/log.$side"; done
done

status=0
printf '%s events, %s rounds\n' "$events" "$rounds"
printf '%-30s %10s %10s %8s %8s\n' measure large baseline ratio goal
for m in first_list worst_stall stalls_over_50 pick_to_list pick_to_list_worst page_dots next_dots rss; do
  l=$(field "$m" "$work/out.large")
  b=$(field "$m" "$work/out.baseline")
  case $m in
    worst_stall | pick_to_list_worst | page_dots | next_dots) goal=50 ;;
    rss) goal=81920 ;;
    stalls_over_50) goal=0 ;;
    *) goal=- ;;
  esac
  awk -v m="$m" -v l="$l" -v b="$b" -v g="$goal" \
    'BEGIN {printf "%-30s %10.1f %10.1f %8s %8s\n", m, l, b, (b > 0 ? sprintf("%.2f", l / b) : "-"), g}'
  if [ "$goal" != - ] && ! awk -v l="$l" -v g="$goal" 'BEGIN {exit !(l <= g)}'; then
    echo "$m over its goal" >&2
    status=1
  fi
done
exit $status
