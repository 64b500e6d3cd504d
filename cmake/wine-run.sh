#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PROGRAM.exe [ARGS...]
# Without WINEPREFIX, the prefix is "wine" in the build folder that holds the program's bin/
# folder, made on first use (once, however many tests start together). Wine's own messages
# are off unless WINEDEBUG says otherwise.
set -euo pipefail
program=$1
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(cd "$(dirname "$program")/.." && pwd)/wine
fi
export WINEPREFIX
export WINEDEBUG=${WINEDEBUG:--all}
# No dialogs for missing Mono or Gecko, and no desktop integration.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=d}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" bash -c \
    '[ -f "$WINEPREFIX/system.reg" ] || { wine wineboot --init && wineserver -w; } >/dev/null 2>&1'
fi
exec wine "$@"
