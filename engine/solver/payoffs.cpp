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

double terminal_rake(const Game& game, const NodeRecord& node) {
  const GameConfig& config = game.config;
  if (icm_mode(config)) return charged_rake(config, static_cast<double>(node.pot));
  return charged_rake(config, contested_pot(config, node));
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
      sums.add(theirs[k].pocket, opponent_reach[theirs[k].position]);
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
    out[i] = static_cast<float>(
        (sums.excluding(my_pockets[i]) + own_reach(cross, i, opponent_reach)) * payoff);
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
  bool valid = true;  // false: the showdown is worth 0 everywhere
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
  const ShowdownCoefficients c = cash_coefficients(config, contested_pot(config, node), m);
  return static_cast<float>(seat == node.last_actor ? c.lose : c.win);
}

// An ICM showdown: the pass with ties, on the coefficients icm_payoffs gives
// for the after-rake pot; worth 0 everywhere without a matchup weight.
TerminalPlan showdown_icm(const Game& game, const NodeRecord& node, std::uint8_t seat) {
  const GameConfig& config = game.config;
  const double m = game.cards.matchup_weight;
  TerminalPlan plan;
  plan.valid = m > 0.0;
  if (plan.valid) {
    const std::array<double, 3> p = icm_payoffs(game, node, seat, rake_after(config, node.pot), m);
    plan.c = {p[0], p[1], p[2]};
    plan.with_ties = true;
  }
  return plan;
}

// The coefficients of a complete-board showdown for `seat`, as the mode asks:
// ICM, the unraked pass when no rake is charged on the matched pot, else the
// raked or the unraked pass as the rake on the node's whole pot decides.
TerminalPlan showdown_plan(const Game& game, const NodeRecord& node, std::uint8_t seat) {
  const GameConfig& config = game.config;
  const double m = game.cards.matchup_weight;
  if (icm_mode(config)) return showdown_icm(game, node, seat);
  TerminalPlan plan;
  const double matched_pot = contested_pot(config, node);
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

bool showdown_payoff(const Game& game, const NodeRecord& node, std::uint8_t seat,
                     std::span<const float> opponent_reach, std::span<float> out) {
  if (!complete_board(node)) return false;
  const TerminalPlan plan = showdown_plan(game, node, seat);
  return plan.valid && complete_board_pass(game, node.turn, node.river, seat, opponent_reach, out,
                                           plan.with_ties, plan.c);
}

void terminal_eval(const Game& game, const NodeRecord& node, std::uint8_t seat,
                   std::span<const float> opponent_reach, std::span<float> out) {
  SolverProfile::Scope scope(ProfileSection::terminal_eval);
  fill_zero(out);
  if (!spans_fit(game.cards, seat, opponent_reach.size(), out.size())) return;

  if (node.last_action == ActionKind::Fold) {
    fold_payoff(game, node, seat, fold_value(game, node, seat), opponent_reach, out);
  } else if (!complete_board(node)) {
    incomplete_board_payoff(game, node, seat, opponent_reach, out);
  } else if (!showdown_payoff(game, node, seat, opponent_reach, out)) {
    fill_zero(out);
  }
}

namespace {

// Lanes waiting for a merge, apart by whether ties count (a fold alone joins
// either); a group runs when it is full or when the next job needs another
// runout. The kernel choice is read once for the batch: the group size and
// the kernel that runs a group must agree.
class LaneGroups {
 public:
  LaneGroups(const Game& game, std::uint8_t seat)
      : game_(game), seat_(seat), isa_(active_kernel_isa()), capacity_(lane_capacity(isa_)) {}

  void enqueue(bool with_ties, const RunoutShowdown* entry, std::size_t reach_size,
               const ShowdownLane& lane) {
    Group& group = groups_[with_ties ? 1 : 0];
    if (group.count > 0 && (group.entry != entry || group.reach_size != reach_size))
      flush(with_ties);
    group.entry = entry;
    group.reach_size = reach_size;
    group.lanes[group.count++] = lane;
    if (group.count == capacity_) flush(with_ties);
  }

  // Whether a fold alone for this runout would join an open group with ties.
  bool ties_open_for(const RunoutShowdown* entry, std::size_t reach_size) const {
    return groups_[0].count == 0 && groups_[1].count > 0 && groups_[1].entry == entry &&
           groups_[1].reach_size == reach_size;
  }

  void flush_all() {
    flush(false);
    flush(true);
  }
  KernelIsa isa() const { return isa_; }

 private:
  struct Group {
    std::array<ShowdownLane, kMaxLanes> lanes;
    std::size_t count = 0;
    const RunoutShowdown* entry = nullptr;
    std::size_t reach_size = 0;
  };

  void flush(bool with_ties) {
    Group& group = groups_[with_ties ? 1 : 0];
    if (group.count == 0) return;
    SolverProfile::Scope scope(ProfileSection::terminal_eval);
    const CardContext& cards = game_.cards;
    const ShowdownLane& first = group.lanes[0];
    if (group.count > 1) {
      showdown_lanes(cards, *group.entry, seat_, group.reach_size, group.lanes.data(), group.count,
                     with_ties, isa_);
      group.count = 0;
      return;
    }
    // One lane writes only the hands the runout leaves.
    const std::size_t H = cards.pockets[seat_].size();
    if (first.out != nullptr) fill_zero({first.out, H});
    if (first.fold.out != nullptr) fill_zero({first.fold.out, H});
    if (first.out == nullptr) {
      fold_payoff(game_, *first.fold_node, seat_, first.fold.payoff,
                  {first.reach, group.reach_size}, {first.fold.out, cards.pockets[seat_].size()});
    } else {
      // One lane: the scalar pass is quicker than a vector one.
      run_showdown_pass(cards, *group.entry, seat_, {first.reach, group.reach_size}, first.c,
                        with_ties, first.out, first.fold);
    }
    group.count = 0;
  }

  const Game& game_;
  std::uint8_t seat_;
  KernelIsa isa_;
  std::size_t capacity_;
  std::array<Group, 2> groups_;
};

void one_at_a_time(const Game& game, std::uint8_t seat, const ShowdownJob& job) {
  terminal_eval(game, *job.node, seat, job.reach, job.out);
  if (job.fold != nullptr) terminal_eval(game, *job.fold, seat, job.reach, job.fold_out);
}

// All-ins on the turn waiting for a merge: one turn card, up to the lanes a
// merge takes.
class AllInGroup {
 public:
  AllInGroup(const Game& game, std::uint8_t seat, KernelIsa isa)
      : game_(game), seat_(seat), isa_(isa), capacity_(all_in_capacity(isa)) {}

  // Whether the job is such an all-in with spans that fit.
  bool takes(const ShowdownJob& job) const {
    const NodeRecord& node = *job.node;
    return job.fold == nullptr && node.turn != kNoCard && node.river == kNoCard &&
           spans_fit(game_.cards, seat_, job.reach.size(), job.out.size());
  }
  void enqueue(const ShowdownJob& job) {
    if (count_ > 0 && jobs_[0]->node->turn != job.node->turn) flush();
    jobs_[count_++] = &job;
    if (count_ == capacity_) flush();
  }
  void flush() {
    if (count_ == 1) {
      one_at_a_time(game_, seat_, *jobs_[0]);
    } else if (count_ > 1) {
      turn_all_in_lanes(game_, seat_, jobs_.data(), count_, isa_);
    }
    count_ = 0;
  }

 private:
  const Game& game_;
  std::uint8_t seat_;
  KernelIsa isa_;
  std::size_t capacity_;
  std::array<const ShowdownJob*, kMaxAllInLanes> jobs_{};
  std::size_t count_ = 0;
};

// A fold alone rides along a merge for its sums.
void batch_fold(const Game& game, std::uint8_t seat, const ShowdownJob& job, LaneGroups& groups,
                const RunoutShowdown* entry) {
  const NodeRecord& node = *job.node;
  if (entry == nullptr || job.fold != nullptr || !fold_follows_runout(game, node, seat, *entry)) {
    one_at_a_time(game, seat, job);
    return;
  }
  groups.enqueue(
      groups.ties_open_for(entry, job.reach.size()), entry, job.reach.size(),
      {job.reach.data(), nullptr, {}, {job.out.data(), fold_value(game, node, seat)}, &node});
}

void batch_showdown(const Game& game, std::uint8_t seat, const ShowdownJob& job, LaneGroups& groups,
                    const RunoutShowdown* entry) {
  const NodeRecord& node = *job.node;
  TerminalPlan plan;
  if (entry != nullptr) plan = showdown_plan(game, node, seat);
  if (entry == nullptr || !plan.valid ||
      !showdown_sizes_ok(game.cards, *entry, seat, job.reach.size(), job.out.size(),
                         plan.with_ties)) {
    one_at_a_time(game, seat, job);
    return;
  }
  FoldSide side;
  if (job.fold != nullptr) {
    const NodeRecord& fold = *job.fold;
    if (job.fold_out.size() == job.out.size() && fold_pairs_with(game, node, fold, seat, *entry)) {
      side = {job.fold_out.data(), fold_value(game, fold, seat)};
    } else {
      terminal_eval(game, fold, seat, job.reach, job.fold_out);
    }
  }
  groups.enqueue(plan.with_ties, entry, job.reach.size(),
                 {job.reach.data(), job.out.data(), plan.c, side});
}

}  // namespace

PrefetchDrip& prefetch_drip() {
  thread_local PrefetchDrip drip;
  return drip;
}

void showdown_batch(const Game& game, std::uint8_t seat, std::span<const ShowdownJob> jobs) {
  const CardContext& cards = game.cards;
  LaneGroups groups(game, seat);
  AllInGroup all_ins(game, seat, groups.isa());
  for (const ShowdownJob& job : jobs) {
    const NodeRecord& node = *job.node;
    const bool fits =
        complete_board(node) && spans_fit(cards, seat, job.reach.size(), job.out.size());
    const RunoutShowdown* entry = fits ? &cards.runout_entry(node.turn, node.river) : nullptr;
    if (node.last_action == ActionKind::Fold) {
      batch_fold(game, seat, job, groups, entry);
    } else if (!complete_board(node) && all_ins.takes(job)) {
      all_ins.enqueue(job);
    } else {
      batch_showdown(game, seat, job, groups, entry);
    }
  }
  groups.flush_all();
  all_ins.flush();
}

}  // namespace halvory
