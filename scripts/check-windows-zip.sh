#!/usr/bin/env bash
# Uses the Windows zip as a person would, under Wine on a private X server: unpacked into a
# fresh folder, nanbaru-search.exe and nanbaru.exe started from there
# (scripts/check-windows-window.sh). Fails unless the command finds 322-0061 in the bundled
# ken_all.zip, and the window's first Enter lists the 113 lines of 鹿沼市 in 栃木県 and 終了 ends
# it, writing the eight-line settings file as it was shipped.
#
#   scripts/check-windows-zip.sh ZIP
set -euo pipefail

zip=$(realpath "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
command -v unzip >/dev/null || { echo "check-windows-zip: unzip is missing" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && unzip -q "$zip")
folder=$(echo "$work"/nanbaru-*-win64)
cp "$folder/nanbaru2.ini" "$work/shipped.ini"
export WINEPREFIX=${WINEPREFIX:-$root/build-win/wine}

status=0
# The command reads the bundled list, zipped as published.
found=$(cd "$folder" && "$root/cmake/wine-run.sh" ./nanbaru-search.exe postal --file ken_all.zip \
  322-0061 2>&1) || true
if [[ "$found" == *"322-0061  栃木県   鹿沼市 千手町"* ]]; then
  echo "check-windows-zip: nanbaru-search.exe found 322-0061 in ken_all.zip"
else
  echo "check-windows-zip: nanbaru-search.exe did not find 322-0061 in ken_all.zip: $found" >&2
  status=1
fi
(cd "$folder" && "$root/scripts/check-windows-window.sh" ./nanbaru.exe) || status=1
if ! cmp -s "$work/shipped.ini" "$folder/nanbaru2.ini" ||
  [ ! "$folder/nanbaru2.ini" -nt "$folder/COPYRIGHT.txt" ]; then
  echo "check-windows-zip: 終了 did not write the settings file as shipped" >&2
  status=1
else
  echo "check-windows-zip: 終了 wrote the eight-line settings file"
fi
exit $status
