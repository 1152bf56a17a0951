#!/usr/bin/env bash
# Configures and builds a release tree: tools/build.sh DIR [TARGET...].
# With targets only those are built (and what they need); without, everything.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
dir=${1:?usage: tools/build.sh DIR [TARGET...]}
shift
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGB_WERROR="${GB_WERROR:-OFF}" >/dev/null
if [ $# -gt 0 ]; then
  cmake --build "$dir" -j"$(nproc)" --target "$@"
else
  cmake --build "$dir" -j"$(nproc)"
fi
