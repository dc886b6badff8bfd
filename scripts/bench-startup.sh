#!/usr/bin/env bash
# How quickly the program shows its first window against a bare Qt dialog
# built with the same Qt: under Wine (the Windows build, run from its unpacked
# zip beside the dialog) and on Linux, on a virtual X screen, in pairs.
#   scripts/bench-startup.sh [PAIRS]    (at least 7; 9 when not given)
# CURVISTA_BENCH_DISPLAY picks the X display number (otherwise a free one);
# CURVISTA_BENCH_NO_SETUP=1 uses the builds as they are.
set -euo pipefail

cd "$(dirname "$0")/.."
pairs=${1:-9}
if [ "$pairs" -lt 7 ]; then
  echo "at least 7 pairs" >&2
  exit 2
fi
if [ -z "${CURVISTA_BENCH_NO_SETUP:-}" ]; then
  scripts/setup.sh test
  scripts/setup.sh windows
fi
linux_program=${CURVISTA_LINUX_PROGRAM:-build/release/app/curvista}
qt=$(scripts/windows-qt.sh)
bench=build/bench-startup

cmake -S bench/startup -B $bench/linux -G Ninja >/dev/null
cmake --build $bench/linux >/dev/null
cmake -S bench/startup -B $bench/windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/MinGW-w64-x86_64.cmake" \
  -DCURVISTA_WINDOWS_QT="$qt" -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >/dev/null
cmake --build $bench/windows >/dev/null

# The program as users unpack it, and the dialog in the same folder.
zip=$(ls build/windows/curvista-*-windows-x64.zip)
rm -rf $bench/unpacked
mkdir -p $bench/unpacked
python3 -m zipfile -e "$zip" $bench/unpacked
folder=$(find $bench/unpacked -name curvista.exe -printf '%h\n')
cp $bench/windows/bare_dialog.exe "$folder/"

export WINEPREFIX=$PWD/$bench/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ -d "$WINEPREFIX/drive_c" ] || tests/windows/make_prefix.sh
server=(--auto-servernum)
if [ -n "${CURVISTA_BENCH_DISPLAY:-}" ]; then
  server=(--server-num="$CURVISTA_BENCH_DISPLAY")
fi
xvfb-run "${server[@]}" --server-args="-screen 0 1280x1024x24 -nolisten tcp" sh -c '
  python3 bench/startup/startup.py windows "$1" "$2" "$3/curvista.exe" "$3/bare_dialog.exe" &&
  python3 bench/startup/startup.py linux "$1" "$2" "$4" "$5"' \
  sh "$PWD/$bench/linux/first_window" "$pairs" "$folder" "$linux_program" "$bench/linux/bare_dialog"
