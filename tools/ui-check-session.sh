#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The Qamarly developers
# One session of tools/ui-check.sh, inside its virtual display: expects
# HOME_DIR, LANG_CODE (en or ar), MAXIMISE (yes/no), TAG, OUT and BUILD.
set -euo pipefail
export XDG_CONFIG_HOME=$HOME_DIR/config XDG_DATA_HOME=$HOME_DIR/data XDG_CACHE_HOME=$HOME_DIR/cache
export XDG_RUNTIME_DIR=$HOME_DIR/run
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
if [ "$LANG_CODE" = ar ]; then
  export LANG=ar_SA.UTF-8 LC_ALL=ar_SA.UTF-8
else
  export LANG=en_US.UTF-8 LC_ALL=en_US.UTF-8
fi
export TZ=${TZ:-Asia/Riyadh}

openbox >/dev/null 2>&1 &
wm=$!
"$BUILD/app/qamarly" >"$OUT/$TAG.log" 2>&1 &
app=$!
cleanup() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  # The window starts the notification agent, which outlives it by design.
  local lock=$XDG_CONFIG_HOME/qamarly/qamarly-notifyd.lock agent
  if [ -f "$lock" ]; then
    agent=$(head -n1 "$lock")
    [ -n "$agent" ] && kill "$agent" 2>/dev/null || true
  fi
  kill "$wm" 2>/dev/null || true
}
trap cleanup EXIT

# The main window: the largest visible one of the application's (its title
# is translated, and dialogs may be up first).
main_window() {
  local best="" area=0 id w h
  for id in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    eval "$(xdotool getwindowgeometry --shell "$id")"
    w=$WIDTH h=$HEIGHT
    if [ $((w * h)) -gt "$area" ]; then best=$id area=$((w * h)); fi
  done
  echo "$best"
}
for _ in $(seq 300); do
  win=$(main_window)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "$TAG: no window appeared" >&2; exit 1; }
# Windows come and go while it starts: settle, then look again.
sleep 1.5
win=$(main_window)

# The window's content area on the screen (xwininfo, unlike xdotool, does not
# count the window manager's frame twice).
geometry() {
  eval "$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print "X=" $4}
    /Absolute upper-left Y/ {print "Y=" $4} /Width:/ {print "WIDTH=" $2} /Height:/ {print "HEIGHT=" $2}')"
  # The screens lay their controls out in a centred column at most 520 wide.
  COLUMN=$((WIDTH - 32 < 520 ? WIDTH - 32 : 520))
}
if [ "$MAXIMISE" = yes ]; then
  geometry
  # Openbox maximises on a double click of the title bar.
  xdotool mousemove $((X + WIDTH / 2)) $((Y - 10)) click --repeat 2 --delay 80 1
  sleep 1.5
fi

step=0
shot() {
  step=$((step + 1))
  sleep "${2:-0.8}"
  import -window root "$OUT/$TAG-$(printf %02d $step)-$1.png"
}
# A point of the column: a share of its width from its middle (mirrored under
# Arabic, as the layout is) and pixels down from the top, or up from the
# bottom when negative.
at() {
  geometry
  local share=$1 down=$2 x y
  [ "$LANG_CODE" = ar ] && share=$(awk "BEGIN {print -($share)}")
  x=$(awk "BEGIN {printf \"%d\", $X + $WIDTH / 2 + $share * $COLUMN}")
  if [ "$down" -lt 0 ]; then y=$((Y + HEIGHT + down)); else y=$((Y + down)); fi
  echo "$x $y"
}
click() { xdotool mousemove $1 $2 click 1; sleep 0.6; }
wheel() { # x y notches: positive turns towards the user (later values)
  local button=5 n=$3
  if [ "$n" -lt 0 ]; then button=4; n=$((-n)); fi
  xdotool mousemove $1 $2 click --repeat "$n" --delay 80 $button
  sleep 0.6
}
drag() { # x y dx: a slow sideways drag; dx is mirrored under Arabic
  local dx=$3
  [ "$LANG_CODE" = ar ] && dx=$((-dx))
  xdotool mousemove $1 $2 mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10 11 12; do
    xdotool mousemove $(($1 + dx * i / 12)) $2
    sleep 0.04
  done
  xdotool mouseup 1
  sleep 1
}
keys() { xdotool key --delay 150 "$@"; sleep 0.5; }
# The tab bar: five tabs along the bottom, in reading order.
tab() {
  geometry
  local index=$1 count=5
  [ "$LANG_CODE" = ar ] && index=$((count - 1 - index))
  click $((X + WIDTH * (2 * index + 1) / (2 * count))) $((Y + HEIGHT - 18))
}

# Windows of the application besides the main one: its permission dialogs.
dialogs() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | grep -vx "$win" || true; }

# The calendar tab asks for calendar access first: decline with Escape.
shot calendar-access 1
[ -n "$(dialogs)" ] || echo "$TAG: the calendar tab asked for no calendar access" >&2
keys Escape
[ -z "$(dialogs)" ] || echo "$TAG: Escape left the calendar access dialog open" >&2
shot calendar
# The converter opens with the first-run notification prompt. The keyboard
# starts on its enable button; the next one closes it.
tab 1
shot first-run-prompt 1
keys Tab space
# Had the keyboard been elsewhere, the permission dialog would ask now: decline it.
if [ -n "$(dialogs)" ]; then
  echo "$TAG: the prompt's keyboard focus was not on its enable button" >&2
  keys Escape
  keys Tab space
fi
shot converter
click $(at 0.25 168)     # the Hijri segment
shot converter-hijri
wheel $(at -0.40 297) 3  # three days on
wheel $(at -0.09 297) -2 # two months back
wheel $(at 0.25 297) 1   # a year on
shot converter-wheels
click $(at -0.40 423)    # Today
shot converter-today
drag $(at 0 -60) -160    # a drag towards the start of the line: the next day
drag $(at 0 -60) -160
shot converter-dragged
click $(at 0.33 423)     # change the wallpaper, twice
click $(at 0.33 423)
shot converter-wallpaper
keys Tab Tab Tab
shot converter-focus

tab 2
shot duration
wheel $(at -0.40 165) -4 # the from day four days back
wheel $(at 0.35 346) 2   # the to year two years on
shot duration-wheels
click $(at 0.25 32)      # Hijri
shot duration-hijri
keys Tab Tab
shot duration-focus
click $(at 0.42 447)     # reset
shot duration-reset

tab 3
shot settings
click $(at 0.24 118)     # + twice, then − once
click $(at 0.24 118)
click $(at -0.24 118)
shot settings-adjusted
click $(at 0 390)        # feedback: a mail program, or the notice without one
shot settings-feedback
keys Escape
click $(at 0 438)        # tell a friend: the share dialog
shot settings-share
keys Escape
click $(at 0 324)        # wallpaper and notifications
shot more-settings 1.5
# First visit: the notification question, and the alert that they are off.
for _ in 1 2; do
  sleep 0.5
  [ -z "$(dialogs)" ] || keys Escape
done
[ -z "$(dialogs)" ] || echo "$TAG: Escape left a dialog of the wallpaper screen open" >&2
shot more-settings-answered
geometry
drag $((X + WIDTH / 2)) $((Y + 200)) -200 # the next wallpaper or two
shot more-settings-dragged 1.5
keys Escape              # done
shot settings-after-wallpaper
keys Tab Tab
shot settings-focus

tab 4
shot occasions 1.5
geometry
drag $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) -220
shot occasions-dragged 1.5
drag $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) 220
drag $((X + WIDTH / 2)) $((Y + HEIGHT / 2)) 220
shot occasions-dragged-back 1.5
if [ "$LANG_CODE" = ar ]; then keys Left; else keys Right; fi
shot occasions-next-by-key 1.5

tab 1
shot converter-again
