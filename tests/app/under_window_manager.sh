#!/bin/sh
# Runs a window test program (or a script of key presses) on a private X server with a window
# manager, where a window's frame exists and becomes known only after the window is shown.
# Skips (77) without them.
for tool in xvfb-run openbox xprop; do command -v "$tool" >/dev/null || exit 77; done
# The program starts once the window manager has announced itself on the root window.
exec xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  openbox >/dev/null 2>&1 &
  tries=0
  until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
    tries=$((tries + 1))
    [ "$tries" -gt 200 ] && exit 77
    sleep 0.05
  done
  exec "$@"' sh "$@"
