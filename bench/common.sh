# What the command's benchmarks share, sourced from the source tree's top:
#   bench_start NAME BUILD_DIR   sets exe (the build's nanbaru-search; exits 2 when it is not
#                                built) and work (a scratch folder, removed on exit)
#   time_us COMMAND...           runs it once; prints its wall time in microseconds
#   median                       the median of the numbers on standard input, one a line
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
