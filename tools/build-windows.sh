#!/usr/bin/env bash
# Cross-builds the Windows programs and their tests with MinGW-w64: tools/build-windows.sh
# [BUILD_DIR [TARGET...]] (default build-windows/). The programs land at
# BUILD_DIR/gb18306-cli.exe; `ctest` in BUILD_DIR runs the tests under Wine, in a prefix of the
# build folder's own.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps-windows.sh
dir=${1:-build-windows}
[ $# -gt 0 ] && shift
tools/cross-build.sh "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -- "$@"
