#!/usr/bin/env bash
# Does the solve page cost the solve anything? Solves the Quick Solve flop
# spot N times started from the solve page (shown and following the run) and
# N times straight through the controller without a page, alternating, and
# prints every time and the two medians.
#
#   bench/solve_page_overhead.sh [-n RUNS] [-i ITERATIONS] [-t THREADS] [-b BUILD]
#
# Runs on the offscreen platform with private settings folders. Other load
# on the machine shows up in both columns; compare medians.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
runs=3; iterations=25; threads="$(nproc)"; build="$root/build/release"
while getopts "n:i:t:b:" opt; do
  case "$opt" in
    n) runs="$OPTARG" ;; i) iterations="$OPTARG" ;; t) threads="$OPTARG" ;; b) build="$OPTARG" ;;
    *) sed -n '2,10p' "$0"; exit 2 ;;
  esac
done
view="$build/tests/qml/pellaris_qml_view"
[ -x "$view" ] || { echo "build pellaris_qml_view first" >&2; exit 3; }

# One solve: "<wall seconds> <process CPU seconds> <GUI thread CPU seconds>
# <iterations> <status>". The process CPU time (user + system, start-up
# included) is steadier than the wall time on a machine that others share;
# the GUI thread's CPU time during the solve is where the page's own work
# shows.
one() {
  local out
  out="$(QML_XHR_ALLOW_FILE_READ=1 QT_QPA_PLATFORM=offscreen /usr/bin/time -f "process-cpu %U %S" \
    sh "$root/tests/run_isolated.sh" "$view" "$root/bench/solve_page_overhead.qml" \
    --mode="$1" --iterations="$iterations" --threads="$threads" 2>&1)"
  local wall cpu gui rest
  wall="$(printf '%s\n' "$out" | sed -n 's/.*solve-seconds \([0-9.]*\) gui-cpu .*/\1/p')"
  gui="$(printf '%s\n' "$out" | sed -n 's/.* gui-cpu \([0-9.]*\) mode .*/\1/p')"
  rest="$(printf '%s\n' "$out" | sed -n 's/.* mode [a-z]* iterations \(.*\)/\1/p')"
  cpu="$(printf '%s\n' "$out" | awk '/^process-cpu/ {printf "%.2f", $2 + $3}')"
  [ -n "$wall" ] && echo "$wall $cpu $gui $rest"
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), nproc $(nproc), threads $threads, iterations $iterations"
page=(); direct=(); page_cpu=(); direct_cpu=(); page_gui=(); direct_gui=()
for r in $(seq 1 "$runs"); do
  for mode in page direct; do
    line="$(one "$mode")"
    [ -n "$line" ] || { echo "run $r $mode: no result" >&2; exit 1; }
    echo "run $r $mode: wall s, process cpu s, gui thread cpu s, iterations, status: ${line}"
    if [ "$mode" = page ]; then
      page+=("${line%% *}"); page_cpu+=("$(echo "$line" | cut -d' ' -f2)"); page_gui+=("$(echo "$line" | cut -d' ' -f3)")
    else
      direct+=("${line%% *}"); direct_cpu+=("$(echo "$line" | cut -d' ' -f2)"); direct_gui+=("$(echo "$line" | cut -d' ' -f3)")
    fi
  done
done
report() {
  local a b
  a="$(printf '%s\n' "${!2}" | median)"; b="$(printf '%s\n' "${!3}" | median)"
  echo "median $1: page $a s, direct $b s, page/direct $(awk -v a="$a" -v b="$b" 'BEGIN {printf "%.4f", a/b}')"
}
report wall 'page[@]' 'direct[@]'
report "process cpu" 'page_cpu[@]' 'direct_cpu[@]'
report "gui thread cpu" 'page_gui[@]' 'direct_gui[@]'
