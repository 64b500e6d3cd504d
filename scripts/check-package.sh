#!/usr/bin/env bash
# Builds the Debian package from a build folder and checks it as a distributor would: its
# files against packaging/deb-contents.txt, its Depends, the desktop entry and metadata, and
# the installed layout from a staging install: the command finds its data from any folder and
# the window's first start from the menu prepares the per-user folder. Then installs it with
# apt into a fresh minimal Debian 12 and uses it there (scripts/check-fresh-debian.sh), which
# fails when the package lacks a dependency.
#   scripts/check-package.sh [BUILD]     (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$root/build}" && pwd)"
export LC_ALL=C.UTF-8
status=0
fail() { echo "check-package: $*" >&2; status=1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

(cd "$build" && rm -f nanbaru_*.deb && cpack -G DEB >/dev/null)
deb=$(ls "$build"/nanbaru_*.deb)
echo "check-package: $(basename "$deb")"

if ! diff -u "$root/packaging/deb-contents.txt" \
    <(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's#^\./#/#' | LC_ALL=C sort); then
  fail "the package's files differ from packaging/deb-contents.txt"
fi

depends=$(dpkg-deb -f "$deb" Depends)
for wanted in libc6 libqt6widgets6 libzip fonts-ipafont-mincho qt6-translations-l10n \
    libcurl4 ca-certificates; do
  [[ "$depends" == *"$wanted"* ]] || fail "Depends lacks $wanted: $depends"
done

# What the package installs, exactly as it ships.
dpkg-deb -x "$deb" "$stage"
desktop-file-validate "$stage"/usr/share/applications/*.desktop || fail "desktop entry"
appstreamcli validate --no-net --no-color "$stage"/usr/share/metainfo/*.xml >/dev/null ||
  fail "AppStream metadata"

found=$(cd / && "$stage/usr/bin/nanbaru-search" postal 322-0061) || fail "installed command"
[[ "$found" == *"322-0061  栃木県   鹿沼市 千手町"* ]] ||
  fail "the installed command did not find 322-0061: $found"

# The menu's command, without a display and stopped after its start: the per-user folder
# then holds a settings file naming the installed list.
home="$stage/home"
exec_line=$(sed -n 's/^Exec=nanbaru//p' "$stage"/usr/share/applications/*.desktop)
XDG_DATA_HOME="$home" QT_QPA_PLATFORM=offscreen \
  timeout 5 "$stage/usr/bin/nanbaru" $exec_line >/dev/null 2>&1 || true
settings="$home/nanbaru/nanbaru2.ini"
list=$(head -n 1 "$settings" 2>/dev/null | tr -d '\r')
if [[ "$list" != "$stage/usr/share/nanbaru/data/"* || ! -f "$list" ]]; then
  fail "the menu's first start did not prepare $settings naming the installed list"
fi

"$root/scripts/check-fresh-debian.sh" "$deb" || status=1
exit $status
