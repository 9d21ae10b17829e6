#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Writers killed with SIGKILL at random moments: the settings file stays whole
# and holds the old value or the new one, never anything else; the pending
# notification plan is the old one, none, or the new one, never a part, and a
# start of the application afterwards brings it in line with the settings.
source "$(dirname "$0")/common.sh"

run "$QAMARLY" settings set wallpaperIndex 5 >/dev/null || fail "first write"
"$PROBE" allow-notifications "$STORE" || fail "cannot grant the permission"
run "$QAMARLY" notifications reschedule >/dev/null || fail "first plan"
full=$("$PROBE" store "$STORE")
[ "$full" = 59 ] || fail "a fresh plan has $full requests, not 59"

previous=0
for i in $(seq 1 30); do
  value=$(((RANDOM % 21) - 10))
  "$QAMARLY" settings set adjustmentNumber "$value" >/dev/null 2>&1 &
  pid=$!
  random_pause 400
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  now=$(stored adjustmentNumber) || { fail "round $i: the settings file is damaged"; continue; }
  if [ "$now" != "$previous" ] && [ "$now" != "$value" ]; then
    fail "round $i: adjustment is $now, neither the old $previous nor the new $value"
  fi
  [ "$(stored wallpaperIndex)" = 5 ] || fail "round $i: a key nobody wrote changed"
  pending=$("$PROBE" store "$STORE") || { fail "round $i: the notification store is damaged"; continue; }
  case $pending in
    0 | 59) ;;
    *) fail "round $i: $pending requests pending: part of a plan" ;;
  esac
  previous=$now

  # Every few rounds, start as the application does and expect the plan to
  # match the settings, even though it was stamped today already.
  if ((i % 5 == 0)); then
    run "$QAMARLY" notifications refresh >/dev/null || fail "round $i: refresh failed"
    if ! diff <(run "$QAMARLY" notifications pending --json) <(run "$QAMARLY" notifications plan --json) >/dev/null; then
      fail "round $i: after a start the pending plan is not the one for adjustment $now"
    fi
  fi
done
finish
