#!/usr/bin/env bash
# Builds and runs the whole test suite, headless: the optimised build with
# static analysis and the package checks, then the same tests under
# AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer, then each
# fuzz target for a bounded number of inputs, then the Windows build under
# Wine, which leaves the zip and the installer in build/windows/, then the
# browser build, which leaves the site in build/web/.
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

# Windows: Wine needs a display for the windows platform's tests.
scripts/setup.sh windows
xvfb-run --auto-servernum --server-args="-screen 0 1280x1024x24 -nolisten tcp" ctest --preset windows

# The browser: the unit tests without windows under Node, then the site in
# headless Chromium against the Linux program's windows.
scripts/setup.sh web
# shellcheck source=web-env.sh
. scripts/web-env.sh
ctest --preset web
