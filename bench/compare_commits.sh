#!/usr/bin/env bash
# Times one benchmark of this checkout against the same benchmark built from
# an earlier commit, in one run, alternating the two so that both meet the
# same load; prints each median and the ratio (this checkout / the earlier).
#   bench/compare_commits.sh COMMIT [BENCHMARK] [ROUNDS]
# Needs this checkout's release build (scripts/setup.sh test).
set -euo pipefail

cd "$(dirname "$0")/.."
base=${1:?"which commit to compare with"}
benchmark=${2:-BM_PlotParabola}
rounds=${3:-7}
sha=$(git rev-parse --short "$base")
work=build/bench-base-$sha
current=build/release/bench/bench_plotters

if [ ! -x "$work/build/bench/bench_plotters" ]; then
  rm -rf "$work"
  mkdir -p "$work"
  git archive "$sha" | tar -x -C "$work"
  cmake -S "$work" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCURVISTA_BUILD_TESTS=OFF -DCURVISTA_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$work/build" --target bench_plotters >/dev/null
fi
cmake --build build/release --target bench_plotters >/dev/null

# The median real time of one run of a binary, in the benchmark's unit.
out=$(mktemp)
trap 'rm -f "$out"' EXIT
run() {
  QT_QPA_PLATFORM=offscreen "$1" --benchmark_filter="^${benchmark}(/|\$)" --benchmark_out="$out" \
    --benchmark_out_format=csv >/dev/null 2>&1
  awk -F, '$1 ~ /_median"?$/ { print $3 }' "$out"
}

ours=()
theirs=()
for ((i = 0; i < rounds; i++)); do
  theirs+=("$(run "$work/build/bench/bench_plotters")")
  ours+=("$(run "$current")")
done
median() { printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
m_ours=$(median "${ours[@]}")
m_theirs=$(median "${theirs[@]}")
awk -v b="$benchmark" -v r="$rounds" -v s="$sha" -v t="$m_theirs" -v o="$m_ours" \
  'BEGIN { printf "%s, median of %d rounds: %s %.4g, this checkout %.4g, ratio %.3f\n", b, r, s, t, o, o / t }'
