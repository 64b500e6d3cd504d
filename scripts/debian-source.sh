# Sourced by the scripts that build a library for Windows from Debian's own source.
#   debian_source PACKAGE VERSION     unpacks PACKAGE's source of VERSION into the current
#                                     folder and prints the source folder's name
# apt offers Debian's source archive only with a deb-src entry; one is added when missing.

debian_source() {
  local package=$1 version=$2
  local sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  if ! apt-get source --print-uris "$package" >/dev/null 2>&1; then
    echo "Adding Debian's source archive to apt's sources" >&2
    "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/nanbaru-deb-src.sources >/dev/null <<'SOURCES'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SOURCES
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get update -qq
  fi
  apt-get source --download-only "$package=$version" >&2
  dpkg-source --no-check -x "${package}"_*.dsc >&2
  find . -maxdepth 1 -type d -name "${package}-*" -printf '%f\n' | head -n 1
}
