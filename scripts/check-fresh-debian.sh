#!/usr/bin/env bash
# Installs a Debian package with apt into a fresh minimal Debian 12 and uses it there as a new
# user would: the command's postal and area searches on the bundled data, and the window's
# start from the menu, offscreen, which prepares the per-user folder. A library the programs
# need but the package does not depend on fails it. The fresh Debian is made once with
# mmdebstrap and kept as a tarball (cmake/windows-caches.cmake); apt inside reaches Debian's
# mirror. Needs root, or sudo.
#   scripts/check-fresh-debian.sh DEB
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
deb=$(realpath "$1")
tarball=$(cmake -P "$root/cmake/windows-caches.cmake" bookworm)
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
status=0
fail() { echo "check-fresh-debian: $*" >&2; status=1; }

if [ ! -f "$tarball" ]; then
  echo "check-fresh-debian: making a minimal Debian 12 in $tarball"
  "${sudo_cmd[@]}" mkdir -p "$(dirname "$tarball")"
  "${sudo_cmd[@]}" mmdebstrap --quiet --variant=apt --format=tar bookworm "$tarball.new"
  "${sudo_cmd[@]}" mv "$tarball.new" "$tarball"
fi

system=$(mktemp -d)
cleanup() {
  "${sudo_cmd[@]}" umount "$system/proc" 2>/dev/null || true
  "${sudo_cmd[@]}" rm -rf --one-file-system "$system"
}
trap cleanup EXIT
"${sudo_cmd[@]}" tar -C "$system" -xf "$tarball"
"${sudo_cmd[@]}" mount -t proc proc "$system/proc"
"${sudo_cmd[@]}" cp /etc/resolv.conf "$system/etc/resolv.conf"
"${sudo_cmd[@]}" cp "$deb" "$system/tmp/"
inside() {
  "${sudo_cmd[@]}" chroot "$system" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin \
    HOME=/root LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive "$@"
}

if ! inside sh -c "apt-get update -qq && apt-get install -y -qq --no-install-recommends \
    /tmp/$(basename "$deb") >/tmp/install.log 2>&1"; then
  inside cat /tmp/install.log >&2
  fail "apt could not install $(basename "$deb")"
  exit 1
fi

found=$(inside sh -c 'cd / && nanbaru-search postal 322-0061' 2>&1) || fail "postal search: $found"
[[ "$found" == *"322-0061  栃木県   鹿沼市 千手町"* ]] || fail "322-0061 not found: $found"
found=$(inside sh -c 'cd / && nanbaru-search area 0289' 2>&1) || fail "area search: $found"
[[ "$found" == *"0289"*"鹿沼"* ]] || fail "0289 not found: $found"

# The menu's start, stopped after a few seconds: the window started, and its first start
# prepared the per-user folder with a settings file naming the installed list.
exec_line=$(inside sh -c "sed -n 's/^Exec=//p' /usr/share/applications/*.desktop")
inside sh -c "QT_QPA_PLATFORM=offscreen timeout 10 $exec_line >/tmp/window.log 2>&1;
              [ \$? -eq 124 ]" || fail "the window did not keep running: $(inside cat /tmp/window.log)"
list=$(inside sh -c 'head -n 1 /root/.local/share/nanbaru/nanbaru2.ini' 2>/dev/null | tr -d '\r')
[ "$list" = /usr/share/nanbaru/data/ken_all.zip ] ||
  fail "the window's first start did not name the installed list in its settings: '$list'"

[ $status -eq 0 ] && echo "check-fresh-debian: installed with apt into a fresh Debian 12;" \
  "both searches and the window work there"
exit $status
