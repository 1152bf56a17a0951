#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, only those that are missing:
# tools/deps.sh, or tools/deps.sh PACKAGE... for others (the Windows build's).
set -euo pipefail

packages=("$@")
[ $# -gt 0 ] || packages=(
  cmake make g++ pkg-config git
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev libvulkan-dev
  qt6-svg-dev poppler-utils
  libmpfr-dev
  fonts-noto-cjk locales qt6-translations-l10n
  xvfb xauth xdotool desktop-file-utils strace
  dpkg-dev file appstream lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep 'install ok installed' >/dev/null || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
