#!/usr/bin/env bash
# The postal search over the whole bundled national list for a key found nowhere (no
# prefecture, so every line is read) against `grep -F -c` with the same Shift-JIS key on the
# same file: whole processes, alternating runs, median wall time of each and their ratio.
# Then the peak memory of the same search over a 1 GB file made by repeating the list.
#   bench/postal_scan.sh [BUILD_DIR] [RUNS]   (defaults build and 15; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
runs=${2:-15}
exe=$build/bin/nanbaru-search
list=$build/data/KEN_ALL.CSV
[ -x "$exe" ] && [ -f "$list" ] || { echo "no $exe or $list: build first" >&2; exit 2; }

work=$(mktemp -d /tmp/nanbaru-postal-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# A place name in no line of the list: the command takes it as UTF-8, grep as its Shift-JIS
# bytes from a file (no shell argument can carry them portably).
key=存在地名
printf '\x91\xb6\x8d\xdd\x92\x6e\x96\xbc\n' >"$work/key"

count=$(LC_ALL=C grep -F -c -f "$work/key" "$list" || true)
[ "$count" = 0 ] || { echo "the key is in $count lines of the list" >&2; exit 1; }
"$exe" postal "$key" | grep -q '検索終了 0件' || { echo "the search found the key" >&2; exit 1; }

# Wall time of one run in microseconds from bash's own clock, so no extra process is timed.
# grep answers 1 when it counts nothing, so exit statuses are not judged here. Output goes to
# a file, not /dev/null: grep, seeing its output discarded, would stop at the first match.
time_us() {
  local start end
  start=${EPOCHREALTIME/[.,]/}
  "$@" >"$work/out" 2>&1 || true
  end=${EPOCHREALTIME/[.,]/}
  echo $((end - start))
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# grep is timed in two locales and the faster is the reference: with a Shift-JIS key it runs
# about twice as fast in C.UTF-8 as in C on this kind of machine.
grep_utf8() { LC_ALL=C.UTF-8 grep -F -c -f "$work/key" "$list"; }
grep_c() { LC_ALL=C grep -F -c -f "$work/key" "$list"; }

# One untimed run of each, so all find the file in the page cache.
time_us "$exe" postal "$key" >/dev/null
time_us grep_utf8 >/dev/null
time_us grep_c >/dev/null
ours=()
utf8=()
c=()
for ((i = 0; i < runs; i++)); do
  ours+=("$(time_us "$exe" postal "$key")")
  utf8+=("$(time_us grep_utf8)")
  c+=("$(time_us grep_c)")
done
ours_med=$(printf '%s\n' "${ours[@]}" | median)
utf8_med=$(printf '%s\n' "${utf8[@]}" | median)
c_med=$(printf '%s\n' "${c[@]}" | median)
awk -v a="$ours_med" -v u="$utf8_med" -v c="$c_med" -v r="$runs" -v s="$(stat -c %s "$list")" 'BEGIN {
  b = u < c ? u : c
  printf "whole list (%d bytes), key found nowhere, median of %d alternating runs:\n", s, r
  printf "  nanbaru-search postal %.2f ms; grep -F -c %.2f ms (C.UTF-8), %.2f ms (C)\n",
         a / 1000, u / 1000, c / 1000
  printf "  ratio to the faster grep %.2f (goal <= 1.5)\n", a / b }'

# About 1 GB: the list repeated.
big=$work/big.csv
repeats=$(((1024 * 1024 * 1024 + $(stat -c %s "$list") - 1) / $(stat -c %s "$list")))
for ((i = 0; i < repeats; i++)); do cat "$list"; done >"$big"
peak_kb=$(/usr/bin/time -f '%M' "$exe" postal --file "$big" "$key" 2>&1 >/dev/null | tail -n 1)
awk -v k="$peak_kb" -v s="$(stat -c %s "$big")" 'BEGIN {
  printf "peak memory over a %.2f GB file: %.1f MB maximum resident set (goal < 30 MB)\n",
         s / 1e9, k / 1024 }'
