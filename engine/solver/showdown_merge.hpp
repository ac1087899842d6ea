#pragma once

// The pieces the terminal payoffs share (not part of the API): the per-card
// reach sums, the coefficients of a showdown, the size checks, and the one
// merge walk over a runout's two strength-sorted hand lists that every
// showdown kernel (one terminal, several lanes, a runout of an all-in) is
// built on.

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "solver/kernels.hpp"
#include "solver/payoffs.hpp"

namespace halvory::payoff_detail {

// Pots differing from their after-rake value by no more than this are
// settled without rake.
inline constexpr double kRakeEpsilon = 1e-9;

// A reach total and per-card reach sums: the reach of the hands that share no
// card with a pocket is total - card[a] - card[b] (plus the pocket's own
// weight where it was counted). 64 slots so that a card index masked to six
// bits always lands inside.
struct CardSums {
  double total = 0.0;
  std::array<double, 64> card{};

  void add(Pocket pocket, double w) {
    total += w;
    card[pocket & 63u] += w;
    card[(pocket >> 8) & 63u] += w;
  }
  double excluding(Pocket pocket) const {
    return total - card[pocket & 63u] - card[(pocket >> 8) & 63u];
  }

  // Adds the reach of the listed hands (positions past the reach skipped).
  // Hand lists run in pocket order, so consecutive hands share their lower
  // card: that card's sum stays in a register along the run instead of
  // round-tripping through memory on every hand. Every sum still takes its
  // terms in list order, so the result is the same as add() per hand. A zero
  // weight changes no sum (they start at +0), so none is skipped.
  void add_hands(std::span<const std::uint16_t> hands, const Pocket* pockets,
                 std::span<const float> reach) {
    unsigned run_card = 0;
    double run_sum = card[0];
    double sum = total;
    for (const std::uint16_t j : hands) {
      if (j >= reach.size()) continue;
      const double w = reach[j];
      const Pocket p = pockets[j];
      const unsigned lo = p & 63u;
      if (lo != run_card) {
        card[run_card] = run_sum;
        run_card = lo;
        run_sum = card[lo];
      }
      sum += w;
      run_sum += w;
      card[(p >> 8) & 63u] += w;
    }
    card[run_card] = run_sum;
    total = sum;
  }
};

inline bool icm_mode(const GameConfig& config) {
  return config.icm && !config.icm_payouts.empty();
}

// Rake charged on a pot: what rake_after takes away.
inline double charged_rake(const GameConfig& config, double pot) {
  return pot > 0.0 ? pot - rake_after(config, pot) : 0.0;
}

// Value of each showdown result for the traversing seat, per unit of
// opponent reach.
struct ShowdownCoefficients {
  double win = 0.0;
  double tie = 0.0;
  double lose = 0.0;
};

inline bool well_framed(const std::vector<ShowdownRecord>& list) {
  return list.size() > 2 && list.front().value == kShowdownLow.value &&
         list.back().value == kShowdownHigh.value;
}

inline bool spans_fit(const CardContext& cards, std::uint8_t seat, std::size_t reach_size,
                      std::size_t out_size) {
  return seat <= 1 && reach_size == cards.pockets[1 - seat].size() &&
         out_size == cards.pockets[seat].size();
}

inline bool complete_board(const NodeRecord& node) {
  return node.turn != kNoCard && node.river != kNoCard;
}

// Whether a showdown pass can run for `seat` on a runout entry with these
// spans. Ties need the cross map of the traversing seat.
inline bool showdown_sizes_ok(const CardContext& cards, const RunoutShowdown& entry,
                              std::uint8_t seat, std::size_t reach_size, std::size_t out_size,
                              bool with_ties) {
  if (!spans_fit(cards, seat, reach_size, out_size)) return false;
  if (!well_framed(entry[0]) || !well_framed(entry[1])) return false;
  return !with_ties || cards.cross[seat].size() == cards.pockets[seat].size();
}

// Whether a fold on the node's complete board can sum the runout's lists
// instead of the live-hand lists: they hold the same hands when the counts
// agree.
inline bool fold_follows_runout(const Game& game, const NodeRecord& fold, std::uint8_t seat,
                                const RunoutShowdown& entry) {
  return seat <= 1 && well_framed(entry[0]) && well_framed(entry[1]) &&
         live_hands(game, fold, seat).size() == entry[seat].size() - 2 &&
         live_hands(game, fold, 1 - seat).size() == entry[1 - seat].size() - 2;
}

// A fold beside the showdown, valued from the same opponent reach: the
// compatible reach of hand i is all_i plus i's identical opponent hand.
struct FoldSide {
  float* out = nullptr;
  double payoff = 0.0;
};

inline void fill_zero(std::span<float> out) {
  for (float& x : out) x = 0.0f;
}

// Coefficients of a cash showdown on pot P: the raked ones when rake applies.
inline ShowdownCoefficients cash_coefficients(const GameConfig& config, double pot, double m) {
  if (!(m > 0.0)) return {};
  const double rake = charged_rake(config, pot);
  return {(pot / 2 - rake) / m, -rake / 2 / m, -(pot / 2) / m};
}

inline bool raked(const GameConfig& config, double pot) {
  return std::abs(pot - rake_after(config, pot)) > kRakeEpsilon;
}

// The merge walk. Both seats' lists of a runout run in ascending strength
// between a low and a high sentinel. For each group of traverser records of
// equal strength v, the opponent's records below v are passed to add first,
// then less(record, k) runs for every record of the group; then the
// opponent's records of strength v are added and leq(record, k) runs (k
// counts the traverser's records from 0). Returns the first opponent record
// not yet added. Equal strengths count for nobody, so the opponent's
// identical hand never enters a tie twice.
template <class Add, class Less, class Leq>
[[gnu::always_inline]] inline const ShowdownRecord* prefix_merge(
    const std::vector<ShowdownRecord>& mine, const std::vector<ShowdownRecord>& theirs, Add&& add,
    Less&& less, Leq&& leq) {
  const ShowdownRecord* o = theirs.data() + 1;
  const ShowdownRecord* t = mine.data() + 1;
  const ShowdownRecord* const my_end = mine.data() + mine.size() - 1;
  std::size_t k = 0;
  while (t != my_end) {
    const std::uint32_t v = t->value;
    for (; o->value < v; ++o) add(o);
    const ShowdownRecord* group_end = t;
    std::size_t g = k;
    for (; group_end->value == v; ++group_end, ++g) less(group_end, g);
    for (; o->value == v; ++o) add(o);
    for (; t != group_end; ++t, ++k) leq(t, k);
  }
  return o;
}

// The opponent's reach at the traverser hand h's own cards (0 when the
// opponent has no such hand).
inline double own_reach(const std::vector<std::uint16_t>& cross, std::uint16_t h,
                        std::span<const float> reach) {
  const std::uint16_t twin = h < cross.size() ? cross[h] : kNoHand;
  return twin < reach.size() ? static_cast<double>(reach[twin]) : 0.0;
}

// One terminal's showdown on a runout whose sizes were checked, with the
// fold beside it when side.out is set (showdown_merge.cpp).
void run_showdown_pass(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                       std::span<const float> reach, ShowdownCoefficients c, bool with_ties,
                       float* out, FoldSide side = {});

// run_showdown_pass on the runout (turn, river); false when the sizes do not
// fit.
bool complete_board_pass(const Game& game, CardCode turn, CardCode river, std::uint8_t seat,
                         std::span<const float> reach, std::span<float> out, bool with_ties,
                         ShowdownCoefficients c);

// The runout part of an all-in, added into acc; own[h] is own_reach of
// hand h (showdown_merge.cpp).
void accumulate_runout(const RunoutShowdown& entry, std::uint8_t seat, const float* reach,
                       const double* own, ShowdownCoefficients c, double* acc);

// One lane of a several-terminal merge. out null: a fold alone, which only
// needs the merge's sums; fold.out null: no fold in this lane.
struct ShowdownLane {
  const float* reach = nullptr;
  float* out = nullptr;
  ShowdownCoefficients c;
  FoldSide fold;
  const NodeRecord* fold_node = nullptr;
};
inline constexpr std::size_t kMaxLanes = 16;

// One all-in of a several-all-in merge: its opponent reach, its
// coefficients, and the row that takes, for each traverser hand, the sum of
// accumulate_runout's terms over the runouts (H doubles, all written).
struct AllInLane {
  const float* reach = nullptr;
  double* row = nullptr;
  ShowdownCoefficients c;
};
inline constexpr std::size_t kMaxAllInLanes = 8;

// 2 to all_in_capacity(isa) all-ins through one merge per runout, in the order
// given; each lane's row is what accumulate_runout adds to a zero row over
// those runouts, bit for bit.
void all_in_lanes(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                  std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes, std::size_t K,
                  KernelIsa isa);

// Several all-ins of one turn, all with this seat's spans: each job's
// outputs are those of incomplete_board_payoff (all_in_runouts.cpp), bit
// for bit, their runouts merged together.
void turn_all_in_lanes(const Game& game, std::uint8_t seat, const ShowdownJob* const* jobs,
                       std::size_t K, KernelIsa isa);

// Showdown lanes and all-in lanes one merge takes on this CPU and kernel
// choice (showdown_lanes.cpp, all_in_lanes.cpp).
std::size_t lane_capacity(KernelIsa isa);
std::size_t all_in_capacity(KernelIsa isa);

// 2 to lane_capacity(isa) lanes through one merge; sizes checked with
// showdown_sizes_ok for every lane, isa read once for the whole batch.
void showdown_lanes(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                    std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                    bool with_ties, KernelIsa isa);

}  // namespace halvory::payoff_detail
