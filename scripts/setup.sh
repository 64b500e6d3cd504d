#!/usr/bin/env bash
# Installs, from Debian's packages, whatever this machine lacks for building and running the
# program (scripts/setup.sh --run, as ./run does), or for that and every test besides (no
# option, as ./test does), with the Japanese locale Wine runs the Windows tests under. Safe to
# run again: what is already there is skipped.
set -euo pipefail

# Building the default preset and running the window and the command.
packages=(
  build-essential cmake ccache pkg-config
  libgtest-dev googletest libzip-dev libcurl4-openssl-dev
  qt6-base-dev qt6-base-dev-tools libgl-dev qt6-translations-l10n
  fonts-ipafont-mincho fontconfig
)
# The tests.
tests=(
  # The update's tests: a loopback server and its test certificate
  python3 openssl
  xvfb xauth openbox x11-utils xdotool xclip
  zip unzip hyperfine time
  # The package and its checks, in a fresh Debian made by mmdebstrap
  file groff-base desktop-file-utils appstream mmdebstrap
  # Windows: the cross compiler (also for scripts/build-qt-windows.sh, with Ninja and dpkg-dev
  # for Debian's Qt and libzip sources), zlib for it, Wine with a Japanese locale to run the
  # tests, and wixl and msibuild for the installer
  g++-mingw-w64-x86-64-posix ninja-build dpkg-dev libz-mingw-w64-dev wine wine64 locales
  wixl msitools
  # Fuzz targets (scripts/fuzz.sh): libFuzzer with clang
  clang-14 libclang-rt-14-dev
)
case "${1:-}" in
  --run) ;;
  "") packages+=("${tests[@]}") ;;
  *) echo "usage: scripts/setup.sh [--run]" >&2; exit 2 ;;
esac

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

[ "${1:-}" = --run ] && exit 0
# Wine names the host's files in the locale's character set: Japanese file names need a
# UTF-8 locale, and ja_JP.UTF-8 also gives Windows programs code page 932.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "Generating the ja_JP.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  "${sudo_cmd[@]}" locale-gen >/dev/null
fi
