# What the command's benchmarks share, sourced from the source tree's top:
#   bench_start NAME BUILD_DIR   sets exe (the build's nanbaru-search; exits 2 when it is not
#                                built) and work (a scratch folder, removed on exit)
#   timed_case NAME WORD...      a case to time: the words of its command, led by any
#                                VAR=VALUE settings, "|" between the commands of a pipeline,
#                                "> FILE" at the end to send its output there
#   time_alternating RUNS        one untimed run of each case, then RUNS rounds of every case
#                                in turn; the times (microseconds) land in the array times[NAME];
#                                $work/out holds what the last case printed last
#   median                       the median of the numbers on standard input, one a line
#   report LABEL OURS REF... GOAL  the median of OURS against the fastest median of the REFs
# Sourced from the source tree's top: the timer is found from any folder a bench moves to.
spawn_times=$PWD/bench/spawn_times.py

bench_start() {
  exe=$2/bin/nanbaru-search
  [ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 2; }
  work=$(mktemp -d "/tmp/nanbaru-$1.XXXXXX")
  trap 'rm -rf "$work"' EXIT
}

# bench/spawn_times.py starts every case itself, so no shell is timed in front of any. Exit
# statuses are not judged (grep answers 1 when it counts nothing). Output goes to $work/out,
# not /dev/null: grep, seeing its output discarded, would stop at the first match instead of
# counting all.
timed_case() {
  local IFS=$'\x1f'
  printf '%s\n' "$*" >>"$work/cases"
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

time_alternating() {
  local name rest
  declare -gA times
  python3 "$spawn_times" "$1" "$work/out" <"$work/cases" >"$work/times"
  rm "$work/cases"
  while read -r name rest; do times[$name]=$rest; done <"$work/times"
}

med() { printf '%s\n' ${times[$1]} | median; }

report() {
  local label=$1 ours goal best= j m
  ours=$(med "$2")
  goal=${!#}
  for ((j = 3; j < $#; j++)); do
    m=$(med "${!j}")
    if [ -z "$best" ] || [ "$m" -lt "$best" ]; then best=$m; fi
  done
  awk -v l="$label" -v a="$ours" -v b="$best" -v g="$goal" 'BEGIN {
    printf "  %-38s ours %7.2f ms, reference %7.2f ms, ratio %.2f (goal %s)\n",
           l, a / 1000, b / 1000, a / b, g }'
}
