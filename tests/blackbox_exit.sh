#!/usr/bin/env bash
# The real program on a virtual X screen: the splash, then the panel and the
# graph window; "Exit" in the panel's menu ends it with exit code 0.
# Usage: blackbox_exit.sh PROGRAM
set -euo pipefail
program=$1

if [ -z "${CURVISTA_IN_XVFB:-}" ]; then
  exec env CURVISTA_IN_XVFB=1 xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
unset QT_QPA_PLATFORM

"$program" &
pid=$!
sleep 0.5
xdotool search --name --sync '^$' >/dev/null # the splash has no caption
sleep 1.5
xdotool search --name '^BCV$' >/dev/null || { echo "FAIL: no control panel"; kill $pid; exit 1; }
# The menu item "Exit" at its place on the panel's menu bar (no window manager here).
xdotool mousemove 75 153 click 1
status=0
for _ in $(seq 50); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "FAIL: still running after Exit"
  kill $pid
  exit 1
fi
wait $pid || status=$?
[ "$status" -eq 0 ] || { echo "FAIL: exit code $status"; exit 1; }
echo "Exit ended the program with code 0"
