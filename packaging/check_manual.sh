#!/usr/bin/env bash
# Checks that a program's --help and its manual page say the same: every piece of the help
# (a line, or each column of an option or status line) stands in the rendered page, and every
# option the page lists is in the help.
#   check_manual.sh PAGE.1 PROGRAM
set -euo pipefail
page=$1 program=$2

collapse() { tr -s ' \n' '  '; }
rendered=$(groff -k -man -Tutf8 -P-cbou "$page" 2>/dev/null | collapse)
help=$("$program" --help)

status=0
while IFS= read -r line; do
  # Headings ("usage:", "options:") stand for the page's sections.
  [[ -z "${line// /}" || "$line" == *: ]] && continue
  while IFS= read -r piece; do
    [ -z "$piece" ] && continue
    if [[ "$rendered" != *"$piece"* ]]; then
      echo "$page: the help's \"$piece\" is not in the manual page" >&2
      status=1
    fi
  done < <(sed -E 's/^ +//; s/ +$//; s/ {2,}/\n/g' <<<"$line")
done <<<"$help"

for option in $(grep -oE '^\\fB\\-\\-(\\-|[a-z])+' "$page" | sed 's/^\\fB//; s/\\-/-/g'); do
  if ! grep -qE -- "^ +$option( |$)" <<<"$help"; then
    echo "$page: option $option is not in the help" >&2
    status=1
  fi
done
exit $status
