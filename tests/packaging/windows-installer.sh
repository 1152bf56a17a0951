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
for f in gb18306-cli.exe README.md LICENSE.txt uninstall.exe; do
  [ -f "$unix/$f" ] || { echo "the installer left out $f"; exit 1; }
done
version=$(run "$unix/gb18306-cli.exe" --version | tr -d '\r')
echo "installed: $version"
run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\gb18306' /v UninstallString \
  | grep -q 'uninstall.exe' || { echo "no uninstaller registered"; exit 1; }
# _?= runs the uninstaller in place and waits for it; it cannot remove itself then.
run "$unix/uninstall.exe" /S "_?=$folder"
rm -f "$unix/uninstall.exe"
rmdir "$unix" 2>/dev/null || { echo "the uninstaller left: $(ls "$unix")"; exit 1; }
if run reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\gb18306' >/dev/null 2>&1; then
  echo "the uninstaller left its registry key"
  exit 1
fi
echo "installed, ran and uninstalled: $setup"
