#!/bin/sh
# Batch rows per second of the Windows command line under Wine against the Linux one, on the
# same machine and the same 1,000,000 sites (CSV in, GBK CSV out); the Windows build should stay
# within 1.5 times the Linux build's time. Each is timed three times and its best run counts.
# Usage: bench/batch_wine.sh [LINUX_CLI [WINDOWS_EXE]]  (with GB_WINEPREFIX set, as tools/test.sh
# sets it, or the build's own prefix)
set -eu
linux=${1:-build-test/gb18306-cli}
windows=${2:-build-windows/gb18306-cli.exe}
here=$(cd "$(dirname "$0")" && pwd)
: "${GB_WINEPREFIX:=$(cd "$(dirname "$windows")" && pwd)/wine-prefix}"
export GB_WINEPREFIX LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
rows=${GB_BENCH_ROWS:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk -v n="$rows" 'BEGIN {
  srand(18306)
  split("0.05 0.10 0.15 0.20 0.30 0.40", pga, " "); split("0.35 0.40 0.45", zone, " ")
  print "id,name,pga,zone,k1,k2,k3,beta_max"
  for (i = 0; i < n; i++)
    printf "%d,site %d,%s,%s,%.3f,%.3f,%.4f,%.2f\n", i, i, pga[int(rand() * 6) + 1],
      zone[int(rand() * 3) + 1], 2 + 1.5 * rand(), 1.5 + 0.7 * rand(), 0.3 + 0.1 * rand(), 2 + rand()
}' >"$work/sites.csv"

best() {  # COMMAND...: the shortest of three wall-clock times, in seconds
  b=""
  for _ in 1 2 3; do
    s=$(date +%s.%N)
    "$@" --batch "$work/sites.csv" --output "$work/out.csv" --encoding GBK >/dev/null 2>&1
    t=$(awk -v s="$s" -v e="$(date +%s.%N)" 'BEGIN { printf "%.2f", e - s }')
    if [ -z "$b" ] || awk -v t="$t" -v b="$b" 'BEGIN { exit !(t < b) }'; then b=$t; fi
  done
  echo "$b"
}
"$here/../tools/wine-run.sh" "$windows" --version >/dev/null 2>&1  # start Wine's server first
l=$(best "$linux")
w=$(best "$here/../tools/wine-run.sh" "$windows")
awk -v n="$rows" -v l="$l" -v w="$w" 'BEGIN {
  printf "%d rows: Linux %.2f s (%d rows/s), Wine %.2f s (%d rows/s), Windows/Linux time %.2f\n",
    n, l, n / l, w, n / w, w / l
}'
