#!/usr/bin/env bash
# The postal search over the whole national list for a key found nowhere (no prefecture, so
# every line is read), in the three forms a user may choose, each against the usual tools on
# the same bytes: whole processes, alternating runs, median wall time of each and ratios.
#   Shift-JIS KEN_ALL.CSV      against grep -F -c with the Shift-JIS key, and wc -l (reading
#                              alone); also for 鹿沼市, which lists 113 lines
#   ken_all.zip as published   against unzip -p | grep -F -c, and unzip -p alone (inflating)
#   UTF-8 utf_ken_all.csv      against grep -F -c with the UTF-8 key
# Then the peak memory of the search over a 1 GB file made by repeating the list, plain and
# zipped.
#   bench/postal_scan.sh [BUILD_DIR] [RUNS]   (defaults build and 15; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."

. bench/common.sh

runs=${2:-15}
data=../shared/data
list=$data/KEN_ALL.CSV
zipped=$data/ken_all.zip
for f in "$list" "$zipped" "$data/utf_ken_all.zip"; do
  [ -f "$f" ] || { echo "no $f" >&2; exit 2; }
done
bench_start postal-bench "${1:-build}"
utf8=$work/utf_ken_all.csv
unzip -p "$data/utf_ken_all.zip" >"$utf8"

# A place name in no line of the list: the command takes it as UTF-8, grep as bytes from a
# file (no shell argument can carry Shift-JIS portably).
key=存在地名
printf '\x91\xb6\x8d\xdd\x92\x6e\x96\xbc\n' >"$work/key"
printf '%s\n' "$key" >"$work/key.utf8"
listed=鹿沼市
printf '\x8e\xad\x8f\xc0\x8e\x73\n' >"$work/listed"

for pair in "$list:key" "$utf8:key.utf8"; do
  count=$(LC_ALL=C grep -F -c -f "$work/${pair##*:}" "${pair%:*}" || true)
  [ "$count" = 0 ] || { echo "the key is in $count lines of ${pair%:*}" >&2; exit 1; }
done
for file in "$list" "$zipped" "$utf8"; do
  "$exe" postal --file "$file" "$key" | grep -q '検索終了 0件' ||
    { echo "the search of $file found the key or failed" >&2; exit 1; }
done
"$exe" postal --file "$list" "$listed" | grep -q '検索終了 113件' ||
  { echo "the search of $list for $listed did not list its 113 lines" >&2; exit 1; }

# grep is timed in two locales and the faster is the reference: with a Shift-JIS key it runs
# about twice as fast in C.UTF-8 as in C on this kind of machine.
timed_case ours_plain "$exe" postal --file "$list" "$key"
timed_case grep_plain_u LC_ALL=C.UTF-8 grep -F -c -f "$work/key" "$list"
timed_case grep_plain_c LC_ALL=C grep -F -c -f "$work/key" "$list"
timed_case wc_plain LC_ALL=C wc -l "$list"
timed_case ours_listed "$exe" postal --file "$list" "$listed"
timed_case grep_listed_u LC_ALL=C.UTF-8 grep -F -c -f "$work/listed" "$list"
timed_case grep_listed_c LC_ALL=C grep -F -c -f "$work/listed" "$list"
timed_case ours_zip "$exe" postal --file "$zipped" "$key"
timed_case unzip_grep unzip -p "$zipped" "|" LC_ALL=C.UTF-8 grep -F -c -f "$work/key"
timed_case unzip_only unzip -p "$zipped" ">" /dev/null
timed_case ours_utf8 "$exe" postal --file "$utf8" "$key"
timed_case grep_utf8_u LC_ALL=C.UTF-8 grep -F -c -f "$work/key.utf8" "$utf8"
timed_case grep_utf8_c LC_ALL=C grep -F -c -f "$work/key.utf8" "$utf8"

time_alternating "$runs"
[ "$(cat "$work/out")" = 0 ] || { echo "the last timed grep did not count" >&2; exit 1; }

echo "whole national list, key found nowhere, median of $runs alternating runs:"
report "KEN_ALL.CSV vs grep -F -c" ours_plain grep_plain_u grep_plain_c "<= 0.9"
report "KEN_ALL.CSV vs wc -l" ours_plain wc_plain "<= 1.2"
report "113 lines listed, vs grep -F -c" ours_listed grep_listed_u grep_listed_c "<= 0.9"
report "113 lines listed, vs wc -l" ours_listed wc_plain "<= 1.2"
report "ken_all.zip vs unzip -p | grep -F -c" ours_zip unzip_grep "<= 1.0"
report "ken_all.zip vs unzip -p (inflate alone)" ours_zip unzip_only "none: its floor"
report "utf_ken_all.csv vs grep -F -c" ours_utf8 grep_utf8_u grep_utf8_c "<= 1.5"

# About 1 GB: the list repeated, then the same zipped (its member inflates to over 1 GB).
big=$work/big.csv
repeats=$(((1024 * 1024 * 1024 + $(stat -c %s "$list") - 1) / $(stat -c %s "$list")))
for ((i = 0; i < repeats; i++)); do cat "$list"; done >"$big"
(cd "$work" && zip -q -1 big.zip big.csv)
for file in "$big" "$work/big.zip"; do
  peak_kb=$(/usr/bin/time -f '%M' "$exe" postal --file "$file" "$key" 2>&1 >/dev/null | tail -n 1)
  awk -v f="${file##*/}" -v k="$peak_kb" -v s="$(stat -c %s "$big")" 'BEGIN {
    printf "peak memory, %s of %.2f GB: %.1f MB maximum resident set (goal < 30 MB)\n",
           f, s / 1e9, k / 1024 }'
done
