#!/usr/bin/env bash
# Long range texts on the set-up page: the time from a change of the OOP
# range to the first frame drawn after it, for a short range (to compare
# with), 1 MB of single combinations
# with four-decimal weights, the same with ", 22" typed at its end, and
# 10,000 characters of junk; then the CPU time of the whole process in each
# of two periods of two seconds after the memory estimate the change asks
# for has answered (nothing should be left working). Runs the shell with the real controller
# under a virtual X server drawing in software, several times; prints every
# run and the medians.
#
#   BUILD_DIR=build/release bench/range_text_reading.sh [-n RUNS]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_DIR:-build/release}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac
runs=3
while getopts "n:" opt; do
  case "$opt" in
    n) runs="$OPTARG" ;;
    *) sed -n '2,11p' "$0"; exit 2 ;;
  esac
done
view="$build/tests/qml/pellaris_qml_view"
[ -x "$view" ] || { echo "range_text_reading: build pellaris_qml_view first ($view)" >&2; exit 3; }
command -v xvfb-run >/dev/null || { echo "range_text_reading: xvfb-run missing" >&2; exit 3; }
echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), nproc $(nproc), load $(cut -d' ' -f1-3 /proc/loadavg)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }
for r in $(seq 1 "$runs"); do
  log="$work/run$r.log"
  env -u QT_QUICK_BACKEND QT_QPA_PLATFORM=xcb QSG_RHI_BACKEND=opengl LIBGL_ALWAYS_SOFTWARE=1 \
    QML_XHR_ALLOW_FILE_READ=1 \
    xvfb-run -a -s "-screen 0 1440x900x24 +extension GLX +render -noreset" \
    sh "$root/tests/run_isolated.sh" "$view" "$root/bench/range_text_reading.qml" > "$log" 2>&1 || true
  if ! grep -q "junk-10k idle-cpu-ms-in-2s-2" "$log"; then
    cat "$log" >&2; echo "range_text_reading: run $r incomplete" >&2; exit 1
  fi
  sed -n 's/^.*qml: \(case .*\)$/run '"$r"': \1/p' "$log"
done > "$work/all.txt"
cat "$work/all.txt"
for name in short combos-1MB combos-1MB-typed-at-end junk-10k; do
  read_ms="$(sed -n "s/.*case $name chars .* read-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
  first="$(sed -n "s/.*case $name idle-cpu-ms-in-2s-1 \([0-9]*\).*/\1/p" "$work/all.txt" | median)"
  second="$(sed -n "s/.*case $name idle-cpu-ms-in-2s-2 \([0-9]*\).*/\1/p" "$work/all.txt" | median)"
  echo "median $name: read ${read_ms} ms (limit 500), process cpu ${first} ms in the first 2 s after, ${second} ms in the next 2 s"
done
