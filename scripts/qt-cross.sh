# shellcheck shell=bash
# Sourced by windows-qt.sh and web-qt.sh: builds Qt from Debian's own
# qt6-base source package for another target into a cache outside the clone,
# and prints the installation's path. The caller sets
#   target      the target's name in the cache
#   toolchain   the CMake toolchain file
#   compiler    the compiler's version line
#   options     Qt's configure options (an array)
#   patches     patch files for Qt's source (an array, may be empty)
# The cache is keyed by the Qt version, the target, the compiler, the
# options and the patches, so a later run on the same machine reuses it.
#   CURVISTA_CACHE   where the cache lives (default ~/.cache/curvista)
host_qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
source_version=${host_qt_version%%+*}
key=$(printf '%s\n' "$source_version" "$target" "$compiler" "${options[@]}" | cat - "${patches[@]}" | sha256sum | cut -c1-12)
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
for patch_file in "${patches[@]}"; do
  patch -d "$src" -p1 <"$patch_file" >&2
done

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
