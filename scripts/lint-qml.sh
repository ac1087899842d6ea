#!/bin/sh
# qmllint over every document of the QML module; fails on any warning.
#   lint-qml.sh [qmllint] [built module folder]
# The built module folder (build/release/qmlmodules) lets qmllint resolve
# the module's own types.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lint=${1:-/usr/lib/qt6/bin/qmllint}
modules=${2:-$root/build/release/qmlmodules}
cd "$root/qml"
files=$(find . -name '*.qml' | sort)
out=$("$lint" -I "$modules" $files 2>&1) || status=$?
if [ -n "$out" ] || [ "${status:-0}" -ne 0 ]; then
  printf '%s\n' "$out"
  echo "qmllint: warnings above (exit ${status:-0})"
  exit 1
fi
echo "qmllint: $(echo "$files" | wc -l) documents clean"
