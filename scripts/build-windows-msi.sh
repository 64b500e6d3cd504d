#!/usr/bin/env bash
# Makes the Windows installer BUILD/nanbaru-<version>-win64.msi with wixl from a Windows build
# folder with the window (the windows-window preset's): its install, less the settings file the
# portable zip ships (which marks a copy as portable), wrapped by packaging/windows/nanbaru.wxs.
# VERSION and MSI make another version of it, to try upgrades with.
#   scripts/build-windows-msi.sh [BUILD [VERSION MSI]]     (default: build-win, the project's)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build-win}" && pwd)
version=${2:-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/stage

cmake --install "$build" --prefix "$stage" --strip >/dev/null
rm "$stage/nanbaru2.ini"
(cd "$stage" && find . -type f ! -name nanbaru.exe | LC_ALL=C sort |
  wixl-heat -p ./ --component-group ProgramFiles --var var.Stage --directory-ref INSTALLDIR \
    --win64) >"$work/files.wxs"

# libmsi converts the database's text to the Windows code page of WINDOWS_LANGUAGE (without
# it, to one that holds no Japanese, leaving the names empty) but marks the database with no
# code page; the import of _ForceCodepage marks it 932, so that every Windows reads the
# Japanese names as Shift-JIS, whatever its own code page.
export WINDOWS_LANGUAGE=ja
msi=$(realpath -m "${3:-$build/nanbaru-$version-win64.msi}")
# wixl finds the files it packs only by paths relative to the folder it runs in.
cp "$root/packaging/windows/nanbaru.ico" "$work/"
(cd "$work" && wixl --arch x64 -D Version="$version" -D Stage=stage -D Win64=yes \
  -D Icon=nanbaru.ico -o "$msi" "$root/packaging/windows/nanbaru.wxs" files.wxs)
printf '\r\n\r\n932\t_ForceCodepage\r\n' >"$work/_ForceCodepage.idt"
msibuild "$msi" -i "$work/_ForceCodepage.idt"
echo "Windows installer: $msi ($(du -k "$msi" | cut -f1) KB)"
