// The sizing of the batches: how much scratch a plan of a subtree takes,
// found by walking its nodes, and the river deals whose card subtrees all
// share one shape, walked once per solve.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "solver/dcfr.hpp"
#include "solver/dcfr_internal.hpp"
#include "solver/node_arrays.hpp"

namespace halvory {

namespace {

// A decision whose children are all there: the plans walk below it.
bool complete_decision(const NodeRecord& record) {
  return record.kind == NodeKind::Decision && record.children.size() >= record.actions.size();
}

// The nodes of a plan of the subtree at `root`, level by level:
// visit(node, record) for each, then, for a complete decision, its action
// children are queued. A node's children are asked for when it is read and
// read only after the nodes queued before them, so that many records are on
// their way at once; the child lists of the records a few places ahead,
// which have arrived by then, are asked for too. False when a visit stops
// the walk.
template <class Visit>
bool walk_plan(const Game& game, std::size_t root, std::vector<std::uint32_t>& pending,
               Visit&& visit) {
  pending.assign(1, static_cast<std::uint32_t>(root));
  for (std::size_t next = 0; next < pending.size(); ++next) {
    const std::size_t node = pending[next];
    if (next + 8 < pending.size())
      __builtin_prefetch(game.nodes[pending[next + 8]].children.data());
    const NodeRecord& record = game.nodes[node];
    if (!visit(node, record)) return false;
    if (!complete_decision(record)) continue;
    for (std::size_t a = 0; a < record.actions.size(); ++a) {
      __builtin_prefetch(&game.nodes[record.children[a]]);
      pending.push_back(static_cast<std::uint32_t>(record.children[a]));
    }
  }
  return true;
}

}  // namespace

std::size_t DiscountedCfr::batch_floats(const Game& game, std::size_t root, Seat traverser,
                                        std::size_t H, std::size_t H_o,
                                        ScratchStack::BatchPlan& plan, RiverPass pass,
                                        bool to_deals, std::size_t limit) const {
  std::size_t floats = 0;
  const bool fits =
      walk_plan(game, root, plan.nodes, [&](std::size_t node, const NodeRecord& record) {
        if (record.kind == NodeKind::Chance) {
          floats += H_o + record.children.size() * H;
          return to_deals && floats <= limit;
        }
        if (!complete_decision(record)) return true;
        floats += decision_floats(record.actions.size(),
                                  river_opponent(game, node, traverser, pass), H, H_o);
        plan.decisions.push_back(static_cast<std::uint32_t>(node));
        for (const std::size_t child : record.children)
          if (child < trained.states.size()) __builtin_prefetch(&trained.states[child]);
        return floats <= limit;
      });
  return fits ? floats : 0;
}

void DiscountedCfr::prepare_river_shapes(const Game& game) {
  river_shapes.clear();
  river_shape_nodes.clear();
  const std::size_t N = game.nodes.size();
  // A subtree as batch_floats walks it: each node's offset from the root
  // (high half) and what the sizing reads of it (low half). A chance node,
  // a child before its parent or a seat past 1 leaves the deal without a
  // shape.
  std::vector<std::uint32_t> pending;
  const auto walk = [&](std::size_t root, std::vector<std::uint64_t>& seen) {
    seen.clear();
    return walk_plan(game, root, pending, [&](std::size_t node, const NodeRecord& record) {
      const std::size_t A = record.actions.size();
      const bool decision = record.kind == NodeKind::Decision;
      if (record.kind == NodeKind::Chance || (decision && (record.seat > 1 || A > 0xffff)))
        return false;
      const bool complete = complete_decision(record);
      seen.push_back(std::uint64_t{node - root} << 32 | static_cast<std::uint32_t>(record.kind) |
                     std::uint32_t{record.seat} << 4 | std::uint32_t{complete} << 5 |
                     static_cast<std::uint32_t>(A) << 16);
      if (complete)
        for (std::size_t a = 0; a < A; ++a) {
          const std::size_t child = record.children[a];
          if (child <= node || child >= N || child - root > UINT32_MAX) return false;
        }
      return true;
    });
  };
  std::vector<std::uint64_t> first;
  std::vector<std::uint64_t> other;
  for (std::size_t n = 0; n < N; ++n) {
    const NodeRecord& deal = game.nodes[n];
    if (deal.kind != NodeKind::Chance || deal.children.empty()) continue;
    if (deal.children[0] >= N || game.nodes[deal.children[0]].river == kNoCard) continue;
    if (!walk(deal.children[0], first)) continue;
    bool same = true;
    for (std::size_t k = 1; k < deal.children.size() && same; ++k)
      same = deal.children[k] < N && walk(deal.children[k], other) && other == first;
    if (!same) continue;
    RiverShape shape{.chance = static_cast<std::uint32_t>(n),
                     .begin = static_cast<std::uint32_t>(river_shape_nodes.size())};
    for (const std::uint64_t entry : first) {
      const auto offset = static_cast<std::uint32_t>(entry >> 32);
      shape.nodes = std::max(shape.nodes, offset + 1);
      if ((entry & 0x20) == 0) continue;  // not a complete decision
      river_shape_nodes.push_back({.offset = offset,
                                   .actions = static_cast<std::uint16_t>(entry >> 16),
                                   .seat = static_cast<Seat>((entry >> 4) & 1)});
    }
    shape.end = static_cast<std::uint32_t>(river_shape_nodes.size());
    river_shapes.push_back(shape);
  }
}

std::size_t DiscountedCfr::river_floats(const Game& game, std::size_t chance, std::size_t root,
                                        Seat traverser, std::size_t H, std::size_t H_o,
                                        ScratchStack::BatchPlan& plan, RiverPass pass) const {
  const auto it = std::lower_bound(
      river_shapes.begin(), river_shapes.end(), chance,
      [](const RiverShape& shape, std::size_t node) { return shape.chance < node; });
  if (it == river_shapes.end() || it->chance != chance)
    return batch_floats(game, root, traverser, H, H_o, plan, pass, false, river_scratch_floats);
  // The walk that this replaces brought the records in for the plan: they
  // are asked for here, all at once, the subtree's being one run of them.
  const char* first = reinterpret_cast<const char*>(&game.nodes[root]);
  for (std::size_t b = 0; b < it->nodes * sizeof(NodeRecord); b += 64)
    __builtin_prefetch(first + b);
  // A complete decision's seat in its record is its state's, which the
  // regret pass goes by.
  std::size_t floats = 0;
  for (std::uint32_t i = it->begin; i < it->end; ++i) {
    const ShapeDecision& d = river_shape_nodes[i];
    const std::size_t node = root + d.offset;
    floats += decision_floats(d.actions, d.seat != traverser, H, H_o);
    plan.decisions.push_back(static_cast<std::uint32_t>(node));
    __builtin_prefetch(&trained.states[node]);
  }
  return floats <= river_scratch_floats ? floats : 0;
}

}  // namespace halvory
