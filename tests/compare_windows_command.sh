#!/usr/bin/env bash
# Runs the same searches through the Linux nanbaru-search and the Windows one under Wine and
# fails unless standard output and the exit status agree byte for byte.
# usage: compare_windows_command.sh LINUX_COMMAND WINDOWS_COMMAND.exe SHARED_DATA_FOLDER
# Exits 77 (skipped) when the Linux command has not been built.
set -uo pipefail
linux=$1
windows=$2
data=$3
wine_run=$(dirname "$0")/../cmake/wine-run.sh
[ -x "$linux" ] || { echo "no Linux build at $linux: nothing to compare"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
ln -s "$data/KEN_ALL.CSV" KEN_ALL.CSV
unzip -q "$data/jigyosyo.zip" JIGYOSYO.CSV
for archive in ken_all.zip utf_ken_all.zip jigyosyo.zip; do ln -s "$data/$archive" "$archive"; done
# An archive cut short, its directory lost.
head -c 100000 "$data/ken_all.zip" >damaged.zip
printf '0289      鹿沼\r\n03        東京\r\n' >codes.txt

# One search a line, its arguments separated by "|".
searches=(
  "postal|--sjis|322-0061"
  "postal|--json|322-0061"
  "postal|鹿沼市"
  "postal|--json|--file|KEN_ALL.CSV|栃木県 鹿沼市"
  "postal|--json|--old|32201|x"
  "postal|--sjis|--new|3220061|x"
  "postal|--json|--old|32201|--new|1|鹿沼市"
  "postal|--json|--pref|栃木県|鹿沼"
  "postal|--sjis|--pref|北海道|3220061"
  "postal|--sjis|町"
  "postal|--json|－"
  "postal|--json|--file|missing.csv|鹿沼市"
  "postal|--json|--file|JIGYOSYO.CSV|鹿沼市"
  "postal|--sjis|--file|ken_all.zip|322-0061"
  "postal|--json|--file|utf_ken_all.zip|栃木県 鹿沼市"
  "postal|--json|--file|jigyosyo.zip|鹿沼市"
  "postal|--json|--file|damaged.zip|鹿沼市"
  "postal|--json|--file|.|x"
  "office|--sjis|鹿沼市役所"
  "office|--json|かぬましやくしょ"
  "office|--sjis|--pref|茨城県|3108282"
  "office|--json|--file|KEN_ALL.CSV|鹿沼"
  "postal|--json|"
  "area|--sjis|0289"
  "area|--json|鹿沼"
  "area|--sjis|0"
  "area|--json|--file|codes.txt|０２８９"
  "area|--json|--file|missing.txt|03"
  "area|東京"
  "postal|--bogus"
)

failures=0
for search in "${searches[@]}"; do
  IFS='|' read -r -a args <<<"$search"
  "$linux" "${args[@]}" >linux.out 2>/dev/null
  linux_status=$?
  "$wine_run" "$windows" "${args[@]}" >windows.out 2>/dev/null
  windows_status=$?
  if [ "$linux_status" != "$windows_status" ] || ! cmp -s linux.out windows.out; then
    echo "DIFFERS: ${args[*]} (exit $linux_status on Linux, $windows_status on Windows)"
    cmp linux.out windows.out | head -1
    failures=$((failures + 1))
  fi
done
echo "${#searches[@]} searches compared, $failures differ"
[ "$failures" -eq 0 ]
