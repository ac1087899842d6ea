# shellcheck shell=bash
# Sourced by the benches that drive the shell with the real controller
# through a QML script (bench/NAME.qml) under a virtual X server drawing in
# software. bench_start reads the options (-n RUNS), checks the view binary
# and xvfb-run and prints the machine; bench_runs runs the script RUNS times,
# each in its own isolated home, keeps each run's "case ..." lines in
# "$work/all.txt" and prints them; median reads numbers, one a line.
#
#   . "$(dirname "${BASH_SOURCE[0]}")/qml_view_bench.sh"
#   bench_start NAME USAGE_LINES "$@"   # USAGE_LINES: sed range of the caller's head comment
#   bench_runs LAST_LINE [VAR=VALUE ...] # LAST_LINE: what the last case prints; extra environment
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

bench_start() {
  bench_name="$1"
  local usage="$2"
  shift 2
  build="${BUILD_DIR:-build/release}"
  case "$build" in /*) ;; *) build="$root/$build" ;; esac
  runs=3
  local opt OPTIND=1
  while getopts "n:" opt; do
    case "$opt" in
      n) runs="$OPTARG" ;;
      *) sed -n "$usage" "$0"; exit 2 ;;
    esac
  done
  view="$build/tests/qml/pellaris_qml_view"
  [ -x "$view" ] || { echo "$bench_name: build pellaris_qml_view first ($view)" >&2; exit 3; }
  command -v xvfb-run >/dev/null || { echo "$bench_name: xvfb-run missing" >&2; exit 3; }
  echo "cpu: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), nproc $(nproc), load $(cut -d' ' -f1-3 /proc/loadavg)"
  work="$(mktemp -d)"
  trap 'rm -rf "$work"' EXIT
}

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2) ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2}'; }

bench_runs() {
  local last="$1"
  shift
  local r log
  for r in $(seq 1 "$runs"); do
    log="$work/run$r.log"
    env -u QT_QUICK_BACKEND QT_QPA_PLATFORM=xcb QSG_RHI_BACKEND=opengl LIBGL_ALWAYS_SOFTWARE=1 \
      "$@" \
      xvfb-run -a -s "-screen 0 1440x900x24 +extension GLX +render -noreset" \
      sh "$root/tests/run_isolated.sh" "$view" "$root/bench/$bench_name.qml" > "$log" 2>&1 || true
    if ! grep -q "$last" "$log"; then
      cat "$log" >&2; echo "$bench_name: run $r incomplete" >&2; exit 1
    fi
    sed -n 's/^.*qml: \(case .*\)$/run '"$r"': \1/p' "$log"
  done > "$work/all.txt"
  cat "$work/all.txt"
}
