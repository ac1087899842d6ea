#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole suite: in the
# Release build, then in the sanitizer (ASan + UBSan) build, where tests
# labelled "slow" and the screenshot checks (label "screenshot", which run
# Mesa's OpenGL under a virtual X server) are left out, then the engine,
# session and query tests (not "slow") in a ThreadSanitizer build without Qt.
# Exits non-zero on any failure.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/install-deps.sh

jobs="$(nproc)"
status=0

# Qt tests run headless, with a private runtime folder.
export QT_QPA_PLATFORM=offscreen
XDG_RUNTIME_DIR="$(mktemp -d)"
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

# The lines of a failed test's output that say what failed: the full output
# of a chatty test can run to thousands of lines, and the summary at the end
# of the run is what a reader sees first.
failure_digest() {
  local dir="$1"
  local log="$dir/Testing/Temporary/LastTest.log"
  local failed="$dir/Testing/Temporary/LastTestsFailed.log"
  [ -f "$log" ] && [ -f "$failed" ] || return 0
  local name
  while IFS= read -r line; do
    name="${line#*:}"
    echo "--- $name ($dir)"
    awk -v name="$name" '
      $0 ~ "Testing: " name "$" { found = 1; next }
      found && /^Output:/ { found = 0; inside = 1; next }
      inside && /^<end of output>/ { inside = 0 }
      inside && (/FAIL!|\[  FAILED  \]|Failure|Loc: |Actual|Expected|   Value of|Which is|runtime error|Sanitizer|Abort|Segmentation|terminate/) {
        print; if (++shown >= 60) exit
      }' "$log"
  done < "$failed"
}

run_suite() {
  local dir="$1"; shift
  local label_args=("$@")
  if ! ctest --test-dir "$dir" --output-on-failure --no-tests=error -j "$jobs" "${label_args[@]}"; then
    status=1
    echo "=== What the failed tests reported ==="
    failure_digest "$dir"
  fi
}

echo "=== Release build ==="
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build/release -j "$jobs"
run_suite build/release

echo "=== Sanitizer build (ASan + UBSan) ==="
cmake -S . -B build/sanitize -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVORY_SANITIZE=ON
cmake --build build/sanitize -j "$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:print_suppressions=0"
run_suite build/sanitize -LE "slow|screenshot"

echo "=== ThreadSanitizer build (engine, session and queries) ==="
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHALVORY_SANITIZE_THREAD=ON \
  -DHALVORY_BUILD_QT=OFF -DHALVORY_BUILD_BENCH=OFF
cmake --build build/tsan -j "$jobs"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"
run_suite build/tsan -LE "slow"

if [ "$status" -ne 0 ]; then
  echo "Test suite FAILED"
fi
exit "$status"
