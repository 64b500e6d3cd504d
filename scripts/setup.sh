#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the program need and
# this machine lacks. Safe to run again: installed packages are skipped.
set -euo pipefail

packages=(
  build-essential cmake ccache pkg-config
  libicu-dev libgtest-dev libzip-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-ipafont-mincho fontconfig
  xvfb xauth openbox x11-utils
  zip unzip hyperfine time
  # The package and its checks
  file groff-base desktop-file-utils appstream
  # Qt for Windows (scripts/build-qt-windows.sh): Debian's source, built with mingw-w64
  g++-mingw-w64-x86-64-posix ninja-build dpkg-dev
  # Fuzz targets (scripts/fuzz.sh): libFuzzer with clang
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
