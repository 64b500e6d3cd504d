#!/usr/bin/env bash
# The update from a downloaded file, `nanbaru-search update --from data/ken_all.zip` (read,
# check every CRC and line, compare with the list in use, write the list and its backup),
# against `unzip -tq` of the same file, which only inflates it and checks its CRC: whole
# processes, alternating runs, median wall time of each. Goal: at most 3 times unzip's.
#   bench/update.sh [BUILD_DIR] [RUNS]   (defaults build, 15; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."

. bench/common.sh

runs=${2:-15}
bench_start update-bench "${1:-build}"
list=data/ken_all.zip
# A data folder of the bench's own; from the second run on the list in use is the one the
# previous run wrote, so each run compares, keeps a backup and replaces, as a real update does.
export XDG_DATA_HOME=$work/data
"$exe" update --from "$list" >/dev/null 2>&1 || { echo "the update failed" >&2; exit 1; }

timed_case ours "$exe" update --from "$list"
timed_case unzip unzip -tq "$list"
time_alternating "$runs"
cmp -s "$list" "$work/data/nanbaru/ken_all.zip" || { echo "the list written differs" >&2; exit 1; }
ours_med=$(med ours)
unzip_med=$(med unzip)
awk -v o="$ours_med" -v u="$unzip_med" 'BEGIN {
  printf "update --from: %.1f ms   unzip -tq: %.1f ms   ratio %.2f (goal at most 3)\n",
         o / 1000, u / 1000, o / u }'
