// The payoff rules: rake, the live hands of a board, folds, and which
// showdown kernel values a terminal in each mode; showdown_batch groups
// terminals of one runout for the merge lanes.

#include "solver/payoffs.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <vector>

#include "solver/icm.hpp"
#include "solver/kernels.hpp"
#include "solver/profile.hpp"
#include "solver/showdown_merge.hpp"

namespace halvory {

using namespace payoff_detail;

double rake_after(const GameConfig& config, double pot) {
  if (!(pot > 0.0)) return 0.0;
  double rake = config.rake_rate > 0.0 ? config.rake_rate * pot : 0.0;
  if (config.rake_cap > 0.0) rake = std::min(rake, config.rake_cap);
  return std::max(pot - rake, 0.0);
}

std::span<const std::uint16_t> live_hands(const Game& game, const NodeRecord& node,
                                          std::uint8_t seat) {
  const CardContext& cards = game.cards;
  if (seat > 1) return {};
  const std::span<const std::uint16_t> all = cards.all_hands[seat];
  if (node.turn == kNoCard) return all;
  if (node.river != kNoCard) {
    const unsigned lo = std::min(node.turn, node.river);
    const unsigned hi = std::max(node.turn, node.river);
    const std::size_t index = lo * (101 - lo) / 2 + hi - 1;
    if (lo < hi && hi < 52 && index < cards.compatible_by_pair.size())
      return cards.compatible_by_pair[index][seat];
  }
  if (node.turn < cards.compatible_by_card.size()) return cards.compatible_by_card[node.turn][seat];
  return all;
}

void fold_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat, double payoff,
                 std::span<const float> opponent_reach, std::span<float> out) {
  SolverProfile::Scope scope(ProfileSection::fold);
  const CardContext& cards = game.cards;
  if (!spans_fit(cards, seat, opponent_reach.size(), out.size())) {
    fill_zero(out);
    return;
  }
  const std::uint8_t opp = 1 - seat;
  const std::span<const std::uint16_t> mine = live_hands(game, node, seat);
  const Pocket* their_pockets = cards.pockets[opp].data();

  CardSums sums;
  const RunoutShowdown* entry =
      complete_board(node) ? &cards.runout_entry(node.turn, node.river) : nullptr;
  if (entry != nullptr && fold_follows_runout(game, node, seat, *entry)) {
    // On a complete board the opponent's hands are summed in the runout's
    // strength order, the order of a showdown's merge, so that a fold valued
    // together with a showdown gets the same bits as on its own.
    const std::vector<ShowdownRecord>& theirs = (*entry)[opp];
    for (std::size_t k = 1; k + 1 < theirs.size(); ++k)
      sums.add(their_pockets[theirs[k].position], opponent_reach[theirs[k].position]);
  } else {
    sums.add_hands(live_hands(game, node, opp), their_pockets, opponent_reach);
  }

  const Pocket* my_pockets = cards.pockets[seat].data();
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  if (sums.total == 0.0) {
    for (const std::uint16_t i : mine)
      if (i < out.size()) out[i] = 0.0f;
    return;
  }
  for (const std::uint16_t i : mine) {
    if (i >= out.size()) continue;
    out[i] = static_cast<float>((sums.excluding(my_pockets[i]) + own_reach(cross, i, opponent_reach)) * payoff);
  }
}

namespace {

// Whether `fold` can be valued by the merge of `showdown` (same board, the
// same hands in the runout's lists).
bool fold_pairs_with(const Game& game, const NodeRecord& showdown, const NodeRecord& fold,
                     std::uint8_t seat, const RunoutShowdown& entry) {
  return fold.last_action == ActionKind::Fold && showdown.last_action != ActionKind::Fold &&
         fold.turn == showdown.turn && fold.river == showdown.river &&
         fold_follows_runout(game, fold, seat, entry);
}


// How a terminal is valued once the mode and the pot are settled.
struct TerminalPlan {
  ShowdownCoefficients c;  // complete-board showdown
  bool with_ties = false;
  bool valid = true;       // false: the showdown is worth 0 everywhere
  double fold_payoff = 0.0;
};

// The payoff per unit of compatible reach of a fold for `seat`.
double fold_value(const Game& game, const NodeRecord& node, std::uint8_t seat) {
  const GameConfig& config = game.config;
  const double m = game.cards.matchup_weight;
  if (icm_mode(config)) {
    const std::array<double, 3> p = icm_payoffs(game, node, seat, rake_after(config, node.pot), m);
    return seat == node.last_actor ? p[2] : p[0];
  }
  // The contested pot: what both have matched; an unmatched bet goes back.
  const double pot = static_cast<double>(std::int64_t{config.starting_pot} + 2 * std::int64_t{node.matched});
  const ShowdownCoefficients c = cash_coefficients(config, pot, m);
  return static_cast<float>(seat == node.last_actor ? c.lose : c.win);
}

// The coefficients of a complete-board showdown for `seat`, as the mode asks:
// ICM, the unraked pass when no rake is charged on the matched pot, else the
// raked or the unraked pass as the rake on the node's whole pot decides.
TerminalPlan showdown_plan(const Game& game, const NodeRecord& node, std::uint8_t seat) {
  const GameConfig& config = game.config;
  const double m = game.cards.matchup_weight;
  TerminalPlan plan;
  if (icm_mode(config)) {
    plan.valid = m > 0.0;
    if (plan.valid) {
      const std::array<double, 3> p =
          icm_payoffs(game, node, seat, rake_after(config, node.pot), m);
      plan.c = {p[0], p[1], p[2]};
      plan.with_ties = true;
    }
    return plan;
  }
  const double matched_pot =
      static_cast<double>(std::int64_t{config.starting_pot} + 2 * std::int64_t{node.matched});
  if (std::abs(charged_rake(config, matched_pot)) <= kRakeEpsilon) {
    plan.c = cash_coefficients(config, matched_pot, m);
    return plan;
  }
  const double pot = static_cast<double>(node.pot);
  if (raked(config, pot)) {
    plan.c = cash_coefficients(config, pot, m);
    plan.with_ties = true;
  } else if (m > 0.0) {
    plan.c = {pot / 2 / m, 0.0, -(pot / 2) / m};
  }
  return plan;
}

}  // namespace

void terminal_eval(const Game& game, const NodeRecord& node, std::uint8_t seat,
                   std::span<const float> opponent_reach, std::span<float> out) {
  SolverProfile::Scope scope(ProfileSection::terminal_eval);
  fill_zero(out);
  if (!spans_fit(game.cards, seat, opponent_reach.size(), out.size())) return;

  if (node.last_action == ActionKind::Fold) {
    fold_payoff(game, node, seat, fold_value(game, node, seat), opponent_reach, out);
  } else if (!complete_board(node)) {
    incomplete_board_payoff(game, node, seat, opponent_reach, out);
  } else {
    const TerminalPlan plan = showdown_plan(game, node, seat);
    if (!plan.valid || !complete_board_pass(game, node.turn, node.river, seat, opponent_reach,
                                            out, plan.with_ties, plan.c))
      fill_zero(out);
  }
}

void showdown_batch(const Game& game, std::uint8_t seat, std::span<const ShowdownJob> jobs) {
  const CardContext& cards = game.cards;
  // One reading of the kernel choice for the batch: the group size and the
  // kernel that runs a group must agree.
  const KernelIsa isa = active_kernel_isa();
  const std::size_t capacity = lane_capacity(isa);
  // Lanes waiting for a merge, apart by whether ties count (a fold alone
  // joins either); a group runs when it is full or when the next job needs
  // another runout.
  struct Group {
    std::array<ShowdownLane, kMaxLanes> lanes;
    std::size_t count = 0;
    const RunoutShowdown* entry = nullptr;
    std::size_t reach_size = 0;
  };
  std::array<Group, 2> groups;
  const auto flush = [&](Group& group, bool with_ties) {
    if (group.count == 0) return;
    SolverProfile::Scope scope(ProfileSection::terminal_eval);
    const ShowdownLane& first = group.lanes[0];
    if (group.count > 1) {
      showdown_lanes(cards, *group.entry, seat, group.reach_size, group.lanes.data(),
                     group.count, with_ties, isa);
    } else if (first.out == nullptr) {
      fold_payoff(game, *first.fold_node, seat, first.fold.payoff, {first.reach, group.reach_size},
                  {first.fold.out, cards.pockets[seat].size()});
    } else {
      // One lane: the scalar pass is quicker than a vector one.
      run_showdown_pass(cards, *group.entry, seat, {first.reach, group.reach_size}, first.c,
                        with_ties, first.out, first.fold);
    }
    group.count = 0;
  };
  const auto enqueue = [&](bool with_ties, const RunoutShowdown* entry, std::size_t reach_size,
                           const ShowdownLane& lane) {
    Group& group = groups[with_ties ? 1 : 0];
    if (group.count > 0 && (group.entry != entry || group.reach_size != reach_size))
      flush(group, with_ties);
    group.entry = entry;
    group.reach_size = reach_size;
    group.lanes[group.count++] = lane;
    if (group.count == capacity) flush(group, with_ties);
  };

  const auto one_at_a_time = [&](const ShowdownJob& job) {
    terminal_eval(game, *job.node, seat, job.reach, job.out);
    if (job.fold != nullptr) terminal_eval(game, *job.fold, seat, job.reach, job.fold_out);
  };

  for (const ShowdownJob& job : jobs) {
    const NodeRecord& node = *job.node;
    const bool fits = complete_board(node) && spans_fit(cards, seat, job.reach.size(), job.out.size());
    const RunoutShowdown* entry = fits ? &cards.runout_entry(node.turn, node.river) : nullptr;

    if (node.last_action == ActionKind::Fold) {
      // A fold alone rides along a merge for its sums.
      if (fits && fold_follows_runout(game, node, seat, *entry) && job.fold == nullptr) {
        fill_zero(job.out);
        const bool open_ties = groups[0].count == 0 && groups[1].count > 0 &&
                               groups[1].entry == entry && groups[1].reach_size == job.reach.size();
        enqueue(open_ties, entry, job.reach.size(),
                {job.reach.data(), nullptr, {}, {job.out.data(), fold_value(game, node, seat)},
                 &node});
      } else {
        one_at_a_time(job);
      }
      continue;
    }

    TerminalPlan plan;
    if (fits) plan = showdown_plan(game, node, seat);
    if (!fits || !plan.valid ||
        !showdown_sizes_ok(cards, *entry, seat, job.reach.size(), job.out.size(),
                           plan.with_ties)) {
      one_at_a_time(job);
      continue;
    }
    FoldSide side;
    if (job.fold != nullptr) {
      const NodeRecord& fold = *job.fold;
      if (job.fold_out.size() == job.out.size() && fold_pairs_with(game, node, fold, seat, *entry)) {
        fill_zero(job.fold_out);
        side = {job.fold_out.data(), fold_value(game, fold, seat)};
      } else {
        terminal_eval(game, fold, seat, job.reach, job.fold_out);
      }
    }
    fill_zero(job.out);
    enqueue(plan.with_ties, entry, job.reach.size(), {job.reach.data(), job.out.data(), plan.c, side});
  }
  flush(groups[0], false);
  flush(groups[1], true);
}

}  // namespace halvory
