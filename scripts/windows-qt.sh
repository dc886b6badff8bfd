#!/usr/bin/env bash
# Builds Qt for Windows (64-bit, MinGW-w64) from Debian's own qt6-base source
# package, with only what Curvista needs, into a cache outside the clone, and
# prints the installation's path. The cache is keyed by the Qt version, the
# target, the compiler and the options, so a later run on the same machine
# reuses it.
#   CURVISTA_CACHE   where the cache lives (default ~/.cache/curvista)
set -euo pipefail

project=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$project/cmake/MinGW-w64-x86_64.cmake
target=x86_64-w64-mingw32
host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
source_version=${host_qt_version%%+*}

# The modules the program needs (Core, Gui, Widgets, PrintSupport, Test) with
# Qt's bundled third-party libraries; everything else off. wintab is not in
# Debian's source, OpenGL has no MinGW headers here, and PrintSupport needs
# Direct2D's font engine.
options=(
  -DBUILD_SHARED_LIBS=ON
  -DCMAKE_BUILD_TYPE=Release
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_vulkan=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_opengl=OFF
  -DFEATURE_opengl_dynamic=OFF
  -DINPUT_opengl=no
  -DFEATURE_direct2d=ON
  -DFEATURE_direct2d1_1=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
)
compiler=$("$target-g++-posix" --version | head -n1)
key=$(printf '%s\n' "$source_version" "$target" "$compiler" "${options[@]}" | sha256sum | cut -c1-12)
cache=${CURVISTA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/curvista}
prefix=$cache/qt-$source_version-$target-$key

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$cache/qt-build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
(
  cd "$work"
  # apt-get source needs the source index; set-up adds the deb-src entry.
  apt-get source --only-source "qt6-base=$host_qt_version" >&2
) 
src=$(find "$work" -maxdepth 1 -type d -name 'qtbase-*' -o -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$src" ] || { echo "qt6-base source not found in $work" >&2; exit 1; }

cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
