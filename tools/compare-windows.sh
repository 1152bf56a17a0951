#!/usr/bin/env bash
# The Windows command line against the Linux one: tools/compare-windows.sh LINUX_CLI WINDOWS_EXE.
# Under code page 936 (LANG=zh_CN.UTF-8), for the defaults, random and extreme inputs, rejected
# texts, periods, JSON and batches, both must write the same bytes and exit alike; messages must
# read the same once the Windows build's GBK is made UTF-8, and a file error (a missing folder, a
# read-only one) must carry the system's Chinese text. Prints one line per difference and exits 1
# if there is any.
set -euo pipefail
linux=${1:?usage: tools/compare-windows.sh LINUX_CLI WINDOWS_EXE}
windows=${2:?usage: tools/compare-windows.sh LINUX_CLI WINDOWS_EXE}
here=$(cd "$(dirname "$0")" && pwd)
. "$here/compare-cases.sh"
work=$(mktemp -d)
trap 'umount "$work/ro" 2>/dev/null || true; rm -rf "$work"' EXIT
export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
: "${GB_WINEPREFIX:?GB_WINEPREFIX names the Wine prefix}"
# The prefix's server keeps the locale it started with.
WINEPREFIX=$GB_WINEPREFIX wineserver -k 2>/dev/null || true

cases=(
  "--encoding GBK"
  "--encoding GBK --report -"
  "--format json"
  "--pga 0.40 --zone 0.45 --site IV --encoding GBK --report -"
  "--k1 1e300 --beta-max 1e8 --encoding GBK --report -"
  "--pga 0.3 --k1 abc"
  "--beta-max 1e4000"
  "--rare-tg-increment=-5"
  "--pga 0.40 --k1 1e308 --beta-max 100"
  "--period 0.37 --period 1e-300 --period 6 --period 1234.5 --format json"
  "--period 0.1 --period 0.2 --site I0 --encoding GBK"
  "--encoding NO-SUCH"
  "--encoding UTF-16"
  # Messages repeat Chinese and full-width arguments in the stream's code page, long ones cut.
  "--pga 北京"
  "--k1 ２．９"
  "--site 三类 --report -"
  "--k3 x$(printf '7%.0s' {1..200})"
)
add_random_cases "--encoding GBK"

failures=0
differs() { echo "differs: $*"; failures=$((failures + 1)); }
run_both() {  # ARGS...: runs both, output and status in $work/{l,w}.{out,err,status}
  set +e
  (cd "$work" && "$linux" "$@" >l.out 2>l.err; echo $? >l.status)
  (cd "$work" && "$here/wine-run.sh" "$windows" "$@" >w.out 2>w.err; echo $? >w.status)
  set -e
  iconv -f GBK -t UTF-8 "$work/w.err" >"$work/w.err8" 2>/dev/null || cp "$work/w.err" "$work/w.err8"
}
for c in "${cases[@]}"; do
  read -r -a args <<<"$c"
  run_both "${args[@]}"
  cmp -s "$work/l.out" "$work/w.out" || differs "output of: $c"
  cmp -s "$work/l.status" "$work/w.status" || differs "exit status of: $c"
  cmp -s "$work/l.err" "$work/w.err8" || differs "messages of: $c"
done

# The report as a file, and batches: a few edge rows, then a thousand random sites.
write_batch_inputs "$work"
files=0
for c in "r.csv --encoding GBK --report r.csv" "b.csv --batch sites.csv --output b.csv --encoding GBK" \
  "b.jsonl --batch sites.csv --output b.jsonl --format jsonl" \
  "c.csv --batch random.csv --output c.csv --encoding GBK" \
  "c.jsonl --batch random.csv --output c.jsonl --format jsonl"; do
  read -r file <<<"${c%% *}"
  read -r -a args <<<"${c#* }"
  set +e
  (cd "$work" && "$linux" "${args[@]}" >/dev/null 2>&1; echo $? >l.status)
  mv "$work/$file" "$work/l.$file"
  (cd "$work" && "$here/wine-run.sh" "$windows" "${args[@]}" >/dev/null 2>&1; echo $? >w.status)
  set -e
  cmp -s "$work/l.$file" "$work/$file" || differs "file of: $c"
  cmp -s "$work/l.status" "$work/w.status" || differs "exit status of: $c"
  files=$((files + 1))
done

# A missing folder: the Linux message's shape with Windows' own Chinese text (Windows says
# 系统找不到指定的路径, Wine 找不到路径).
run_both --report missing/r.csv
grep -q '^Cannot create file ".*missing.r\.csv"\. [^ -~]*路径\.$' "$work/w.err8" ||
  differs "missing folder message: $(cat "$work/w.err8")"
cmp -s "$work/l.status" "$work/w.status" || differs "exit status of a missing folder"

# A read-only folder (a read-only file system, which needs root to mount): both refuse, with
# the system's text, and leave the former file as it was and nothing beside it.
readonly_case="a read-only folder"
if [ "$(id -u)" -eq 0 ] && mkdir -p "$work/ro" && mount -t tmpfs -o size=1m tmpfs "$work/ro" 2>/dev/null; then
  printf 'former' >"$work/ro/r.csv"
  mount -o remount,ro "$work/ro"
  set +e
  (cd "$work/ro" && "$linux" --report r.csv >/dev/null 2>"$work/l.err"; echo $? >"$work/l.status")
  (cd "$work/ro" && "$here/wine-run.sh" "$windows" --report r.csv >/dev/null 2>"$work/w.err"; echo $? >"$work/w.status")
  set -e
  iconv -f GBK -t UTF-8 "$work/w.err" >"$work/w.err8" 2>/dev/null || cp "$work/w.err" "$work/w.err8"
  cmp -s "$work/l.status" "$work/w.status" || differs "exit status of a read-only folder"
  grep -q '^Cannot create file ".*ro.r\.csv"\. [^ -~]*\.$' "$work/w.err8" ||
    differs "read-only folder message: $(cat "$work/w.err8")"
  [ "$(cat "$work/ro/r.csv")" = former ] && [ "$(ls -A "$work/ro")" = r.csv ] ||
    differs "the read-only folder changed: $(ls -A "$work/ro")"
  umount "$work/ro"
else
  readonly_case="no read-only folder (needs root to mount one)"
fi

echo "compared ${#cases[@]} runs, $files files, a missing folder and $readonly_case: $failures differences"
[ "$failures" -eq 0 ]
