#!/usr/bin/env bash
# Results page responsiveness: solves the reference flop spot once, then
# times 50 clicks through the game tree, each until the action bar and the
# matrix hold the new node and a frame is drawn. Prints every step and the
# median and worst.
#
#   bench/results_page_walk.sh [-i ITERATIONS] [-s SETTLE_MS] [-n STEPS] [-b BUILD] [-d]
#
# With -d it times the root's distributions instead (dialog opened until the
# controller's answer) and the longest UI pause meanwhile.
#
# Offscreen platform (software rendering), private settings folders. SETTLE_MS
# is the pause between the results and the first click (the controller fills
# the first street's nodes on the pool meanwhile).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
iterations=30; settle=3000; steps=50; build="$root/build/release"; dist=0
while getopts "i:s:n:b:d" opt; do
  case "$opt" in
    d) dist=1 ;;
    i) iterations="$OPTARG" ;; s) settle="$OPTARG" ;; n) steps="$OPTARG" ;; b) build="$OPTARG" ;;
    *) sed -n '2,14p' "$0"; exit 2 ;;
  esac
done
view="$build/tests/qml/pellaris_qml_view"
[ -x "$view" ] || { echo "build pellaris_qml_view first" >&2; exit 3; }
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), nproc $(nproc), load $(cut -d' ' -f1-3 /proc/loadavg)"
QT_QPA_PLATFORM=offscreen sh "$root/tests/run_isolated.sh" "$view" "$root/bench/results_page_walk.qml" \
  --iterations="$iterations" --settle="$settle" --steps="$steps" --distributions="$dist" 2>&1 | sed -n 's/^qml: //p'
