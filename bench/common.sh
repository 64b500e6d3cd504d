# What the command's benchmarks share, sourced from the source tree's top:
#   bench_start NAME BUILD_DIR   sets exe (the build's nanbaru-search; exits 2 when it is not
#                                built) and work (a scratch folder, removed on exit)
bench_start() {
  exe=$2/bin/nanbaru-search
  [ -x "$exe" ] || { echo "no $exe: build first" >&2; exit 2; }
  work=$(mktemp -d "/tmp/nanbaru-$1.XXXXXX")
  trap 'rm -rf "$work"' EXIT
}
