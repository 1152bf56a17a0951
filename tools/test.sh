#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero when any stage fails.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh

log=$(mktemp)
corpus=$(mktemp -d)
trap 'rm -rf "$log" "$corpus"' EXIT

echo "== unit and widget tests =="
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)") | tee "$log"

echo "== fuzz target (clang, libFuzzer): build and a short run =="
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DGB_BUILD_FUZZ=ON -DGB_BUILD_UI=OFF \
  -DGB_BUILD_TESTS=OFF -DGB_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_decimal
cp fuzz/corpus/* "$corpus"/ 2>/dev/null || true
build-fuzz/fuzz/fuzz_decimal -max_total_time=20 "$corpus" 2>&1 | tail -n 1

summary=$(grep -E 'tests passed, [0-9]+ tests failed out of' "$log" | tail -n 1)
total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$summary")
failed=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$summary")
echo "tests: $((total - failed)) passed, $failed failed"
