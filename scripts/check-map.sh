#!/usr/bin/env bash
# Keeps docs/architecture.md true: every file it names exists, every function it names in a
# table row is in that row's file, and every room includes only the rooms its row allows.
set -euo pipefail
cd "$(dirname "$0")/.."
map=docs/architecture.md
status=0
fail() { echo "check-map: $*" >&2; status=1; }

# Files named in back quotes (a pattern with * is a description, not a name).
while read -r path; do
  [ -e "$path" ] || fail "$map names $path, which does not exist"
done < <(grep -o '`[^`]*`' "$map" | tr -d '`' |
         grep -E '^(src|tests|cmake|scripts|packaging|docs|bench|data)/|^CMakeLists\.txt$' |
         grep -v '\*' | sort -u)

# Table rows "| step | `file` | `Function` |": the function is defined or declared there.
while IFS='|' read -r _ _ file function _; do
  file=$(tr -d '` ' <<<"$file")
  function=$(tr -d '` ' <<<"$function")
  [ -f "$file" ] && ! grep -q "\b$function\b" "$file" && fail "$function is not in $file"
done < <(grep -E '^\| [^|]+ \| `[^`]+` \| `[^`]+` \|$' "$map")

# The rooms' table: "| `src/room` | what | room, room |".
while IFS='|' read -r _ room _ allowed _; do
  room=$(tr -d '` ' <<<"$room")
  allowed=$(tr -d ' ' <<<"$allowed" | sed 's/alloftheabove/common,platform,search,update,results/')
  name=${room#src/}
  while IFS=: read -r file included; do
    [[ ",$allowed,$name," == *",$included,"* ]] ||
      fail "$file includes $included/, which the $name room may not"
  done < <(grep -rhoE --include='*.h' --include='*.cpp' -H \
             '#include "(common|platform|search|update|results|app|cli)/' "$room" |
           sed -E 's/:#include "([a-z]+)\//:\1/')
done < <(grep -E '^\| `src/[a-z]+` \|' "$map")

exit $status
