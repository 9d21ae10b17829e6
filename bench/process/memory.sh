#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Resident memory of the widget host and of the application window after a
# long idle, against their goals and against a bare Qt window started the same
# way (the baseline of the same run).
#
#   bench/process/memory.sh [idle seconds, default 180] [clock speed, default 20]
#
# Each program runs on its own virtual X display with openbox, a fresh config
# home, TZ=Asia/Riyadh and en_US.UTF-8, under faketime: the clock starts at
# 23:50 on 5 December 2026 and runs `speed` times as fast, so the idle covers
# idle*speed seconds of the programs' time (180 s at 20x is an hour), their
# minute checks fire dozens of times and a midnight passes. RSS is sampled
# while they idle, so growth in a timer path shows as a slope; VmRSS and Pss
# (smaps_rollup) are read at the end.
# Prints one row per program: RSS, Pss, the goal, and the ratio of RSS to the
# bare window's. Exits 1 when a program is over its goal or kept growing.
# Installs xvfb, openbox and faketime when they are missing (as root).
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=${QAMARLY_BUILD_DIR:-$root/build}
idle=${1:-180}
speed=${2:-20}
samples=${MEMORY_SAMPLES:-6}

"$root/tools/install-deps.sh" xvfb openbox faketime >/dev/null
for p in app/qamarly widget/qamarly-widget bench/process/bare-window; do
  [ -x "$build/$p" ] || { echo "missing $build/$p: build first (tools/build.sh)" >&2; exit 2; }
done

faketime_lib=$(dpkg -L libfaketime | grep '/libfaketimeMT\.so' | head -1)
[ -n "$faketime_lib" ] || { echo "libfaketime is missing" >&2; exit 2; }

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  # The window starts the notification agent, which outlives it by design.
  local lock agent
  for lock in "$work"/*/config/qamarly/qamarly-notifyd.lock; do
    [ -f "$lock" ] || continue
    agent=$(head -n1 "$lock")
    [ -n "$agent" ] && kill "$agent" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT

kib() { awk -v k="$2" '$1 == k":" {print $2}' "/proc/$1/$3"; }
mib() { awk -v k="$1" 'BEGIN {printf "%.1f", k / 1024}'; }

# start NAME COMMAND...: on a display of its own; sets $pid.
display=90
start() {
  local name=$1
  shift
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  local home=$work/$name
  mkdir -p "$home/config" "$home/data" "$home/run"
  chmod 700 "$home/run"
  Xvfb ":$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done
  DISPLAY=":$display" openbox >/dev/null 2>&1 &
  pids+=($!)
  sleep 0.5
  # The library itself rather than the faketime program, so $! is the program measured.
  env -u QT_QPA_PLATFORM DISPLAY=":$display" HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_CACHE_HOME="$home/cache" \
    XDG_DATA_HOME="$home/data" XDG_RUNTIME_DIR="$home/run" TZ=Asia/Riyadh LANG=en_US.UTF-8 \
    LC_ALL=en_US.UTF-8 LD_PRELOAD="$faketime_lib" FAKETIME="@2026-12-05 23:50:00 x$speed" \
    FAKETIME_NO_CACHE=1 "$@" >"$work/$name.log" 2>&1 &
  pid=$!
  pids+=("$pid")
  display=$((display + 1))
}

declare -A pid_of
start bare "$build/bench/process/bare-window"
pid_of[bare]=$pid
start widget "$build/widget/qamarly-widget"
pid_of[widget]=$pid
start app "$build/app/qamarly"
pid_of[app]=$pid

names=(bare widget app)
declare -A first last
echo "idle ${idle}s at ${speed}x ($((idle * speed / 60)) minutes of program time), $samples samples"
printf '%-8s' "sample"
for n in "${names[@]}"; do printf '%10s' "$n"; done
echo "   (VmRSS, MB)"
for i in $(seq 1 "$samples"); do
  sleep "$(awk -v t="$idle" -v n="$samples" 'BEGIN {print t / n}')"
  printf '%-8s' "$i"
  for n in "${names[@]}"; do
    p=${pid_of[$n]}
    if ! kill -0 "$p" 2>/dev/null; then
      echo
      echo "$n stopped; its output:" >&2
      cat "$work/$n.log" >&2
      exit 2
    fi
    r=$(kib "$p" VmRSS status)
    # The first sample is taken once start-up has settled.
    [ "$i" = 1 ] && first[$n]=$r
    last[$n]=$r
    printf '%10s' "$(mib "$r")"
  done
  echo
done

declare -A goal=([bare]=0 [widget]=30 [app]=60)
declare -A label=([bare]="bare Qt window" [widget]="qamarly-widget" [app]="qamarly")
status=0
echo
printf '%-16s %8s %8s %8s %10s %12s\n' program "RSS MB" "Pss MB" "goal MB" "RSS/bare" "growth MB"
for n in "${names[@]}"; do
  p=${pid_of[$n]}
  rss=$(kib "$p" VmRSS status)
  pss=$(kib "$p" Pss smaps_rollup)
  growth=$(awk -v a="${first[$n]}" -v b="${last[$n]}" 'BEGIN {printf "%.1f", (b - a) / 1024}')
  ratio=$(awk -v a="$rss" -v b="$(kib "${pid_of[bare]}" VmRSS status)" 'BEGIN {printf "%.2f", a / b}')
  g=${goal[$n]}
  verdict=""
  if [ "$g" != 0 ]; then
    if awk -v r="$rss" -v g="$g" 'BEGIN {exit !(r / 1024 > g)}'; then
      verdict=" OVER"
      status=1
    fi
    # More than a megabyte between the first sample and the last is growth.
    if awk -v d="$growth" 'BEGIN {exit !(d > 1.0)}'; then
      verdict="$verdict GROWING"
      status=1
    fi
  else
    g="-"
  fi
  printf '%-16s %8s %8s %8s %10s %12s%s\n' "${label[$n]}" "$(mib "$rss")" "$(mib "$pss")" "$g" "$ratio" \
    "$growth" "$verdict"
done
exit $status
