#!/bin/sh
# Runs a window test program on a private X server with a window manager, where a window's
# frame exists and becomes known only after the window is shown. Skips (77) without them.
command -v xvfb-run >/dev/null && command -v openbox >/dev/null || exit 77
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'openbox >/dev/null 2>&1 & exec "$@"' sh "$@"
