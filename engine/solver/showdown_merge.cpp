// The scalar showdown kernels: one terminal (with the fold beside it) and the
// runout part of an all-in, both on the one merge walk of showdown_merge.hpp.

#include "solver/showdown_merge.hpp"

#include <vector>

#include "solver/profile.hpp"

namespace halvory::payoff_detail {
namespace {

// Per-thread f64 scratch for the per-hand prefix reads; grows, never shrinks.
double* group_scratch(std::size_t size) {
  thread_local std::vector<double> scratch;
  if (scratch.size() < size) scratch.resize(size);
  return scratch.data();
}

// One terminal. For each traverser hand i the merge forms, from opponent
// hands sharing no card with i: less (weaker), leq (weaker or equal) and
// all; a tie is leq - less, with i's identical opponent hand (subtracted
// twice by the card sums) added back once.
// out_i = win * less + tie * ties + lose * (all - leq).
template <bool WithTies, bool WithFold>
void showdown_pass(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                   std::span<const float> reach, ShowdownCoefficients c, float* out,
                   FoldSide fold) {
  const std::uint8_t opp = 1 - seat;
  const std::vector<ShowdownRecord>& mine = entry[seat];
  const std::vector<ShowdownRecord>& theirs = entry[opp];
  const float* r = reach.data();
  const ShowdownRecord* const my_first = mine.data() + 1;
  const ShowdownRecord* const my_end = mine.data() + mine.size() - 1;
  const std::size_t n = mine.size() - 2;

  // Run to the end, the running prefix is `all` (the same terms added in the
  // same order), so the opponent's list is walked once; the serial chain of
  // f64 additions along it is what the pass costs.
  double* less = group_scratch(2 * n);
  double* leq = less + n;
  CardSums prefix;
  const auto add = [&](const ShowdownRecord* o) { prefix.add(o->pocket, r[o->position]); };
  const ShowdownRecord* o = prefix_merge(
      mine, theirs, add,
      [&](const ShowdownRecord* t, std::size_t k) { less[k] = prefix.excluding(t->pocket); },
      [&](const ShowdownRecord* t, std::size_t k) { leq[k] = prefix.excluding(t->pocket); });
  for (const ShowdownRecord* const their_end = theirs.data() + theirs.size() - 1; o != their_end;
       ++o)
    add(o);
  const CardSums& all = prefix;

  if (all.total == 0.0) {
    for (const ShowdownRecord* t = my_first; t != my_end; ++t) {
      out[t->position] = 0.0f;
      if constexpr (WithFold) fold.out[t->position] = 0.0f;
    }
    return;
  }

  // value = (win - tie) * less + (tie - lose) * leq + tie * own + lose * all.
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  const double tie = WithTies ? c.tie : 0.0;
  const double less_weight = c.win - tie;
  const double leq_weight = tie - c.lose;
  std::size_t k = 0;
  for (const ShowdownRecord* t = my_first; t != my_end; ++t, ++k) {
    const std::uint16_t h = t->position;
    const double others = all.excluding(t->pocket);
    double value = less_weight * less[k] + c.lose * others;
    if constexpr (WithTies || WithFold) {
      const double own = own_reach(cross, h, reach);
      if constexpr (WithTies) value += tie * own;
      if constexpr (WithFold) fold.out[h] = static_cast<float>((others + own) * fold.payoff);
    }
    out[h] = static_cast<float>(value + leq_weight * leq[k]);
  }
}

// The pass with ties, which cost the rake (or pay their ICM share), and the
// pass without, where a tie is worth nothing to either seat.
void showdown_raked(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                    std::span<const float> reach, ShowdownCoefficients c, float* out,
                    FoldSide side) {
  SolverProfile::Scope scope(ProfileSection::showdown_r);
  side.out != nullptr ? showdown_pass<true, true>(cards, entry, seat, reach, c, out, side)
                      : showdown_pass<true, false>(cards, entry, seat, reach, c, out, side);
}

void showdown_unraked(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                      std::span<const float> reach, ShowdownCoefficients c, float* out,
                      FoldSide side) {
  SolverProfile::Scope scope(ProfileSection::showdown_u);
  side.out != nullptr ? showdown_pass<false, true>(cards, entry, seat, reach, c, out, side)
                      : showdown_pass<false, false>(cards, entry, seat, reach, c, out, side);
}

}  // namespace

void run_showdown_pass(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                       std::span<const float> reach, ShowdownCoefficients c, bool with_ties,
                       float* out, FoldSide side) {
  with_ties ? showdown_raked(cards, entry, seat, reach, c, out, side)
            : showdown_unraked(cards, entry, seat, reach, c, out, side);
}

bool complete_board_pass(const Game& game, CardCode turn, CardCode river, std::uint8_t seat,
                         std::span<const float> reach, std::span<float> out, bool with_ties,
                         ShowdownCoefficients c) {
  const RunoutShowdown& entry = game.cards.runout_entry(turn, river);
  if (!showdown_sizes_ok(game.cards, entry, seat, reach.size(), out.size(), with_ties))
    return false;
  run_showdown_pass(game.cards, entry, seat, reach, c, with_ties, out.data());
  return true;
}

// With less and leq counted pair-exactly (i's identical opponent hand
// removed once), a runout's value is
// (win - tie) * less + (tie - lose) * leq + lose * all. Summed over runouts,
// the `all` term is the node's compatible reach times the number of runouts a
// card-disjoint pair meets, so it is added once by the caller and each runout
// needs only the two prefix sums.
void accumulate_runout(const RunoutShowdown& entry, std::uint8_t seat, const float* reach,
                       const double* own, ShowdownCoefficients c, double* acc) {
  const std::uint8_t opp = 1 - seat;
  const double less_weight = c.win - c.tie;
  const double leq_weight = c.tie - c.lose;
  CardSums prefix;
  prefix_merge(
      entry[seat], entry[opp],
      [&](const ShowdownRecord* o) { prefix.add(o->pocket, reach[o->position]); },
      [&](const ShowdownRecord* t, std::size_t) {
        acc[t->position] += less_weight * prefix.excluding(t->pocket);
      },
      [&](const ShowdownRecord* t, std::size_t) {
        const std::uint16_t h = t->position;
        acc[h] += leq_weight * (prefix.excluding(t->pocket) + own[h]);
      });
}

}  // namespace halvory::payoff_detail
