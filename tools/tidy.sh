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
# A unity build names only the files that gather each library's sources; each
# source is given its gathering file's command, so it is still parsed alone.
# The program's sources (tests and benchmarks left out) are listed beside it.
database=$build/tidy
mkdir -p "$database"
python3 - "$root" "$build/compile_commands.json" "$database" <<'PY'
import json, os, re, sys
root, built, database = sys.argv[1:]
entries = []
for entry in json.load(open(built)):
    if "/Unity/unity_" not in entry["file"]:
        entries.append(entry)
        continue
    for source in re.findall(r'^#include "(.+)"$', open(entry["file"]).read(), re.M):
        entries.append(dict(entry, file=source, command=entry["command"].replace(entry["file"], source)))
json.dump(entries, open(os.path.join(database, "compile_commands.json"), "w"), indent=1)
skip = ("tests/", "bench/", "build")
with open(os.path.join(database, "sources"), "w") as sources:
    for entry in sorted({e["file"] for e in entries}):
        relative = os.path.relpath(entry, root)
        if not relative.startswith("..") and not relative.startswith(skip) and "_autogen" not in relative:
            print(entry, file=sources)
PY
if [ $# -gt 0 ]; then
  files=("$@")
else
  mapfile -t files <"$database/sources"
fi
# The build's -Wconversion means more to clang than to GCC; GCC's is the one
# kept, and GCC's own warnings are unknown to clang. The deprecations clang
# finds are libstdc++'s own, in the algorithms it instantiates for us; GCC's
# build warns of any in our code. The count of the warnings left out and the
# progress through each batch of files are noise.
printf '%s\n' "${files[@]}" |
  xargs -P"$(nproc)" -n8 clang-tidy-22 -p "$database" --quiet --extra-arg=-Wno-sign-conversion \
    --extra-arg=-Wno-deprecated-declarations --extra-arg=-Wno-unknown-warning-option \
    2> >(grep -Ev ' warnings? generated\.$|^\[[0-9]+/[0-9]+\] Processing file ' >&2)
echo "tidy: ${#files[@]} files clean"
