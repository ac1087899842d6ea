// The regret pass: one traversal of the tree for one traverser seat.

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

void DiscountedCfr::solve_recursive(const Game& game, std::size_t node, Seat traverser,
                                    std::span<const float> reach, std::span<float> out,
                                    std::size_t depth, ScratchStack& stack) {
  const NodeRecord& record = game.nodes[node];
  if (record.kind == NodeKind::Terminal) {
    terminal_values(game, record, traverser, reach, out, stack);
    return;
  }
  const std::size_t A =
      record.kind == NodeKind::Chance ? record.children.size() : record.actions.size();
  // A malformed decision node (fewer children than actions) has no subtree;
  // after a cancel the rest of the iteration is skipped.
  if (A == 0 || out.empty() || record.children.size() < A || cancel_seen(record, depth)) {
    fill_zero(out);
    return;
  }
  if (record.kind == NodeKind::Chance) {
    solve_chance(game, node, traverser, reach, out, depth, stack);
  } else if (river_batches) {
    solve_batch(game, node, traverser, reach, out, depth, stack);
  } else {
    decision_step(game, node, traverser, reach, out, depth, stack);
  }
}

bool DiscountedCfr::decision_ready(const Game& game, std::size_t node, Seat traverser,
                                   std::size_t H) const {
  const NodeRecord& record = game.nodes[node];
  const std::size_t A = record.actions.size();
  if (A == 0 || H == 0 || record.children.size() < A) return false;
  if (is_opponent(node, traverser)) return true;  // its arrays are checked as they are read
  return trained.states[node].num_hands == H && trained.states[node].num_actions == A;
}

void DiscountedCfr::decision_step(const Game& game, std::size_t node, Seat traverser,
                                  std::span<const float> reach, std::span<float> out,
                                  std::size_t depth, ScratchStack& stack) {
  if (is_opponent(node, traverser)) {
    opponent_step(game, node, traverser, reach, out, depth, stack);
  } else {
    traverser_step(game, node, traverser, reach, out, depth, stack);
  }
}

void DiscountedCfr::prefetch_node(std::size_t node, Seat traverser) const {
  if (node >= trained.states.size()) return;
  const NodeState& state = trained.states[node];
  arrays_of(state).prefetch(true, state.seat == traverser, dcfr_detail::PrefetchFor::later);
}

void DiscountedCfr::terminal_values(const Game& game, const NodeRecord& record, Seat seat,
                                    std::span<const float> reach, std::span<float> out,
                                    ScratchStack& stack) const {
  // Only a flop all-in is worth a split: its 1000-odd runouts would otherwise
  // run on one thread while the others wait at the flop. The split sums in
  // the same order as terminal_eval, so the thread count changes no bit.
  const bool flop_all_in = record.last_action != ActionKind::Fold && record.turn == kNoCard;
  if (!flop_all_in || split_chunks({SplitSite::all_in_runouts, 2}) == 0) {
    terminal_eval(game, record, seat, reach, out);
    return;
  }
  SolverProfile::Scope scope(ProfileSection::terminal_eval);
  incomplete_board_payoff(
      game, record, seat, reach, out,
      [this](std::size_t n, const RangeBody& body) {
        run_split(split_chunks({SplitSite::all_in_runouts, n}), n,
                  [&body](std::size_t begin, std::size_t end) { body(begin, end); });
      },
      stack.all_in_rows);
}

void DiscountedCfr::solve_chance(const Game& game, std::size_t node, Seat traverser,
                                 std::span<const float> reach, std::span<float> out,
                                 std::size_t depth, ScratchStack& stack) {
  const NodeRecord& record = game.nodes[node];
  ScratchFrame& frame = stack.frame(depth);
  const std::size_t A = record.children.size();
  const std::size_t H = out.size();
  const std::size_t H_o = reach.size();

  const float* child_reach = dcfr_detail::chance_reach(game, record, A, reach, frame.chance_reach);

  // Slots naming a child already seen are solved once and copied.
  const bool reuse = node < children_distinct.size() && children_distinct[node] == 0;
  grow(frame.child_values, A * H);
  std::size_t jobs = A;
  if (reuse) {
    frame.distinct_slots.clear();
    grow(frame.slot_representative, A);
    for (std::size_t k = 0; k < A; ++k) {
      std::size_t representative = k;
      for (std::size_t j = 0; j < k; ++j) {
        if (record.children[j] == record.children[k]) {
          representative = frame.slot_representative[j];
          break;
        }
      }
      frame.slot_representative[k] = static_cast<std::uint16_t>(representative);
      if (representative == k) frame.distinct_slots.push_back(static_cast<std::uint16_t>(k));
    }
    jobs = frame.distinct_slots.size();
  }

  float* child_values = frame.child_values.data();
  const std::uint16_t* distinct = frame.distinct_slots.data();
  auto run_jobs = [&](std::size_t begin, std::size_t end, ScratchStack& job_stack) {
    for (std::size_t k = begin; k < end; ++k) {
      const std::size_t slot = reuse ? distinct[k] : k;
      if (k + 1 < end) {
        const std::size_t next = record.children[reuse ? distinct[k + 1] : k + 1];
        if (game.nodes[next].kind == NodeKind::Decision) prefetch_node(next, traverser);
      }
      solve_recursive(game, record.children[slot], traverser, {child_reach, H_o},
                      {child_values + slot * H, H}, depth + 1, job_stack);
    }
  };
  const std::size_t chunks = split_chunks({.site = SplitSite::chance_regret,
                                           .jobs = jobs,
                                           .children = A,
                                           .hands = H,
                                           .depth = depth,
                                           .nested = stack.in_split});
  run_chance_jobs(chunks, jobs, stack, run_jobs);

  if (reuse) {
    SolverProfile::Scope scope(ProfileSection::chance_aggregate_reuse);
    for (std::size_t k = 0; k < A; ++k) {
      const std::size_t representative = frame.slot_representative[k];
      if (representative != k)
        std::memcpy(child_values + k * H, child_values + representative * H, H * sizeof(float));
    }
  }

  dcfr_detail::chance_value(game, record, traverser, child_values, A, out, frame.chance_sum,
                            frame.permuted_row);
}

bool DiscountedCfr::opponent_reaches(const Game& game, std::size_t node,
                                     std::span<const float> reach, float* child_reach,
                                     ScratchFrame& frame) const {
  const NodeRecord& record = game.nodes[node];
  const std::size_t A = record.actions.size();
  const std::size_t H_o = reach.size();
  if (node >= trained.states.size()) return false;
  const NodeState& state = trained.states[node];
  if (state.num_hands != H_o || state.num_actions != A || H_o == 0) return false;
  const std::size_t size = A * H_o;

  // The opponent's arrays are only read here: packed codes in place, or
  // decoded into the frame where a lock needs the strategy.
  const NodeArrays arrays = arrays_of(state);
  arrays.prefetch(true, false, dcfr_detail::PrefetchFor::read);
  const NodeLock lock(game.find_node_lock(node), A, H_o);
  const std::int16_t* codes = arrays.regret_codes();
  if (codes != nullptr && !lock.any()) {
    packed_opponent_child_reach(child_reach, codes, state.regret_scale, reach.data(), A, H_o);
    return true;
  }
  const float* regrets = arrays.regrets(frame.unpacked_regrets);
  if (regrets == nullptr) return false;
  if (!lock.any()) {
    opponent_child_reach(child_reach, regrets, reach.data(), A, H_o);
    return true;
  }
  grow(frame.opponent_strategy, size);
  grow(frame.opponent_scratch, H_o);
  float* strategy = frame.opponent_strategy.data();
  regret_matching(strategy, frame.opponent_scratch.data(), regrets, A, H_o);
  lock.apply(strategy);

  for (std::size_t a = 0; a < A; ++a)
    multiply_into(child_reach + a * H_o, strategy + a * H_o, reach.data(), H_o);
  return true;
}

void DiscountedCfr::opponent_step(const Game& game, std::size_t node, Seat traverser,
                                  std::span<const float> reach, std::span<float> out,
                                  std::size_t depth, ScratchStack& stack) {
  const NodeRecord& record = game.nodes[node];
  const std::size_t A = record.actions.size();
  if (A == 1) {
    solve_recursive(game, record.children[0], traverser, reach, out, depth + 1, stack);
    return;
  }
  const std::size_t H = out.size();
  const std::size_t H_o = reach.size();
  ScratchFrame& frame = stack.frame(depth);
  grow(frame.opponent_reach, A * H_o);
  float* opponent_reach = frame.opponent_reach.data();
  if (!opponent_reaches(game, node, reach, opponent_reach, frame)) {
    fill_zero(out);
    return;
  }

  grow(frame.action_values, A * H);
  float* action_values = frame.action_values.data();
  for (std::size_t a = 0; a < A; ++a) {
    solve_recursive(game, record.children[a], traverser, {opponent_reach + a * H_o, H_o},
                    {action_values + a * H, H}, depth + 1, stack);
  }
  sum_rows_f64(out.data(), action_values, A, H);
}

void DiscountedCfr::traverser_step(const Game& game, std::size_t node, Seat traverser,
                                   std::span<const float> reach, std::span<float> out,
                                   std::size_t depth, ScratchStack& stack) {
  const NodeRecord& record = game.nodes[node];
  const std::size_t A = record.actions.size();
  const std::size_t H = out.size();
  if (!decision_ready(game, node, traverser, H)) {
    fill_zero(out);
    return;
  }
  ScratchFrame& frame = stack.frame(depth);
  grow(frame.action_values, A * H);
  float* action_values = frame.action_values.data();
  dcfr_detail::traverser_children(
      game, record,
      [&](std::size_t a) {
        solve_recursive(game, record.children[a], traverser, reach, {action_values + a * H, H},
                        depth + 1, stack);
      },
      [&](std::size_t showdown, std::size_t fold) {
        dcfr_detail::value_fold_and_showdown(game, record, traverser, reach, action_values, H,
                                             showdown, fold);
      });
  traverser_update(game, node, action_values, out, frame);
}

void DiscountedCfr::traverser_update(const Game& game, std::size_t node, const float* action_values,
                                     std::span<float> out, ScratchFrame& frame) {
  NodeState& state = trained.states[node];
  const std::size_t A = state.num_actions;
  const std::size_t H = state.num_hands;
  const std::size_t size = A * H;

  // Packed arrays are read as codes and their new rows written to the
  // frame, or decoded into the frame where a lock is applied, and packed
  // back below.
  const WritableNodeArrays arrays = arrays_to_update(state);
  arrays.prefetch(true, true, dcfr_detail::PrefetchFor::write);
  const NodeLock lock(game.find_node_lock(node), A, H);
  const std::int16_t* regret_codes = arrays.regret_codes();
  const std::int16_t* sum_codes = arrays.sum_codes();
  if (regret_codes != nullptr && sum_codes != nullptr && !lock.any()) {
    grow(frame.unpacked_regrets, size);
    grow(frame.unpacked_sums, size);
    float* regrets = frame.unpacked_regrets.data();
    float* sums = frame.unpacked_sums.data();
    float maxima[2] = {-1.0f, -1.0f};
    update_packed_traverser_node(out.data(), sums, regrets, sum_codes, state.strategy_sum_scale,
                                 regret_codes, state.regret_scale, action_values, A, H,
                                 weight_strategy, weight_positive, weight_negative, maxima);
    arrays.store_sums(sums, state, maxima[0]);
    arrays.store_regrets(regrets, state, maxima[1]);
    return;
  }
  float* regrets = arrays.regrets(frame.unpacked_regrets);
  float* sums = arrays.sums(frame.unpacked_sums);
  if (regrets == nullptr || sums == nullptr) {
    fill_zero(out);
    return;
  }

  if (!lock.any()) {
    // Packed rows get their maxima from the sweep itself.
    float maxima[2] = {-1.0f, -1.0f};
    update_traverser_node(out.data(), sums, regrets, action_values, A, H, weight_strategy,
                          weight_positive, weight_negative, arrays.packed() ? maxima : nullptr);
    arrays.store_sums(sums, state, maxima[0]);
    arrays.store_regrets(regrets, state, maxima[1]);
    return;
  }
  grow(frame.traverser_strategy, size);
  grow(frame.traverser_scratch, H);
  float* strategy = frame.traverser_strategy.data();
  regret_matching(strategy, frame.traverser_scratch.data(), regrets, A, H);
  lock.apply(strategy);

  fma_actions(out.data(), strategy, action_values, A, H);
  strategy_sum_update(sums, strategy, weight_strategy, size);
  arrays.store_sums(sums, state);

  // Only free hands learn.
  if (!lock.all_locked()) {
    const float w_pos = weight_positive;
    const float w_neg = weight_negative;
    for (std::size_t h = 0; h < H; ++h) {
      if (lock.hand_locked(h)) continue;
      const float node_value = out[h];
      for (std::size_t a = 0; a < A; ++a) {
        float& g = regrets[a * H + h];
        const float w = g >= 0.0f ? w_pos : w_neg;
        const float grown = w * g + action_values[a * H + h];
        g = grown - node_value;
      }
    }
    arrays.store_regrets(regrets, state);
  }
}

}  // namespace halvory
