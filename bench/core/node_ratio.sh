#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# One setDate (BM_SetDateHijri: both records of a day, the adjustment looked
# at) against what Node's Intl.DateTimeFormat takes for the same full
# Umm al-Qura date, side by side in rounds (A B A B), medians of processor
# time per call. Goal: at most 1.5. Skips itself without node.
#
#   bench/core/node_ratio.sh [BUILD_DIR] [ROUNDS]    (default: build, 5)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
rounds=${2:-5}
bench=$build/bench/core/bench_core
[ -x "$bench" ] || { echo "missing $bench: build first" >&2; exit 2; }
node=$(command -v node || command -v nodejs || true)
[ -n "$node" ] || { echo "node is not installed: skipped"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export TZ=Asia/Riyadh LC_ALL=en_US.UTF-8 XDG_CONFIG_HOME=$work/config XDG_CACHE_HOME=$work/cache
cat >"$work/format.js" <<'JS'
// The same 400 days the benchmark steps through, from the same first moment.
const format = new Intl.DateTimeFormat('en-US-u-ca-islamic-umalqura', {dateStyle: 'full'});
const start = 1780000000000, calls = 1000000;
let length = 0;
for (let i = 0; i < 100000; ++i) length += format.format(new Date(start + 86400000 * (i % 400))).length;
const before = process.cpuUsage();
for (let i = 0; i < calls; ++i) length += format.format(new Date(start + 86400000 * (i % 400))).length;
const used = process.cpuUsage(before);
console.log(((used.user + used.system) * 1000 / calls).toFixed(1), length > 0 ? '' : '!');
JS
median() { sort -g | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }
: >"$work/ours"
: >"$work/node"
for ((r = 0; r < rounds; r++)); do
  "$bench" --benchmark_filter='^BM_SetDateHijri$' --benchmark_min_time=0.5 --benchmark_format=csv 2>/dev/null |
    awk -F, '/BM_SetDateHijri/ {print $4}' >>"$work/ours"
  "$node" "$work/format.js" | cut -d' ' -f1 >>"$work/node"
done
ours=$(median <"$work/ours")
theirs=$(median <"$work/node")
awk -v o="$ours" -v n="$theirs" 'BEGIN {
  printf "%-40s %10.0f ns\n%-40s %10.0f ns\n%-40s %10.2f (goal 1.5)\n",
    "setDate, Hijri side (processor)", o, "Intl.DateTimeFormat full date (processor)", n, "ratio", o / n
  exit !(o / n <= 1.5)
}'
