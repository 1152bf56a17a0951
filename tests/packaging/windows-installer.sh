#!/usr/bin/env bash
# The Windows installer under Wine: a silent install into a folder of its own, the installed
# program run, the uninstaller registered, and a silent uninstall that leaves nothing.
# tests/packaging/windows-installer.sh SETUP.exe (GB_WINEPREFIX names the Wine prefix).
set -euo pipefail
setup=${1:?usage: windows-installer.sh SETUP.exe}
here=$(cd "$(dirname "$0")/../../tools" && pwd)
: "${GB_WINEPREFIX:?GB_WINEPREFIX names the Wine prefix}"
run() { "$here/wine-run.sh" "$@"; }
folder='C:\gb18306-installer-test'
unix=$GB_WINEPREFIX/drive_c/gb18306-installer-test
rm -rf "$unix"
run "$setup" /S "/D=$folder"
for f in gb18306.exe gb18306-cli.exe README.md LICENSE.txt uninstall.exe; do
  [ -f "$unix/$f" ] || { echo "the installer left out $f"; exit 1; }
done
version=$(run "$unix/gb18306-cli.exe" --version | tr -d '\r')
echo "installed: $version"
menu="$GB_WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/gb18306/gb18306.lnk"
[ -f "$menu" ] || { echo "no Start-menu entry"; exit 1; }
# The installed window starts: on a display of its own, its main window appears.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null; then
  display=:$((90 + RANDOM % 100))
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb=$!
  sleep 1
  # The server the runs above started has no display, nor would the window's desktop.
  WINEPREFIX=$GB_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
  WINEPREFIX=$GB_WINEPREFIX wineserver -w >/dev/null 2>&1 || true
  DISPLAY=$display "$here/wine-run.sh" "$unix/gb18306.exe" >/dev/null 2>&1 &
  shown=""
  for _ in $(seq 1 120); do
    if DISPLAY=$display xdotool search --onlyvisible --name 'RI 18306-2015' >/dev/null 2>&1; then
      shown=yes
      break
    fi
    sleep 0.5
  done
  WINEPREFIX=$GB_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  [ -n "$shown" ] || { echo "the installed window did not appear"; exit 1; }
  echo "the installed window started"
fi
run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\gb18306' /v UninstallString \
  | grep 'uninstall.exe' >/dev/null || { echo "no uninstaller registered"; exit 1; }
# _?= runs the uninstaller in place and waits for it; it cannot remove itself then.
run "$unix/uninstall.exe" /S "_?=$folder"
rm -f "$unix/uninstall.exe"
rmdir "$unix" 2>/dev/null || { echo "the uninstaller left: $(ls "$unix")"; exit 1; }
[ ! -e "$menu" ] || { echo "the uninstaller left the Start-menu entry"; exit 1; }
if run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\gb18306' >/dev/null 2>&1; then
  echo "the uninstaller left its registry key"
  exit 1
fi
echo "installed, ran and uninstalled: $setup"
