#!/usr/bin/env bash
# Builds the Debian package gb18306_<version>_amd64.deb into out/ from an optimised tree in
# build-package/, then lets lintian judge it where lintian is installed (errors fail).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DGB_BUILD_TESTS=OFF -DGB_BUILD_BENCH=OFF -DGB_WERROR="${GB_WERROR:-OFF}" >/dev/null
cmake --build build-package -j"$(nproc)"
(cd build-package && cpack -G DEB >/dev/null)
mkdir -p out
deb=$(ls -t build-package/gb18306_*_amd64.deb | head -n 1)
mv -f "$deb" out/
deb=out/$(basename "$deb")
if command -v lintian >/dev/null; then
  # Only errors stop the package; warnings (no manual page, say) are shown for the record.
  lintian --fail-on error --no-tag-display-limit "$deb"
fi
echo "$deb"
