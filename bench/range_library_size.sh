#!/usr/bin/env bash
# A large Custom range library: the time to open the set-up page and the
# time to save one more range, with 1,000, 10,000 and 100,000 ranges in the
# store. Runs the shell with the real controller under a virtual X server
# drawing in software, several times; prints every run and the medians.
#
#   BUILD_DIR=build/release bench/range_library_size.sh [-n RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-build/release}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
runs=3
while getopts "n:" opt; do
  case "$opt" in
    n) runs="$OPTARG" ;;
    *) sed -n '2,7p' "$0"; exit 2 ;;
  esac
done
view="$build/tests/qml/pellaris_qml_view"
[ -x "$view" ] || { echo "range_library_size: build pellaris_qml_view first ($view)" >&2; exit 3; }
command -v xvfb-run >/dev/null || { echo "range_library_size: xvfb-run missing" >&2; exit 3; }
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), nproc $(nproc), load $(cut -d' ' -f1-3 /proc/loadavg)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
for r in $(seq 1 "$runs"); do
  log="$work/run$r.log"
  env -u QT_QUICK_BACKEND QT_QPA_PLATFORM=xcb QSG_RHI_BACKEND=opengl LIBGL_ALWAYS_SOFTWARE=1 \
    xvfb-run -a -s "-screen 0 1440x900x24 +extension GLX +render -noreset" \
    sh "$root/tests/run_isolated.sh" "$view" "$root/bench/range_library_size.qml" > "$log" 2>&1 || true
  if ! grep -q "case 100000 save-ms" "$log"; then
    cat "$log" >&2; echo "range_library_size: run $r incomplete" >&2; exit 1
  fi
  sed -n 's/^.*qml: \(case .*\)$/run '"$r"': \1/p' "$log"
done > "$work/all.txt"
cat "$work/all.txt"
for n in 1000 10000 100000; do
  open="$(sed -n "s/.*case $n open-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
  save="$(sed -n "s/.*case $n save-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
  echo "median $n ranges: open ${open} ms, save ${save} ms (limit 2000 each)"
done
