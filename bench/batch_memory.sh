#!/bin/sh
# Peak memory of gb18306-cli --batch for 10,000 and for 1,000,000 sites, CSV in to CSV out: the
# two must be the same within a few hundred kilobytes, however long the line of sites.
# Usage: bench/batch_memory.sh [path/to/gb18306-cli]
set -eu
cli=${1:-build/gb18306-cli}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sites() {
  awk -v n="$1" 'BEGIN {
    srand(18306)
    split("0.05 0.10 0.15 0.20 0.30 0.40", pga, " "); split("0.35 0.40 0.45", zone, " ")
    print "id,name,lat,lon,pga,zone,k1,k2,k3,rare_tg_increment,very_rare_tg_increment,beta_max"
    for (i = 0; i < n; i++)
      printf "%d,site %d,%.6f,%.6f,%s,%s,%.3f,%.3f,%.4f,%.3f,%.3f,%.2f\n", i, i, 30 + rand(),
        110 + rand(), pga[int(rand() * 6) + 1], zone[int(rand() * 3) + 1], 2 + 1.5 * rand(),
        1.5 + 0.7 * rand(), 0.3 + 0.1 * rand(), 0.1 * rand(), 0.1 * rand(), 2 + rand()
  }' > "$work/sites.csv"
}
for rows in 10000 1000000; do
  sites "$rows"
  /usr/bin/time -f "$rows rows: %e s elapsed, %U s user, %S s system, peak RSS %M KB" \
    "$cli" --batch "$work/sites.csv" --output "$work/results.csv" --encoding UTF-8
done
