#!/usr/bin/env bash
# Builds and starts the calculator: the desktop program when it is built, otherwise the
# command-line companion with the designed inputs.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/build.sh
if [ -x build/gb18306 ]; then
  exec build/gb18306 "$@"
fi
exec build/gb18306-cli "$@"
