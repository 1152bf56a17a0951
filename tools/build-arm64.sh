#!/usr/bin/env bash
# Cross-builds the toolkit-free tree (the command line and every suite without a window) for
# 64-bit ARM Linux: tools/build-arm64.sh [BUILD_DIR [TARGET...]] (default build-arm64/). The
# command line lands at BUILD_DIR/gb18306-cli, statically linked; `ctest` in BUILD_DIR runs the
# tests under qemu-aarch64.
set -euo pipefail
cd "$(dirname "$0")/.."
# The static C library still loads its character-set converters (GBK among them) at run time,
# from the ARM system's gconv folder: Debian's libc6:arm64 puts it where qemu-aarch64 finds it.
if ! dpkg --print-foreign-architectures | grep -qx arm64; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo dpkg --add-architecture arm64
fi
tools/deps.sh g++-aarch64-linux-gnu qemu-user googletest cmake make libc6:arm64
dir=${1:-build-arm64}
[ $# -gt 0 ] && shift
tools/cross-build.sh "$dir" -DCMAKE_TOOLCHAIN_FILE=cmake/aarch64-linux-gnu.cmake -- "$@"
