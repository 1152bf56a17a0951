#!/usr/bin/env bash
# Builds and starts the calculator: the desktop program when Qt 6 is there, otherwise the
# command-line companion with the designed inputs. Only the programs are built, in build/; the
# tests have a tree of their own (tools/test.sh), so neither command undoes the other's build.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGB_BUILD_TESTS=OFF -DGB_BUILD_BENCH=OFF \
  >/dev/null
targets=(gb18306-cli)
# The window's target exists only where Qt 6 was found.
if grep -q '^Qt6Widgets_DIR:PATH=/' build/CMakeCache.txt; then targets+=(gb18306); fi
cmake --build build -j"$(nproc)" --target "${targets[@]}"
if [ -x build/gb18306 ]; then
  exec build/gb18306 "$@"
fi
exec build/gb18306-cli "$@"
