#!/usr/bin/env bash
# Builds the Windows edition and its distributable: Qt for Windows once into its cache
# (scripts/build-qt-windows.sh, about half an hour the first time), then the window, the command
# and every test with the windows-window preset (build-win/), runs the tests under Wine on a
# private X server, makes build-win/nanbaru-<version>-win64.zip and the installer
# build-win/nanbaru-<version>-win64.msi, and tries both as a user would
# (scripts/check-windows-zip.sh, scripts/check-windows-msi.sh).
#
#   NANBARU_QT_WIN_CACHE   where Qt for Windows is kept (default: cmake/windows-caches.cmake)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build-qt-windows.sh
scripts/build-libzip-windows.sh
cache=$(cmake -P cmake/windows-caches.cmake qt)
jobs=$(nproc)

cmake --preset windows-window -DNANBARU_QT_WIN="$cache" >/dev/null
cmake --build --preset windows-window -j "$jobs"
status=0
# Wine draws the windows on an X server of its own for the run.
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --preset windows-window -j "$jobs" || status=1
(cd build-win && cpack -G ZIP >/dev/null)
zip=$(ls build-win/nanbaru-*-win64.zip)
echo "Windows edition: $zip ($(du -k "$zip" | cut -f1) KB)"
scripts/check-windows-zip.sh "$zip" || status=1

scripts/build-windows-msi.sh build-win
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-win/CMakeCache.txt)
# A next version of the same build, to upgrade to.
newer=$(mktemp -d)
trap 'rm -rf "$newer"' EXIT
scripts/build-windows-msi.sh build-win "${version%.*}.$((${version##*.} + 1))" "$newer/newer.msi" >/dev/null
scripts/check-windows-msi.sh "build-win/nanbaru-$version-win64.msi" "$newer/newer.msi" || status=1
exit $status
