#!/usr/bin/env bash
# Takes a screenshot of Pellaris (or of one QML document) on a virtual X
# server with OpenGL (Mesa's software rasteriser), optionally after keys and
# clicks, and writes a PNG. The program runs with private settings folders,
# so the user's own settings neither show nor change.
#
#   scripts/screenshot.sh [options] OUT.png
#     -s WxH      screen size (default 1440x900)
#     -q FILE     show this QML document (root: a window) through
#                 pellaris_qml_view instead of the program, e.g.
#                 tests/qml/Gallery.qml
#     -a ARG      argument for the program or document (repeatable),
#                 e.g. -a --light
#     -k KEYS     send keys, xdotool names, e.g. -k ctrl+2 (repeatable)
#     -c X,Y      click at screen position X,Y (repeatable)
#     -m X,Y      move the pointer to X,Y, e.g. to show a hover state
#                 (repeatable); keys, clicks and moves run in the order given
#     -w SECONDS  wait after start before the first action and before
#                 the capture (default 2)
#     -b DIR      build folder (default build/release)
#
# Needs xvfb, xauth, xdotool, imagemagick and libgl1-mesa-dri
# (scripts/install-deps.sh). The program must be built.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
size=1440x900
document=""
wait_s=2
build="$root/build/release"
args=()
actions=()
while getopts "s:q:a:k:c:m:w:b:" opt; do
  case "$opt" in
    s) size="$OPTARG" ;;
    q) document="$OPTARG" ;;
    a) args+=("$OPTARG") ;;
    k) actions+=("key $OPTARG") ;;
    c) actions+=("click $OPTARG") ;;
    m) actions+=("move $OPTARG") ;;
    w) wait_s="$OPTARG" ;;
    b) build="$OPTARG" ;;
    *) sed -n '2,24p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
if [ $# -ne 1 ]; then sed -n '2,24p' "$0"; exit 2; fi
out="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"

for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot: $tool missing (bash scripts/install-deps.sh)" >&2; exit 3; }
done
if [ -n "$document" ]; then
  program=("$build/tests/qml/pellaris_qml_view" "$(cd "$(dirname "$document")" && pwd)/$(basename "$document")")
else
  program=("$build/shell/pellaris")
fi
[ -x "${program[0]}" ] || { echo "screenshot: ${program[0]} not built" >&2; exit 3; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
printf '%s\n' "${actions[@]+"${actions[@]}"}" > "$work/actions"

# Runs inside the virtual server: start, wait for a window, act, capture.
cat > "$work/inside.sh" <<'INSIDE'
set -u
work="$1"; out="$2"; wait_s="$3"; shift 3
"$@" > "$work/program.log" 2>&1 &
pid=$!
for _ in $(seq 1 100); do
  xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
  kill -0 "$pid" 2>/dev/null || { cat "$work/program.log" >&2; echo "screenshot: program ended early" >&2; exit 4; }
  sleep 0.1
done
sleep "$wait_s"
while read -r kind what; do
  case "$kind" in
    key) xdotool key --clearmodifiers "$what" ;;
    click) xdotool mousemove "${what%,*}" "${what#*,}" click 1 ;;
    move) xdotool mousemove "${what%,*}" "${what#*,}" ;;
    *) continue ;;
  esac
  sleep 0.4
done < "$work/actions"
[ -s "$work/actions" ] && sleep "$wait_s"
import -window root "$out"
status=$?
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
grep -m1 -o "RENDERER: .*" "$work/program.log" | sed "s/^/screenshot: OpenGL /" >&2 || true
exit $status
INSIDE

# OpenGL through Mesa, never Qt Quick's software renderer: shadows and other
# shader effects only render with a real graphics backend.
env -u QT_QUICK_BACKEND QT_QPA_PLATFORM=xcb QSG_RHI_BACKEND=opengl QSG_INFO=1 LIBGL_ALWAYS_SOFTWARE=1 \
  xvfb-run -a -s "-screen 0 ${size}x24 +extension GLX +render -noreset" \
  sh "$root/tests/run_isolated.sh" sh "$work/inside.sh" "$work" "$out" "$wait_s" \
  "${program[@]}" "${args[@]+"${args[@]}"}"
echo "screenshot: $out"
