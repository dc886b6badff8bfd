#!/usr/bin/env bash
# Installs the Debian packages a task needs, if any are missing, then
# configures and builds for it.
#   scripts/setup.sh run    what building and running the program needs; builds the program alone
#   scripts/setup.sh test   everything the test suite, the benchmark and the screenshot need;
#                           builds the optimised preset with every test
#   scripts/setup.sh windows  the MinGW-w64 cross compiler, Wine and NSIS; builds Qt for Windows
#                           from Debian's source (once: it is cached) and the Windows preset with
#                           its tests, the zip and the installer (after the test task)
#   scripts/setup.sh web    emscripten, Node's packager, brotli and Chromium; builds Qt for
#                           WebAssembly from Debian's source (once: it is cached) and the web preset
#                           with its tests and the site in build/web/ (after the test task)
set -euo pipefail

cd "$(dirname "$0")/.."
task=${1:?"which task: run or test"}

run_packages=(
  cmake ninja-build g++
  qt6-base-dev libgl-dev qt6-svg-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  fonts-thai-tlwg fonts-dejavu-core
  xvfb xauth
)
test_packages=(
  "${run_packages[@]}"
  pkg-config clang-format clang-tidy cppcheck
  clang libclang-rt-14-dev libbenchmark-dev
  xdotool imagemagick x11-utils openbox
  at-spi2-core python3 python3-pyatspi gir1.2-atspi-2.0 dbus dbus-daemon poppler-utils
  desktop-file-utils appstream dpkg-dev file lintian man-db
)
# Qt for Windows is built from the source of Debian's own qt6-base with the
# host's Qt tools. Everything Windows here is 64-bit, the installer too, so
# Wine's 64-bit half serves.
windows_packages=(
  "${run_packages[@]}"
  qt6-base-dev-tools dpkg-dev
  g++-mingw-w64-x86-64-posix mingw-w64-tools binutils-mingw-w64-x86-64
  wine wine64 nsis
  xdotool imagemagick x11-utils python3 python3-pyatspi gir1.2-atspi-2.0
)
# Qt for WebAssembly is built from the same source with Debian's emscripten;
# the site is tested in Debian's Chromium against the Linux build's windows.
web_packages=(
  "${run_packages[@]}"
  qt6-base-dev-tools dpkg-dev patch
  emscripten nodejs brotli gzip chromium fonttools
  imagemagick x11-utils python3 python3-pyatspi gir1.2-atspi-2.0 at-spi2-core dbus dbus-daemon
)

case "$task" in
  run) packages=("${run_packages[@]}") preset=run ;;
  test) packages=("${test_packages[@]}") preset=release ;;
  windows) packages=("${windows_packages[@]}") preset=windows ;;
  web) packages=("${web_packages[@]}") preset=web ;;
  *) echo "unknown task: $task (run, test, windows or web)" >&2; exit 2 ;;
esac

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  sudo=(sudo)
fi

sources_changed=false
if [ "$task" = windows ] || [ "$task" = web ]; then
  # The source entries mirror the binary ones already configured, so the
  # sources come from wherever this machine takes its packages.
  source_list=/etc/apt/sources.list.d/curvista-deb-src.sources
  if ! grep -rqs '^Types:.*deb-src\|^deb-src ' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    {
      for sources in /etc/apt/sources.list.d/*.sources; do
        [ -e "$sources" ] || continue
        awk 'BEGIN { RS = ""; ORS = "\n\n" }
             /(^|\n)Types:[^\n]*(^|[ \t])deb([ \t]|\n|$)/ && !/(^|\n)Enabled: *no/ {
               sub(/(^|\n)Types:[^\n]*/, "\nTypes: deb-src"); sub(/^\n/, ""); print }' "$sources"
      done
      for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ -e "$list" ] || continue
        sed -n 's/^deb \(\[[^]]*\] \)\?\([^ ]*\) \([^ ]*\) \(.*\)$/Types: deb-src\nURIs: \2\nSuites: \3\nComponents: \4\n/p' "$list"
      done
    } | "${sudo[@]}" tee "$source_list" >/dev/null
    sources_changed=true
  fi
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ] || $sources_changed; then
  "${sudo[@]}" apt-get update
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi
# Node's packager installs the browser tests' driver; it comes with some
# builds of Node and is Debian's npm package otherwise.
if [ "$task" = web ] && ! command -v npm >/dev/null; then
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends npm
fi

if [ "$task" = windows ]; then
  echo "Qt for Windows (built once, then taken from the cache)"
  CURVISTA_WINDOWS_QT=$(scripts/windows-qt.sh)
  export CURVISTA_WINDOWS_QT
fi
if [ "$task" = web ]; then
  # shellcheck source=web-env.sh
  . scripts/web-env.sh
  echo "Qt for WebAssembly (built once, then taken from the cache)"
  CURVISTA_WEB_QT=$(scripts/web-qt.sh)
  export CURVISTA_WEB_QT
fi
cmake --preset "$preset"
cmake --build --preset "$preset"
