#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Runs clang-tidy with the tree's .clang-tidy over the program's sources as
# build/ compiles them (tests and benchmarks left out); fails on any finding.
#   tools/tidy.sh            every source
#   tools/tidy.sh FILE...    only these
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QAMARLY_BUILD_DIR:-$root/build}
[ -f "$build/compile_commands.json" ] || QAMARLY_BUILD_DIR=$build "$root/tools/build.sh"
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files < <(python3 - "$root" "$build/compile_commands.json" <<'PY'
import json, os, sys
root, database = sys.argv[1], sys.argv[2]
skip = ("tests/", "bench/", "build")
for entry in sorted({e["file"] for e in json.load(open(database))}):
    relative = os.path.relpath(entry, root)
    if not relative.startswith("..") and not relative.startswith(skip) and "_autogen" not in relative:
        print(entry)
PY
)
fi
# The build's -Wconversion means more to clang than to GCC; GCC's is the one
# kept. The deprecations clang finds are libstdc++'s own, in the algorithms it
# instantiates for us; GCC's build warns of any in our code. The count of the
# warnings left out and the progress through each batch of files are noise.
printf '%s\n' "${files[@]}" |
  xargs -P"$(nproc)" -n8 clang-tidy-22 -p "$build" --quiet --extra-arg=-Wno-sign-conversion \
    --extra-arg=-Wno-deprecated-declarations \
    2> >(grep -Ev ' warnings? generated\.$|^\[[0-9]+/[0-9]+\] Processing file ' >&2)
echo "tidy: ${#files[@]} files clean"
