#!/usr/bin/env bash
# Renders docs/screenshot.png: Curvista's windows on a virtual X screen: the
# control panel, the graph window with two curves and the linear dialog, and
# below them the splash. Coordinates follow the windows' design positions.
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh test

display=":$((90 + RANDOM % 100))"
work=$(mktemp -d)
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
trap 'kill "$program_pid" "$xvfb_pid" 2>/dev/null || true; rm -rf "$work"' EXIT
sleep 1

DISPLAY="$display" build/release/app/curvista &
program_pid=$!
sleep 0.6
DISPLAY="$display" import -window root -crop 463x180+280+294 +repage "$work/splash.png"
sleep 1.2
# Draw y = x² from the parabola dialog and close it, then draw y = x + 10
# from the linear dialog and leave it open.
click() { DISPLAY="$display" xdotool mousemove "$1" "$2" click 1; sleep 0.4; }
click 83 258
click 332 490
click 492 490
click 83 226
click 325 466
DISPLAY="$display" import -window root "$work/main.png"

convert "$work/main.png" \
  \( "$work/splash.png" -background black -gravity center -extent 1024x220 \) \
  -append docs/screenshot.png
echo "Wrote docs/screenshot.png"
