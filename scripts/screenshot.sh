#!/usr/bin/env bash
# Renders docs/screenshot.png: Curvista's windows as a desktop shows them,
# with their frames, under the openbox window manager on a virtual X screen:
# the control panel, the graph window with a parabola and a straight line and
# the linear dialog, and below them the splash. The picture is cropped to the
# windows; the screen around them is painted a plain desktop colour.
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh test
program=$PWD/build/release/app/curvista
output=$PWD/docs/screenshot.png

display=
for number in $(seq 131 139); do
  if [ ! -e "/tmp/.X11-unix/X$number" ] && [ ! -e "/tmp/.X$number-lock" ]; then
    display=":$number"
    break
  fi
done
[ -n "$display" ] || { echo "no free display among :131 to :139" >&2; exit 1; }
export DISPLAY=$display
unset QT_QPA_PLATFORM

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
until xdpyinfo >/dev/null 2>&1; do sleep 0.05; done
openbox >/dev/null 2>&1 &
pids+=($!)
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.05; done

# The rectangle a window covers on the screen with its frame: WxH+X+Y.
frame_of() {
  local x y width height left right top bottom
  x=$(xwininfo -id "$1" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$1" | awk '/Absolute upper-left Y/ {print $4}')
  width=$(xwininfo -id "$1" | awk '/Width:/ {print $2}')
  height=$(xwininfo -id "$1" | awk '/Height:/ {print $2}')
  read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ,)
  echo "$((width + ${left:-0} + ${right:-0}))x$((height + ${top:-0} + ${bottom:-0}))+$((x - ${left:-0}))+$((y - ${top:-0}))"
}

# Copies the screen inside the given frames onto a desktop-coloured canvas
# cropped to them, with a margin.
compose() {
  local screen=$1 out=$2
  shift 2
  local args=() x0=100000 y0=100000 x1=0 y1=0 frame w h x y
  for frame in "$@"; do
    IFS='x+' read -r w h x y <<<"$frame"
    args+=(\( "$screen" -crop "$frame" +repage \) -geometry "+$x+$y" -composite)
    x0=$((x < x0 ? x : x0)) y0=$((y < y0 ? y : y0))
    x1=$((x + w > x1 ? x + w : x1)) y1=$((y + h > y1 ? y + h : y1))
  done
  local margin=12
  convert -size 1024x768 xc:'#3b6e8f' "${args[@]}" \
    -crop "$((x1 - x0 + 2 * margin))x$((y1 - y0 + 2 * margin))+$((x0 - margin))+$((y0 - margin))" +repage "$out"
}

"$program" >/dev/null 2>&1 &
program_pid=$!
pids+=("$program_pid")

# The splash shows for one second only: look for it often.
splash=
until [ -n "$splash" ]; do
  splash=$(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null | head -n 1 || true)
  [ -n "$splash" ] || sleep 0.02
done
import -window root "$work/splash-screen.png"
compose "$work/splash-screen.png" "$work/splash.png" "$(frame_of "$splash")"

panel=$(xdotool search --sync --onlyvisible --name '^BCV')
# Clicks land at a control's centre, in the window's own coordinates (the
# design's twips / 15, below the panel's menu bar).
click() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
}
window_named() {
  xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Draw y = x² from the parabola dialog and close it, then draw y = x + 10
# from the linear dialog and leave it open.
click "$panel" 68 115
parabola=$(window_named 'เขียนกราฟพาราโบลา')
click "$parabola" 144 232
click "$parabola" 304 232
while xdotool search --onlyvisible --name 'เขียนกราฟพาราโบลา' >/dev/null 2>&1; do sleep 0.05; done
click "$panel" 68 83
linear=$(window_named 'เขียนกราฟเส้นตรง')
click "$linear" 88 208
# The curve is drawn before the click's handler returns; give the X server a
# moment to show the repainted window.
sleep 0.5
import -window root "$work/screen.png"

frames=()
for window in $(xdotool search --onlyvisible --pid "$program_pid"); do
  frames+=("$(frame_of "$window")")
done
compose "$work/screen.png" "$work/windows.png" "${frames[@]}"

convert "$work/windows.png" \( "$work/splash.png" \) -background '#3b6e8f' -gravity center -append "$output"
echo "Wrote $output"
