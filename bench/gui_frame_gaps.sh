#!/usr/bin/env bash
# Does the window freeze when results are released? Solves the Quick Solve
# flop spot, then starts a new solve over the held result, cancels it, solves
# again and closes the program: the longest GUI frame gap while starting and
# while cancelling, and the time from the close request to the end of the
# process. Runs under a virtual X server drawing in software, several times;
# prints every run and the medians.
#
#   BUILD_DIR=build/release bench/gui_frame_gaps.sh [-n RUNS] [-i ITERATIONS] [-t THREADS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-build/release}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
runs=3; iterations=2; threads="$(nproc)"
while getopts "n:i:t:" opt; do
  case "$opt" in
    n) runs="$OPTARG" ;; i) iterations="$OPTARG" ;; t) threads="$OPTARG" ;;
    *) sed -n '2,10p' "$0"; exit 2 ;;
  esac
done
view="$build/tests/qml/pellaris_qml_view"
[ -x "$view" ] || { echo "gui_frame_gaps: build pellaris_qml_view first ($view)" >&2; exit 3; }
command -v xvfb-run >/dev/null || { echo "gui_frame_gaps: xvfb-run missing" >&2; exit 3; }

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# Inside the virtual server: the end of the process is taken there, so that
# the server's own shutdown is not counted.
cat > "$work/inside.sh" <<'INSIDE'
set -u
"$@" > "$LOG" 2>&1
echo "ended-at $(date +%s%3N)" >> "$LOG"
INSIDE

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
starts=(); cancels=(); closes=()
for r in $(seq 1 "$runs"); do
  log="$work/run$r.log"
  LOG="$log" env -u QT_QUICK_BACKEND QT_QPA_PLATFORM=xcb QSG_RHI_BACKEND=opengl LIBGL_ALWAYS_SOFTWARE=1 \
    xvfb-run -a -s "-screen 0 1280x720x24 +extension GLX +render -noreset" \
    sh "$work/inside.sh" sh "$root/tests/run_isolated.sh" "$view" "$root/bench/gui_frame_gaps.qml" \
    --iterations="$iterations" --threads="$threads"
  start="$(sed -n 's/.*start-gap-ms \([0-9.]*\).*/\1/p' "$log" | head -n1)"
  cancel="$(sed -n 's/.*cancel-gap-ms \([0-9.]*\).*/\1/p' "$log" | head -n1)"
  closing="$(sed -n 's/.*closing-at \([0-9]*\).*/\1/p' "$log" | head -n1)"
  ended="$(sed -n 's/^ended-at \([0-9]*\)$/\1/p' "$log" | head -n1)"
  if [ -z "$start" ] || [ -z "$cancel" ] || [ -z "$closing" ] || [ -z "$ended" ]; then
    cat "$log" >&2; echo "gui_frame_gaps: run $r incomplete" >&2; exit 1
  fi
  close=$((ended - closing))
  echo "run $r: longest frame gap starting $start ms, cancelling $cancel ms; close to exit $close ms"
  starts+=("$start"); cancels+=("$cancel"); closes+=("$close")
done
echo "median: start gap $(printf '%s\n' "${starts[@]}" | median) ms (limit 100)," \
  "cancel gap $(printf '%s\n' "${cancels[@]}" | median) ms (limit 100)," \
  "close $(printf '%s\n' "${closes[@]}" | median) ms (limit 300)"
