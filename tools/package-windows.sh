#!/usr/bin/env bash
# Packages the Windows build: out/gb18306-<version>-win64.zip (programs, README, LICENSE) and the
# 64-bit installer out/gb18306-<version>-win64-setup.exe. tools/package-windows.sh [BUILD_DIR]
# (default build-windows/, built first when its program is missing). Prints the two paths.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-windows}
[ -f "$dir/gb18306-cli.exe" ] && [ -f "$dir/gb18306.exe" ] ||
  tools/build-windows.sh "$dir" gb18306-cli gb18306 >/dev/null
version=$(sed -nE 's/^project\(gb18306 VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
mkdir -p out
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
name="gb18306-$version-win64"
mkdir "$stage/$name"
cp "$dir/gb18306.exe" "$dir/gb18306-cli.exe" "$stage/$name/"
cp README.md "$stage/$name/README.md"
cp LICENSE "$stage/$name/LICENSE.txt"
rm -f "out/$name.zip"
(cd "$stage" && zip -q -r -X "$OLDPWD/out/$name.zip" "$name")
makensis -V2 -DVERSION="$version" -DBUILD="$PWD/$dir" -DSOURCE="$PWD" \
  -DOUTFILE="$PWD/out/$name-setup.exe" packaging/windows/gb18306.nsi >/dev/null
echo "out/$name.zip"
echo "out/$name-setup.exe"
