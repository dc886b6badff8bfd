# Sourced by the web scripts: the environment Debian's emscripten and Qt's
# WebAssembly build expect.
#   CURVISTA_CACHE   where the cache lives (default ~/.cache/curvista)
CURVISTA_CACHE=${CURVISTA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/curvista}
EMSCRIPTEN_ROOT=$(em-config EMSCRIPTEN_ROOT)
# Debian's emscripten loads Debian's own JavaScript modules (acorn, terser).
NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
# Qt expects emsdk's layout: $EMSDK/.emscripten names a folder under $EMSDK
# holding emcc and the CMake toolchain file. Debian installs neither there, so
# a stand-in forwards to them.
EMSDK=$CURVISTA_CACHE/emsdk
mkdir -p "$EMSDK/emscripten/cmake/Modules/Platform"
echo "EMSCRIPTEN_ROOT = 'emscripten'" >"$EMSDK/.emscripten"
printf '#!/bin/sh\nexec emcc "$@"\n' >"$EMSDK/emscripten/emcc"
chmod +x "$EMSDK/emscripten/emcc"
echo "include(\"$EMSCRIPTEN_ROOT/cmake/Modules/Platform/Emscripten.cmake\")" \
  >"$EMSDK/emscripten/cmake/Modules/Platform/Emscripten.cmake"
export CURVISTA_CACHE EMSCRIPTEN_ROOT NODE_PATH EMSDK
