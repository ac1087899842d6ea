// All-ins before the river: the expectation over the runouts still to come.
// Every runout is evaluated once. A card-disjoint pair of hands meets the
// same number of runouts, C(U - 4, 2) from a flop and U - 4 from a turn (U
// the unseen cards), so that count divides the sum; a hand that a runout
// card blocks gets 0 for that runout. This equals dealing the cards one at a
// time through chance nodes. The runouts are summed per turn card first and
// the turn sums then in turn order, so that the turns can be spread over
// threads without changing a bit.

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

#include "solver/icm.hpp"
#include "solver/payoffs.hpp"
#include "solver/profile.hpp"
#include "solver/showdown_merge.hpp"

namespace halvory {
namespace {

using namespace payoff_detail;

// What an all-in before the river needs besides the runouts: the
// coefficients and how many runouts a card-disjoint pair meets.
struct AllInSetup {
  ShowdownCoefficients c;
  bool with_ties = false;
  long meetings = 0;
  std::uint64_t unseen = 0;
};

// False (output left zero) when there is nothing to evaluate.
bool all_in_setup(const Game& game, const NodeRecord& node, std::uint8_t seat,
                  std::span<const float> opponent_reach, std::span<float> out, AllInSetup& s) {
  const CardContext& cards = game.cards;
  if (!spans_fit(cards, seat, opponent_reach.size(), out.size())) return false;
  if (node.river != kNoCard) return false;  // complete, or a river without a turn

  const double m = cards.matchup_weight;
  if (!(m > 0.0)) return false;
  const double pot = static_cast<double>(node.pot);
  s.with_ties = icm_mode(game.config) || raked(game.config, pot);
  if (icm_mode(game.config)) {
    const std::array<double, 3> p = icm_payoffs(game, node, seat, rake_after(game.config, pot), m);
    s.c = {p[0], p[1], p[2]};
  } else if (raked(game.config, pot)) {
    s.c = cash_coefficients(game.config, pot, m);
  } else {
    s.c = {pot / 2 / m, 0.0, -(pot / 2) / m};
  }

  std::uint64_t used = cards.board_mask;
  if (node.turn != kNoCard) used |= std::uint64_t{1} << (node.turn & 63u);
  s.unseen = cards.deck_mask & ~used;
  const long u = std::popcount(s.unseen);
  s.meetings = node.turn == kNoCard ? (u - 4) * (u - 5) / 2 : u - 4;
  if (s.meetings <= 0) return false;
  return node.turn == kNoCard || (node.turn < 64 && (cards.deck_mask >> node.turn & 1u));
}

// The turn cards still to come, ascending: every unseen card from a flop, the
// node's turn from a turn. Returns how many.
std::size_t turn_groups(const NodeRecord& node, std::uint64_t unseen,
                        std::array<CardCode, 64>& turns) {
  if (node.turn != kNoCard) {
    turns[0] = node.turn;
    return 1;
  }
  std::size_t n = 0;
  for (std::uint64_t ts = unseen; ts; ts &= ts - 1)
    turns[n++] = static_cast<CardCode>(std::countr_zero(ts));
  return n;
}

// Whether the runout's lists fit the spans; counted runouts only.
bool runout_fits(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                 std::span<const float> opponent_reach, std::span<float> out) {
  return showdown_sizes_ok(cards, entry, seat, opponent_reach.size(), out.size(), false);
}

// Calls at(entry) for every runout after `turn` whose lists fit the spans,
// rivers ascending; returns how many. From a flop a runout (t, r) is visited
// once, with t < r.
template <class At>
std::size_t each_runout(const CardContext& cards, const NodeRecord& node, std::uint8_t seat,
                        std::span<const float> opponent_reach, std::span<float> out,
                        const AllInSetup& s, CardCode turn, At&& at) {
  std::uint64_t rivers = s.unseen & ~(std::uint64_t{1} << (turn & 63u));
  if (node.turn == kNoCard) rivers &= ~((std::uint64_t{2} << (turn & 63u)) - 1);
  std::size_t evaluated = 0;
  for (; rivers; rivers &= rivers - 1) {
    const RunoutShowdown& entry =
        cards.runout_entry(turn, static_cast<CardCode>(std::countr_zero(rivers)));
    if (!runout_fits(cards, entry, seat, opponent_reach, out)) continue;
    at(entry);
    ++evaluated;
  }
  return evaluated;
}

// Zeroes row and adds the terms of every river after `turn` to it; returns
// how many runouts were evaluated.
std::size_t accumulate_turn_group(const CardContext& cards, const NodeRecord& node,
                                  std::uint8_t seat, std::span<const float> opponent_reach,
                                  std::span<float> out, const AllInSetup& s, CardCode turn,
                                  const double* own, double* row) {
  std::fill(row, row + out.size(), 0.0);
  return each_runout(cards, node, seat, opponent_reach, out, s, turn,
                     [&](const RunoutShowdown& entry) {
                       SolverProfile::Scope runout_scope(s.with_ties ? ProfileSection::showdown_r
                                                                     : ProfileSection::showdown_u);
                       accumulate_runout(entry, seat, opponent_reach.data(), own, s.c, row);
                     });
}

// out_i = acc_i / meetings + lose x (the opponent reach compatible with i).
void finish_all_in(const Game& game, const NodeRecord& node, std::uint8_t seat,
                   std::span<const float> opponent_reach, std::span<float> out, const AllInSetup& s,
                   const double* own, const double* acc) {
  const CardContext& cards = game.cards;
  const std::uint8_t opp = 1 - seat;
  CardSums node_sums;
  node_sums.add_hands(live_hands(game, node, opp), cards.pockets[opp].data(), opponent_reach);
  const double scale = 1.0 / static_cast<double>(s.meetings);
  for (const std::uint16_t i : live_hands(game, node, seat)) {
    if (i >= out.size()) continue;
    const double all = node_sums.excluding(cards.pockets[seat][i]) + own[i];
    out[i] = static_cast<float>(acc[i] * scale + s.c.lose * all);
  }
}

// The runout enumeration over `run`, which calls body(begin, end) over ranges
// covering [0, n); a template so that the one-thread form calls no
// std::function and allocates nothing once `rows` has grown.
template <typename Runner>
void incomplete_board_payoff_over(const Game& game, const NodeRecord& node, std::uint8_t seat,
                                  std::span<const float> opponent_reach, std::span<float> out,
                                  Runner&& run_ranges, std::vector<double>& rows) {
  SolverProfile::Scope scope(ProfileSection::incomplete);
  fill_zero(out);
  AllInSetup s;
  if (!all_in_setup(game, node, seat, opponent_reach, out, s)) return;
  std::array<CardCode, 64> turns;
  const std::size_t groups = turn_groups(node, s.unseen, turns);

  // One row per turn card, then the sum row and each hand's own_reach (read
  // by every runout).
  const std::size_t H = out.size();
  if (rows.size() < (groups + 2) * H) rows.resize((groups + 2) * H);
  double* const base = rows.data();
  double* const own = base + (groups + 1) * H;
  const std::vector<std::uint16_t>& cross = game.cards.cross[seat];
  for (std::size_t h = 0; h < H; ++h)
    own[h] = own_reach(cross, static_cast<std::uint16_t>(h), opponent_reach);
  std::array<std::size_t, 64> evaluated{};
  run_ranges(groups, [&](std::size_t begin, std::size_t end) {
    for (std::size_t g = begin; g < end; ++g)
      evaluated[g] = accumulate_turn_group(game.cards, node, seat, opponent_reach, out, s, turns[g],
                                           own, base + g * H);
  });
  double* const acc = base + groups * H;
  run_ranges(H, [&](std::size_t begin, std::size_t end) {
    std::fill(acc + begin, acc + end, 0.0);
    for (std::size_t g = 0; g < groups; ++g) {
      const double* row = base + g * H;
      for (std::size_t h = begin; h < end; ++h) acc[h] += row[h];
    }
  });
  std::size_t total = 0;
  for (std::size_t g = 0; g < groups; ++g) total += evaluated[g];
  if (total == 0) return;
  finish_all_in(game, node, seat, opponent_reach, out, s, own, acc);
}

}  // namespace

void payoff_detail::turn_all_in_lanes(const Game& game, std::uint8_t seat,
                                      const ShowdownJob* const* jobs, std::size_t K,
                                      KernelIsa isa) {
  const CardContext& cards = game.cards;
  const std::size_t H = cards.pockets[seat].size();
  thread_local std::vector<double> rows;
  if (rows.size() < (K + 2) * H) rows.resize((K + 2) * H);
  std::array<AllInSetup, kMaxAllInLanes> setups;
  std::array<AllInLane, kMaxAllInLanes> lanes;
  std::array<const ShowdownJob*, kMaxAllInLanes> kept;
  std::size_t n = 0;
  for (std::size_t k = 0; k < K && k < kMaxAllInLanes; ++k) {
    const ShowdownJob& job = *jobs[k];
    fill_zero(job.out);
    if (!all_in_setup(game, *job.node, seat, job.reach, job.out, setups[n])) continue;
    lanes[n] = {job.reach.data(), rows.data() + n * H, setups[n].c};
    kept[n++] = &job;
  }
  if (n == 0) return;
  if (n == 1) {
    incomplete_board_payoff(game, *kept[0]->node, seat, kept[0]->reach, kept[0]->out);
    return;
  }
  // The turn's runouts: the same for every job (one turn, the same spans).
  thread_local std::vector<const RunoutShowdown*> runouts;
  runouts.clear();
  const ShowdownJob& first = *kept[0];
  each_runout(cards, *first.node, seat, first.reach, first.out, setups[0], first.node->turn,
              [&](const RunoutShowdown& entry) { runouts.push_back(&entry); });
  if (runouts.empty()) return;
  all_in_lanes(cards, runouts, seat, first.reach.size(), lanes.data(), n, isa);

  // Each job finished as incomplete_board_payoff finishes one turn group.
  double* const acc = rows.data() + K * H;
  double* const own = acc + H;
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  for (std::size_t l = 0; l < n; ++l) {
    const ShowdownJob& job = *kept[l];
    for (std::size_t h = 0; h < H; ++h) {
      own[h] = own_reach(cross, static_cast<std::uint16_t>(h), job.reach);
      acc[h] = 0.0;
      acc[h] += lanes[l].row[h];
    }
    finish_all_in(game, *job.node, seat, job.reach, job.out, setups[l], own, acc);
  }
}

void incomplete_board_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                             std::span<const float> opponent_reach, std::span<float> out) {
  thread_local std::vector<double> rows;
  const auto in_order = [](std::size_t n, auto&& body) {
    if (n > 0) body(std::size_t{0}, n);
  };
  incomplete_board_payoff_over(game, node, seat, opponent_reach, out, in_order, rows);
}

void incomplete_board_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                             std::span<const float> opponent_reach, std::span<float> out,
                             const RangeRunner& run_ranges, std::vector<double>& rows) {
  incomplete_board_payoff_over(
      game, node, seat, opponent_reach, out,
      [&](std::size_t n, const RangeBody& body) { run_ranges(n, body); }, rows);
}

}  // namespace halvory
