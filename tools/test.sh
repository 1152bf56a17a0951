#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero when any stage fails.
#
# Stages: the release tree's tests (unit, widget, file faults, extreme inputs and the desktop
# program driven by keystrokes on its own Xvfb display); the Debian package, judged by lintian and
# unpacked; the toolkit-free tree cross-built for arm64 (tested under qemu-aarch64) and for
# WebAssembly (tested under Node), their command lines compared byte for byte with this one; the
# web page, built and driven in headless Chromium against this command line; the Windows tree,
# cross-built with MinGW-w64, its tests run under Wine and its command line compared with this
# one; the same tests built once more with AddressSanitizer, UndefinedBehaviorSanitizer
# and LeakSanitizer, which must report nothing; a short libFuzzer run. GB_SKIP_SANITIZERS=1 leaves
# out the sanitizer stage.
set -euo pipefail
cd "$(dirname "$0")/.."
stage_times=()
# Records how long the stage that began at $1 (a value of SECONDS) took, under the name $2.
took() { stage_times+=("$2 $((SECONDS - $1)) s"); }

start=$SECONDS
# Our own CI holds our code to no warnings at all; a user's build only shows them.
export GB_WERROR=ON
tools/build.sh build-test

log=$(mktemp)
sanitizer_log=$(mktemp)
corpus=$(mktemp -d)
trap 'rm -rf "$log" "$sanitizer_log" "$corpus" "${arm64_log:-}" "${wasm_log:-}" "${win_log:-}"' EXIT

# "N passed, M failed" from a ctest log.
summary() {
  local line total failed
  line=$(grep -E 'tests passed, [0-9]+ tests failed out of' "$1" | tail -n 1)
  total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
  failed=$(sed -E 's/.*passed, ([0-9]+) tests failed.*/\1/' <<<"$line")
  echo "$((total - failed)) passed, $failed failed"
}

echo "== unit and widget tests =="
(cd build-test && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)") | tee "$log"
took "$start" "release build and tests:"

echo "== Debian package: build, lintian, contents =="
start=$SECONDS
deb=$(tools/package.sh | tail -n 1)
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
for f in usr/bin/gb18306 usr/bin/gb18306-cli usr/share/applications/gb18306.desktop \
  usr/share/metainfo/org.example.gb18306.metainfo.xml usr/share/doc/gb18306/copyright; do
  [ -e "$unpacked/$f" ] || { echo "$deb lacks /$f"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep 'libqt6widgets6' >/dev/null || { echo "$deb: no library dependencies"; exit 1; }
"$unpacked/usr/bin/gb18306-cli" --version
rm -rf "$unpacked"
took "$start" "package:"

echo "== other processors: the toolkit-free tree for arm64 (qemu) and WebAssembly (Node) =="
# Neither has Qt, so these trees are also the proof that everything but the window builds and
# passes without it. The long suites against the x87 unit run once, in the x86-64 trees.
start=$SECONDS
arm64_log=$(mktemp)
wasm_log=$(mktemp)
tools/build-arm64.sh build-arm64
(cd build-arm64 && ctest --output-on-failure -j"$(nproc)") | tee "$arm64_log"
tools/build-wasm.sh build-wasm
(cd build-wasm && ctest --output-on-failure -j"$(nproc)") | tee "$wasm_log"
tools/compare-builds.sh build-test/gb18306-cli "qemu-aarch64 $PWD/build-arm64/gb18306-cli" \
  "node $PWD/build-wasm/gb18306-cli.js"
took "$start" "arm64 and WebAssembly builds, tests, comparison:"

echo "== the web page: built with emscripten, driven in headless Chromium =="
start=$SECONDS
tools/deps.sh chromium chromium-driver python3-selenium
site=$(tools/build-web.sh build-web | tail -n 1)
# Screenshots of both layouts, the sheet and the boxes stay for review.
/usr/bin/python3 tests/ui/web/web_page.py "$site" build-test/gb18306-cli build-web/page-screenshots
took "$start" "web page build and browser test:"

echo "== Windows: cross-built with MinGW-w64, tested under Wine, the Linux build's bytes =="
start=$SECONDS
win_log=$(mktemp)
tools/build-windows.sh build-windows
# Now and then Wine's server quits just as the next test's process connects to it ("wine client
# error: recvmsg: Connection reset by peer"), and that test fails before it starts: a failed test
# runs again, up to twice.
(cd build-windows && ctest --output-on-failure --repeat until-pass:3 --timeout 120 -j"$(nproc)") | tee "$win_log"
GB_WINEPREFIX="$PWD/build-windows/wine-prefix" \
  tools/compare-windows.sh "$PWD/build-test/gb18306-cli" "$PWD/build-windows/gb18306-cli.exe"
# The window, driven by keystrokes on its own display; screenshots stay for review.
python3 tests/ui/win32/win32_window.py build-windows/gb18306.exe build-test/gb18306-cli \
  build-windows/wine-prefix build-windows/window-screenshots
mapfile -t windows_packages < <(tools/package-windows.sh build-windows)
for program in gb18306.exe gb18306-cli.exe; do
  unzip -l "${windows_packages[0]}" | grep "win64/$program" >/dev/null ||
    { echo "${windows_packages[0]} lacks $program"; exit 1; }
done
GB_WINEPREFIX="$PWD/build-windows/wine-prefix" \
  tests/packaging/windows-installer.sh "${windows_packages[1]}"
took "$start" "Windows build, tests under Wine, packages:"

if [ "${GB_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== the same tests with AddressSanitizer, UndefinedBehaviorSanitizer, LeakSanitizer =="
  start=$SECONDS
  # Unoptimised with line tables only: this tree is about finding faults, and it builds in about
  # half the time of an optimised one with full debug information. Asserts stay on.
  cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-O0 -g1" \
    -DGB_SANITIZE=address,undefined -DGB_BUILD_BENCH=OFF -DGB_WERROR=ON >/dev/null
  cmake --build build-asan -j"$(nproc)"
  (
    cd build-asan
    export ASAN_OPTIONS=detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # Third-party leaks at exit only; see the file.
    export LSAN_OPTIONS="suppressions=$PWD/../tests/sanitizers/lsan.supp"
    QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
  ) | tee "$sanitizer_log"
  # A report from a child process whose status a test does not look at still counts.
  if grep -qE 'ERROR: (Address|Leak)Sanitizer|runtime error:' \
    build-asan/Testing/Temporary/LastTest.log; then
    echo "sanitizer reports in build-asan/Testing/Temporary/LastTest.log:"
    grep -nE 'ERROR: (Address|Leak)Sanitizer|runtime error:' \
      build-asan/Testing/Temporary/LastTest.log | head -n 20
    exit 1
  fi
  took "$start" "sanitizer build and tests:"
fi

echo "== fuzz target (clang, libFuzzer): build and a short run =="
start=$SECONDS
cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DGB_BUILD_FUZZ=ON -DGB_BUILD_UI=OFF \
  -DGB_BUILD_TESTS=OFF -DGB_BUILD_BENCH=OFF -DGB_WERROR=ON >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target fuzz_decimal
cp fuzz/corpus/* "$corpus"/ 2>/dev/null || true
build-fuzz/fuzz/fuzz_decimal -max_total_time=20 "$corpus" 2>&1 | tail -n 1
took "$start" "fuzz build and run:"

printf '%s\n' "${stage_times[@]}"
echo "release tree: $(summary "$log")"
echo "arm64 tree under qemu: $(summary "$arm64_log")"
echo "WebAssembly tree under Node: $(summary "$wasm_log")"
echo "Windows tree under Wine: $(summary "$win_log")"
logs=("$log" "$arm64_log" "$wasm_log" "$win_log")
if [ "${GB_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "sanitizer tree: $(summary "$sanitizer_log"), no sanitizer reports"
  logs+=("$sanitizer_log")
fi
# The last line counts both runs of every test.
passed=0 failed=0
for l in "${logs[@]}"; do
  read -r p _ f _ <<<"$(summary "$l")"
  passed=$((passed + p)) failed=$((failed + f))
done
echo "tests: $passed passed, $failed failed"
