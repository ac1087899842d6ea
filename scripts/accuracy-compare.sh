#!/usr/bin/env bash
# Compares the solver's accuracy of a commit with the working tree.
#
#   scripts/accuracy-compare.sh <commit>
#
# Builds bench/solve_spots from the commit and from the working tree (as
# scripts/bench-compare.sh does), then solves spots R, T, S and F with full
# floats and with 16-bit storage, 500 iterations each, and prints the
# exploitability at iterations 100, 200, 300 and 500 of both builds and
# their ratio (working tree / commit): 32 ratios, their geometric mean and
# the largest. Then the root EVs of spot F solved to 0.1% of the pot, per
# storage mode and build (one that knows --target).
#
# Environment: THREADS (8); JOBS (4), the build's parallel jobs; OLD_BIN and
# NEW_BIN, solve_spots binaries to use instead of building; CACHE, a folder
# that keeps each binary's outputs by its checksum, so that a binary already
# run is not run again; KEEP=1 keeps the temporary folder.
set -euo pipefail

# shellcheck source=solve-spots-builds.sh
. "$(dirname "${BASH_SOURCE[0]}")/solve-spots-builds.sh"
compare_usage 17 "$@"
commit="$1"
threads="${THREADS:-8}"

compare_setup accuracy-compare "$commit"
old="${OLD_BIN:-}"
new="${NEW_BIN:-}"
if [ -z "$old" ]; then
  build_commit
  old="$work/old/bench/solve_spots"
fi
if [ -z "$new" ]; then
  build_tree
  new="$work/new/bench/solve_spots"
fi

cache="${CACHE:-$work/cache}"
mkdir -p "$cache"
# Runs solve_spots with the arguments after the binary, or reads the output
# the same binary gave to the same arguments before.
run() {
  local bin="$1"
  shift
  local key
  key="$(cat "$bin" | md5sum | cut -c1-16)-$(echo "$*" | tr -c 'A-Za-z0-9.' '_')"
  if [ ! -s "$cache/$key" ]; then
    "$bin" "$@" >"$cache/$key.part" 2>&1
    mv "$cache/$key.part" "$cache/$key"
  fi
  cat "$cache/$key"
}

# The exploitability (% of pot) at the checkpoints, one "iteration value" a line.
checkpoints() {
  awk '/exploitability \(% of pot\)/ {
      for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+:$/) print substr($i, 1, length($i) - 1), $(i + 1) }' "$1"
}

printf '%-5s %-8s %6s %12s %12s %8s\n' spot storage iter old new ratio
for spot in R T S F; do
  for compress in off on; do
    for b in old new; do
      bin="$old"
      [ "$b" = new ] && bin="$new"
      run "$bin" --spot "$spot" --threads "$threads" --iterations 500 --every 100 \
        --compress "$compress" >"$work/$spot-$compress-$b.txt"
    done
    join <(checkpoints "$work/$spot-$compress-old.txt") \
      <(checkpoints "$work/$spot-$compress-new.txt") |
      awk -v spot="$spot" -v c="$compress" '$1 == 100 || $1 == 200 || $1 == 300 || $1 == 500 {
          printf "%-5s %-8s %6d %12s %12s %8.4f\n", spot, (c == "on" ? "16-bit" : "floats"),
            $1, $2, $3, $3 / $2 }'
  done
done | tee "$work/table.txt"
awk 'NR > 0 { n++; s += log($6); if ($6 > m) m = $6 }
     END { printf "ratios %d, geometric mean %.4f, largest %.4f\n", n, exp(s / n), m }' \
  "$work/table.txt"

# The root EVs where a build reaches 0.1% of the pot (builds without
# --target are left out); the reference is the figure of the solver's start.
echo "root EVs of spot F at 0.1% of the pot (chips, with half the pot each; reference 105.11 / 74.89):"
for compress in off on; do
  for b in old new; do
    bin="$old"
    [ "$b" = new ] && bin="$new"
    usage="$("$bin" --help 2>&1 || true)"
    if ! grep -q -- '--target' <<<"$usage"; then
      printf '  %-6s %-3s (no --target)\n' "$([ "$compress" = on ] && echo 16-bit || echo floats)" "$b"
      continue
    fi
    line="$(run "$bin" --spot F --threads "$threads" --target 0.1 --every 10 --compress "$compress" |
      grep -E 'final exploitability|with half the pot' | tr -s ' ' | tr '\n' ' ' || true)"
    printf '  %-6s %-3s %s\n' "$([ "$compress" = on ] && echo 16-bit || echo floats)" "$b" "$line"
  done
done
