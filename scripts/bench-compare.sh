#!/usr/bin/env bash
# Compares the solver's speed and memory of a commit with the working tree.
#
#   scripts/bench-compare.sh <commit> [spot]
#
# Builds bench/solve_spots (Release, without Qt and tests) from the commit and
# from the working tree, each in a temporary folder of its own, then runs both
# interleaved: every round runs each thread count (1 and 8), each storage mode
# (full floats and 16-bit) and each build in turn, so that a change in the
# machine's load hits both builds alike. Prints the medians of the rounds and
# the working tree's figure as a ratio of the commit's.
#
# Environment: ROUNDS (3), ITERATIONS_8 (100) and ITERATIONS_1 (10), the
# iterations of the 8- and 1-thread runs; EVERY (10), the exploitability
# cadence; JOBS (4), the build's parallel jobs; KEEP=1 keeps the folders.
#
# Figures: time per iteration (mean of the iterations without an
# exploitability pass; a solve_spots that reports its first iteration apart
# leaves it out), the first iteration, the whole run (allocation, iterations
# and passes), one exploitability pass, setup (card context, tree and the
# arrays' allocation, from a run of 0 iterations), times to 0.5% and 0.1% of
# the pot and peak resident memory, each with its spread over the rounds
# ((max - min) / 2 as a share of the median). Then 16-bit storage against full
# floats at every exploitability checkpoint of the first round.
# An older solve_spots without --every is run with
# --digest N, which sets the same cadence; one that prints no times to target
# gets the estimate "iterations x time per iteration + passes x pass time",
# used then for both builds.
set -euo pipefail

# shellcheck source=solve-spots-builds.sh
. "$(dirname "${BASH_SOURCE[0]}")/solve-spots-builds.sh"
compare_usage 28 "$@"
commit="$1"
spot="${2:-F}"
rounds="${ROUNDS:-3}"
iterations_8="${ITERATIONS_8:-100}"
iterations_1="${ITERATIONS_1:-10}"
every="${EVERY:-10}"

compare_setup bench-compare "$commit"
build_commit
build_tree
declare -A bin=([old]="$work/old/bench/solve_spots" [new]="$work/new/bench/solve_spots")

# The cadence option each build understands.
declare -A cadence
for b in old new; do
  usage="$("${bin[$b]}" --help 2>&1 || true)"
  if grep -q -- '--every' <<<"$usage"; then
    cadence[$b]="--every $every"
  elif grep -q -- '--digest' <<<"$usage"; then
    cadence[$b]="--digest $every"
  else
    cadence[$b]=""
  fi
done

# One figure out of a solve_spots output.
figure() {
  local what="$1" file="$2"
  case "$what" in
    iteration) sed -n 's/^ *iteration: \([0-9.]*\) s.*/\1/p' "$file" ;;
    first) sed -n 's/^ *first iteration: \([0-9.]*\) s.*/\1/p' "$file" ;;
    run) sed -n 's/^ *iteration: .*; run \([0-9.]*\) s.*/\1/p' "$file" ;;
    pass) sed -n 's/^ *one exploitability pass: \([0-9.]*\) s.*/\1/p' "$file" ;;
    memory) sed -n 's/^ *peak RSS: \([0-9.]*\) MiB.*/\1/p' "$file" ;;
    setup)
      # card context + tree (ms) + the 0-iteration run (s)
      awk '/together/ { for (i = 1; i <= NF; ++i) if ($i == "together") t = $(i + 1) }
           /iteration:/ && /run/ { for (i = 1; i <= NF; ++i) if ($i == "run") r = $(i + 1) }
           END { if (t != "" && r != "") printf "%.3f\n", t / 1000 + r }' "$file" ;;
    target)
      sed -n 's/.*0\.5%: \([0-9.]*\) s (it.*/\1/p' "$file" ;;
    target01)
      sed -n 's/.*0\.1%: \([0-9.]*\) s (it.*/\1/p' "$file" ;;
    estimate)
      # first measured iteration at or below 0.5%, times the per-iteration
      # time, plus the passes up to it
      awk -v every="$every" '
        /iteration:/ && /mean/ { it = $2 }
        /first iteration:/ { first = $3 }
        /one exploitability pass/ { pass = $4 }
        /exploitability \(% of pot\)/ {
          for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+:$/ && k == "") {
            n = substr($i, 1, length($i) - 1); if ($(i + 1) + 0 <= 0.5) k = n
          }
        }
        END { if (k != "" && it != "") printf "%.2f\n", k * it + int(k / every) * pass + (first != "" ? first - it : 0) }' "$file" ;;
    exploit)
      # exploitability (% of pot) at iteration $3
      awk -v at="$3" '/exploitability \(% of pot\)/ {
          for (i = 1; i <= NF; ++i) if ($i == at ":") print $(i + 1) }' "$file" ;;
    checkpoints)
      awk '/exploitability \(% of pot\)/ {
          for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+:$/) print substr($i, 1, length($i) - 1) }' "$file" ;;
  esac
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) print "n/a"; else if (NR % 2) print v[(NR + 1) / 2];
                                       else printf "%g\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# (max - min) / 2 of the values as a percentage of their median.
spread() {
  sort -g | awk '{ v[NR] = $1 } END {
      if (NR == 0) { print "n/a"; exit }
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      if (m + 0 == 0) print "n/a"; else printf "%.1f%%\n", (v[NR] - v[1]) / 2 / m * 100 }'
}

ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (a == "n/a" || b == "n/a" || b + 0 == 0) print "n/a";
                                    else printf "%.3f\n", a / b }'
}

echo "spot $spot, $rounds rounds; 8 threads $iterations_8 iterations, 1 thread $iterations_1;" \
  "exploitability every $every" >&2
for round in $(seq 1 "$rounds"); do
  for threads in 8 1; do
    iterations="$iterations_8"
    [ "$threads" = 1 ] && iterations="$iterations_1"
    for mode in off on; do
      for b in old new; do
        out="$work/run-$b-$threads-$mode-$round.txt"
        echo "round $round: $b, $threads threads, compress $mode" >&2
        # shellcheck disable=SC2086
        "${bin[$b]}" --spot "$spot" --threads "$threads" --iterations "$iterations" \
          --compress "$mode" ${cadence[$b]} >"$out" 2>&1 || echo "  (run failed, see $out)" >&2
        "${bin[$b]}" --spot "$spot" --threads "$threads" --iterations 0 --compress "$mode" \
          >"$work/setup-$b-$threads-$mode-$round.txt" 2>&1 || true
      done
    done
  done
done

# Times to target straight from the runs when both builds print them.
target_kind=target
for f in "$work"/run-old-8-off-*.txt; do
  grep -q 'time to target' "$f" || target_kind=estimate
done

# The rounds' figures of one kind, one per line.
rounds_of() {
  local what="$1" b="$2" threads="$3" mode="$4" prefix=run
  [ "$what" = setup ] && prefix=setup
  for round in $(seq 1 "$rounds"); do
    figure "$what" "$work/$prefix-$b-$threads-$mode-$round.txt"
  done
}
medians() { rounds_of "$@" | median; }
spreads() { rounds_of "$@" | spread; }

cpu="$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)"
echo
echo "bench-compare: spot $spot; old $(git rev-parse --short "$rev"), new = working tree at" \
  "$(git rev-parse --short HEAD)$(git diff --quiet HEAD -- . 2>/dev/null || echo ' (modified)')"
echo "machine: nproc $(nproc), CPU \"$cpu\", load $(cut -d' ' -f1-3 /proc/loadavg)"
echo "medians of $rounds interleaved rounds, spread = (max - min) / 2 of the median;" \
  "time to 0.5% of the pot: $target_kind (exploitability every $every iterations)"
printf '%-8s %-7s %-24s %12s %7s %12s %7s %9s\n' threads storage figure old spread new spread \
  new/old
for threads in 8 1; do
  for mode in off on; do
    storage=float
    [ "$mode" = on ] && storage=16-bit
    figures=(iteration first run pass setup "$target_kind")
    [ "$target_kind" = target ] && figures+=(target01)
    figures+=(memory)
    for what in "${figures[@]}"; do
      case "$what" in
        iteration) label="time/iteration (s)" ;;
        first) label="first iteration (s)" ;;
        run) label="whole run (s)" ;;
        pass) label="exploitability pass (s)" ;;
        setup) label="setup (s)" ;;
        target | estimate) label="time to 0.5% (s)" ;;
        target01) label="time to 0.1% (s)" ;;
        memory) label="peak memory (MiB)" ;;
      esac
      old="$(medians "$what" old "$threads" "$mode")"
      new="$(medians "$what" new "$threads" "$mode")"
      printf '%-8s %-7s %-24s %12s %7s %12s %7s %9s\n' "$threads" "$storage" "$label" "$old" \
        "$(spreads "$what" old "$threads" "$mode")" "$new" \
        "$(spreads "$what" new "$threads" "$mode")" "$(ratio "$new" "$old")"
    done
  done
done

echo
echo "16-bit against full floats of the same build (8 threads)"
printf '%-6s %-30s %12s %12s %9s\n' build figure float 16-bit ratio
for b in old new; do
  f_it="$(medians iteration "$b" 8 off)"
  h_it="$(medians iteration "$b" 8 on)"
  printf '%-6s %-30s %12s %12s %9s\n' "$b" "time/iteration (s)" "$f_it" "$h_it" "$(ratio "$h_it" "$f_it")"
  for at in $(figure checkpoints "$work/run-$b-8-off-1.txt"); do
    f_e="$(figure exploit "$work/run-$b-8-off-1.txt" "$at")"
    h_e="$(figure exploit "$work/run-$b-8-on-1.txt" "$at")"
    printf '%-6s %-30s %12s %12s %9s\n' "$b" "exploitability at $at (% pot)" "${f_e:-n/a}" \
      "${h_e:-n/a}" "$(ratio "${h_e:-n/a}" "${f_e:-n/a}")"
  done
done
[ "${KEEP:-0}" = 1 ] && echo "outputs kept in $work"
exit 0
