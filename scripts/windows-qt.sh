#!/usr/bin/env bash
# Builds Qt for Windows (64-bit, MinGW-w64) from Debian's own qt6-base source
# package, with only what Curvista needs, into a cache outside the clone
# (scripts/qt-cross.sh), and prints the installation's path.
set -euo pipefail

project=$(cd "$(dirname "$0")/.." && pwd)
toolchain=$project/cmake/MinGW-w64-x86_64.cmake
target=x86_64-w64-mingw32
patches=()

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
# shellcheck source=qt-cross.sh
. "$project/scripts/qt-cross.sh"
