#!/usr/bin/env bash
# Regenerates the README's pictures in docs/ from the built program, on a
# virtual X server with OpenGL (scripts/screenshot.sh): the home page after a
# few solves, the set-up page, a solve in progress, the results of a flop
# spot and a hand played against the solution.
#
#   scripts/screenshots.sh [-b BUILD_DIR]
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"
while getopts "b:" opt; do
  case "$opt" in
    b) build="$OPTARG" ;;
    *) sed -n '2,8p' "$0"; exit 2 ;;
  esac
done
shot="$root/scripts/screenshot.sh"
docs="$root/docs"
mkdir -p "$docs"
qml="$root/tests/qml"

# name, screen size (the document's window size), seconds to wait,
# document, its arguments
take() {
  local name="$1" size="$2" wait_s="$3" document="$4"; shift 4
  local args=()
  for arg in "$@"; do args+=(-a "$arg"); done
  bash "$shot" -b "$build" -s "$size" -w "$wait_s" -q "$qml/$document" "${args[@]}" "$docs/$name.png"
}

take home 1540x1020 8 PagesShowcase.qml --solves=3
take setup 1540x1020 4 PagesShowcase.qml --setup
take solve 1440x900 12 SolvePageShot.qml --start --iterations=400 --threads=2
take results 1440x900 20 ResultsPageShot.qml
take play 1440x900 20 ResultsPageShot.qml --play=end
