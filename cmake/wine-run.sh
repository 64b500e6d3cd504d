#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh PROGRAM.exe [ARGS...]
# Without WINEPREFIX, the prefix is "wine" in the build folder that holds the program's bin/
# folder, made on first use (once, however many tests start together). Wine's own messages
# are off unless WINEDEBUG says otherwise. Programs run as on a Japanese Windows (code page
# 932), under ja_JP.UTF-8 when the locale is there; the locale is always the same, as Wine
# rewrites its prefix, slowly, whenever the locale changes.
set -euo pipefail
program=$1
if [ -z "${WINEPREFIX:-}" ]; then
  WINEPREFIX=$(cd "$(dirname "$program")/.." && pwd)/wine
fi
export WINEPREFIX
if locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  export LANG=ja_JP.UTF-8
else
  export LANG=C.UTF-8
fi
unset LC_ALL LC_CTYPE
export WINEDEBUG=${WINEDEBUG:--all}
# Wine keeps the host's QT_ variables (meant for the host's Qt) from Windows programs, and
# passes them on when prefixed with WINE.
for var in $(compgen -e | grep '^QT_' || true); do export "WINE$var=${!var}"; done
# No dialogs for missing Mono or Gecko, and no desktop integration.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=d}
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  flock "$WINEPREFIX.lock" bash -c \
    '[ -f "$WINEPREFIX/system.reg" ] || { wine wineboot --init && wineserver -w; } >/dev/null 2>&1'
fi
# Starting Wine's server costs about a second; kept for half a minute after its last
# program ends, it serves a whole test run. (Where one runs already, this start gives way.)
wineserver -p30 >/dev/null 2>&1 || true
# Wine's own services start with the first program and outlive it, keeping whatever output
# it had: a test runner would wait for them as long as the server lives. Started here, on
# nothing of ours, they hold no one's output (this costs a tenth of a second once they run).
wine wineboot </dev/null >/dev/null 2>&1 || true
exec wine "$@"
