#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Special files and links where the date-text cache and the widget's places
# are kept: a FIFO (whose open waits for a writer for good), a link to a
# device that never ends, a link to somebody else's file. Nothing hangs,
# nothing is read without bound, and a save replaces the link, never writing
# through it. Every program runs under a time limit and, outside sanitizer
# builds (which reserve terabytes of address space), an address-space limit.
source "$(dirname "$0")/common.sh"

CACHE=$XDG_CACHE_HOME/qamarly
PLACES=$CONFIG/widget-host.conf
# Sanitizer builds reserve terabytes of address space up front (GCC's as a
# library, clang's inside the program).
if ! grep -q __asan_init "$QAMARLY" 2>/dev/null; then
  ulimit -v $((2 * 1024 * 1024))
fi

answers() { # what, command...
  local what=$1
  shift
  local status=0
  run "$@" >/dev/null 2>"$HOME_DIR/err" || status=$?
  ((status == 137)) && fail "$what: hangs"
  ((status != 0 && status != 137)) && fail "$what: exit $status: $(head -c 500 "$HOME_DIR/err")"
}

every_command() { # what
  answers "$1: today" "$QAMARLY" today --json
  answers "$1: occasions" "$QAMARLY" occasions
  answers "$1: convert" "$QAMARLY" convert 2026-12-07
  answers "$1: notifications plan" "$QAMARLY" notifications plan
  answers "$1: widget timeline" "$WIDGET" timeline --json
}

# The cache files' names carry a key of the build: let the programs make them.
mkdir -p "$CONFIG"
every_command "first run"
mapfile -t caches < <(ls "$CACHE"/date-texts-*.txt 2>/dev/null)
((${#caches[@]} > 0)) || fail "no date-text cache was written under $CACHE"

for kind in fifo zero link; do
  victim=$HOME_DIR/victim
  printf 'somebody else\n' >"$victim"
  for cache in "${caches[@]}"; do
    rm -f "$cache"
    case $kind in
      fifo) mkfifo "$cache" ;;
      zero) ln -s /dev/zero "$cache" ;;
      link) ln -s "$victim" "$cache" ;;
    esac
  done
  every_command "$kind at the cache"
  [ "$(cat "$victim")" = "somebody else" ] || fail "$kind at the cache: written through the link"
  for cache in "${caches[@]}"; do
    [ -f "$cache" ] && [ ! -L "$cache" ] || fail "$kind at the cache: $(basename "$cache") was not replaced"
  done
done

# The widget host: it must get as far as asking its child for a timeline.
# Started without the launcher, it takes QAMARLY_LAUNCHER for its child: one
# that leaves a mark and goes on as the widget program shows the ask even
# when the child lived too briefly to be seen. A reload request every second
# makes the host ask again.
HOST=$(dirname "$WIDGET")/qamarly-widget-host
RECORDER=$HOME_DIR/recording-launcher
printf '#!/bin/sh\necho "$*" >>"%s/asked"\nexec "%s" "$@"\n' "$HOME_DIR" "$WIDGET" >"$RECORDER"
chmod +x "$RECORDER"
host_starts() { # what
  local what=$1
  rm -f "$HOME_DIR/asked"
  # Not under timeout(1), whose own child the widget would be: it is killed below.
  QAMARLY_LAUNCHER=$RECORDER QT_QPA_PLATFORM=offscreen "$HOST" --kind simple --family small >/dev/null \
    2>"$HOME_DIR/host-err" &
  local host=$! tick
  mkdir -p "$CONFIG/widget-center"
  for tick in $(seq 1 600); do
    [ -s "$HOME_DIR/asked" ] && break
    kill -0 "$host" 2>/dev/null || break
    ((tick % 10 == 0)) && echo "reload $tick" >"$CONFIG/widget-center/reload-request"
    sleep 0.1
  done
  kill -KILL "$host" 2>/dev/null
  wait "$host" 2>/dev/null
  [ -s "$HOME_DIR/asked" ] || fail "$what: the widget never asked for a timeline: $(head -c 500 "$HOME_DIR/host-err")"
}
for kind in fifo zero; do
  rm -f "$PLACES"
  case $kind in
    fifo) mkfifo "$PLACES" ;;
    zero) ln -s /dev/zero "$PLACES" ;;
  esac
  host_starts "$kind at widget-host.conf"
done
rm -f "$PLACES"
finish
