#!/bin/sh
# Screenshots the gallery on a virtual X server with OpenGL and checks the
# pixels of its tint probe (the 48 px "stop" icon at 24,24): its outline must
# come out in the accent colour, and no pixel may stay white. Run for the
# default accent and for an override, so a fixed colour cannot pass.
#   icon_tint_check.sh BUILD_DIR
# Exits 77 (skipped) when the screenshot tools are missing.
set -eu
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$1
for tool in xvfb-run xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "skipped: $tool missing"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The first frame of a loaded machine may still be on its way when the shot is
# taken, so a failed look is taken again after a longer wait.
shot_matches() {
  accent=$1; wait_s=$2; shift 2
  bash "$root/scripts/screenshot.sh" -b "$build" -s 800x600 -w "$wait_s" -q "$root/tests/qml/Gallery.qml" "$@" "$work/shot.png" >/dev/null
  convert "$work/shot.png" -crop 48x48+24+24 +repage -depth 8 txt:- | awk -v want="$accent" '
    function hex(s) { return index("0123456789ABCDEF", toupper(s)) - 1 }
    function channel(s, i) { return hex(substr(s, i, 1)) * 16 + hex(substr(s, i + 1, 1)) }
    function near(a, b) { return a - b <= 4 && b - a <= 4 }
    BEGIN { wr = channel(want, 2); wg = channel(want, 4); wb = channel(want, 6) }
    match($0, /#[0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f][0-9A-Fa-f]/) {
      c = substr($0, RSTART, 7)
      r = channel(c, 2); g = channel(c, 4); b = channel(c, 6)
      if (near(r, wr) && near(g, wg) && near(b, wb)) tinted++
      if (r >= 240 && g >= 240 && b >= 240) white++
    }
    END {
      printf "accent %s: %d tinted pixels, %d white\n", want, tinted, white
      exit !(tinted >= 60 && white == 0)
    }'
}

check() {
  want=$1; shift
  for wait_s in 1 3 6; do
    shot_matches "$want" "$wait_s" "$@" && return 0
  done
  return 1
}

check "#3FB950"
check "#58A6FF" -a "--accent=#58A6FF"
