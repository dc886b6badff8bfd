#!/usr/bin/env bash
# A longer fuzzing run of one target: scripts/fuzz.sh val|number_text|dialogs [seconds]
# New inputs that widen coverage are kept in a scratch folder and listed at the end.
set -euo pipefail

cd "$(dirname "$0")/.."
target=${1:?"which target: val, number_text or dialogs"}
seconds=${2:-600}
scripts/setup.sh test
cmake --preset fuzz
cmake --build --preset fuzz --target "fuzz_$target"
export LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp:print_suppressions=0"
scratch=$(mktemp -d)
build/fuzz/fuzz/"fuzz_$target" -max_total_time="$seconds" -max_len=256 -print_final_stats=1 \
  -artifact_prefix="$scratch/" "$scratch" "fuzz/corpus/$target"
echo "New inputs and any crash are in $scratch"
