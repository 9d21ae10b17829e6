#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# A change of a notification switch or of the adjustment killed at any
# moment, between its commit and the new plan included: what `notifications
# pending` lists afterwards is exactly what `notifications plan` gives, so
# nothing the stored settings turned off is ever delivered.
source "$(dirname "$0")/common.sh"

"$PROBE" allow-notifications "$STORE" || fail "cannot grant the permission"
run "$QAMARLY" notifications reschedule >/dev/null || fail "first plan"

for i in $(seq 1 "${ATTACK_ROUNDS:-24}"); do
  case $((RANDOM % 3)) in
    0) key=todayAppBadgeEnabled value=$( ((RANDOM % 2)) && echo true || echo false) ;;
    1) key=dailyNotificationEnabled value=$( ((RANDOM % 2)) && echo true || echo false) ;;
    *) key=adjustmentNumber value=$(((RANDOM % 7) - 3)) ;;
  esac
  "$QAMARLY" settings set "$key" "$value" >/dev/null 2>&1 &
  pid=$!
  random_pause 300
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pending=$(run "$QAMARLY" notifications pending --json) || { fail "round $i: pending failed"; continue; }
  plan=$(run "$QAMARLY" notifications plan --json) || { fail "round $i: plan failed"; continue; }
  if [ "$pending" != "$plan" ]; then
    fail "round $i: after $key=$value was cut short, $(echo "$pending" | grep -c '"identifier"') requests are pending, the settings give $(echo "$plan" | grep -c '"identifier"')"
  fi
done
finish
