#!/usr/bin/env bash
# Builds and runs the whole test suite, headless: the optimised build with
# static analysis and the package checks, then the same tests under
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, then each
# fuzz target for a bounded number of inputs.
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh test
ctest --preset release

cmake --preset sanitize
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz
