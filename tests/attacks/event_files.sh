#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Hostile calendar folders: FIFOs and devices where files should be, rules
# that would spin for ever (a zone's included), an 8 MB line, endless counts.
# `events` must answer within a time and memory limit, list the good event
# and say what it skipped.
source "$(dirname "$0")/common.sh"
export XDG_DATA_HOME=$HOME_DIR/data
CAL=$XDG_DATA_HOME/qamarly/calendars/home
DAY=2026-12-07
# Address space for one run; a sanitizer build maps terabytes of shadow
# memory up front, so it runs with the time limit alone.
MEMORY_KB=$((1536 * 1024))
grep -q __asan_init "$QAMARLY" 2>/dev/null && MEMORY_KB=unlimited

fresh() {
  rm -rf "$XDG_DATA_HOME"
  mkdir -p "$CAL"
  printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\nBEGIN:VEVENT\r\nUID:good\r\nDTSTART:20261207T100000Z\r\nSUMMARY:Good\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n' >"$CAL/good.ics"
}

calendar_with() { # file, VEVENT/VTIMEZONE lines (\r\n added)
  local file=$1
  shift
  {
    printf 'BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//t//EN\r\n'
    printf '%s\r\n' "$@"
    printf 'END:VCALENDAR\r\n'
  } >"$CAL/$file"
}

expect_events() { # what
  local status=0
  (
    ulimit -v "$MEMORY_KB"
    timeout --signal=KILL 20 "$QAMARLY" events "$DAY" --json
  ) >"$HOME_DIR/out" 2>"$HOME_DIR/err" || status=$?
  if ((status == 137)); then
    fail "$1: hangs"
  elif ((status != 0)); then
    fail "$1: exit $status: $(head -c 300 "$HOME_DIR/err")"
  elif ! grep -q '"Good"' "$HOME_DIR/out"; then
    fail "$1: the good event is missing"
  fi
}

# Special files where a calendar's name, colour and events are read.
fresh
mkfifo "$CAL/displayname" "$CAL/color" "$HOME_DIR/fifo"
ln -s "$HOME_DIR/fifo" "$CAL/x.ics"
ln -s /dev/zero "$CAL/zero.ics"
ln -s /dev/urandom "$CAL/random.ics"
expect_events "FIFOs and devices in a calendar folder"

# Rules that never end or change the clock every second, in zones and events.
for freq in SECONDLY MINUTELY; do
  fresh
  calendar_with zone.ics BEGIN:VTIMEZONE TZID:Hostile BEGIN:STANDARD DTSTART:20200101T000000 \
    TZOFFSETFROM:+0100 TZOFFSETTO:+0200 "RRULE:FREQ=$freq" END:STANDARD END:VTIMEZONE \
    BEGIN:VEVENT UID:z "DTSTART;TZID=Hostile:20261207T090000" SUMMARY:Zone END:VEVENT
  calendar_with rule.ics BEGIN:VEVENT UID:r DTSTART:20200101T000000Z "RRULE:FREQ=$freq" SUMMARY:Rule END:VEVENT
  calendar_with count.ics BEGIN:VEVENT UID:c DTSTART:20200101T000000Z "RRULE:FREQ=$freq;BYHOUR=3;COUNT=99999999" \
    SUMMARY:Count END:VEVENT
  expect_events "$freq rules"
  grep -q 'zone.ics' "$HOME_DIR/err" || fail "$freq zone: skipped without a word"
done

# One line of 8 MB less a little, and a file of many small events.
fresh
{
  printf 'BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nUID:l\r\nDTSTART:20261207T090000Z\r\nDESCRIPTION:'
  head -c $((8 * 1024 * 1024 - 200)) /dev/zero | tr '\0' x
  printf '\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n'
} >"$CAL/line.ics"
{
  printf 'BEGIN:VCALENDAR\r\n'
  for ((i = 0; i < 20000; i++)); do
    printf 'BEGIN:VEVENT\r\nUID:m%d\r\nDTSTART:2026%02d%02dT0900%02dZ\r\nSUMMARY:M\r\nEND:VEVENT\r\n' \
      $i $((i % 12 + 1)) $((i % 28 + 1)) $((i % 60))
  done
  printf 'END:VCALENDAR\r\n'
} >"$CAL/many.ics"
expect_events "an 8 MB line and 20,000 events"

finish
