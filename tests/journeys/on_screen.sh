#!/bin/sh
# Runs one journey on a virtual X server (Xvfb) with OpenGL, where the
# platform's file dialog is a window of its own that xdotool clicks and
# imagemagick photographs.
#   on_screen.sh RUN_ISOLATED PROGRAM JOURNEY
# PELLARIS_SCREEN sets the screen (default 1440x900x24); PELLARIS_WM names a
# window manager to run on it first (openbox), else there is none.
# Exits 77 (skipped) when the screenshot tools or the window manager are
# missing.
set -eu
wm=${PELLARIS_WM:-}
for tool in xvfb-run xdotool import $wm ${wm:+xprop}; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool missing"; exit 77; }
done
isolated=$1; shift
QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 ${PELLARIS_SCREEN:-1440x900x24} +extension GLX +render -noreset" \
  sh -c '
    wm=$1; shift
    if [ -n "$wm" ]; then
      "$wm" >/dev/null 2>&1 &
      wm_pid=$!
      # The program must find the window manager in charge when it starts.
      tries=0
      until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"; do
        tries=$((tries + 1))
        [ "$tries" -lt 200 ] || { echo "$wm did not start"; exit 1; }
        sleep 0.05
      done
    fi
    status=0
    sh "$@" || status=$?
    [ -z "$wm" ] || kill "$wm_pid" 2>/dev/null || true
    exit "$status"' on-screen "$wm" "$isolated" "$@"
