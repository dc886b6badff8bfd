#!/usr/bin/env bash
# Start-up in the browser against Linux, in one run, in turns: the page's
# load to the control panel and the grid shown (headless Chromium, the site
# served from 127.0.0.1), and the Linux program's start to the same (bare X
# screen). Both include the splash. Prints each round and the ratio of the
# medians. Needs the web preset built (scripts/setup.sh web).
#   scripts/bench-web-startup.sh [ROUNDS]   (default 5)
# CURVISTA_X_DISPLAY picks the X display (otherwise a free one).
set -euo pipefail

cd "$(dirname "$0")/.."
rounds=${1:-5}
linux_program=${CURVISTA_LINUX_PROGRAM:-build/release/app/curvista}
modules=build/wasm/tests/web/node_modules
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

linux=()
web=()
for round in $(seq "$rounds"); do
  dbus-run-session -- /usr/bin/python3 tests/web/linux_reference.py "$linux_program" "$work/linux" 2>/dev/null
  linux+=("$(/usr/bin/python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["startSeconds"])' "$work/linux/places.json")")
  line=$(NODE_PATH=$modules CURVISTA_WEB_TEST=places node tests/web/browser_test.js build/web "$work/linux" "$work/browser" |
         grep -e '^start to grid' -e '^FAIL' || true)
  if [[ $line != start* ]]; then
    echo "round $round: the page did not start as it should: $line" >&2
    exit 1
  fi
  web+=("$(sed 's/.*page \([0-9.]*\) s.*/\1/' <<<"$line")")
  echo "round $round: page ${web[-1]} s, Linux ${linux[-1]} s"
done
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
page_median=$(median "${web[@]}")
linux_median=$(median "${linux[@]}")
awk -v p="$page_median" -v l="$linux_median" \
  'BEGIN { printf "median: page %.2f s, Linux %.2f s, ratio %.2f (budget 1.5)\n", p, l, p / l }'
