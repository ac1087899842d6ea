#!/bin/sh
# Runs one journey on a virtual X server (Xvfb) with OpenGL, where the
# platform's file dialog is a window of its own that xdotool clicks and
# imagemagick photographs.
#   on_screen.sh RUN_ISOLATED PROGRAM JOURNEY
# Exits 77 (skipped) when the screenshot tools are missing.
set -eu
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool missing"; exit 77; }
done
isolated=$1; shift
QT_QPA_PLATFORM=xcb
export QT_QPA_PLATFORM
exec xvfb-run -a -s "-screen 0 1440x900x24 +extension GLX +render -noreset" \
  sh "$isolated" "$@"
