#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Permissions do not bind the superuser, and CI runs as root: tests about
# what an ordinary user may not write run again here as another user.
#   as_another_user.sh TEST_PROGRAM GTEST_FILTER
set -eu
[ "$(id -u)" = 0 ] || { echo "not root: the suite ran these as an ordinary user"; exit 77; }
command -v setpriv >/dev/null || { echo "setpriv missing"; exit 77; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The other user may not reach the build folder (a checkout under /root).
cp "$1" "$dir/"
chmod -R a+rX "$dir"
status=0
setpriv --reuid=65534 --regid=65534 --clear-groups env HOME=/nonexistent TMPDIR=/tmp \
  "$dir/$(basename "$1")" --gtest_filter="$2" || status=$?
exit $status
