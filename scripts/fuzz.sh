#!/usr/bin/env bash
# Builds the fuzz targets (preset fuzz) and runs each for SECONDS (default 60), starting from
# its seeds in tests/fuzz/corpus/<target>; what a run learns stays in a scratch folder. Prints
# libFuzzer's "Done N runs in S second(s)" line per target. Exits non-zero when any target
# reports a finding; the input that caused it is kept under build-fuzz/findings/.
#   scripts/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" >/dev/null

findings=build-fuzz/findings
mkdir -p "$findings"
work=$(mktemp -d /tmp/nanbaru-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT

status=0
for exe in build-fuzz/bin/*_fuzz; do
  name=$(basename "$exe")
  mkdir -p "$work/$name"
  log=$findings/$name.log
  if "$exe" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 \
      -artifact_prefix="$findings/$name-" "$work/$name" "tests/fuzz/corpus/$name" >"$log" 2>&1; then
    echo "$name: $(grep '^Done' "$log")"
  else
    echo "$name: FINDING (log $log)"
    grep -E -m 12 'ERROR|check failed|SUMMARY|Test unit written' "$log" || tail -n 20 "$log"
    status=1
  fi
done
exit $status
