#!/usr/bin/env bash
# Installs the Debian packages the Windows builds need (the MinGW-w64 cross compiler, Wine to run
# what it builds, NSIS for the installer; Xvfb, xdotool, Python and ImageMagick for the window's
# test and its screenshots), only those that are missing.
set -euo pipefail

"$(dirname "$0")/deps.sh" g++-mingw-w64-x86-64-posix mingw-w64-tools wine wine64 nsis zip unzip \
  googletest xvfb xdotool python3 imagemagick

# The Chinese cases run under LANG=zh_CN.UTF-8, which Wine turns into code page 936 only where
# the system has that locale.
if ! locale -a 2>/dev/null | grep -i '^zh_CN\.utf-\?8$' >/dev/null; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo localedef -i zh_CN -c -f UTF-8 zh_CN.UTF-8
fi
