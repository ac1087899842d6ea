#!/usr/bin/env bash
# Start-up speed: the time from starting the program to the first frame of
# its window, on a virtual X server with OpenGL (Mesa's software rasteriser),
# as the median of several launches. Each launch runs with private settings
# folders, so Mesa's shader cache starts empty: every launch is a first
# launch, whose shaders the software renderer compiles before the first
# frame. With -w the launches share one shader cache, filled by a launch
# that is not counted: the figure of a user's later launches. The program
# reports the wall-clock time of its first frame when
# PELLARIS_REPORT_FIRST_FRAME is set.
#
#   bench/first_frame_time.sh [-n RUNS] [-s WxH] [-b BUILD_DIR] [-w]
#
# Needs xvfb and xauth (scripts/install-deps.sh) and a built program.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=5
size=1920x1080
build="$root/build/release"
warm=0
while getopts "n:s:b:w" opt; do
  case "$opt" in
    n) runs="$OPTARG" ;;
    s) size="$OPTARG" ;;
    b) build="$OPTARG" ;;
    w) warm=1 ;;
    *) sed -n '2,13p' "$0"; exit 2 ;;
  esac
done
program="$build/shell/pellaris"
[ -x "$program" ] || { echo "first_frame_time: $program not built" >&2; exit 3; }
command -v xvfb-run >/dev/null || { echo "first_frame_time: xvfb-run missing" >&2; exit 3; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Runs inside the virtual server: one launch after the other, each ended
# once its first frame is reported.
cat > "$work/inside.sh" <<'INSIDE'
set -u
program="$1"; runs="$2"; work="$3"; warm="$4"
first=1
unset MESA_SHADER_CACHE_DIR
if [ "$warm" = 1 ]; then
  MESA_SHADER_CACHE_DIR="$work/shader-cache"
  export MESA_SHADER_CACHE_DIR
  first=0
fi
for i in $(seq "$first" "$runs"); do
  log="$work/run$i.log"
  start=$(date +%s%3N)
  PELLARIS_REPORT_FIRST_FRAME=1 sh "$ROOT/tests/run_isolated.sh" "$program" > "$log" 2>&1 &
  pid=$!
  frame=""
  for _ in $(seq 1 300); do
    frame=$(sed -n 's/^first-frame-epoch-ms \([0-9]*\)$/\1/p' "$log" | head -n1)
    [ -n "$frame" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.02
  done
  # The wrapper waits for the program, so the program itself is ended.
  for child in $(pgrep -P "$pid"); do kill "$child" 2>/dev/null; done
  wait "$pid" 2>/dev/null
  if [ -z "$frame" ]; then cat "$log" >&2; echo "first_frame_time: no first frame in run $i" >&2; exit 4; fi
  # Run 0 only fills the shader cache.
  [ "$i" -gt 0 ] && echo $((frame - start))
done
INSIDE

ms=$(env -u QT_QUICK_BACKEND ROOT="$root" QT_QPA_PLATFORM=xcb QSG_RHI_BACKEND=opengl LIBGL_ALWAYS_SOFTWARE=1 \
  xvfb-run -a -s "-screen 0 ${size}x24 +extension GLX +render -noreset" \
  sh "$work/inside.sh" "$program" "$runs" "$work" "$warm")
sorted=$(printf '%s\n' $ms | sort -n)
median=$(printf '%s\n' $sorted | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }')
cache=$([ "$warm" = 1 ] && echo "shader cache kept" || echo "shader cache empty")
echo "first frame after start (ms), $runs runs, $cache: $(echo $ms)"
echo "median: ${median} ms"
echo "machine: $(nproc) logical processors, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')"
