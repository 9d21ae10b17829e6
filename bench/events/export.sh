#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# A realistic calendar export, 20,000 events in one 7.8 MB file (zoned times,
# folded descriptions, alarms, a tenth of them recurring), against
# a calendar of one event, side by side:
#   - a cold `qamarly events` (a process of its own each round), goal 0.5 s;
#   - the calendar tab listing a day, its resident memory then, goal 60 MB.
# Prints medians of elapsed and of processor time (user and system, which a
# busy machine disturbs less), the ratio to the one-event baseline, and the
# goals; exits 1 when a goal is missed.
#
#   bench/events/export.sh [BUILD_DIR] [ROUNDS]    (default: build, 9)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-9}
qamarly=$build/app/qamarly
window=$build/bench/events/bench-event-export-window
for f in "$qamarly" "$window"; do
  [ -x "$f" ] || { echo "missing $f: build first" >&2; exit 2; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for side in export baseline; do
  mkdir -p "$work/$side/config" "$work/$side/cache" "$work/$side/data/qamarly/calendars/home"
done
python3 - "$work/export/data/qamarly/calendars/home/export.ics" \
  "$work/baseline/data/qamarly/calendars/home/one.ics" <<'PY'
import random, sys
rng = random.Random(7)
def fold(line):
    out, line = [], line.encode()
    while len(line) > 75:
        out.append(line[:75]); line = b" " + line[75:]
    out.append(line)
    return b"\r\n".join(out).decode()
zone = ("BEGIN:VTIMEZONE\r\nTZID:Asia/Riyadh\r\nBEGIN:STANDARD\r\nDTSTART:19700101T000000\r\n"
        "TZOFFSETFROM:+0300\r\nTZOFFSETTO:+0300\r\nTZNAME:+03\r\nEND:STANDARD\r\nEND:VTIMEZONE\r\n")
words = "meeting review lunch call planning sync report project budget design visit clinic".split()
events = []
for i in range(20000):
    y, m, d = 2025 + i % 3, 1 + i % 12, 1 + (i * 7) % 28
    h = 8 + i % 10
    lines = ["BEGIN:VEVENT", "UID:%08d@example.com" % i, "DTSTAMP:20260101T000000Z",
             "LAST-MODIFIED:20250601T120000Z", "SEQUENCE:%d" % (i % 3),
             "DTSTART;TZID=Asia/Riyadh:%04d%02d%02dT%02d0000" % (y, m, d, h),
             "DTEND;TZID=Asia/Riyadh:%04d%02d%02dT%02d3000" % (y, m, d, h),
             "SUMMARY:%s %s %d" % (rng.choice(words).title(), rng.choice(words), i),
             "LOCATION:Room %d\\, building %d" % (i % 40, i % 7),
             fold("DESCRIPTION:" + " ".join(rng.choice(words) for _ in range(5)) + "\\nDial-in: +966 11 000 %04d" % i),
             "TRANSP:OPAQUE"]
    if i % 10 == 0:
        # Series as people make them: most end after weeks or months.
        until = "%04d%02d%02dT235959Z" % (y + (m + 2) // 12, (m + 2) % 12 + 1, d)
        lines.append(["RRULE:FREQ=WEEKLY;UNTIL=" + until, "RRULE:FREQ=DAILY;COUNT=5",
                      "RRULE:FREQ=MONTHLY;COUNT=12", "RRULE:FREQ=YEARLY"][(i // 10) % 4])
    if i % 2 == 0:
        lines += ["BEGIN:VALARM", "ACTION:DISPLAY", "DESCRIPTION:Reminder", "TRIGGER:-PT15M", "END:VALARM"]
    lines.append("END:VEVENT")
    events.append("\r\n".join(lines) + "\r\n")
with open(sys.argv[1], "w") as f:
    f.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//export//EN\r\n" + zone + "".join(events) + "END:VCALENDAR\r\n")
with open(sys.argv[2], "w") as f:
    f.write("BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//bench//export//EN\r\nBEGIN:VEVENT\r\nUID:one\r\n"
            "DTSTART:20261207T090000Z\r\nSUMMARY:One\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")
PY
size=$(stat -c %s "$work/export/data/qamarly/calendars/home/export.ics")

in_home() { # side, command...
  local side=$1
  shift
  env XDG_CONFIG_HOME="$work/$side/config" XDG_CACHE_HOME="$work/$side/cache" XDG_DATA_HOME="$work/$side/data" \
    TZ=Asia/Riyadh LC_ALL=en_US.UTF-8 QT_QPA_PLATFORM=offscreen DBUS_SESSION_BUS_ADDRESS=disabled: "$@"
}
seconds() { # side: "elapsed cpu" seconds of one cold `events`
  in_home "$1" /usr/bin/time -f '%e %U %S' -o "$work/time" "$qamarly" events 2026-12-07 >/dev/null
  awk '{printf "%s %.3f\n", $1, $2 + $3}' "$work/time"
}
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

: >"$work/cli.export"
: >"$work/cli.baseline"
for ((r = 0; r < rounds; r++)); do
  # Alternate which side goes first, so neither always finds a warmer cache.
  if ((r % 2)); then order="baseline export"; else order="export baseline"; fi
  for side in $order; do seconds "$side" >>"$work/cli.$side"; done
done
cli_export=$(cut -d' ' -f1 "$work/cli.export" | median)
cli_base=$(cut -d' ' -f1 "$work/cli.baseline" | median)
cpu_export=$(cut -d' ' -f2 "$work/cli.export" | median)
cpu_base=$(cut -d' ' -f2 "$work/cli.baseline" | median)

: >"$work/rss.export"
: >"$work/rss.baseline"
for ((r = 0; r < 3; r++)); do
  for side in export baseline; do
    in_home "$side" "$window" | sed -n 's/^rss=\([0-9]*\).*/\1/p' >>"$work/rss.$side"
  done
done
rss_export=$(median <"$work/rss.export")
rss_base=$(median <"$work/rss.baseline")

status=0
printf 'export: 20000 events, %.1f MB\n' "$(awk -v s="$size" 'BEGIN {print s / 1048576}')"
printf '%-34s %10s %10s %8s %8s\n' measure export baseline ratio goal
awk -v e="$cli_export" -v b="$cli_base" 'BEGIN {printf "%-34s %9.3fs %9.3fs %8.2f %7.1fs\n", "cold qamarly events, elapsed", e, b, e / b, 0.5}'
awk -v e="$cpu_export" -v b="$cpu_base" 'BEGIN {printf "%-34s %9.3fs %9.3fs %8.2f\n", "cold qamarly events, processor", e, b, e / b}'
awk -v e="$rss_export" -v b="$rss_base" 'BEGIN {printf "%-34s %8.1fMB %8.1fMB %8.2f %6.0fMB\n", "calendar tab resident", e / 1024, b / 1024, e / b, 60}'
awk -v e="$cli_export" 'BEGIN {exit !(e < 0.5)}' || { echo "over the time goal" >&2; status=1; }
awk -v e="$rss_export" 'BEGIN {exit !(e / 1024 < 60)}' || { echo "over the memory goal" >&2; status=1; }
exit $status
