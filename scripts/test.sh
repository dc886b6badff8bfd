#!/usr/bin/env bash
# Builds the optimised preset and runs the whole test suite, headless.
set -euo pipefail

cd "$(dirname "$0")/.."
scripts/setup.sh
ctest --preset release
