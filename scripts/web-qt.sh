#!/usr/bin/env bash
# Builds Qt for WebAssembly (static, single-threaded, asyncify for modal
# exec()) from Debian's own qt6-base source package with Debian's emscripten,
# with only what Curvista needs, into a cache outside the clone, and prints the
# installation's path. Keyed like the Windows Qt: the Qt version, the target,
# the compiler, the options and the patch, so a later run reuses it.
#   CURVISTA_CACHE   where the cache lives (default ~/.cache/curvista)
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
host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
source_version=${host_qt_version%%+*}

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
key=$(printf '%s\n' "$source_version" "$target" "$compiler" "${options[@]}" | cat - "${patches[@]}" | sha256sum | cut -c1-12)
prefix=$CURVISTA_CACHE/qt-$source_version-$target-$key

if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

work=$CURVISTA_CACHE/qt-build-$key
rm -rf "$work" "$prefix"
mkdir -p "$work"
(
  cd "$work"
  # apt-get source needs the source index; set-up adds the deb-src entry.
  apt-get source --only-source "qt6-base=$host_qt_version" >&2
)
src=$(find "$work" -maxdepth 1 -type d -name 'qtbase-*' -o -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -n "$src" ] || { echo "qt6-base source not found in $work" >&2; exit 1; }
for patch_file in "${patches[@]}"; do
  patch -d "$src" -p1 <"$patch_file" >&2
done

cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$EMSCRIPTEN_ROOT/cmake/Modules/Platform/Emscripten.cmake" \
  -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  "${options[@]}" >&2
cmake --build "$work/build" >&2
cmake --install "$work/build" >&2
touch "$prefix/.complete"
rm -rf "$work"
echo "$prefix"
