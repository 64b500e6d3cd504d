#!/usr/bin/env bash
# The office search over the whole business-office list for a query found nowhere (no
# prefecture, so every line is read), against grep -F -c on the same bytes: whole processes,
# alternating runs, median wall time of each and ratios.
#   a name        JIGYOSYO.CSV against grep -F -c with the Shift-JIS name
#   a reading     JIGYOSYO.CSV against grep -F -c with the reading in the list's half-width
#                 form (the search reads every line's reading column, spaces left out)
#   jigyosyo.zip  as published, against unzip -p | grep -F -c with the name
#   bench/office_scan.sh [BUILD_DIR] [RUNS]   (defaults build and 15; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."

. bench/common.sh

runs=${2:-15}
zipped=../shared/data/jigyosyo.zip
[ -f "$zipped" ] || { echo "no $zipped" >&2; exit 2; }
bench_start office-bench "${1:-build}"
list=$work/JIGYOSYO.CSV
unzip -p "$zipped" >"$list"

# Found nowhere: the command takes them as UTF-8, grep as bytes from a file.
name=存在事業所
reading=そんざいじぎょうしょ
printf '%s\n' "$name" | iconv -f UTF-8 -t CP932 >"$work/name"
printf '%s\n' ｿﾝｻﾞｲｼﾞｷﾞﾖｳｼﾖ | iconv -f UTF-8 -t CP932 >"$work/reading"
for key in name reading; do
  count=$(LC_ALL=C grep -F -c -f "$work/$key" "$list" || true)
  [ "$count" = 0 ] || { echo "the $key is in $count lines of the list" >&2; exit 1; }
done
for query in "$name" "$reading"; do
  for file in "$list" "$zipped"; do
    "$exe" office --file "$file" "$query" | grep -q '検索終了 0件' ||
      { echo "the search of $file for $query found it or failed" >&2; exit 1; }
  done
done

# grep is timed in two locales and the faster is the reference, as in postal_scan.sh.
timed_case ours_name "$exe" office --file "$list" "$name"
timed_case grep_name_u LC_ALL=C.UTF-8 grep -F -c -f "$work/name" "$list"
timed_case grep_name_c LC_ALL=C grep -F -c -f "$work/name" "$list"
timed_case ours_reading "$exe" office --file "$list" "$reading"
timed_case grep_reading_u LC_ALL=C.UTF-8 grep -F -c -f "$work/reading" "$list"
timed_case grep_reading_c LC_ALL=C grep -F -c -f "$work/reading" "$list"
timed_case ours_zip "$exe" office --file "$zipped" "$name"
timed_case unzip_grep unzip -p "$zipped" "|" LC_ALL=C.UTF-8 grep -F -c -f "$work/name"

time_alternating "$runs"

echo "whole business-office list, query found nowhere, median of $runs alternating runs:"
report "name, JIGYOSYO.CSV vs grep -F -c" ours_name grep_name_u grep_name_c "<= 1.0"
report "reading, JIGYOSYO.CSV vs grep -F -c" ours_reading grep_reading_u grep_reading_c \
  "none: reported"
report "name, jigyosyo.zip vs unzip -p | grep" ours_zip unzip_grep "<= 1.0"
