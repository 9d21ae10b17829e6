#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# Two writers of different keys and two readers at once: no reader ever sees a
# value go back, both writers' last values stay, and no widget timeline mixes
# two adjustments.
source "$(dirname "$0")/common.sh"

rounds=28
run "$QAMARLY" settings set wallpaperIndex 0 >/dev/null

(
  for i in $(seq 1 $rounds); do
    run "$QAMARLY" settings set adjustmentNumber "$i" >/dev/null || echo "adjustment write $i failed" >&2
  done
) &
adjustments=$!
(
  for i in $(seq 1 $rounds); do
    run "$QAMARLY" settings set wallpaperIndex "$i" >/dev/null || echo "wallpaper write $i failed" >&2
  done
) &
wallpapers=$!

last_adjustment=0
last_wallpaper=0
reads=0
while kill -0 "$adjustments" 2>/dev/null || kill -0 "$wallpapers" 2>/dev/null; do
  adjustment=$(stored adjustmentNumber) || { fail "the settings file is damaged"; break; }
  wallpaper=$(stored wallpaperIndex)
  if [ "$adjustment" != absent ]; then
    ((adjustment < last_adjustment)) && fail "adjustment went back from $last_adjustment to $adjustment"
    last_adjustment=$adjustment
  fi
  if [ "$wallpaper" != absent ]; then
    ((wallpaper < last_wallpaper)) && fail "wallpaper went back from $last_wallpaper to $wallpaper"
    last_wallpaper=$wallpaper
  fi
  if ! shift=$(run "$WIDGET" timeline --json | "$PROBE" timeline); then
    fail "a torn timeline"
  elif ((shift < 0 || shift > rounds)); then
    fail "a timeline on adjustment $shift, which nobody wrote"
  fi
  reads=$((reads + 1))
done
wait
[ "$(stored adjustmentNumber)" = $rounds ] || fail "the last adjustment $rounds was lost: $(stored adjustmentNumber)"
[ "$(stored wallpaperIndex)" = $rounds ] || fail "the last wallpaper $rounds was lost: $(stored wallpaperIndex)"
echo "$reads reads during the writes"
finish
