#!/usr/bin/env bash
# Configures and builds the release tree in build/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGB_WERROR="${GB_WERROR:-OFF}" >/dev/null
cmake --build build -j"$(nproc)"
