#!/usr/bin/env bash
# Builds a minimal Qt 6 for 64-bit Windows (Core, Gui, Widgets, Test) from Debian's own qt6-base
# source with mingw-w64, so that the window can be built here and tested under Wine.
# The result is installed into a cache folder outside the work tree and reused while its stamp
# file is there; a build takes about half an hour of CPU on two cores.
#
#   NANBARU_QT_WIN_CACHE   install folder (default: cmake/windows-caches.cmake)
#   NANBARU_QT_WIN_JOBS    parallel compile jobs (default 2)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=$(cmake -P "$root/cmake/windows-caches.cmake" qt)
jobs=${NANBARU_QT_WIN_JOBS:-2}
stamp="$cache/.nanbaru-complete"
work="$cache.work"
log="$cache/build.log"
triplet=x86_64-w64-mingw32
# The same cross toolchain the project builds with.
toolchain=$root/cmake/mingw-w64.cmake
. "$root/scripts/debian-source.sh"

if [ -f "$stamp" ]; then
  echo "Qt for Windows: using the build in $cache ($(cat "$stamp"))"
  exit 0
fi

# The target's source must be the very version of the host tools that build it.
version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev-tools 2>/dev/null) || {
  echo "Qt for Windows: qt6-base-dev-tools is missing (scripts/setup.sh installs it)" >&2
  exit 1
}

# A folder without the stamp holds an interrupted build: start again from nothing, but never
# empty a folder that is not ours.
if [ -n "$(ls -A "$cache" 2>/dev/null)" ] && [ ! -f "$log" ]; then
  echo "Qt for Windows: $cache holds something else; choose another NANBARU_QT_WIN_CACHE" >&2
  exit 1
fi

echo "Qt for Windows: building into $cache; this takes about half an hour (log: $log)"

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive

"${sudo_cmd[@]}" rm -rf "$cache" "$work"
"${sudo_cmd[@]}" mkdir -p "$cache" "$work"
"${sudo_cmd[@]}" chown "$(id -u):$(id -g)" "$cache" "$work"
exec > >(tee "$log") 2>&1
start=$(date +%s)

cd "$work"
src=$(debian_source qt6-base "$version")

# With OpenGL off, the Windows platform plugin still reaches for dynamic-GL code that only
# exists when OpenGL is on.
sed -i 's/#if QT_CONFIG(dynamicgl)/#if QT_CONFIG(opengl) \&\& QT_CONFIG(dynamicgl)/' \
  "$src/src/plugins/platforms/windows/qwindowswindow.cpp"

# Host tools (moc, rcc, uic) come from Debian's qt6-base-dev-tools of the same version.
# Debian's repacked source has no wintab.h, hence no tablet events.
nice -n 19 cmake -S "$src" -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$cache" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ \
  -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
  -DFEATURE_dbus=OFF -DFEATURE_icu=OFF -DFEATURE_vulkan=OFF \
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_direct2d=OFF -DFEATURE_directwrite3=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF -DFEATURE_freetype=ON \
  -DFEATURE_system_jpeg=OFF -DFEATURE_jpeg=OFF
nice -n 19 cmake --build build --parallel "$jobs"
cmake --install build --strip

minutes=$((($(date +%s) - start + 59) / 60))
times >"$work/times"
cpu=$(awk 'NR == 2 { split($1, u, /[ms]/); split($2, s, /[ms]/)
                     printf "%d", (u[1] * 60 + u[2] + s[1] * 60 + s[2]) / 60 + 0.5 }' "$work/times")
echo "qt6-base $(basename "$src" | sed 's/^qt6-base-//') for $triplet, built in $minutes min" \
  "($cpu min of CPU) on $(date -u +%F)" >"$stamp"
cd /
rm -rf "$work"
echo "Qt for Windows: installed in $cache ($(cat "$stamp"))"
