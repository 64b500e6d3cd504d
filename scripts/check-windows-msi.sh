#!/usr/bin/env bash
# Uses the Windows installer as a person would, under Wine: installs it for the user alone
# (msiexec /i, quiet), finds the Start-menu shortcut ナンバル pointing at the installed window
# with --user-folder, starts the window as the shortcut does (scripts/check-windows-window.sh:
# the first Enter lists the 113 lines of 鹿沼市), and finds the eight-line settings file it
# wrote in the user's own folder. Then installs NEWER over it (one product remains), and
# uninstalls (msiexec /x): the program's files and the shortcut go, the user's folder stays.
#   scripts/check-windows-msi.sh MSI NEWER_MSI
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
msi=$(realpath "$1")
newer=$(realpath "$2")
# A machine on which nothing was installed before: a Wine prefix of the check's own, made
# afresh each run. A product an earlier run left registered without its cached installer could
# not be removed, and would keep the files it shares with this one when this one is uninstalled.
export WINEPREFIX=${WINEPREFIX:-$root/build-win/wine-installer}
wineserver -k >/dev/null 2>&1 || true
rm -rf "$WINEPREFIX"
wine_run=$root/cmake/wine-run.sh
status=0
fail() { echo "check-windows-msi: $*" >&2; status=1; }
say() { echo "check-windows-msi: $*"; }

# A Windows folder as a path here.
unix_path() { "$wine_run" winepath -u "$1" 2>/dev/null; }
windows_variable() { "$wine_run" cmd /c echo "%$1%" 2>/dev/null | tr -d '\r'; }
local_app_data=$(windows_variable LOCALAPPDATA)
installed_windows="$local_app_data\\Programs\\nanbaru"
installed=$(unix_path "$installed_windows")
user_folder=$(unix_path "$local_app_data\\nanbaru")
shortcut="$(unix_path "$(windows_variable APPDATA)\\Microsoft\\Windows\\Start Menu\\Programs")/ナンバル.lnk"
products() {
  "$wine_run" reg query 'HKCU\Software\Microsoft\Installer\Products' 2>/dev/null |
    grep -c 'Products\\' || true
}

"$wine_run" msiexec /i "$msi" /qn || fail "msiexec /i ended with status $?"
[ -f "$installed/nanbaru.exe" ] && [ -f "$installed/ken_all.zip" ] && [ -f "$installed/郵電話.txt" ] ||
  fail "the program and its data are not in $installed"
[ ! -e "$installed/nanbaru2.ini" ] || fail "the installer put a settings file beside the program"
if [ -f "$shortcut" ]; then
  # The shortcut keeps its target as a list of the path's names, its arguments as text, both
  # in UTF-16.
  link=$(strings -e l "$shortcut" | tr '\n' '\\')
  target="${installed_windows#?:\\}\\nanbaru.exe"
  [[ "$link" == *"$target\\"* && "$link" == *"\\--user-folder\\"* ]] ||
    fail "the shortcut does not start $target --user-folder: $link"
else
  fail "no shortcut $shortcut; the Start menu holds: $(ls "$(dirname "$shortcut")")"
fi

# Wine's desktop, started by msiexec without a display, would keep every later window from
# showing while its server lives: the window starts once that server has ended.
wineserver -w
# Started as the shortcut starts it: in the program's folder, with --user-folder.
(cd "$installed" && "$root/scripts/check-windows-window.sh" ./nanbaru.exe --user-folder) || status=1
settings="$user_folder/nanbaru2.ini"
lines=$(tr -cd '\n' <"$settings" 2>/dev/null | wc -c)
list=$(head -n 1 "$settings" 2>/dev/null | tr -d '\r')
if [ "$lines" -eq 8 ] && [ "$list" = "$installed_windows\\ken_all.zip" ]; then
  say "closing wrote the eight-line settings file in $user_folder, naming the installed list"
else
  fail "no eight-line settings file naming the installed list in $user_folder ($lines lines: '$list')"
fi

"$wine_run" msiexec /i "$newer" /qn || fail "installing $(basename "$newer") ended with status $?"
[ "$(products)" -eq 1 ] || fail "after the newer installer, $(products) products are installed, not 1"

before=$(mktemp)
trap 'rm -f "$before"' EXIT
cp "$settings" "$before" 2>/dev/null || true
"$wine_run" msiexec /x "$newer" /qn || fail "msiexec /x ended with status $?"
left=$(find "$installed" -type f 2>/dev/null | head -n 3 || true)
[ -z "$left" ] || fail "the uninstall left $left"
[ ! -e "$shortcut" ] || fail "the uninstall left the shortcut"
[ "$(products)" -eq 0 ] || fail "the uninstall left the product registered"
cmp -s "$settings" "$before" || fail "the uninstall changed or removed $settings"

[ $status -eq 0 ] && say "installed, upgraded in place and uninstalled, keeping the user's folder"
exit $status
