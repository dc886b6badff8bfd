#!/usr/bin/env bash
# Builds Qt for WebAssembly (static, single-threaded, asyncify for modal
# exec()) from Debian's own qt6-base source package with Debian's emscripten,
# with only what Curvista needs, into a cache outside the clone, and prints the
# installation's path (scripts/qt-cross.sh, keyed like the Windows Qt).
# Qt's build finds emscripten through an EMSDK folder; Debian has none, so a
# stand-in with the .emscripten file Qt reads sits next to the installation
# (scripts/web-env.sh points EMSDK at it).
set -euo pipefail

project=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=web-env.sh
. "$project/scripts/web-env.sh"
# Each patch says why it is needed.
patches=("$project"/packaging/web/qt-wasm-*.patch)
target=wasm32-emscripten
toolchain=$EMSCRIPTEN_ROOT/cmake/Modules/Platform/Emscripten.cmake

# Core, Gui, Widgets, PrintSupport and Test; everything else off. Size first:
# the download is the browser's start-up time.
options=(
  -DBUILD_SHARED_LIBS=OFF
  -DCMAKE_BUILD_TYPE=MinSizeRel
  -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  -DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1
  -DQT_BUILD_EXAMPLES=OFF
  -DQT_BUILD_TESTS=OFF
  -DFEATURE_thread=OFF
  -DFEATURE_sql=OFF
  -DFEATURE_network=OFF
  -DFEATURE_dbus=OFF
  -DFEATURE_concurrent=OFF
  -DFEATURE_xml=OFF
  -DFEATURE_jpeg=OFF
  -DFEATURE_gif=OFF
  -DFEATURE_tabletevent=OFF
  -DFEATURE_system_zlib=OFF
  -DFEATURE_system_png=OFF
  -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_pcre2=OFF
  -DFEATURE_system_doubleconversion=OFF
)
compiler=$(emcc --version | head -n1)
# shellcheck source=qt-cross.sh
. "$project/scripts/qt-cross.sh"
