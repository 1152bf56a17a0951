#!/usr/bin/env bash
# The shared part of the cross builds (Windows, arm64, WebAssembly):
#   tools/cross-build.sh DIR [CMAKE_ARG...] -- [TARGET...]
# configures the toolkit-free tree in DIR (release, no window, no benchmarks; warnings are errors
# when GB_WERROR=ON) with the CMAKE_ARGs and builds the TARGETs, or everything. A command that
# wraps the configuration (emcmake) goes in GB_CONFIGURE_WRAPPER.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:?usage: tools/cross-build.sh DIR [CMAKE_ARG...] -- [TARGET...]}
shift
args=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
  args+=("$1")
  shift
done
[ $# -gt 0 ] && shift
read -r -a wrapper <<<"${GB_CONFIGURE_WRAPPER:-}"
"${wrapper[@]}" cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DGB_BUILD_UI=OFF \
  -DGB_BUILD_BENCH=OFF -DGB_WERROR="${GB_WERROR:-OFF}" "${args[@]}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$dir" -j"$(nproc)" --target "$@"
else
  cmake --build "$dir" -j"$(nproc)"
fi
