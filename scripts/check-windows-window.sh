#!/usr/bin/env bash
# Uses the Windows window as a person would, under Wine (WINEPREFIX) on a private X server:
# starts the program in the current folder, presses Enter once, copies the result pane with
# Ctrl+A and Ctrl+C, then clicks 終了. Fails unless that first Enter lists the 113 lines of
# 鹿沼市 in 栃木県 and 終了 ends the program.
#   scripts/check-windows-window.sh PROGRAM.exe [ARGS...]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

# On the X server (the script again, with --on-display): prints the lines the result pane
# held, and "exited" once 終了 ended the program.
if [ "${1:-}" = --on-display ]; then
  shift
  "$root/cmake/wine-run.sh" "$@" >/dev/null 2>&1 &
  program=$!
  window=$(timeout 120 xdotool search --sync --name 'ナンバル（郵便）' | head -n 1)
  xdotool windowfocus --sync "$window"
  xdotool key Return
  pane=""
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
    kill -0 "$program" 2>/dev/null || { echo exited; exit 0; }
    sleep 0.5
  done
  kill "$program" 2>/dev/null || true
  exit 0
fi

for tool in xvfb-run xdotool xclip; do
  command -v "$tool" >/dev/null || { echo "check-windows-window: $tool is missing" >&2; exit 1; }
done
log=$(mktemp)
trap 'rm -f "$log"' EXIT
output=$(xvfb-run -a -s "-screen 0 1024x768x24" "$0" --on-display "$@" 2>"$log") || cat "$log" >&2

status=0
found=$(grep -c '鹿沼市' <<<"$output" || true)
if [ "$found" -eq 113 ] && grep -q '検索終了 113件です。' <<<"$output"; then
  echo "check-windows-window: the first Enter listed 113 lines for 鹿沼市 in 栃木県"
else
  echo "check-windows-window: the first Enter listed $found lines for 鹿沼市, not 113" >&2
  status=1
fi
if ! grep -qx exited <<<"$output"; then
  echo "check-windows-window: 終了 did not end the program" >&2
  status=1
fi
exit $status
