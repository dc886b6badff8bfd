#!/usr/bin/env bash
# clang-tidy with the repository's configuration over the program's sources.
# Usage: run_clang_tidy.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
source_dir=$1 build_dir=$2
cd "$source_dir"
ls app/*.cpp dialogs/*.cpp graph/*.cpp platform/*.cpp \
  | xargs -P "$(nproc)" -n 2 clang-tidy -p "$build_dir" --quiet 2>/dev/null
