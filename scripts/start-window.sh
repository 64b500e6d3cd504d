#!/usr/bin/env bash
# Starts the window in its working folder build/work (created on first use), where the
# bundled data files stand beside the settings file.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$root/build/work"
mkdir -p "$work"
for file in KEN_ALL.CSV 郵電話.txt; do
  [ -e "$work/$file" ] || ln -s "$root/build/data/$file" "$work/$file"
done
cd "$work"
exec "$root/build/bin/nanbaru" "$@"
