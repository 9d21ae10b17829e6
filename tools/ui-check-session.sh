#!/usr/bin/env bash
# One session of tools/ui-check.sh, inside its virtual display: expects
# HOME_DIR, LANG_CODE (en or ar), SCREEN, MAXIMISE (yes/no), TAG, OUT, BUILD.
set -euo pipefail
export XDG_CONFIG_HOME=$HOME_DIR/config XDG_DATA_HOME=$HOME_DIR/data XDG_RUNTIME_DIR=$HOME_DIR/run
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
# A private session bus, so nothing reaches the machine's own.
eval "$(dbus-launch --sh-syntax 2>/dev/null)" || true
"$BUILD/app/qamarly" >"$OUT/$TAG.log" 2>&1 &
app=$!
cleanup() {
  kill "$app" 2>/dev/null || true
  wait "$app" 2>/dev/null || true
  kill "$wm" 2>/dev/null || true
  [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null || true
}
trap cleanup EXIT

win=$(xdotool search --sync --onlyvisible --name '^Qamarly$' | head -1)
sleep 1.5
if [ "$MAXIMISE" = yes ]; then
  wmctrl_max() { xdotool key --window "$win" super+Up 2>/dev/null || true; }
  # Openbox maximises on a double click of the title bar as well.
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove $((X + WIDTH / 2)) $((Y - 12)) click --repeat 2 --delay 80 1
  sleep 1.5
fi

step=0
shot() {
  step=$((step + 1))
  sleep "${2:-0.8}"
  import -window root "$OUT/$TAG-$(printf %02d $step)-$1.png"
}
geometry() { eval "$(xdotool getwindowgeometry --shell "$win")"; }
# Points of the window: `top dx dy` is dx from the middle and dy from the top;
# `bottom dx dy` counts dy up from the bottom edge.
top() { geometry; echo $((X + WIDTH / 2 + $1)) $((Y + $2)); }
bottom() { geometry; echo $((X + WIDTH / 2 + $1)) $((Y + HEIGHT - $2)); }
click() { xdotool mousemove $1 $2 click 1; sleep 0.5; }
wheel() { # x y notches (negative: towards the user)
  local button=4 n=$3
  if [ "$n" -lt 0 ]; then button=5; n=$((-n)); fi
  xdotool mousemove $1 $2 click --repeat "$n" --delay 60 $button
  sleep 0.5
}
drag() { # x y dx dy
  xdotool mousemove $1 $2 mousedown 1
  for i in 1 2 3 4 5 6 7 8 9 10; do
    xdotool mousemove $(($1 + $3 * i / 10)) $(($2 + $4 * i / 10))
    sleep 0.05
  done
  xdotool mouseup 1
  sleep 0.8
}
# The tab bar: three tabs along the bottom, in reading order.
tab() {
  geometry
  local index=$1 count=3 x
  if [ "$LANG_CODE" = ar ]; then index=$((count - 1 - index)); fi
  x=$((X + WIDTH * (2 * index + 1) / (2 * count)))
  click $x $((Y + HEIGHT - 22))
}

shot start 1
# The first-run prompt covers the converter: its close button is the second
# button of the panel in the middle.
click $(bottom 0 $((HEIGHT / 2 - 30)))
shot prompt-closed
source "$(dirname "$0")/ui-check-steps.sh"
