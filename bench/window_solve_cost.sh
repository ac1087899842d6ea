#!/usr/bin/env bash
# Does the window slow the solve? One flop solve (the Quick Solve spot,
# every iteration run) started by "Start Solve" on the solve page of the
# program's shell (tests/qml/SolvePageShot.qml), under a virtual X server
# with OpenGL drawn in software, once with the window shown and once with
# it unmapped; the two alternate, three rounds by default. Prints every
# time, the two medians and "visible/hidden: R".
#
#   BUILD_DIR=build/release bench/window_solve_cost.sh [-n ROUNDS] [-i ITERATIONS] [-t THREADS]
#
# Needs xvfb and xauth (scripts/install-deps.sh) and the built
# pellaris_qml_view; installs nothing. Other load on the machine shows in
# both columns; compare medians.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-build/release}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
rounds=3; iterations=30; threads="$(nproc)"
while getopts "n:i:t:" opt; do
  case "$opt" in
    n) rounds="$OPTARG" ;; i) iterations="$OPTARG" ;; t) threads="$OPTARG" ;;
    *) sed -n '2,12p' "$0"; exit 2 ;;
  esac
done
view="$build/tests/qml/pellaris_qml_view"
[ -x "$view" ] || { echo "window_solve_cost: build pellaris_qml_view first ($view)" >&2; exit 3; }
command -v xvfb-run >/dev/null || { echo "window_solve_cost: xvfb-run missing" >&2; exit 3; }

# One solve: its wall seconds, or nothing when it did not run.
one() {
  local out
  out="$(env -u QT_QUICK_BACKEND QT_QPA_PLATFORM=xcb QSG_RHI_BACKEND=opengl LIBGL_ALWAYS_SOFTWARE=1 \
    xvfb-run -a -s "-screen 0 1920x1080x24 +extension GLX +render -noreset" \
    sh "$root/tests/run_isolated.sh" "$view" "$root/tests/qml/SolvePageShot.qml" \
    --time --target=0 --iterations="$iterations" --threads="$threads" $([ "$1" = hidden ] && echo --hidden) 2>&1)"
  printf '%s\n' "$out" | sed -n 's/.*solve-seconds \([0-9.]*\) iterations .*/\1/p' | head -n1
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), nproc $(nproc), threads $threads, iterations $iterations"
visible=(); hidden=()
for r in $(seq 1 "$rounds"); do
  for mode in visible hidden; do
    s="$(one "$mode")"
    [ -n "$s" ] || { echo "round $r $mode: no result" >&2; exit 1; }
    echo "round $r $mode: $s s"
    if [ "$mode" = visible ]; then visible+=("$s"); else hidden+=("$s"); fi
  done
done
v="$(printf '%s\n' "${visible[@]}" | median)"
h="$(printf '%s\n' "${hidden[@]}" | median)"
echo "median: visible $v s, hidden $h s"
echo "visible/hidden: $(awk -v a="$v" -v b="$h" 'BEGIN {printf "%.3f", a/b}')"
