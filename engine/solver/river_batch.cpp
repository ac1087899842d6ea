// The passes below a river decision node, as a batch. No card is dealt
// below such a node, so every opponent reach is known before any value: the
// reaches are formed top-down, then every terminal is valued (showdowns of one
// runout several at a time), then values and updates run bottom-up. Each
// node's arithmetic is the recursion's own step (opponent_reaches before the
// children, traverser_update or the f64 row sum after), so the results are the
// same bit for bit; only the order of independent work changes.
//
// The passes below a turn decision node go the same way one street up: its
// decisions are planned down to the river deals, then every river subtree of
// those deals that shares a river card joins one river batch. The lines of a
// turn then share the merges of each runout, which fills the merges' lanes
// that one subtree alone leaves empty.

#include <algorithm>

#include "solver/dcfr.hpp"
#include "solver/dcfr_internal.hpp"
#include "solver/node_arrays.hpp"
#include "solver/payoffs.hpp"

namespace halvory {

using dcfr_detail::fill_zero;
using dcfr_detail::grow;

template <class Own>
void DiscountedCfr::run_river_roots(const Game& game, Seat seat, std::size_t H, std::size_t H_o,
                                    std::size_t floats, ScratchStack& stack, RiverPass pass,
                                    Own&& own) const {
  ScratchStack::BatchPlan& plan = stack.river;
  // The opponent's arrays, which the reaches read, are asked for now; they
  // arrive while the first reaches are computed. The value buffer is sized
  // first, so that it does not move once pointers into it are handed out.
  for (const std::uint32_t node : plan.decisions) {
    if (!river_opponent(game, node, seat, pass) || node >= trained.states.size()) continue;
    arrays_of(trained.states[node])
        .prefetch(pass == RiverPass::regrets, pass != RiverPass::regrets,
                  dcfr_detail::PrefetchFor::later);
  }
  for (const std::uint32_t node : plan.decisions)
    __builtin_prefetch(game.nodes[node].children.data());
  grow(plan.values, floats);
  ScratchFrame& frame = stack.frame(plan.roots.front().depth);
  plan.steps.clear();
  plan.jobs.clear();
  float* next = plan.values.data();
  for (const ScratchStack::RiverEntry& root : plan.roots)
    plan_batch(game, root, seat, H, H_o, plan, next, frame, pass);

  // The arrays of the seat's own nodes, which only the steps after the
  // showdowns read (the regret pass's update; the average pass's strategy;
  // a best response reads none), are asked for a few lines at a time while
  // the showdowns are merged.
  PrefetchDrip& drip = prefetch_drip();
  if (pass != RiverPass::best_response) {
    for (const std::uint32_t node : plan.decisions) {
      if (river_opponent(game, node, seat, pass) || node >= trained.states.size()) continue;
      arrays_of(trained.states[node])
          .each_array(pass == RiverPass::regrets, true,
                      [&drip](const void* data, std::size_t bytes) { drip.add(data, bytes); });
    }
  }
  showdown_batch(game, seat, plan.jobs);
  drip.drain();
  bottom_up(game, plan, H, frame, own);
}

template <class Own>
void DiscountedCfr::bottom_up(const Game& game, const ScratchStack::BatchPlan& plan, std::size_t H,
                              ScratchFrame& frame, Own&& own) const {
  // A node's children come after it in the plan.
  for (auto it = plan.steps.rbegin(); it != plan.steps.rend(); ++it) {
    const std::size_t A = game.nodes[it->node].actions.size();
    if (it->opponent) {
      sum_rows_f64(it->out, it->children, A, H);
    } else {
      own(it->node, A, it->children, std::span<float>{it->out, H}, frame);
    }
  }
}

// Each pass's steps: the regret pass updates its nodes, the value passes
// value them under the average strategy or the best response.
auto DiscountedCfr::regret_steps(const Game& game, Seat traverser) {
  return BatchSteps{
      RiverPass::regrets,
      [this, &game, traverser](std::size_t node, std::span<const float> r, std::span<float> o,
                               std::size_t d, ScratchStack& s) {
        decision_step(game, node, traverser, r, o, d, s);
      },
      [this, &game, traverser](std::size_t node, std::span<const float> r, std::span<float> o,
                               std::size_t d, ScratchStack& s) {
        solve_chance(game, node, traverser, r, o, d, s);
      },
      [this, &game, traverser](std::size_t node, std::span<const float> r, std::span<float> o,
                               std::size_t d, ScratchStack& s) {
        solve_recursive(game, node, traverser, r, o, d, s);
      },
      [this, &game](std::size_t node, std::size_t, const float* rows, std::span<float> values,
                    ScratchFrame& frame) { traverser_update(game, node, rows, values, frame); }};
}

auto DiscountedCfr::value_steps(const Game& game, Seat seat, bool best_response) const {
  return BatchSteps{
      best_response ? RiverPass::best_response : RiverPass::average,
      [this, &game, seat, best_response](std::size_t node, std::span<const float> r,
                                         std::span<float> o, std::size_t d, ScratchStack& s) {
        value_decision(game, node, seat, r, o, d, s, best_response);
      },
      [this, &game, seat, best_response](std::size_t node, std::span<const float> r,
                                         std::span<float> o, std::size_t d, ScratchStack& s) {
        value_chance(game, node, seat, r, o, d, s, best_response);
      },
      [this, &game, seat, best_response](std::size_t node, std::span<const float> r,
                                         std::span<float> o, std::size_t d, ScratchStack& s) {
        value_recursive(game, node, seat, r, o, d, s, best_response);
      },
      [this, &game, best_response](std::size_t node, std::size_t A, const float* rows,
                                   std::span<float> values, ScratchFrame& frame) {
        own_node_value(game, node, A, rows, values, frame, best_response);
      }};
}

template <class Steps>
void DiscountedCfr::river_batch(const Game& game, std::size_t root, Seat seat,
                                std::span<const float> reach, std::span<float> out,
                                std::size_t depth, ScratchStack& stack, const Steps& steps) const {
  const std::size_t H = out.size();
  ScratchStack::BatchPlan& plan = stack.river;
  plan.decisions.clear();
  const std::size_t floats = batch_floats(game, root, seat, H, reach.size(), plan, steps.pass,
                                          false, river_scratch_floats);
  if (floats == 0) {
    steps.decision(root, reach, out, depth, stack);
    return;
  }
  plan.roots.assign(1, {.node = static_cast<std::uint32_t>(root),
                        .reach = reach.data(),
                        .out = out.data(),
                        .depth = static_cast<std::uint32_t>(depth)});
  run_river_roots(game, seat, H, reach.size(), floats, stack, steps.pass, steps.own);
}

void DiscountedCfr::solve_batch(const Game& game, std::size_t root, Seat traverser,
                                std::span<const float> reach, std::span<float> out,
                                std::size_t depth, ScratchStack& stack) {
  batch(game, root, traverser, reach, out, depth, stack, regret_steps(game, traverser));
}

void DiscountedCfr::value_batch(const Game& game, std::size_t root, Seat seat,
                                std::span<const float> reach, std::span<float> out,
                                std::size_t depth, ScratchStack& stack, bool best_response) const {
  batch(game, root, seat, reach, out, depth, stack, value_steps(game, seat, best_response));
}

template <class Steps>
void DiscountedCfr::batch(const Game& game, std::size_t root, Seat seat,
                          std::span<const float> reach, std::span<float> out, std::size_t depth,
                          ScratchStack& stack, const Steps& steps) const {
  if (game.nodes[root].river != kNoCard) {
    river_batch(game, root, seat, reach, out, depth, stack, steps);
  } else if (game.nodes[root].turn != kNoCard) {
    turn_batch(game, root, seat, reach, out, depth, stack, steps);
  } else {
    flop_batch(game, root, seat, reach, out, depth, stack, steps);
  }
}

template <class Steps>
void DiscountedCfr::turn_batch(const Game& game, std::size_t root, Seat seat,
                               std::span<const float> reach, std::span<float> out,
                               std::size_t depth, ScratchStack& stack, const Steps& steps) const {
  const std::size_t H = out.size();
  const std::size_t H_o = reach.size();
  ScratchStack::BatchPlan& plan = stack.turn;
  plan.decisions.clear();
  const std::size_t floats =
      batch_floats(game, root, seat, H, H_o, plan, steps.pass, true, turn_scratch_floats);
  if (floats == 0) {
    steps.decision(root, reach, out, depth, stack);
    return;
  }
  const ScratchStack::RiverEntry entry{.node = static_cast<std::uint32_t>(root),
                                       .reach = reach.data(),
                                       .out = out.data(),
                                       .depth = static_cast<std::uint32_t>(depth)};
  run_turn_plan(game, {&entry, 1}, floats, seat, H, H_o, stack, steps);
}

// Turn subtrees that share a turn card (the same card dealt on several
// lines), as many in one plan as its scratch bound allows: their all-ins
// share merges and their river subtrees share river batches. A subtree that
// fits no plan goes through the recursion.
template <class Steps>
void DiscountedCfr::turn_roots(const Game& game, std::span<const ScratchStack::RiverEntry> roots,
                               Seat seat, std::size_t H, std::size_t H_o, ScratchStack& stack,
                               const Steps& steps) const {
  ScratchStack::BatchPlan& plan = stack.turn;
  std::size_t begin = 0;
  while (begin < roots.size()) {
    plan.decisions.clear();
    std::size_t floats = 0;
    std::size_t end = begin;
    for (; end < roots.size(); ++end) {
      const ScratchStack::RiverEntry& root = roots[end];
      const NodeRecord& record = game.nodes[root.node];
      const std::size_t A = record.actions.size();
      if (record.kind != NodeKind::Decision || record.turn == kNoCard || record.river != kNoCard ||
          A == 0 || H == 0 || record.children.size() < A || cancel_seen(record, root.depth))
        break;
      // Subtrees join one plan up to a smaller bound than one may take alone:
      // more would add scratch to every stack and few lanes to the merges.
      const std::size_t group = std::min(turn_scratch_floats, kTurnGroupFloats);
      if (end > begin && floats >= group) break;
      const std::size_t limit = end == begin ? turn_scratch_floats : group - floats;
      const std::size_t mark = plan.decisions.size();
      const std::size_t f =
          batch_floats(game, root.node, seat, H, H_o, plan, steps.pass, true, limit);
      if (f == 0) {
        plan.decisions.resize(mark);
        break;
      }
      floats += f;
    }
    if (end == begin) {
      const ScratchStack::RiverEntry& root = roots[begin];
      steps.recurse(root.node, {root.reach, H_o}, {root.out, H}, root.depth, stack);
      ++begin;
      continue;
    }
    run_turn_plan(game, roots.subspan(begin, end - begin), floats, seat, H, H_o, stack, steps);
    begin = end;
  }
}

// One plan of turn subtrees whose sizing took `floats` of scratch: the
// reaches down to the river deals, the terminals, the river subtrees by
// river card, then the values up.
template <class Steps>
void DiscountedCfr::run_turn_plan(const Game& game, std::span<const ScratchStack::RiverEntry> roots,
                                  std::size_t floats, Seat seat, std::size_t H, std::size_t H_o,
                                  ScratchStack& stack, const Steps& steps) const {
  ScratchStack::BatchPlan& plan = stack.turn;
  grow(plan.values, floats);
  std::size_t depth = SIZE_MAX;
  for (const ScratchStack::RiverEntry& root : roots)
    depth = std::min<std::size_t>(depth, root.depth);
  ScratchFrame& frame = stack.frame(depth);
  plan.steps.clear();
  plan.jobs.clear();
  plan.leaves.clear();
  float* next = plan.values.data();
  for (const ScratchStack::RiverEntry& root : roots)
    plan_batch(game, root, seat, H, H_o, plan, next, frame, steps.pass);
  river_deals(game, seat, H, H_o, stack, steps, plan.jobs);
  bottom_up(game, plan, H, frame, steps.own);
}

// The slots of the deals in `leaves` into `slots`, each with the card its
// child deals, by card: a deal's reach scaled as a chance node's step scales it, its
// row left for the slots' values; a deal without cards worth anything is
// zero, and one two of whose slots name one child goes through the chance
// node's own step (their `children` are then null).
template <class Steps>
void DiscountedCfr::deal_slots(const Game& game, std::vector<ScratchStack::RiverEntry>& leaves,
                               std::size_t H, std::size_t H_o, ScratchStack& stack,
                               const Steps& steps,
                               std::vector<ScratchStack::DealSlot>& slots) const {
  slots.clear();
  for (std::size_t i = 0; i < leaves.size(); ++i) {
    ScratchStack::RiverEntry& leaf = leaves[i];
    const NodeRecord& record = game.nodes[leaf.node];
    const std::size_t A = record.children.size();
    if (A == 0 || H == 0 || cancel_seen(record, leaf.depth)) {
      fill_zero({leaf.out, H});
      leaf.children = nullptr;
      continue;
    }
    if (leaf.node < children_distinct.size() && children_distinct[leaf.node] == 0) {
      steps.chance(leaf.node, {leaf.reach, H_o}, {leaf.out, H}, leaf.depth, stack);
      leaf.children = nullptr;
      continue;
    }
    scale_into(leaf.children, leaf.reach, dcfr_detail::chance_weight(game, record, A), H_o);
    for (std::size_t k = 0; k < A; ++k) {
      const NodeRecord& child = game.nodes[record.children[k]];
      slots.push_back({static_cast<std::uint32_t>(i), static_cast<std::uint16_t>(k),
                       child.river != kNoCard ? child.river : child.turn,
                       static_cast<std::uint32_t>(record.children[k])});
    }
  }
  // By card, then in plan order (a sort that needs no buffer).
  std::sort(slots.begin(), slots.end(), [](const auto& a, const auto& b) {
    return a.card != b.card ? a.card < b.card
                            : (a.leaf != b.leaf ? a.leaf < b.leaf : a.slot < b.slot);
  });
}

// The split over the cards of a plan's deals, decided as the shallowest
// deal (at `depth`) would decide its own.
std::size_t DiscountedCfr::deal_split(RiverPass pass, std::size_t jobs, std::size_t H,
                                      std::size_t depth, bool nested) const {
  return pass == RiverPass::regrets
             ? split_chunks({.site = SplitSite::chance_regret,
                             .jobs = jobs,
                             .children = jobs,
                             .hands = H,
                             .depth = depth,
                             .nested = nested})
             : split_chunks({.site = SplitSite::chance_value, .jobs = jobs, .nested = nested});
}

// Each deal's row summed from its slots' values as a chance node's step sums
// them (the deals that went through that step have no `children`).
void DiscountedCfr::deal_values(const Game& game, Seat seat,
                                std::span<const ScratchStack::RiverEntry> leaves, std::size_t H,
                                std::size_t H_o, ScratchFrame& frame) const {
  for (const ScratchStack::RiverEntry& leaf : leaves) {
    if (leaf.children == nullptr) continue;
    const NodeRecord& record = game.nodes[leaf.node];
    dcfr_detail::chance_value(game, record, seat, leaf.children + H_o, record.children.size(),
                              {leaf.out, H}, frame.chance_sum, frame.permuted_row);
  }
}

// Each deal's reach is scaled as a chance node's step scales it, and its
// children's rows are summed as that step sums them; only the order in which
// the subtrees are solved changes. A deal two of whose slots name one child
// goes through the chance node's own step. The plan's terminals are valued
// as the first job beside the subtrees, so that no thread waits for them.
template <class Steps>
void DiscountedCfr::river_deals(const Game& game, Seat seat, std::size_t H, std::size_t H_o,
                                ScratchStack& stack, const Steps& steps,
                                std::span<const ShowdownJob> terminals) const {
  std::vector<ScratchStack::RiverEntry>& leaves = stack.turn.leaves;
  if (leaves.empty()) {
    showdown_batch(game, seat, terminals);
    return;
  }
  std::vector<ScratchStack::DealSlot>& slots = stack.deal_slots;
  deal_slots(game, leaves, H, H_o, stack, steps, slots);
  std::vector<std::uint32_t>& groups = stack.deal_groups;
  groups.clear();
  for (std::size_t k = 0; k < slots.size(); ++k)
    if (k == 0 || slots[k].card != slots[k - 1].card)
      groups.push_back(static_cast<std::uint32_t>(k));
  groups.push_back(static_cast<std::uint32_t>(slots.size()));
  const std::size_t n = groups.size() - 1;

  // The shallowest deal decides the split, as it would its own.
  std::size_t depth = SIZE_MAX;
  for (const ScratchStack::RiverEntry& leaf : leaves)
    depth = std::min<std::size_t>(depth, leaf.depth);
  const std::size_t chunks = deal_split(steps.pass, n, H, depth, stack.in_split);
  const std::span<const ScratchStack::DealSlot> all{slots};
  const std::span<const ScratchStack::RiverEntry> deals{leaves};
  const std::size_t first = terminals.empty() ? 0 : 1;
  run_chance_jobs(
      chunks, first + n, stack, [&](std::size_t begin, std::size_t end, ScratchStack& job_stack) {
        for (std::size_t j = begin; j < end; ++j) {
          if (j < first) {
            showdown_batch(game, seat, terminals);
            continue;
          }
          const std::size_t g = j - first;
          deal_group(game, seat, H, H_o, all.subspan(groups[g], groups[g + 1] - groups[g]), deals,
                     job_stack, steps);
        }
      });

  ScratchFrame& frame = stack.frame(depth);
  deal_values(game, seat, leaves, H, H_o, frame);
}

// The river subtrees of one river card, as few river batches as the scratch
// bound allows; a subtree that does not fit goes through the recursion.
template <class Steps>
void DiscountedCfr::deal_group(const Game& game, Seat seat, std::size_t H, std::size_t H_o,
                               std::span<const ScratchStack::DealSlot> slots,
                               std::span<const ScratchStack::RiverEntry> leaves,
                               ScratchStack& stack, const Steps& steps) const {
  ScratchStack::BatchPlan& plan = stack.river;
  std::vector<ScratchStack::RiverEntry>& fallbacks = stack.river_fallbacks;
  plan.roots.clear();
  plan.decisions.clear();
  fallbacks.clear();
  // Subtrees join a batch up to a smaller bound than one subtree may take
  // alone: more would add scratch to every stack and few lanes to the merges.
  const std::size_t group_floats = std::min(river_scratch_floats, kRiverGroupFloats);
  std::size_t floats = 0;
  for (const ScratchStack::DealSlot& slot : slots) {
    const ScratchStack::RiverEntry& leaf = leaves[slot.leaf];
    const std::size_t node = slot.node;
    const NodeRecord& record = game.nodes[node];
    const ScratchStack::RiverEntry root{.node = static_cast<std::uint32_t>(node),
                                        .reach = leaf.children,
                                        .out = leaf.children + H_o + slot.slot * H,
                                        .depth = leaf.depth + 1};
    const std::size_t A = record.actions.size();
    if (record.kind != NodeKind::Decision || record.river == kNoCard || A == 0 ||
        record.children.size() < A || cancel_seen(record, root.depth)) {
      fallbacks.push_back(root);
      continue;
    }
    const std::size_t mark = plan.decisions.size();
    std::size_t f = river_floats(game, leaf.node, node, seat, H, H_o, plan, steps.pass);
    if (f == 0) {
      plan.decisions.resize(mark);
      fallbacks.push_back(root);
      continue;
    }
    if (!plan.roots.empty() && floats + f > group_floats) {
      // The batch so far runs first; this subtree starts the next one.
      plan.decisions.resize(mark);
      run_river_roots(game, seat, H, H_o, floats, stack, steps.pass, steps.own);
      plan.roots.clear();
      plan.decisions.clear();
      f = river_floats(game, leaf.node, node, seat, H, H_o, plan, steps.pass);
      floats = 0;
    }
    plan.roots.push_back(root);
    floats += f;
  }
  if (!plan.roots.empty())
    run_river_roots(game, seat, H, H_o, floats, stack, steps.pass, steps.own);
  for (const ScratchStack::RiverEntry& root : fallbacks)
    steps.recurse(root.node, {root.reach, H_o}, {root.out, H}, root.depth, stack);
}

// The flop's decisions are planned down to the turn deals, as a turn's are
// down to its river deals. Then each turn card, dealt on every line, and
// every all-in on the flop (a thousand runouts each) is one job of one
// split: the threads stay busy until the last subtrees end, instead of
// waiting at the end of each deal in turn, and the lines of one card share
// their all-ins' merges and their river batches. Each subtree's values are
// those its own step gives, and each deal's rows are summed as a chance
// node's step sums them.
template <class Steps>
void DiscountedCfr::flop_batch(const Game& game, std::size_t root, Seat seat,
                               std::span<const float> reach, std::span<float> out,
                               std::size_t depth, ScratchStack& stack, const Steps& steps) const {
  const std::size_t H = out.size();
  const std::size_t H_o = reach.size();
  ScratchStack::BatchPlan& plan = stack.flop;
  plan.decisions.clear();
  const std::size_t floats =
      batch_floats(game, root, seat, H, H_o, plan, steps.pass, true, flop_scratch_floats);
  if (floats == 0) {
    steps.decision(root, reach, out, depth, stack);
    return;
  }
  grow(plan.values, floats);
  ScratchFrame& frame = stack.frame(depth);
  plan.steps.clear();
  plan.jobs.clear();
  plan.leaves.clear();
  float* next = plan.values.data();
  plan_batch(game,
             {.node = static_cast<std::uint32_t>(root),
              .reach = reach.data(),
              .out = out.data(),
              .depth = static_cast<std::uint32_t>(depth)},
             seat, H, H_o, plan, next, frame, steps.pass);

  // The folds here; the all-ins join the deals' cards.
  const auto all_in = [](const ShowdownJob& job) {
    return job.node->last_action != ActionKind::Fold && job.node->turn == kNoCard;
  };
  const auto first_all_in = std::stable_partition(
      plan.jobs.begin(), plan.jobs.end(), [&](const ShowdownJob& job) { return !all_in(job); });
  const std::size_t all_ins = static_cast<std::size_t>(plan.jobs.end() - first_all_in);
  showdown_batch(game, seat, {plan.jobs.data(), plan.jobs.size() - all_ins});

  // The cards of one turn card on every line join one job.
  std::vector<ScratchStack::DealSlot>& slots = stack.flop_slots;
  std::vector<ScratchStack::RiverEntry>& leaves = plan.leaves;
  deal_slots(game, leaves, H, H_o, stack, steps, slots);
  std::vector<ScratchStack::RiverEntry>& roots = stack.flop_roots;
  std::vector<std::uint32_t>& groups = stack.flop_groups;
  roots.clear();
  groups.clear();
  for (std::size_t k = 0; k < slots.size(); ++k) {
    const ScratchStack::DealSlot& slot = slots[k];
    const ScratchStack::RiverEntry& leaf = leaves[slot.leaf];
    if (k == 0 || slot.card != slots[k - 1].card) groups.push_back(static_cast<std::uint32_t>(k));
    roots.push_back({.node = slot.node,
                     .reach = leaf.children,
                     .out = leaf.children + H_o + slot.slot * H,
                     .depth = leaf.depth + 1});
  }
  groups.push_back(static_cast<std::uint32_t>(slots.size()));

  const std::size_t n = all_ins + groups.size() - 1;
  const std::size_t chunks = deal_split(steps.pass, n, H, depth, stack.in_split);
  const ShowdownJob* const terminals = plan.jobs.data() + (plan.jobs.size() - all_ins);
  const std::span<const ScratchStack::RiverEntry> all_roots{roots};
  run_chance_jobs(chunks, n, stack,
                  [&](std::size_t begin, std::size_t end, ScratchStack& job_stack) {
                    for (std::size_t j = begin; j < end; ++j) {
                      if (j < all_ins) {
                        const ShowdownJob& job = terminals[j];
                        terminal_eval(game, *job.node, seat, job.reach, job.out);
                        continue;
                      }
                      const std::size_t g = j - all_ins;
                      turn_roots(game, all_roots.subspan(groups[g], groups[g + 1] - groups[g]),
                                 seat, H, H_o, job_stack, steps);
                    }
                  });

  deal_values(game, seat, leaves, H, H_o, frame);
  bottom_up(game, plan, H, frame, steps.own);
}

void DiscountedCfr::plan_batch(const Game& game, const ScratchStack::RiverEntry& root,
                               Seat traverser, std::size_t H, std::size_t H_o,
                               ScratchStack::BatchPlan& plan, float*& next, ScratchFrame& frame,
                               RiverPass pass) const {
  using RiverEntry = ScratchStack::RiverEntry;
  std::vector<RiverEntry>& todo = plan.todo;
  todo.assign(1, root);
  while (!todo.empty()) {
    const RiverEntry entry = todo.back();
    todo.pop_back();
    const std::size_t node = entry.node;
    const NodeRecord& record = game.nodes[node];
    if (record.kind == NodeKind::Terminal) {
      ShowdownJob job{&record, {entry.reach, H_o}, {entry.out, H}, nullptr, {}};
      if (entry.fold_out != nullptr)
        job = {job.node, job.reach, job.out, &game.nodes[entry.fold], {entry.fold_out, H}};
      plan.jobs.push_back(job);
      continue;
    }
    if (record.kind == NodeKind::Chance) {
      RiverEntry leaf = entry;
      leaf.children = next;
      next += H_o + record.children.size() * H;
      plan.leaves.push_back(leaf);
      continue;
    }
    const std::size_t A = record.actions.size();
    const std::uint32_t depth = entry.depth + 1;
    const auto child = [&](std::size_t a, const float* child_reach, float* child_out) {
      todo.push_back({.node = static_cast<std::uint32_t>(record.children[a]),
                      .reach = child_reach,
                      .out = child_out,
                      .depth = depth});
    };
    const bool ready = pass == RiverPass::regrets ? decision_ready(game, node, traverser, H)
                                                  : A != 0 && H != 0 && record.children.size() >= A;
    const bool opponent = river_opponent(game, node, traverser, pass);
    if (!ready || cancel_seen(record, entry.depth)) {
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
      plan.steps.push_back({.node = static_cast<std::uint32_t>(node),
                            .opponent = true,
                            .reach = entry.reach,
                            .out = entry.out,
                            .children = values});
      for (std::size_t a = 0; a < A; ++a) child(a, child_reach + a * H_o, values + a * H);
    } else {
      float* values = next;
      next += A * H;
      plan.steps.push_back({.node = static_cast<std::uint32_t>(node),
                            .reach = entry.reach,
                            .out = entry.out,
                            .children = values});
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
