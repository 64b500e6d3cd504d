#!/usr/bin/env bash
# The window against the headless command, on the offscreen platform:
#  1. Enter in the query box to the count line, for a postal search over the whole unpacked
#     national list (../shared/data/KEN_ALL.CSV) with a key found nowhere and no prefecture (median of RUNS searches in one
#     window), against the whole process `nanbaru-search postal` on the same search (median
#     of RUNS runs). Goal: the window at most twice the command's time.
#  2. The same for a key that lists the most lines a search shows (町: 700 lines), where the
#     window also draws every line it lists.
#  3. Process start to the window shown (median of RUNS starts). Goal: under 300 ms.
#   bench/window_scan.sh [BUILD_DIR] [RUNS]   (defaults build and 15; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."

build=$(cd "${1:-build}" && pwd)
. bench/common.sh

runs=${2:-15}
bench=$build/bin/window_bench
search=$build/bin/nanbaru-search
list=$(pwd)/../shared/data/KEN_ALL.CSV
for f in "$bench" "$search" "$list"; do
  [ -e "$f" ] || { echo "no $f: build first" >&2; exit 2; }
done

# The window starts in its own folder, from a settings file naming the list, as a user's
# second start does.
work=$(mktemp -d /tmp/nanbaru-window-bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
printf '%s\r\n' "$list" "" "" "" "" 131 104 "$list" >"$work/nanbaru2.ini"
cd "$work"
export QT_QPA_PLATFORM=offscreen

key=存在地名
"$search" postal --file "$list" "$key" | grep -q '検索終了 0件' || { echo "the command found the key" >&2; exit 1; }
many=町
"$search" postal --file "$list" "$many" | grep -q '検索終了 700件' || { echo "$many lists fewer lines" >&2; exit 1; }

# Median wall time of the whole command in microseconds; its output goes to a file.
command_us() {
  timed_case command "$search" postal --file "$list" "$1"
  time_alternating "$runs"
  med command
}
command_us=$(command_us "$key")
window_ms=$("$bench" scan "$runs" "$key" 2>/dev/null)
many_command_us=$(command_us "$many")
many_window_ms=$("$bench" scan "$runs" "$many" 2>/dev/null)

start_ms=$(for _ in $(seq "$runs"); do
  "$bench" start "${EPOCHREALTIME/[.,]/}" 2>/dev/null
done | median)

awk -v c="$command_us" -v w="$window_ms" -v mc="$many_command_us" -v mw="$many_window_ms" \
  -v s="$start_ms" 'BEGIN {
  printf "postal scan of the whole list, key found nowhere:\n"
  printf "  nanbaru-search postal (whole process)  %8.2f ms\n", c / 1000
  printf "  window, Enter to count line            %8.2f ms   (%.2fx, goal <= 2x)\n", w, w * 1000 / c
  printf "postal search listing 700 lines:\n"
  printf "  nanbaru-search postal (whole process)  %8.2f ms\n", mc / 1000
  printf "  window, Enter to count line            %8.2f ms   (%.2fx)\n", mw, mw * 1000 / mc
  printf "process start to window shown            %8.2f ms   (goal < 300 ms)\n", s
}'
