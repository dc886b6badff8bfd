#!/usr/bin/env bash
# Builds the optimised preset and runs the graph engine's benchmark.
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh test
build/release/bench/bench_plotters "$@"
