#!/bin/sh
# qmllint over every document of the QML module; fails on any warning or
# note.
#   lint-qml.sh [qmllint] [built module folder]
# The built module folder (build/release/qmlmodules) lets qmllint resolve
# the module's own types. Import problems are notes rather than failures
# because Debian's Qt5Compat package lacks the type file of its private
# plugin, which qmllint reports for every document that uses the effects;
# that one note is dropped below and any other still fails. A wrong import
# also fails the Quick tests, which load every document.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
lint=${1:-/usr/lib/qt6/bin/qmllint}
modules=${2:-$root/build/release/qmlmodules}
cd "$root/qml"
files=$(find . -name '*.qml' | sort)
status=0
out=$("$lint" --import info -I "$modules" $files 2>&1) || status=$?
findings=$(printf '%s\n' "$out" | grep -E '^(Warning|Info):' \
  | grep -v -e 'QML types file does not exist: .*/Qt5Compat/GraphicalEffects/private/plugins.qmltypes' \
            -e 'Warnings occurred while importing module "Qt5Compat.GraphicalEffects"' || true)
if [ "$status" -ne 0 ] || [ -n "$findings" ]; then
  printf '%s\n' "$out"
  echo "qmllint: findings above (exit $status)"
  exit 1
fi
echo "qmllint: $(echo "$files" | wc -l) documents clean"
