#!/bin/sh
# Checks that the C++ of the engine, application, shell, tests and benchmarks
# is formatted as .clang-format says; prints every difference and fails on
# any. Format with `clang-format -i <file>`.
#   check-format.sh [clang-format]
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
format=${1:-clang-format}
cd "$root"
files=$(find engine app shell tests bench \( -name '*.cpp' -o -name '*.hpp' \) | sort)
"$format" --dry-run -Werror $files
echo "$(printf '%s\n' "$files" | wc -l) files formatted"
