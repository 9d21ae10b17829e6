#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Installs what is missing, then checks what CI checks: the format and the
# spelling of the sources, the plain build (warnings are errors) with every
# test and the static analysis, and the sanitizer build (AddressSanitizer,
# UndefinedBehaviorSanitizer, LeakSanitizer) into build-asan/ with every test
# again. The sanitizer build is clang's, with clazy's Qt-aware checks
# (cmake/Clazy.cmake) run while it compiles: a parse of their own would cost
# as long again as the static analysis.
#   QAMARLY_SANITIZE=0     skips the sanitizer build
#   QAMARLY_SANITIZE=only  runs the sanitizer build alone
#   QAMARLY_TIDY=0         skips the static analysis (tools/tidy.sh) after the plain build
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
# CI allows half an hour for all of it: each step says what it cost.
timed() {
  local name=$1 start=$SECONDS
  shift
  "$@"
  echo "test.sh: $name took $((SECONDS - start)) s" >&2
}
timed "installing packages" "$root/tools/install-deps.sh"
"$root/tools/format.sh" --check
"$root/tools/check-spelling.sh"
sanitize=${QAMARLY_SANITIZE:-1}
jobs=$(nproc)
# Line tables are all a failing check's backtrace needs; full debug
# information was a third of the time of compiling each file.
lines_only=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG")

# The files of each library and test program are compiled together (a unity
# build): Qt's headers are parsed once per target rather than per file. Each file is
# still parsed alone by the static analysis, which fails on a file that does
# not name what it includes.
unity=(-DCMAKE_UNITY_BUILD=ON)

if [ "$sanitize" != only ]; then
  QAMARLY_BUILD_DIR=$root/build timed "the plain build" "$root/tools/build.sh" "${lines_only[@]}" "${unity[@]}"
  timed "the plain tests" ctest --test-dir "$root/build" --output-on-failure -j"$jobs"
  if [ "${QAMARLY_TIDY:-1}" != 0 ]; then
    QAMARLY_BUILD_DIR=$root/build timed "the static analysis" "$root/tools/tidy.sh"
  fi
fi

if [ "$sanitize" != 0 ]; then
  # Benchmarks say nothing under the sanitizers; leave them out to save time.
  # CMake cannot change a configured build's compiler: one left by GCC is
  # configured afresh.
  cache=$root/build-asan/CMakeCache.txt
  if [ -f "$cache" ] && ! grep -q '^CMAKE_CXX_COMPILER:[A-Z]*=.*clang' "$cache"; then
    rm -rf "$cache" "$root/build-asan/CMakeFiles"
  fi
  QAMARLY_BUILD_DIR=$root/build-asan timed "the sanitizer build" "$root/tools/build.sh" "${lines_only[@]}" "${unity[@]}" \
    -DQAMARLY_SANITIZE=ON -DQAMARLY_BUILD_BENCH=OFF -DCMAKE_CXX_COMPILER=clang++ -DQAMARLY_CLAZY=ON
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0
  export LSAN_OPTIONS=suppressions=$root/tools/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  timed "the sanitizer tests" ctest --test-dir "$root/build-asan" --output-on-failure -j"$jobs"
fi
