# Sourced by scripts/bench-compare.sh and scripts/accuracy-compare.sh: the
# temporary folder and the two Release builds of bench/solve_spots (without
# Qt and tests) they compare, one of a commit and one of the working tree.
#
#   compare_usage LAST "$@"     prints the calling script's header (lines 2 to
#                               LAST) and exits 2 when no commit is given or
#                               help is asked for
#   compare_setup NAME COMMIT   sets root (and changes into it), rev and work
#                               (removed on exit unless KEEP=1); NAME prefixes
#                               the messages
#   build_commit                builds rev's solve_spots: $work/old/bench/solve_spots
#   build_tree                  builds the working tree's: $work/new/bench/solve_spots
# JOBS (4) sets the builds' parallel jobs.

compare_usage() {
  local last="$1"
  shift
  if [ $# -lt 1 ] || [ "$1" = "-h" ] || [ "$1" = "--help" ]; then
    sed -n "2,${last}p" "$0" | sed 's/^# \{0,1\}//'
    exit 2
  fi
}

compare_setup() {
  compare_name="$1"
  root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
  cd "$root"
  rev="$(git rev-parse --verify --quiet "$2^{commit}")" || {
    echo "$compare_name: unknown commit '$2'" >&2
    exit 2
  }
  work="$(mktemp -d "${TMPDIR:-/tmp}/$compare_name.XXXXXX")"
  if [ "${KEEP:-0}" != 1 ]; then
    trap 'rm -rf "$work"' EXIT
  fi
}

build_solve_spots() {
  local name="$1" src="$2"
  echo "building $name ..." >&2
  if ! { cmake -S "$src" -B "$work/$name" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DHALVORY_BUILD_QT=OFF -DHALVORY_BUILD_TESTS=OFF -DHALVORY_BUILD_BENCH=ON &&
    cmake --build "$work/$name" -j "${JOBS:-4}" --target solve_spots; } >"$work/$name.log" 2>&1; then
    echo "$compare_name: building $name failed; see $work/$name.log" >&2
    trap - EXIT
    exit 1
  fi
}

build_commit() {
  mkdir -p "$work/old-src"
  git archive "$rev" | tar -x -C "$work/old-src"
  build_solve_spots old "$work/old-src"
}

build_tree() {
  build_solve_spots new "$root"
}
