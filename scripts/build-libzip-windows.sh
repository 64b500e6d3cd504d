#!/usr/bin/env bash
# Builds libzip for 64-bit Windows as a static library from Debian's own source, the version
# the Linux build uses, with mingw-w64 and Debian's zlib for mingw, so that the Windows edition
# reads the national list from its archive. Only deflate is built in: the published archives
# use nothing else, and an encrypted member is refused before libzip would decrypt it.
# Installed into a cache folder outside the work tree and reused while its stamp file is
# there; a build takes about a quarter of a minute.
#
#   NANBARU_LIBZIP_WIN_CACHE   install folder (default: cmake/windows-caches.cmake)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
cache=$(cmake -P "$root/cmake/windows-caches.cmake" libzip)
stamp="$cache/.nanbaru-complete"
. "$root/scripts/debian-source.sh"

if [ -f "$stamp" ]; then
  echo "libzip for Windows: using the build in $cache ($(cat "$stamp"))"
  exit 0
fi
version=$(dpkg-query -W -f='${source:Version}' libzip-dev 2>/dev/null) || {
  echo "libzip for Windows: libzip-dev is missing (scripts/setup.sh installs it)" >&2
  exit 1
}
if [ ! -f /usr/x86_64-w64-mingw32/lib/libz.a ]; then
  echo "libzip for Windows: libz-mingw-w64-dev is missing (scripts/setup.sh installs it)" >&2
  exit 1
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
src=$(debian_source libzip "$version")
echo "libzip for Windows: building $src into $cache"

cmake -S "$src" -B build -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX="$work/install" \
  -DBUILD_SHARED_LIBS=OFF \
  -DENABLE_COMMONCRYPTO=OFF -DENABLE_GNUTLS=OFF -DENABLE_MBEDTLS=OFF -DENABLE_OPENSSL=OFF \
  -DENABLE_WINDOWS_CRYPTO=OFF -DENABLE_BZIP2=OFF -DENABLE_LZMA=OFF -DENABLE_ZSTD=OFF \
  -DBUILD_TOOLS=OFF -DBUILD_REGRESS=OFF -DBUILD_EXAMPLES=OFF -DBUILD_DOC=OFF >build.log 2>&1 ||
  { cat build.log >&2; exit 1; }
cmake --build build --parallel 2 >>build.log 2>&1 || { cat build.log >&2; exit 1; }
cmake --install build >>build.log 2>&1 || { cat build.log >&2; exit 1; }
# Its licence asks for its notice to come with every copy of the program.
cp "$src/LICENSE" install/LICENSE
echo "$src for x86_64-w64-mingw32, static, built on $(date -u +%F)" >install/.nanbaru-complete

# Moved into place whole, so that an interrupted build never leaves a stamped half.
"${sudo_cmd[@]}" mkdir -p "$(dirname "$cache")"
"${sudo_cmd[@]}" rm -rf "$cache"
"${sudo_cmd[@]}" mv install "$cache"
"${sudo_cmd[@]}" chown -R "$(id -u):$(id -g)" "$cache"
echo "libzip for Windows: installed in $cache ($(cat "$stamp"))"
