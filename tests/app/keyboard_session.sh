#!/bin/sh
# A short session of real key presses on the real program, on a private X server with a window
# manager: a two-line paste into the query box and Enter, Tab to the result pane, the key that
# collects a line, Ctrl+S through the program's own save dialog, saving over that file answered
# with いいえ, F10 and the menu to switch modes and to exit. The files must then show it all: an
# eight-line settings file whose query is the paste's first line, phone mode, and the first
# collected line saved alone. Arguments: the program and the folder of the bundled data.
# Skips (77) without the tools.
set -u
program=$1
data=$2

sjis() { printf '%s' "$1" | iconv -f UTF-8 -t CP932; }
lines() { tr -cd '\n' <"$1" | wc -c; }

# The keys, typed in the folder $3 on the private server that under_window_manager.sh starts.
if [ "${NANBARU_ON_DISPLAY:-}" = 1 ]; then
  work=$3
  printf '栃木県\r\n鹿沼市' | xclip -selection clipboard
  (cd "$work" && QT_QPA_PLATFORM=xcb exec "$program" >/dev/null 2>&1) &
  window=$(xdotool search --sync --onlyvisible --name 'ナンバル') || exit 1
  xdotool windowactivate --sync "$window"
  sleep 1
  keys() {
    xdotool key --clearmodifiers --delay 150 "$@"
    sleep 1
  }
  keys ctrl+a ctrl+v Return
  sleep 2
  # Past the three filter boxes to the result pane; its second line.
  keys Tab Tab Tab Tab ctrl+Home Down ctrl+Return ctrl+s
  xdotool type --delay 50 saved
  keys Return
  [ -f "$work/saved" ] || { echo "Ctrl+S saved nothing"; exit 1; }
  # One more line collected, then the same name: いいえ (Escape) keeps the file.
  keys ctrl+Return ctrl+s Return
  keys Escape Escape
  # The menu by F10: the sixth item is the phone mode; Up from the top reaches the exit.
  keys F10 Down Down Down Down Down Down Return
  keys F10 Up Return
  tries=0
  while xdotool search --onlyvisible --name 'ナンバル' >/dev/null 2>&1; do
    tries=$((tries + 1))
    [ "$tries" -gt 100 ] && { echo "the menu's exit left the window open"; exit 1; }
    sleep 0.1
  done
  exit 0
fi

for tool in xdotool xclip iconv; do
  command -v "$tool" >/dev/null || exit 77
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# Postal mode on the bundled list; the query is not yet the pasted one.
for line in "$data/ken_all.zip" x "" "" "" 131 104 "$data/ken_all.zip"; do
  printf '%s\r\n' "$line"
done >"$work/nanbaru2.ini"

NANBARU_ON_DISPLAY=1 "$(dirname "$0")/under_window_manager.sh" "$0" "$program" "$data" "$work"
status=$?
[ "$status" -eq 0 ] || exit "$status"

fail() {
  echo "$1"
  exit 1
}
settings=$work/nanbaru2.ini
[ "$(lines "$settings")" -eq 8 ] || fail "the settings file is not eight lines"
[ "$(LC_ALL=C sed -n 2p "$settings")" = "$(sjis '栃木県')$(printf '\r')" ] ||
  fail "the query is not the paste's first line"
sed -n 1p "$settings" | LC_ALL=C grep -q "$(sjis '郵電話.txt')" || fail "the menu did not enter phone mode"
[ "$(lines "$work/saved")" -eq 1 ] || fail "the save was replaced, or holds other than one line"
LC_ALL=C grep -q "$(sjis '栃木県')" "$work/saved" || fail "the collected line is no result of the paste"
exit 0
