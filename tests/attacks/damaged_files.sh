#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Damaged and special files where the settings and the notification store
# should be: nothing hangs, nothing is silently lost, and a folder that cannot
# be written still shows the stored adjustment while refusing changes.
source "$(dirname "$0")/common.sh"

fresh() {
  chmod -R u+w "$CONFIG" 2>/dev/null
  rm -rf "$CONFIG"
  mkdir -p "$CONFIG"
}

expect_answer() { # what, command...
  local what=$1
  shift
  local status=0
  run "$@" >/dev/null 2>"$HOME_DIR/err" || status=$?
  ((status == 137)) && fail "$what: hangs"
  ((status != 0 && status != 137)) && fail "$what: exit $status: $(cat "$HOME_DIR/err")"
}

# A FIFO, a socket-like special file or a folder in the place of each file.
for victim in "$SUITE" "$SUITE-wal" "$SUITE-shm" "$STORE" "$STORE-wal" "$CONFIG/widget-center/reload-request"; do
  for kind in fifo folder; do
    fresh
    mkdir -p "$(dirname "$victim")"
    if [ $kind = fifo ]; then mkfifo "$victim"; else mkdir "$victim"; fi
    name=${victim#"$CONFIG/"}
    expect_answer "$kind at $name: today" "$QAMARLY" today --json
    expect_answer "$kind at $name: settings set" "$QAMARLY" settings set adjustmentNumber 2
    expect_answer "$kind at $name: notifications pending" "$QAMARLY" notifications pending
    expect_answer "$kind at $name: widget timeline" "$WIDGET" timeline --json
    [ "$(stored adjustmentNumber 2>/dev/null)" = 2 ] || fail "$kind at $name: the adjustment was not stored"
  done
done

# Garbage, and a database cut short, are moved aside and replaced.
for damage in garbage truncated; do
  fresh
  run "$QAMARLY" settings set adjustmentNumber 4 >/dev/null
  if [ $damage = garbage ]; then
    head -c 8192 /dev/urandom >"$SUITE"
  else
    truncate -s 1000 "$SUITE"
  fi
  rm -f "$SUITE-wal" "$SUITE-shm"
  expect_answer "$damage settings file" "$QAMARLY" settings set wallpaperIndex 7
  [ "$(stored wallpaperIndex)" = 7 ] || fail "$damage settings file: not replaced by a working one"
  ls "$CONFIG"/*.corrupt-* >/dev/null 2>&1 || fail "$damage settings file: not kept aside"
done

# A folder that cannot be written: as another user when running as root
# (root writes anywhere), by its permissions otherwise.
as_reader() {
  if [ "$(id -u)" = 0 ]; then
    setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/nonexistent "$@"
  else
    "$@"
  fi
}
# The other user may not reach the build folder (a checkout under /root):
# it runs copies of the programs from the run's own folder instead.
READER_QAMARLY=$QAMARLY
READER_WIDGET=$WIDGET
if [ "$(id -u)" = 0 ]; then
  mkdir -p "$HOME_DIR/bin"
  cp "$QAMARLY" "$WIDGET" "$HOME_DIR/bin/"
  chmod -R a+rX "$HOME_DIR/bin"
  READER_QAMARLY=$HOME_DIR/bin/$(basename "$QAMARLY")
  READER_WIDGET=$HOME_DIR/bin/$(basename "$WIDGET")
fi
for log in closed left-behind; do
  fresh
  run "$QAMARLY" settings set adjustmentNumber 3 >/dev/null
  if [ $log = left-behind ]; then
    # The last value only in the log, as after a writer killed mid-run.
    "$PROBE" leave-log "$SUITE" adjustmentNumber 6
    expected=6
  else
    expected=3
  fi
  run "$QAMARLY" notifications pending >/dev/null
  chmod 755 "$HOME_DIR"
  chmod -R a+rX "$CONFIG"
  chmod a-w "$CONFIG"
  [ "$(id -u)" = 0 ] || chmod a-w "$CONFIG"/*
  shown=$(as_reader timeout 30 "$READER_QAMARLY" settings --json 2>/dev/null | grep -o '"adjustmentNumber": *-\?[0-9]*' | grep -o -- '-\?[0-9]*$')
  [ "$shown" = $expected ] || fail "read-only folder ($log log): settings show adjustment '$shown', not $expected"
  shift=$(as_reader timeout 30 "$READER_WIDGET" timeline --json 2>/dev/null | "$PROBE" timeline)
  [ "$shift" = $expected ] || fail "read-only folder ($log log): the widget uses adjustment '$shift', not $expected"
  status=0
  as_reader timeout 30 "$READER_QAMARLY" settings set wallpaperIndex 1 >/dev/null 2>"$HOME_DIR/err" || status=$?
  ((status == 1)) || fail "read-only folder: settings set exits $status, not 1"
  grep -q "cannot be written" "$HOME_DIR/err" || fail "read-only folder: no clear message: $(cat "$HOME_DIR/err")"
  status=0
  as_reader timeout 30 "$READER_QAMARLY" notifications pending >/dev/null 2>"$HOME_DIR/err" || status=$?
  ((status == 4)) || fail "read-only folder: notifications pending exits $status, not 4 ($(cat "$HOME_DIR/err"))"
  chmod -R u+w "$CONFIG"
done
finish
