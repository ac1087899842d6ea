// Read-only value passes: counterfactual values under the average strategies,
// best responses, root EVs and exploitability, and the per-node queries.

#include <algorithm>
#include <cstring>

#include "solver/dcfr.hpp"
#include "solver/dcfr_internal.hpp"
#include "solver/node_arrays.hpp"
#include "solver/payoffs.hpp"
#include "solver/profile.hpp"

namespace halvory {

using dcfr_detail::fill_zero;
using dcfr_detail::grow;

namespace {

const NodeState& empty_state() {
  static const NodeState state;
  return state;
}

// out[h] = max over a of rows[a][h] (a NaN never wins).
void max_rows(float* out, const float* rows, std::size_t A, std::size_t H) {
  std::memcpy(out, rows, H * sizeof(float));
  for (std::size_t a = 1; a < A; ++a) {
    const float* row = rows + a * H;
    for (std::size_t h = 0; h < H; ++h) out[h] = row[h] > out[h] ? row[h] : out[h];
  }
}

}  // namespace

void DiscountedCfr::average_strategy_into(const NodeState& state, std::size_t num_actions,
                                          std::size_t num_hands, std::vector<float>& strategy,
                                          std::vector<float>& decoded,
                                          std::vector<float>& totals) const {
  const std::size_t A = num_actions;
  const std::size_t H = num_hands;
  const std::size_t size = A * H;
  grow(strategy, size);
  float* out = strategy.data();
  if (size == 0) return;

  // A packed array is read as codes (or decoded into scratch), so
  // concurrent queries never write the state.
  const float* sums = nullptr;
  const std::int16_t* codes = nullptr;
  if (state.initialized != 0 && state.num_actions == A && state.num_hands == H) {
    const NodeArrays arrays = arrays_of(state);
    arrays.prefetch(false, true, dcfr_detail::PrefetchFor::read);
    codes = arrays.sum_codes();
    if (codes == nullptr) sums = arrays.sums(decoded);
  }
  grow(totals, H);
  if (codes != nullptr) {
    normalize_packed(out, totals.data(), codes, state.strategy_sum_scale, A, H);
    return;
  }
  const float uniform = 1.0f / static_cast<float>(A);
  if (sums == nullptr) {
    std::fill(out, out + size, uniform);
    return;
  }
  normalize_positive(out, totals.data(), sums, A, H);
}

std::vector<float> DiscountedCfr::average_strategy(std::size_t node) const {
  if (node >= trained.states.size()) return {};
  const NodeState& state = trained.states[node];
  if (state.initialized == 0 || state.num_actions == 0 || state.num_hands == 0) return {};
  std::vector<float> strategy;
  std::vector<float> decoded;
  std::vector<float> totals;
  average_strategy_into(state, state.num_actions, state.num_hands, strategy, decoded, totals);
  strategy.resize(state.num_actions * state.num_hands);
  return strategy;
}

std::vector<float> DiscountedCfr::average_action_frequencies(std::size_t node) const {
  const std::vector<float> strategy = average_strategy(node);
  if (strategy.empty()) return {};
  const std::size_t A = trained.states[node].num_actions;
  const std::size_t H = trained.states[node].num_hands;
  std::vector<float> frequencies(A, 0.0f);
  for (std::size_t a = 0; a < A; ++a) {
    double total = 0.0;
    for (std::size_t h = 0; h < H; ++h) total += strategy[a * H + h];
    frequencies[a] = static_cast<float>(total / static_cast<double>(H));
  }
  return frequencies;
}

void DiscountedCfr::compute_cfvalue_recursive(const Game& game, std::size_t node, Seat seat,
                                              std::span<const float> reach, std::span<float> out,
                                              std::size_t depth, ScratchStack& stack) const {
  value_recursive(game, node, seat, reach, out, depth, stack, false);
}

void DiscountedCfr::compute_best_cfvalue_recursive(const Game& game, std::size_t node, Seat seat,
                                                   std::span<const float> reach,
                                                   std::span<float> out, std::size_t depth,
                                                   ScratchStack& stack) const {
  value_recursive(game, node, seat, reach, out, depth, stack, true);
}

void DiscountedCfr::value_recursive(const Game& game, std::size_t node, Seat seat,
                                    std::span<const float> reach, std::span<float> out,
                                    std::size_t depth, ScratchStack& stack,
                                    bool best_response) const {
  const NodeRecord& record = game.nodes[node];
  if (record.kind == NodeKind::Terminal) {
    terminal_values(game, record, seat, reach, out, stack);
    return;
  }
  if (cancel_seen(record, depth)) {  // the pass is abandoned
    fill_zero(out);
    return;
  }
  if (record.kind == NodeKind::Chance) {
    value_chance(game, node, seat, reach, out, depth, stack, best_response);
  } else if (river_batches) {
    value_batch(game, node, seat, reach, out, depth, stack, best_response);
  } else {
    value_decision(game, node, seat, reach, out, depth, stack, best_response);
  }
}

void DiscountedCfr::average_reaches(std::size_t node, std::size_t A, std::span<const float> reach,
                                    float* child_reach, ScratchFrame& frame) const {
  const std::size_t H_o = reach.size();
  const NodeState& state = node < trained.states.size() ? trained.states[node] : empty_state();
  average_strategy_into(state, A, H_o, frame.opponent_strategy, frame.unpacked_sums,
                        frame.opponent_scratch);
  for (std::size_t a = 0; a < A; ++a)
    multiply_into(child_reach + a * H_o, frame.opponent_strategy.data() + a * H_o, reach.data(),
                  H_o);
}

void DiscountedCfr::own_node_value(const Game& game, std::size_t node, std::size_t A,
                                   const float* rows, std::span<float> out, ScratchFrame& frame,
                                   bool best_response) const {
  const std::size_t H = out.size();
  if (!best_response) {
    const NodeState& state = node < trained.states.size() ? trained.states[node] : empty_state();
    average_strategy_into(state, A, H, frame.traverser_strategy, frame.unpacked_sums,
                          frame.traverser_scratch);
    weighted_rows_f64(out.data(), frame.traverser_strategy.data(), rows, A, H);
    return;
  }
  // Best response: a free hand takes its best action, a locked hand plays
  // its lock.
  max_rows(out.data(), rows, A, H);
  const NodeLock lock(game.find_node_lock(node), A, H);
  for (std::size_t h = 0; h < H; ++h)
    if (lock.hand_locked(h)) out[h] = static_cast<float>(lock.locked_value(rows, h));
}

void DiscountedCfr::value_decision(const Game& game, std::size_t node, Seat seat,
                                   std::span<const float> reach, std::span<float> out,
                                   std::size_t depth, ScratchStack& stack,
                                   bool best_response) const {
  const NodeRecord& record = game.nodes[node];
  const std::size_t A = record.actions.size();
  const std::size_t H = out.size();
  const std::size_t H_o = reach.size();
  if (A == 0 || H == 0 || record.children.size() < A) {
    fill_zero(out);
    return;
  }
  ScratchFrame& frame = stack.frame(depth);

  if (record.seat != seat) {
    if (A == 1) {
      value_recursive(game, record.children[0], seat, reach, out, depth + 1, stack, best_response);
      return;
    }
    grow(frame.opponent_reach, A * H_o);
    float* opponent_reach = frame.opponent_reach.data();
    average_reaches(node, A, reach, opponent_reach, frame);
    grow(frame.child_values, A * H);
    float* rows = frame.child_values.data();
    for (std::size_t a = 0; a < A; ++a) {
      value_recursive(game, record.children[a], seat, {opponent_reach + a * H_o, H_o},
                      {rows + a * H, H}, depth + 1, stack, best_response);
    }
    sum_rows_f64(out.data(), rows, A, H);
    return;
  }

  grow(frame.child_values, A * H);
  float* rows = frame.child_values.data();
  dcfr_detail::traverser_children(
      game, record,
      [&](std::size_t a) {
        value_recursive(game, record.children[a], seat, reach, {rows + a * H, H}, depth + 1, stack,
                        best_response);
      },
      [&](std::size_t showdown, std::size_t fold) {
        dcfr_detail::value_fold_and_showdown(game, record, seat, reach, rows, H, showdown, fold);
      });
  own_node_value(game, node, A, rows, out, frame, best_response);
}

void DiscountedCfr::value_chance(const Game& game, std::size_t node, Seat seat,
                                 std::span<const float> reach, std::span<float> out,
                                 std::size_t depth, ScratchStack& stack, bool best_response) const {
  const NodeRecord& record = game.nodes[node];
  const std::size_t K = record.children.size();
  const std::size_t H = out.size();
  const std::size_t H_o = reach.size();
  if (K == 0 || H == 0) {
    fill_zero(out);
    return;
  }
  ScratchFrame& frame = stack.frame(depth);
  const float* child_reach = dcfr_detail::chance_reach(game, record, K, reach, frame.chance_reach);
  grow(frame.child_values, K * H);
  float* rows = frame.child_values.data();
  auto run_jobs = [&](std::size_t begin, std::size_t end, ScratchStack& job_stack) {
    for (std::size_t k = begin; k < end; ++k) {
      value_recursive(game, record.children[k], seat, {child_reach, H_o}, {rows + k * H, H},
                      depth + 1, job_stack, best_response);
    }
  };
  const std::size_t chunks =
      split_chunks({.site = SplitSite::chance_value,
                    .jobs = K,
                    .distinct = node < children_distinct.size() && children_distinct[node] == 1,
                    .nested = stack.in_split});
  run_chance_jobs(chunks, K, stack, run_jobs);
  dcfr_detail::chance_value(game, record, seat, rows, K, out, frame.chance_sum, frame.permuted_row);
}

std::pair<float, float> DiscountedCfr::root_pass(const Game& game, bool best_response) {
  float ev[2] = {0.0f, 0.0f};
  for (Seat s = 0; s < 2; ++s) {
    const std::vector<float>& own_weights = game.cards.weights[s];
    std::vector<float>& values = ev_values[s];
    values.assign(game.cards.pockets[s].size(), 0.0f);
    if (!values.empty() && !game.nodes.empty())
      value_recursive(game, 0, s, game.cards.weights[1 - s], values, 0, *stacks[s], best_response);
    const std::size_t n = std::min(values.size(), own_weights.size());
    double total = 0.0;
    for (std::size_t h = 0; h < n; ++h)
      total += static_cast<double>(own_weights[h]) * static_cast<double>(values[h]);
    ev[s] = static_cast<float>(total);
  }
  return {ev[0], ev[1]};
}

std::pair<float, float> DiscountedCfr::compute_current_ev(const Game& game) {
  SolverProfile::Scope scope(ProfileSection::current_ev);
  return root_pass(game, false);
}

std::pair<float, float> DiscountedCfr::compute_mes_ev(const Game& game) {
  SolverProfile::Scope scope(ProfileSection::mes_ev);
  return root_pass(game, true);
}

float DiscountedCfr::compute_exploitability(const Game& game) {
  SolverProfile::Scope scope(ProfileSection::exploitability);
  const auto [br0, br1] = compute_mes_ev(game);
  const GameConfig& cfg = game.config;
  const bool icm_mode = cfg.icm != 0 && !cfg.icm_payouts.empty();

  // With rake (or ICM, whose two payoffs are not zero-sum) the best responses
  // are measured against the current EVs; otherwise the game is zero-sum and
  // the EVs cancel.
  auto current_ev_form = [&]() {
    const auto [ev0, ev1] = compute_current_ev(game);
    const float gain1 = br1 - ev1;
    const float gain0 = br0 - ev0;
    return (static_cast<double>(gain1) + static_cast<double>(gain0)) * 0.5;
  };

  if (!icm_mode) {
    if (cfg.rake_rate > 0.0) return static_cast<float>(current_ev_form());
    return static_cast<float>((static_cast<double>(br1) + static_cast<double>(br0)) * 0.5);
  }

  double prize = 0.0;
  for (const std::int32_t p : cfg.icm_payouts)
    if (p > 0) prize += p;
  if (!(prize > 0.0)) prize = 1.0;
  auto seat_stack = [&](std::int32_t own) -> double {
    if (own >= 1) return own;
    if (cfg.effective_stack >= 1) return cfg.effective_stack;
    return 0.0;
  };
  double chips = seat_stack(cfg.oop_stack) + seat_stack(cfg.ip_stack);
  for (const std::int32_t other : cfg.icm_other_stacks)
    if (other > 0) chips += other;
  if (!(chips > 0.0)) chips = 1.0;

  double e = current_ev_form() * (chips / prize);
  if (!(e > 0.0)) e = 0.0;
  return static_cast<float>(e);
}

std::vector<float> DiscountedCfr::node_cfvalues(const Game& game, std::size_t node,
                                                Seat seat) const {
  if (seat > 1) return {};
  return node_cfvalues_with_reach(game, node, seat, game.cards.weights[1 - seat]);
}

std::vector<float> DiscountedCfr::node_cfvalues_with_reach(const Game& game, std::size_t node,
                                                           Seat seat,
                                                           std::span<const float> reach) const {
  if (seat > 1) return {};
  std::vector<float> out(game.cards.pockets[seat].size(), 0.0f);
  if (out.empty() || node >= game.nodes.size()) return out;
  StackLease lease(spare_stacks);
  compute_cfvalue_recursive(game, node, seat, reach, out, 0, *lease.stack);
  return out;
}

}  // namespace halvory
