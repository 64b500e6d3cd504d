#!/usr/bin/env bash
# Giant lines through the headless command, whole processes under /usr/bin/time -v:
#  - a sparse file of GIB gibibytes without a line end, searched for a key it lacks: the peak
#    resident memory against the length of that one line (the target is at most 1.6 times);
#  - a line of MB megabytes holding the key, printed in UTF-8: the output must be whole.
#   bench/giant_line.sh [BUILD_DIR] [GIB] [MB]   (defaults build, 1, 600; builds nothing)
set -euo pipefail
cd "$(dirname "$0")/.."

. bench/common.sh

gib=${2:-1}
mb=${3:-600}
bench_start giant "${1:-build}"

# Runs a command with its output to $work/out; prints "peak_kib seconds exit_status".
measure() {
  local status=0
  /usr/bin/time -v -o "$work/time" "$@" >"$work/out" 2>"$work/err" || status=$?
  awk -v s="$status" '/Maximum resident/ { kib = $6 }
    /Elapsed \(wall clock\)/ { n = split($8, t, ":"); sec = t[n] + 60 * t[n - 1] + 3600 * (n > 2 ? t[1] : 0) }
    END { printf "%d %.2f %d\n", kib, sec, s }' "$work/time"
}

sparse=$work/sparse.txt
truncate -s "${gib}G" "$sparse"
read -r kib sec status < <(measure "$exe" area --file "$sparse" 0289)
[ "$status" = 0 ] || { echo "sparse search failed:" >&2; cat "$work/err" >&2; exit 1; }
awk -v k="$kib" -v s="$sec" -v g="$gib" 'BEGIN {
  line = g * 1024 * 1024 * 1024
  printf "%d GiB line without a line end, key absent: peak RSS %.0f MiB = %.2f x the line (target <= 1.60), %.2f s\n",
         g, k / 1024, k * 1024 / line, s
  exit (k * 1024 > 1.6 * line) }' || { echo "peak memory above 1.6 times the line" >&2; exit 1; }

# A line of double-byte and half-width characters with the key in it, and the UTF-8 the
# command must print for it, as a checksum and a size.
matching=$work/matching.txt
read -r want_md5 want_size < <(python3 - "$matching" "$mb" <<'PY'
import hashlib, sys
path, mb = sys.argv[1], int(sys.argv[2])
unit = "南ﾊﾞﾙ　市外局番0289abc-".encode("cp932")
count = mb * 1000 * 1000 // len(unit)
chunk = unit * 4096
md5, size = hashlib.md5(), 0
def out(b):
    global size
    md5.update(b)
    size += len(b)
out(b"   ")
with open(path, "wb") as f:
    done = 0
    while done < count:
        n = min(4096, count - done)
        piece = chunk if n == 4096 else unit * n
        f.write(piece)
        out(piece.decode("cp932").encode("utf-8"))
        done += n
    f.write(b"\r\n")
out("\n    1件です。\n".encode("utf-8"))
print(md5.hexdigest(), size)
PY
)
read -r kib sec status < <(measure "$exe" area --file "$matching" 0289)
[ "$status" = 0 ] || { echo "matching search failed:" >&2; cat "$work/err" >&2; exit 1; }
got_md5=$(md5sum <"$work/out" | cut -d' ' -f1)
got_size=$(stat -c %s "$work/out")
awk -v k="$kib" -v s="$sec" -v l="$(stat -c %s "$matching")" -v o="$got_size" 'BEGIN {
  printf "%.0f MB matching line printed in UTF-8: %d bytes out, peak RSS %.0f MiB = %.2f x the line, %.2f s\n",
         l / 1e6, o, k / 1024, k * 1024 / l, s }'
[ "$got_md5 $got_size" = "$want_md5 $want_size" ] ||
  { echo "output differs: got $got_md5 $got_size bytes, want $want_md5 $want_size bytes" >&2; exit 1; }
echo "output whole and exact"
