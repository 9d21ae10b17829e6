#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
# QAMARLY_SANITIZE=1 builds into build-asan/ with AddressSanitizer and UBSan.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
if [ "${QAMARLY_SANITIZE:-0}" = 1 ]; then
  export QAMARLY_BUILD_DIR=${QAMARLY_BUILD_DIR:-$root/build-asan}
  export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=0}
  "$root/tools/build.sh" -DQAMARLY_SANITIZE=ON
else
  "$root/tools/build.sh"
fi
build=${QAMARLY_BUILD_DIR:-$root/build}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
