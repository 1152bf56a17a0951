#!/usr/bin/env bash
# Builds the web page and serves it on this machine only, for a try: tools/serve-web.sh [PORT]
# (default 8306), then open http://127.0.0.1:PORT/ in a browser. Served (unlike opened from the
# folder) the page installs as an app and keeps working offline.
set -euo pipefail
cd "$(dirname "$0")/.."
port=${1:-8306}
site=$(tools/build-web.sh build-web | tail -n 1)
echo "Serving $site on http://127.0.0.1:$port/ (Ctrl+C stops)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$site"
