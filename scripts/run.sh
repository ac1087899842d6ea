#!/usr/bin/env bash
# Installs what is missing, builds the Release configuration and starts
# Pellaris. Without a display (no DISPLAY or WAYLAND_DISPLAY) the program
# runs under a virtual X server (Xvfb), where its window exists but is not
# visible; the script then prints the display and its authority file, with
# the command that captures the window as a PNG while the program runs.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release --target pellaris -j "$(nproc)"

app="$root/build/release/shell/pellaris"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Pellaris under Xvfb" \
       "(xvfb-run -a -s \"-screen 0 1440x900x24\")."
  # xvfb-run picks a free display and a private authority file; only the
  # program started under it knows them, so it names them before it starts.
  exec xvfb-run -a -s "-screen 0 1440x900x24" sh -c '
    echo "Pellaris runs on display $DISPLAY. To capture its window, from another shell:"
    echo "  DISPLAY=$DISPLAY XAUTHORITY=$XAUTHORITY import -window root shot.png"
    exec "$0"' "$app"
fi
exec "$app"
