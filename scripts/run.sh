#!/usr/bin/env bash
# Builds Curvista alone (no tests, no developer tools) and runs it; with no
# display, under a virtual X server.
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh run

program=build/run/app/curvista
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Curvista under Xvfb (xvfb-run), where it cannot be seen."
  exec xvfb-run -a -s "-screen 0 1280x1024x24" "$program" "$@"
fi
exec "$program" "$@"
