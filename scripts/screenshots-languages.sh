#!/usr/bin/env bash
# Takes every page of the program in each of its eight languages, for a look
# at what is cut or crowded: home (after a few solves), set-up, solve (while
# running), results, play and settings, one picture per language and page.
#
#   scripts/screenshots-languages.sh [-b BUILD_DIR] [-s WxH] [-o OUT_DIR] [LANG...]
#
# Defaults: build/release, 1366x768, build/release/language-shots, all
# languages (en de es fr it pl pt_BR ru). Pictures are OUT_DIR/LANG-PAGE.png.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"
size="1366x768"
out=""
while getopts "b:s:o:" opt; do
  case "$opt" in
    b) build="$OPTARG" ;;
    s) size="$OPTARG" ;;
    o) out="$OPTARG" ;;
    *) sed -n '2,9p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
out="${out:-$build/language-shots}"
languages=("$@")
[ ${#languages[@]} -gt 0 ] || languages=(en de es fr it pl pt_BR ru)
shot="$root/scripts/screenshot.sh"
qml="$root/tests/qml"
mkdir -p "$out"

# language, page name, seconds to wait, document, its arguments
take() {
  local lang="$1" name="$2" wait_s="$3" document="$4"; shift 4
  local args=(-a "--lang=$lang")
  for arg in "$@"; do args+=(-a "$arg"); done
  bash "$shot" -b "$build" -s "$size" -w "$wait_s" -q "$qml/$document" "${args[@]}" \
    "$out/$lang-$name.png"
}

for lang in "${languages[@]}"; do
  take "$lang" home 8 PagesShowcase.qml --solves=3
  take "$lang" setup 4 PagesShowcase.qml --setup --top
  take "$lang" solve 6 SolvePageShot.qml --start --iterations=100000 --threads=2
  take "$lang" results 30 ResultsPageShot.qml --iterations=4
  take "$lang" play 30 ResultsPageShot.qml --iterations=4 --play=end
  take "$lang" settings 4 PagesShowcase.qml --settings
done
echo "pictures in $out"
