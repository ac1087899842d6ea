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
# shellcheck source=SCRIPTDIR/qml_view_bench.sh
. "$(dirname "${BASH_SOURCE[0]}")/qml_view_bench.sh"
bench_start range_text_reading '2,12p' "$@"
bench_runs "junk-10k idle-cpu-ms-in-2s-2" QML_XHR_ALLOW_FILE_READ=1
for name in short combos-1MB combos-1MB-typed-at-end junk-10k; do
  read_ms="$(sed -n "s/.*case $name chars .* read-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
  first="$(sed -n "s/.*case $name idle-cpu-ms-in-2s-1 \([0-9]*\).*/\1/p" "$work/all.txt" | median)"
  second="$(sed -n "s/.*case $name idle-cpu-ms-in-2s-2 \([0-9]*\).*/\1/p" "$work/all.txt" | median)"
  echo "median $name: read ${read_ms} ms (limit 500), process cpu ${first} ms in the first 2 s after, ${second} ms in the next 2 s"
done
