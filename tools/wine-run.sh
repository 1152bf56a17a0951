#!/usr/bin/env bash
# Runs a Windows program under Wine in the build tree's own prefix: tools/wine-run.sh PROGRAM
# [ARG...]. GB_WINEPREFIX names the prefix (the build script sets it); it is made on first use,
# with the crash dialog off so that a crash ends the program instead of waiting for a click.
set -euo pipefail
prefix=${GB_WINEPREFIX:?GB_WINEPREFIX names the Wine prefix}
export WINEPREFIX=$prefix WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$prefix/system.reg" ]; then
  # Several tests may start at once: one makes the prefix, the others wait for it.
  mkdir -p "$prefix"
  exec 9>"$prefix.lock"
  flock 9
  if [ ! -f "$prefix/system.reg" ]; then
    wineboot --init >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    wineserver -w
  fi
  flock -u 9
fi
exec wine "$@"
