# The random cases both comparisons run (tools/compare-builds.sh, tools/compare-windows.sh), sourced
# by them: the same seed gives the same cases on every run.

zones=(0.35 0.40 0.45)
pgas=(0.05 0.10 0.15 0.20 0.30 0.40)
sites=(I0 I1 II III IV)

# Appends 48 random runs to the array `cases`, each site's runs with the options in $1 after them.
add_random_cases() {
  local extra=${1:+ $1}
  RANDOM=18306
  for _ in $(seq 1 12); do
    cases+=("--pga ${pgas[RANDOM % 6]} --zone ${zones[RANDOM % 3]} --k1 $((RANDOM % 9)).$RANDOM \
--k2 1.$RANDOM --k3 0.$RANDOM --beta-max $((RANDOM % 4)).$((RANDOM % 100)) \
--site ${sites[RANDOM % 5]}$extra")
    cases+=("${cases[-1]} --report -")
    cases+=("${cases[-2]} --period 0.$RANDOM --period $((RANDOM % 7)).$RANDOM")
    # JSON writes every double in its shortest exact form, so the last bit of each shows.
    cases+=("--pga ${pgas[RANDOM % 6]} --zone ${zones[RANDOM % 3]} --k1 $((RANDOM % 3)).$RANDOM \
--k2 0.$RANDOM --beta-max 2.$RANDOM --rare-tg-increment 0.0$((RANDOM % 10)) --site ${sites[RANDOM % 5]} \
--period $((RANDOM % 7)).$RANDOM --period 0.$RANDOM$RANDOM --period $((RANDOM % 7)).$RANDOM --format json")
  done
}

# Writes the batches into folder $1: sites.csv (four edge rows) and random.csv (a thousand sites).
write_batch_inputs() {
  printf 'id,pga,zone,k1\n1,0.05,0.35,\n2,0.3,0.45,2.5\n3,9,0.35,\n4,0.2,0.40,1e400\n' >"$1/sites.csv"
  {
    echo "id,pga,zone,k1,k2,k3"
    for i in $(seq 1 1000); do
      echo "$i,${pgas[RANDOM % 6]},${zones[RANDOM % 3]},$((RANDOM % 3)).$RANDOM,1.$RANDOM,0.$RANDOM"
    done
  } >"$1/random.csv"
}
