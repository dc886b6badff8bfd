#!/usr/bin/env bash
# Installs the Debian packages Curvista needs to build, test and run, if any
# are missing, then configures and builds the optimised preset.
set -euo pipefail

cd "$(dirname "$0")/.."

packages=(
  cmake ninja-build g++ pkg-config clang-format clang-tidy cppcheck
  clang libclang-rt-14-dev
  qt6-base-dev libgl-dev libbenchmark-dev
  fonts-thai-tlwg fonts-dejavu-core
  xvfb xauth xdotool imagemagick
  desktop-file-utils appstream dpkg-dev file
  qt6-svg-dev poppler-utils
)

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

cmake --preset release
cmake --build --preset release
