#!/usr/bin/env bash
# Builds the Windows edition and its distributable: Qt for Windows once into its cache
# (scripts/build-qt-windows.sh, about half an hour the first time), then the window, the command
# and every test with the windows-window preset (build-win/), runs the tests under Wine on a
# private X server, makes build-win/nanbaru-<version>-win64.zip, and tries the zip as a user
# would (scripts/check-windows-zip.sh).
#
#   NANBARU_QT_WIN_CACHE   where Qt for Windows is kept (default: cmake/windows-caches.cmake)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build-qt-windows.sh
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
exit $status
