# What the command's benchmarks share, sourced from the source tree's top:
#   bench_start NAME BUILD_DIR   sets exe (the build's nanbaru-search; exits 2 when it is not
#                                built) and work (a scratch folder, removed on exit)
#   time_us COMMAND...           runs it once; prints its wall time in microseconds
#   median                       the median of the numbers on standard input, one a line
#   time_alternating RUNS F...   one untimed run of each function, then RUNS rounds of each in
#                                turn; the times land in the array times[F]
#   report LABEL OURS REF... GOAL  the median of OURS against the fastest median of the REFs
bench_start() {
  exe=$2/bin/nanbaru-search
  [ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 2; }
  work=$(mktemp -d "/tmp/nanbaru-$1.XXXXXX")
  trap 'rm -rf "$work"' EXIT
}

# The time comes from bash's own clock, so no extra process is timed. Exit statuses are not
# judged (grep answers 1 when it counts nothing). Output goes to $work/out, not /dev/null:
# grep, seeing its output discarded, would stop at the first match instead of counting all.
time_us() {
  local start end
  start=${EPOCHREALTIME/[.,]/}
  "$@" >"$work/out" 2>&1 || true
  end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

time_alternating() {
  local runs=$1 f i
  shift
  # The untimed runs find every file in the page cache.
  for f in "$@"; do time_us "$f" >/dev/null; done
  declare -gA times
  for ((i = 0; i < runs; i++)); do
    for f in "$@"; do times[$f]+="$(time_us "$f") "; done
  done
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
