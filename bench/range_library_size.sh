#!/usr/bin/env bash
# A large Custom range library: the time to open the set-up page, and the
# longest time the window does not answer (the GUI thread's longest stall)
# after start with a first range saved, and for a range save, a profile
# save, a language change and a delete, with 1,000, 10,000 and 100,000
# ranges in the store.
# Runs the shell with the real controller under a virtual X server drawing
# in software, several times; prints every run and the medians.
#
#   BUILD_DIR=build/release bench/range_library_size.sh [-n RUNS]
# shellcheck source=SCRIPTDIR/qml_view_bench.sh
. "$(dirname "${BASH_SOURCE[0]}")/qml_view_bench.sh"
bench_start range_library_size '2,9p' "$@"
bench_runs "case 100000 delete-ms"
for n in 1000 10000 100000; do
  line="median $n ranges:"
  for step in open idle first save profile language delete; do
    ms="$(sed -n "s/.*case $n $step-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
    line="$line $step ${ms} ms,"
  done
  echo "${line%,}"
  line="median $n ranges, the action's call alone:"
  for step in first save profile language delete; do
    ms="$(sed -n "s/.*case $n $step-call-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
    line="$line $step ${ms} ms,"
  done
  echo "${line%,}"
done
echo "limits: each stall but open's 1000 ms at 100,000 ranges (first, save, profile, language, delete), 50 ms at 1,000"
