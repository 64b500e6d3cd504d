#!/usr/bin/env bash
# The area-code search over a ~100 MB area-code-like file against `grep -F -c` with the same
# key on the same file: whole processes, alternating runs, median wall time of each.
#   bench/area_scan.sh [BUILD_DIR] [RUNS] [MEGABYTES]   (defaults build, 15, 100; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."

. bench/common.sh

runs=${2:-15}
megabytes=${3:-100}
bench_start area-bench "${1:-build}"
data=$work/area.txt
# A seven-digit key: the generated lines never hold one, so it is found only where planted.
found_key=7777777
absent_key=8888888
python3 bench/make_area_like.py data/郵電話.txt "$data" "$megabytes" "$found_key" 5
echo "file: $(stat -c %s "$data") bytes, $(LC_ALL=C grep -c '' "$data") lines"

bench_key() {
  local key=$1
  local expected got
  expected=$(LC_ALL=C grep -F -c -- "$key" "$data" || true)
  got=$("$exe" area --file "$data" "$key" | LC_ALL=C grep -c "^   .*$key" || true)
  [ "$got" = "$expected" ] || { echo "key $key: search shows $got lines, grep counts $expected" >&2; exit 1; }
  # grep is timed in the C locale (bytes as they are) and in C.UTF-8; the faster is the reference.
  timed_case ours "$exe" area --file "$data" "$key"
  timed_case utf8 LC_ALL=C.UTF-8 grep -F -c -- "$key" "$data"
  timed_case c LC_ALL=C grep -F -c -- "$key" "$data"
  time_alternating "$runs"
  [ "$(cat "$work/out")" = "$expected" ] || { echo "key $key: the timed grep did not count" >&2; exit 1; }
  local ours_med c_med utf8_med
  ours_med=$(med ours)
  c_med=$(med c)
  utf8_med=$(med utf8)
  awk -v k="$key" -v n="$expected" -v a="$ours_med" -v c="$c_med" -v u="$utf8_med" -v r="$runs" 'BEGIN {
    b = c < u ? c : u
    printf "key %s (%d lines): nanbaru-search area %.1f ms, grep -F -c %.1f ms (C), %.1f ms (C.UTF-8), ratio to the faster %.2f (median of %d)\n",
           k, n, a / 1000, c / 1000, u / 1000, a / b, r }'
}

bench_key "$found_key"
bench_key "$absent_key"
