// The regret pass below a river decision node, as a batch. No card is dealt
// below such a node, so every opponent reach is known before any value: the
// reaches are formed top-down, then every terminal is valued (showdowns of one
// runout several at a time), then values and updates run bottom-up. Each
// node's arithmetic is the recursion's own step (opponent_reaches before the
// children, traverser_update or the f64 row sum after), so the results are the
// same bit for bit; only the order of independent work changes.

#include "solver/dcfr.hpp"
#include "solver/dcfr_internal.hpp"
#include "solver/node_arrays.hpp"
#include "solver/payoffs.hpp"

namespace halvory {

using dcfr_detail::fill_zero;
using dcfr_detail::grow;

// Floats of scratch the batch of the subtree at `root` takes, with its
// decision nodes in stack.river_decisions; 0 when the subtree is no river
// subtree or would pass kRiverScratchFloats (a game that starts on the river
// has one subtree, the whole tree): the recursion then takes it, so that
// scratch stays bounded, and its smaller subtrees come back here.
std::size_t DiscountedCfr::river_batch_floats(const Game& game, std::size_t root, Seat traverser,
                                              std::size_t H, std::size_t H_o, ScratchStack& stack,
                                              RiverPass pass) const {
  std::vector<std::uint32_t>& pending = stack.river_nodes;
  std::vector<std::uint32_t>& decisions = stack.river_decisions;
  pending.assign(1, static_cast<std::uint32_t>(root));
  decisions.clear();
  std::size_t floats = 0;
  while (!pending.empty()) {
    const std::size_t node = pending.back();
    pending.pop_back();
    const NodeRecord& record = game.nodes[node];
    if (record.kind == NodeKind::Chance) return 0;
    if (record.kind != NodeKind::Decision) continue;
    const std::size_t A = record.actions.size();
    if (record.children.size() < A) continue;
    floats += A * H + (river_opponent(game, node, traverser, pass) && A > 1 ? A * H_o : 0);
    if (floats > kRiverScratchFloats) return 0;
    decisions.push_back(static_cast<std::uint32_t>(node));
    // The children's records and states are asked for now; most are read
    // only after their siblings' subtrees.
    for (std::size_t a = 0; a < A; ++a) {
      __builtin_prefetch(&game.nodes[record.children[a]]);
      if (record.children[a] < trained.states.size())
        __builtin_prefetch(&trained.states[record.children[a]]);
      pending.push_back(static_cast<std::uint32_t>(record.children[a]));
    }
  }
  return floats;
}

template <class Fallback, class Own>
void DiscountedCfr::river_batch(const Game& game, std::size_t root, Seat seat,
                                std::span<const float> reach, std::span<float> out,
                                std::size_t depth, ScratchStack& stack, RiverPass pass,
                                Fallback&& fallback, Own&& own) const {
  const std::size_t H = out.size();
  const std::size_t floats = river_batch_floats(game, root, seat, H, reach.size(), stack, pass);
  if (floats == 0) {
    fallback();
    return;
  }
  // The opponent's arrays, which the reaches read, are asked for now; they
  // arrive while the first reaches are computed. The value buffer is sized
  // first, so that it does not move once pointers into it are handed out.
  for (const std::uint32_t node : stack.river_decisions) {
    if (!river_opponent(game, node, seat, pass) || node >= trained.states.size()) continue;
    arrays_of(trained.states[node])
        .prefetch(pass == RiverPass::regrets, pass != RiverPass::regrets,
                  dcfr_detail::PrefetchFor::later);
  }
  grow(stack.river_values, floats);
  ScratchFrame& frame = stack.frame(depth);
  plan_river(game, root, seat, reach, out, stack, frame, pass);

  // The arrays of the seat's own nodes, which only the steps after the
  // showdowns read (the regret pass's update; the average pass's strategy;
  // a best response reads none), are asked for a few lines at a time while
  // the showdowns are merged.
  PrefetchDrip& drip = prefetch_drip();
  if (pass != RiverPass::best_response) {
    for (const std::uint32_t node : stack.river_decisions) {
      if (river_opponent(game, node, seat, pass) || node >= trained.states.size()) continue;
      arrays_of(trained.states[node])
          .each_array(pass == RiverPass::regrets, true,
                      [&drip](const void* data, std::size_t bytes) { drip.add(data, bytes); });
    }
  }
  showdown_batch(game, seat, stack.river_jobs);
  drip.drain();

  // Bottom-up: a node's children come after it in the plan.
  const std::vector<ScratchStack::RiverEntry>& steps = stack.river_steps;
  for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
    const std::size_t A = game.nodes[it->node].actions.size();
    if (it->opponent) {
      sum_rows_f64(it->out, it->children, A, H);
    } else {
      own(it->node, A, it->children, std::span<float>{it->out, H}, frame);
    }
  }
}

void DiscountedCfr::solve_river(const Game& game, std::size_t root, Seat traverser,
                                std::span<const float> reach, std::span<float> out,
                                std::size_t depth, ScratchStack& stack) {
  river_batch(
      game, root, traverser, reach, out, depth, stack, RiverPass::regrets,
      [&] { decision_step(game, root, traverser, reach, out, depth, stack); },
      [&](std::size_t node, std::size_t, const float* rows, std::span<float> values,
          ScratchFrame& frame) { traverser_update(game, node, rows, values, frame); });
}

void DiscountedCfr::value_river(const Game& game, std::size_t root, Seat seat,
                                std::span<const float> reach, std::span<float> out,
                                std::size_t depth, ScratchStack& stack, bool best_response) const {
  river_batch(
      game, root, seat, reach, out, depth, stack,
      best_response ? RiverPass::best_response : RiverPass::average,
      [&] { value_decision(game, root, seat, reach, out, depth, stack, best_response); },
      [&](std::size_t node, std::size_t A, const float* rows, std::span<float> values,
          ScratchFrame& frame) {
        own_node_value(game, node, A, rows, values, frame, best_response);
      });
}

void DiscountedCfr::plan_river(const Game& game, std::size_t root, Seat traverser,
                               std::span<const float> reach, std::span<float> out,
                               ScratchStack& stack, ScratchFrame& frame, RiverPass pass) const {
  using RiverEntry = ScratchStack::RiverEntry;
  const std::size_t H = out.size();
  const std::size_t H_o = reach.size();
  float* next = stack.river_values.data();
  std::vector<RiverEntry>& todo = stack.river_todo;
  stack.river_steps.clear();
  stack.river_jobs.clear();
  todo.assign(1, {static_cast<std::uint32_t>(root), false, reach.data(), out.data()});
  while (!todo.empty()) {
    const RiverEntry entry = todo.back();
    todo.pop_back();
    const std::size_t node = entry.node;
    const NodeRecord& record = game.nodes[node];
    if (record.kind == NodeKind::Terminal) {
      ShowdownJob job{&record, {entry.reach, H_o}, {entry.out, H}, nullptr, {}};
      if (entry.fold_out != nullptr)
        job = {job.node, job.reach, job.out, &game.nodes[entry.fold], {entry.fold_out, H}};
      stack.river_jobs.push_back(job);
      continue;
    }
    const std::size_t A = record.actions.size();
    const auto child = [&](std::size_t a, const float* child_reach, float* child_out) {
      todo.push_back(
          {static_cast<std::uint32_t>(record.children[a]), false, child_reach, child_out});
    };
    const bool ready = pass == RiverPass::regrets ? decision_ready(game, node, traverser, H)
                                                  : A != 0 && H != 0 && record.children.size() >= A;
    const bool opponent = river_opponent(game, node, traverser, pass);
    if (!ready) {
      fill_zero({entry.out, H});
    } else if (opponent && A == 1) {
      child(0, entry.reach, entry.out);
    } else if (opponent) {
      float* child_reach = next;
      float* values = next + A * H_o;
      next += A * (H_o + H);
      if (pass != RiverPass::regrets) {
        average_reaches(node, A, {entry.reach, H_o}, child_reach, frame);
      } else if (!opponent_reaches(game, node, {entry.reach, H_o}, child_reach, frame)) {
        fill_zero({entry.out, H});
        continue;
      }
      stack.river_steps.push_back(
          {static_cast<std::uint32_t>(node), true, entry.reach, entry.out, values});
      for (std::size_t a = 0; a < A; ++a) child(a, child_reach + a * H_o, values + a * H);
    } else {
      float* values = next;
      next += A * H;
      stack.river_steps.push_back(
          {static_cast<std::uint32_t>(node), false, entry.reach, entry.out, values});
      dcfr_detail::traverser_children(
          game, record, [&](std::size_t a) { child(a, entry.reach, values + a * H); },
          [&](std::size_t showdown, std::size_t fold) {
            child(showdown, entry.reach, values + showdown * H);
            todo.back().fold = static_cast<std::uint32_t>(record.children[fold]);
            todo.back().fold_out = values + fold * H;
          });
    }
  }
}

}  // namespace halvory
