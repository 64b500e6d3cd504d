#!/usr/bin/env bash
# Uses the Windows zip as a person would, under Wine on a private X server: unpacked into a
# fresh folder, nanbaru.exe started from there, one Enter, the result pane copied with Ctrl+A
# and Ctrl+C, then a click on 終了. Fails unless that first Enter lists the 113 lines of 鹿沼市
# in 栃木県 and 終了 ends the program, writing the eight-line settings file as it was shipped.
#
#   scripts/check-windows-zip.sh ZIP
set -euo pipefail

# On the X server (the script again, with --session): prints the lines the result pane
# held, and "exited" once 終了 ended the program.
session() {
  cd "$folder"
  "$root/cmake/wine-run.sh" ./nanbaru.exe >/dev/null 2>&1 &
  local program=$!
  local window
  window=$(timeout 120 xdotool search --sync --name 'ナンバル（郵便）' | head -n 1)
  xdotool windowfocus --sync "$window"
  xdotool key Return
  local pane=""
  for _ in $(seq 40); do
    sleep 0.5
    # A click into the result pane, then select all and copy, as the keyboard does it.
    xdotool mousemove --window "$window" 300 150 click 1 key ctrl+a ctrl+c
    pane=$(xclip -o -selection clipboard 2>/dev/null || true)
    case $pane in *検索終了*) break ;; esac
  done
  printf '%s\n' "$pane"
  # 終了 lies at 416, 0 of the client area below the menu bar.
  xdotool mousemove --window "$window" 444 35 click 1
  for _ in $(seq 40); do
    kill -0 "$program" 2>/dev/null || { echo exited; return; }
    sleep 0.5
  done
  kill "$program" 2>/dev/null || true
}
if [ "${1:-}" = --session ]; then
  session
  exit
fi

zip=$(realpath "$1")
root=$(cd "$(dirname "$0")/.." && pwd)
for tool in xvfb-run xdotool xclip unzip; do
  command -v "$tool" >/dev/null || { echo "check-windows-zip: $tool is missing" >&2; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && unzip -q "$zip")
folder=$(echo "$work"/nanbaru-*-win64)
cp "$folder/nanbaru2.ini" "$work/shipped.ini"
export WINEPREFIX=${WINEPREFIX:-$root/build-win/wine}

export folder root
output=$(xvfb-run -a -s "-screen 0 1024x768x24" "$0" --session 2>"$work/session.log") || cat "$work/session.log" >&2

status=0
found=$(grep -c '鹿沼市' <<<"$output" || true)
if [ "$found" -eq 113 ] && grep -q '検索終了 113件です。' <<<"$output"; then
  echo "check-windows-zip: the first Enter listed 113 lines for 鹿沼市 in 栃木県"
else
  echo "check-windows-zip: the first Enter listed $found lines for 鹿沼市, not 113" >&2
  status=1
fi
if ! grep -qx exited <<<"$output"; then
  echo "check-windows-zip: 終了 did not end the program" >&2
  status=1
elif ! cmp -s "$work/shipped.ini" "$folder/nanbaru2.ini" ||
  [ ! "$folder/nanbaru2.ini" -nt "$folder/COPYRIGHT.txt" ]; then
  echo "check-windows-zip: 終了 did not write the settings file as shipped" >&2
  status=1
else
  echo "check-windows-zip: 終了 wrote the eight-line settings file"
fi
exit $status
