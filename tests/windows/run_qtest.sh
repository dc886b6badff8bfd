#!/usr/bin/env bash
# Runs a cross-built Qt Test executable under Wine and prints its results.
#   run_qtest.sh EXE [ARGS...]
# Wine passes no QT_* variable on to the program, so every QT_* variable set
# here is set again inside Wine's command interpreter. A QtTest executable's
# redirected output comes out empty under Wine: it writes its results to a
# file instead. CURVISTA_DLL_DIRS (':'-separated) is where the DLLs are.
set -euo pipefail

exe=$1
shift
results=$(mktemp --suffix=.txt)
trap 'rm -f "$results"' EXIT

windows_path() { winepath -w "$1" 2>/dev/null; }

path=""
IFS=: read -r -a dll_dirs <<<"${CURVISTA_DLL_DIRS:-}"
for dir in "${dll_dirs[@]}"; do
  path+="$(windows_path "$dir");"
done

settings=""
while IFS='=' read -r name value; do
  settings+="set $name=$value&& "
done < <(env | grep '^QT_' || true)

status=0
wine cmd /c "${settings}set PATH=${path}%PATH%&& $(windows_path "$exe") $* -o $(windows_path "$results"),txt" \
  || status=$?
cat "$results"
exit "$status"
