#!/usr/bin/env bash
# Runs a fuzz target for a bounded number of inputs on its seed corpus; new
# inputs go to a scratch folder, so the committed corpus stays as it is.
# Usage: run_fuzzer.sh TARGET CORPUS RUNS [more libFuzzer options]
set -euo pipefail
target=$1 corpus=$2 runs=$3
shift 3
export LSAN_OPTIONS="suppressions=$(dirname "$0")/lsan.supp:print_suppressions=0${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
status=0
"$target" -runs="$runs" -seed=1 -max_len=256 -print_final_stats=1 "$@" "$scratch" "$corpus" \
  >"$scratch.log" 2>&1 || status=$?
if [ "$status" -ne 0 ]; then
  tail -n 40 "$scratch.log"
else
  grep -E '^Done|stat::number_of_executed_units' "$scratch.log"
fi
rm -f "$scratch.log"
exit "$status"
