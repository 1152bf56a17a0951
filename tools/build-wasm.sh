#!/usr/bin/env bash
# Builds the toolkit-free tree (the command line and every suite without a window) as WebAssembly
# for Node with Debian's emscripten: tools/build-wasm.sh [BUILD_DIR [TARGET...]] (default
# build-wasm/). The command line lands at BUILD_DIR/gb18306-cli.js, run as
# `node BUILD_DIR/gb18306-cli.js ARGS...` on the real file system; `ctest` in BUILD_DIR runs the
# tests under Node.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh emscripten nodejs googletest cmake make
# Debian's emscripten finds its JavaScript parser (acorn) among Debian's Node modules.
export NODE_PATH=/usr/share/nodejs
dir=${1:-build-wasm}
[ $# -gt 0 ] && shift
GB_CONFIGURE_WRAPPER=emcmake tools/cross-build.sh "$dir" \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$(command -v node)" -- "$@"
