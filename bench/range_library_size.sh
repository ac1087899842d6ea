#!/usr/bin/env bash
# A large Custom range library: the time to open the set-up page and the
# time to save one more range, with 1,000, 10,000 and 100,000 ranges in the
# store. Runs the shell with the real controller under a virtual X server
# drawing in software, several times; prints every run and the medians.
#
#   BUILD_DIR=build/release bench/range_library_size.sh [-n RUNS]
# shellcheck source=SCRIPTDIR/qml_view_bench.sh
. "$(dirname "${BASH_SOURCE[0]}")/qml_view_bench.sh"
bench_start range_library_size '2,7p' "$@"
bench_runs "case 100000 save-ms"
for n in 1000 10000 100000; do
  open="$(sed -n "s/.*case $n open-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
  save="$(sed -n "s/.*case $n save-ms \([0-9]*\) .*/\1/p" "$work/all.txt" | median)"
  echo "median $n ranges: open ${open} ms, save ${save} ms (limit 2000 each)"
done
