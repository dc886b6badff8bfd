#!/usr/bin/env bash
# Installs the Debian packages a task needs, if any are missing, then
# configures and builds for it.
#   scripts/setup.sh run    what building and running the program needs; builds the program alone
#   scripts/setup.sh test   everything the test suite, the benchmark and the screenshot need;
#                           builds the optimised preset with every test
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

case "$task" in
  run) packages=("${run_packages[@]}") preset=run ;;
  test) packages=("${test_packages[@]}") preset=release ;;
  *) echo "unknown task: $task (run or test)" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo=()
  if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
  fi
  "${sudo[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset "$preset"
cmake --build --preset "$preset"
