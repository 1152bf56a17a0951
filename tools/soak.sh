#!/usr/bin/env bash
# Soak run: 10,000 Calculate and site-class cycles in the offscreen window, printing the
# resident memory and open descriptors every 1,000; fails when either keeps growing.
#   tools/soak.sh [CYCLES [REPORT_EVERY]]
# GB_BUILD_DIR picks the build tree (default build-test/, the tree of tools/test.sh; a sanitizer tree works too).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${GB_BUILD_DIR:-build-test}
tools/deps.sh
if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" -j"$(nproc)" --target gb18306-soak
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp${LSAN_OPTIONS:+:$LSAN_OPTIONS}"
QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8 "$build/tests/soak/gb18306-soak" "$@"
