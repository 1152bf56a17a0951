#!/usr/bin/env bash
# Other builds' command lines against the x86-64 Linux one, byte for byte:
#   tools/compare-builds.sh LINUX_CLI 'COMMAND...' ['COMMAND...']...
# where each COMMAND starts another build's command line, e.g. 'qemu-aarch64 build-arm64/gb18306-cli'
# or 'node build-wasm/gb18306-cli.js'. For the defaults, random and extreme inputs, rejected texts,
# periods, JSON (whose shortest-form doubles show every last bit), the report in GBK and UTF-8,
# batches of a thousand random sites as CSV and JSON Lines and a file error, every build must write
# the same output, messages and files and exit alike. Prints one line per difference and exits 1
# if there is any. (The Windows build has its own comparison, tools/compare-windows.sh, which adds
# its code pages.)
set -euo pipefail
. "$(dirname "$0")/compare-cases.sh"
usage="usage: tools/compare-builds.sh LINUX_CLI 'COMMAND...' ['COMMAND...']..."
reference=$(realpath "${1:?$usage}")
shift
[ $# -gt 0 ] || { echo "$usage" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export LC_ALL=C.UTF-8 LANG=C.UTF-8

cases=(
  ""
  "--encoding GBK --report -"
  "--report -"
  "--format json"
  "--pga 0.40 --zone 0.45 --site IV --encoding GBK --report -"
  "--k1 1e300 --beta-max 1e8 --report -"
  "--pga 0.3 --k1 abc"
  "--beta-max 1e4000"
  "--rare-tg-increment=-5"
  "--pga 0.40 --k1 1e308 --beta-max 100"
  "--period 0.37 --period 1e-300 --period 6 --period 1234.5 --format json"
  "--period 0.1 --period 0.2 --site I0"
  "--encoding NO-SUCH"
  "--encoding UTF-16"
  "--pga 北京"
  "--k1 ２．９"
  "--k3 x$(printf '7%.0s' {1..200})"
  "--no-such-option"
  "--help"
  "--version"
  "--spectrum-file sgs --level basic --encoding GBK"
  "--pga 0.20 --zone 0.40 --rare-tg-increment 0.03 --site III --spectrum-file opensees --level rare"
  "--k1 2.71828 --beta-max 2.3456 --site I0 --spectrum-file csv"
  "--spectrum-file csi --level 极罕遇地震动 --very-rare-tg-increment 0.0777"
  "--spectrum-file sgs"
)
add_random_cases

write_batch_inputs "$work"
file_cases=("r.csv --encoding GBK --report r.csv" "u.csv --encoding UTF-8 --report u.csv"
  "b.csv --batch sites.csv --output b.csv --encoding GBK"
  "b.jsonl --batch sites.csv --output b.jsonl --format jsonl"
  "c.csv --batch random.csv --output c.csv" "c.jsonl --batch random.csv --output c.jsonl --format jsonl"
  "s.txt --site IV --spectrum-file csi --level frequent --output s.txt")

failures=0
runs=0
differs() { echo "differs: $*"; failures=$((failures + 1)); }
# run NAME COMMAND... -- ARGS...: output, messages and status in $work/NAME.{out,err,status}
run() {
  local name=$1
  shift
  set +e
  (cd "$work" && "$@" >"$name.out" 2>"$name.err"; echo $? >"$name.status")
  set -e
}
for other in "$@"; do
  read -r -a command <<<"$other"
  for c in "${cases[@]}"; do
    read -r -a args <<<"$c"
    run ref "$reference" "${args[@]}"
    run other "${command[@]}" "${args[@]}"
    for part in out err status; do
      cmp -s "$work/ref.$part" "$work/other.$part" || differs "$part of '$c' from '$other'"
    done
    runs=$((runs + 1))
  done
  for c in "${file_cases[@]}" "missing/r.csv --report missing/r.csv"; do
    file=${c%% *}
    read -r -a args <<<"${c#* }"
    run ref "$reference" "${args[@]}"
    [ -e "$work/$file" ] && mv "$work/$file" "$work/ref.file"
    run other "${command[@]}" "${args[@]}"
    if [ -e "$work/ref.file" ]; then
      cmp -s "$work/ref.file" "$work/$file" || differs "file of '$c' from '$other'"
      rm -f "$work/ref.file" "$work/$file"
    fi
    for part in out err status; do
      cmp -s "$work/ref.$part" "$work/other.$part" || differs "$part of '$c' from '$other'"
    done
    runs=$((runs + 1))
  done
done
echo "compared $runs runs of $# build(s) with $reference: $failures differences"
[ "$failures" -eq 0 ]
