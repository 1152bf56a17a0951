#!/usr/bin/env bash
# Builds the web page with Debian's emscripten: tools/build-web.sh [BUILD_DIR] (default
# build-web/). The page lands in BUILD_DIR/site/, static files only: open site/index.html from
# the folder or serve the folder (tools/serve-web.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/deps.sh emscripten nodejs cmake make
# Debian's emscripten finds its JavaScript parser (acorn) among Debian's Node modules.
export NODE_PATH=/usr/share/nodejs
dir=${1:-build-web}
# Optimised for size, not speed: the page is a download, and the whole report still takes a
# fraction of a frame.
GB_CONFIGURE_WRAPPER=emcmake tools/cross-build.sh "$dir" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DGB_BUILD_TESTS=OFF -- gb18306-web
site="$dir/site"
rm -rf "$site"
mkdir -p "$site"
cp ui/web/site/* "$site/"
cp "$dir/module/gb18306-web.js" "$site/gb18306.js"
# The service worker's cache is named after the files it keeps, so a new build replaces it.
version=$(cat "$site"/* | sha256sum | cut -c1-16)
sed -i "s/@VERSION@/$version/" "$site/sw.js"
echo "$site"
