# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Sourced by the attack scripts: the programs under test, a settings home of
# the run's own, a fixed zone and locale, and a seeded random source.
set -uo pipefail
QAMARLY=$1
WIDGET=$2
PROBE=$3
HOME_DIR=$(mktemp -d)
trap 'chmod -R u+w "$HOME_DIR" 2>/dev/null; rm -rf "$HOME_DIR"' EXIT
export XDG_CONFIG_HOME=$HOME_DIR XDG_CACHE_HOME=$HOME_DIR/cache
export TZ=Asia/Riyadh LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen
# The agent is not wanted here: what is pending must stay pending.
export DBUS_SESSION_BUS_ADDRESS=disabled: XDG_RUNTIME_DIR=$HOME_DIR/no-runtime
CONFIG=$HOME_DIR/qamarly
SUITE=$CONFIG/group.org.qamarly.QamarlyTodayExtension.sqlite
STORE=$CONFIG/notifications.sqlite
RANDOM=${ATTACK_SEED:-20261207}
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

finish() {
  if ((failures)); then
    echo "$failures failure(s)" >&2
    exit 1
  fi
  echo "all checks passed"
  exit 0
}

# A program that does not answer within this many seconds is taken as hung.
run() {
  timeout --signal=KILL 30 "$@"
}

# Sleeps a random 0 to $1 milliseconds.
random_pause() {
  local ms=$((RANDOM % ($1 + 1)))
  sleep "$(printf '0.%03d' "$ms")"
}

stored() {
  "$PROBE" suite "$SUITE" "$1"
}
