#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# `qamarly events DAY` against `khal list DAY DAY` (Debian's command line for
# vdir calendars) over the same folders of realistic events, one event a
# file: whole processes, rounds interleaved, medians of wall time, CPU time
# and peak memory. "cold" is each program's first run (no index of
# Qamarly's, no database of khal's); the rounds after it run with both
# indexes built. Checks that both list the same events. Exits 1 when
# Qamarly's warm ratio is above 1.
#
#   bench/events/khal.sh [BUILD_DIR] [ROUNDS] [EVENTS ...]   (default: build, 5, 2000 20000)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-5}
shift $(($# < 2 ? $# : 2))
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(2000 20000)
qamarly=$build/app/qamarly
generator=$build/bench/events/bench-window-stall
for program in "$qamarly" "$generator"; do
  [ -x "$program" ] || { echo "missing $program: build first" >&2; exit 2; }
done
if ! command -v khal >/dev/null || [ ! -x /usr/bin/time ]; then
  [ "$(id -u)" = 0 ] || { echo "khal and time are needed: apt-get install khal time" >&2; exit 2; }
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q khal time >/dev/null
fi

day=2026-03-16
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
status=0

for events in "${sizes[@]}"; do
  work=$(mktemp -d)
  calendars=$work/data/qamarly/calendars
  mkdir -p "$calendars" "$work/config" "$work/cache"
  "$generator" generate "$calendars" "$events" >/dev/null
  {
    echo "[calendars]"
    for folder in "$calendars"/*/; do
      name=$(basename "$folder")
      printf '[[%s]]\npath = %s\ntype = calendar\n' "$name" "$folder"
    done
    printf '[locale]\ntimeformat = %%H:%%M\ndateformat = %%Y-%%m-%%d\nlongdateformat = %%Y-%%m-%%d\n'
    printf 'datetimeformat = %%Y-%%m-%%d %%H:%%M\nlongdatetimeformat = %%Y-%%m-%%d %%H:%%M\n'
    printf 'local_timezone = Asia/Riyadh\ndefault_timezone = Asia/Riyadh\n'
    printf '[sqlite]\npath = %s/khal.db\n' "$work"
  } >"$work/khal.conf"

  run() { # side, output file, then the times are appended to $work/times.side
    local side=$1 out=$2
    local command
    if [ "$side" = qamarly ]; then
      command=("$qamarly" events "$day" --json)
    else
      command=(khal -c "$work/khal.conf" list -df '' -f '{title}' "$day" "$day")
    fi
    env -i PATH=/usr/bin:/bin HOME="$work" TZ=Asia/Riyadh LANG=C.UTF-8 LC_ALL=C.UTF-8 \
      XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" \
      DBUS_SESSION_BUS_ADDRESS=disabled: \
      /usr/bin/time -f '%e %U %S %M' -a -o "$work/times.$side" "${command[@]}" >"$out" 2>>"$work/log.$side"
  }

  : >"$work/times.qamarly"
  : >"$work/times.khal"
  run qamarly "$work/list.qamarly"
  run khal "$work/list.khal"
  cold_q=$(awk '{print $1}' "$work/times.qamarly")
  cold_k=$(awk '{print $1}' "$work/times.khal")
  : >"$work/times.qamarly"
  : >"$work/times.khal"
  for ((r = 0; r < rounds; r++)); do
    if ((r % 2)); then order="khal qamarly"; else order="qamarly khal"; fi
    for side in $order; do run "$side" "$work/list.$side"; done
  done

  python3 -c 'import json, sys; [print(e["title"]) for e in json.load(open(sys.argv[1]))["events"]]' \
    "$work/list.qamarly" | sort >"$work/titles.qamarly"
  grep -v '^$' "$work/list.khal" | sort >"$work/titles.khal"
  same=yes
  cmp -s "$work/titles.qamarly" "$work/titles.khal" || same=no

  field() { awk -v f="$1" '{print (f == "cpu") ? $2 + $3 : (f == "wall") ? $1 : $4 / 1024}' "$2" | median; }
  printf '%s events on %s, %s rounds; same events listed: %s (%s)\n' "$events" "$day" "$rounds" "$same" \
    "$(wc -l <"$work/titles.qamarly")"
  printf '%-22s %10s %10s %8s\n' measure qamarly khal ratio
  for m in wall cpu; do
    q=$(field $m "$work/times.qamarly")
    k=$(field $m "$work/times.khal")
    printf '%-22s %10.3f %10.3f %8.2f\n' "$m (s)" "$q" "$k" "$(echo "$q / $k" | bc -l)"
    if [ $m = wall ] && [ "$(echo "$q > $k" | bc -l)" = 1 ]; then status=1; fi
  done
  q=$(field rss "$work/times.qamarly")
  k=$(field rss "$work/times.khal")
  printf '%-22s %10.1f %10.1f %8.2f\n' "peak memory (MiB)" "$q" "$k" "$(echo "$q / $k" | bc -l)"
  printf '%-22s %10.3f %10.3f %8.2f\n' "cold first run (s)" "$cold_q" "$cold_k" "$(echo "$cold_q / $cold_k" | bc -l)"
  [ $same = yes ] || { echo "the lists differ:"; diff "$work/titles.qamarly" "$work/titles.khal" | head; status=1; }
  rm -rf "$work"
done
exit $status
