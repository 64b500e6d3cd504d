#!/usr/bin/env bash
# Starts the window in its working folder build/work (created on first use), where the
# bundled data files stand beside the settings file.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
work="$root/build/work"
mkdir -p "$work"
for file in ken_all.zip 郵電話.txt; do
  [ -e "$work/$file" ] || ln -s "$root/build/data/$file" "$work/$file"
done
# A first start finds a settings file that names the bundled national list, so it opens in
# postal mode and finds 鹿沼市 in 栃木県 at once. The file is Shift-JIS with CR LF line ends, as
# the program writes it; the user's own settings file is never replaced.
settings="$work/nanbaru2.ini"
if [ ! -e "$settings" ]; then
  postal="$root/build/data/ken_all.zip"
  if printf '%s\r\n' "$postal" 鹿沼市 "" "" 栃木県 131 104 "$postal" |
    iconv -f UTF-8 -t CP932 >"$settings.new"; then
    mv "$settings.new" "$settings"
  else
    # A path Shift-JIS cannot hold: the window starts as on any first run.
    rm -f "$settings.new"
  fi
fi
cd "$work"
exec "$root/build/bin/nanbaru" "$@"
