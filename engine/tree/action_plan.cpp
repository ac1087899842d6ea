#include "tree/action_plan.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <limits>
#include <mutex>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cards/refusal.hpp"
#include "context/worker_limits.hpp"
#include "context/worker_pool.hpp"
#include "context/worker_threads.hpp"
#include "tree/bet_sizing.hpp"

namespace halvory {

namespace {

using Node = ActionPlan::Node;
using BuildContext = ActionPlan::BuildContext;

// One child of the node being expanded: the action that leads to it, the
// child's build state and the child node itself.
struct ChildRecord {
  Action action;
  BuildContext context;
  Node node;
};

std::uint64_t card_bit(CardCode c) {
  return std::uint64_t{1} << c;
}

Node child_node_from(const BuildContext& c) {
  Node n;
  n.pot = c.pot;
  n.invested = c.invested;
  n.last_action = c.betting_action;
  n.last_actor = c.betting_actor;
  n.turn = c.turn;
  n.river = c.river;
  return n;
}

ChildRecord decision_child(const Node& parent, const BuildContext& k, const Action& a) {
  const int s = parent.seat & 1;
  ChildRecord r{a, k, Node{}};
  BuildContext& c = r.context;
  c.last_action = a.kind;
  c.prior_aggressor = 0;
  c.betting_actor = static_cast<std::uint8_t>(s);
  c.betting_action = a.kind;

  NodeKind kind = NodeKind::Decision;
  std::uint8_t seat = 0;
  Street street = parent.street;
  std::uint8_t runout = 0;
  std::int64_t matched = parent.matched;

  switch (a.kind) {
    case ActionKind::Fold:
      kind = NodeKind::Terminal;
      seat = static_cast<std::uint8_t>(s);
      break;
    case ActionKind::Check:
      if (s == 0) {
        seat = 1;
      } else if (parent.street < kStreetRiver) {
        kind = NodeKind::Chance;
        street = static_cast<Street>(parent.street + 1);
      } else {
        kind = NodeKind::Terminal;
      }
      break;
    case ActionKind::Call: {
      const std::int32_t chips = a.amount;
      c.bets_this_street = 0;
      c.prior_aggressor = static_cast<std::uint8_t>(1 - s);
      c.stacks[s] -= chips;
      c.street_bet = 0;
      c.pot += chips;
      c.invested[s] += chips;
      matched += chips;
      if (parent.street >= kStreetRiver) {
        kind = NodeKind::Terminal;
      } else if (c.all_in != 0 || c.stacks[0] < 1 || c.stacks[1] < 1) {
        kind = NodeKind::Terminal;
        runout = 1;
        street = static_cast<Street>(parent.street + 1);
        c.all_in = 1;
      } else {
        kind = NodeKind::Chance;
        street = static_cast<Street>(parent.street + 1);
      }
      break;
    }
    default: {  // bet, raise, all-in
      const std::int64_t own = k.stacks[s];
      const std::int64_t to_call = own - k.stacks[1 - s];
      const std::int64_t raise_by =
          std::max<std::int64_t>(std::int64_t{a.amount} - k.street_bet, 0);
      const std::int64_t chips =
          std::min(raise_by + std::min(std::max<std::int64_t>(to_call, 0), own), own);
      seat = static_cast<std::uint8_t>(1 - s);
      c.bets_this_street = k.bets_this_street + 1;
      c.all_in = a.kind == ActionKind::AllIn ? 1 : 0;
      c.stacks[s] = static_cast<std::int32_t>(own - chips);
      c.street_bet = a.amount;
      c.pot = static_cast<std::int32_t>(c.pot + chips);
      c.invested[s] = static_cast<std::int32_t>(c.invested[s] + chips);
      matched += std::max<std::int64_t>(std::min(to_call, own), 0);
      break;
    }
  }

  r.node = child_node_from(c);
  r.node.kind = kind;
  r.node.seat = seat;
  r.node.street = street;
  r.node.all_in_runout = runout;
  r.node.matched = static_cast<std::int32_t>(matched);
  return r;
}

Node scalar_copy(const Node& src) {
  Node node;
  node.kind = src.kind;
  node.seat = src.seat;
  node.street = src.street;
  node.all_in_runout = src.all_in_runout;
  node.matched = src.matched;
  node.pot = src.pot;
  node.invested = src.invested;
  node.last_action = src.last_action;
  node.last_actor = src.last_actor;
  node.turn = src.turn;
  node.river = src.river;
  return node;
}

bool has_children(const Node& node) {
  return node.kind != NodeKind::Terminal || node.all_in_runout != 0;
}

// The cards a chance node or runout terminal deals, as a card set.
std::uint64_t deal_candidates(const BuildContext& k, const Board& board,
                              const CardContext& context) {
  const bool dealing_turn = k.turn == kNoCard;
  if (!dealing_turn && k.river != kNoCard) return 0;
  const CardCode fixed = dealing_turn ? board[3] : board[4];
  if (fixed != kNoCard) {
    if (fixed < 64 && (k.dead_cards & card_bit(fixed)) == 0) return card_bit(fixed);
    return 0;
  }
  std::uint64_t candidates = context.deck_mask & ~k.dead_cards & ((std::uint64_t{1} << 52) - 1);
  // Cards whose subtree mirrors another card's up to a suit exchange.
  const SuitIsomorphism& iso = context.suit_isomorphism;
  const std::vector<std::uint8_t>& skipped =
      dealing_turn ? iso.turn_skipped : iso.river_skipped[k.turn & 3];
  for (const std::uint8_t c : skipped) {
    if (c < 64) candidates &= ~card_bit(c);
  }
  return candidates;
}

ChildRecord deal_child(const Node& parent, const BuildContext& k, CardCode card) {
  const bool dealing_turn = k.turn == kNoCard;
  ChildRecord r;
  r.action = Action{ActionKind::CardDealt, card};
  r.context = k;
  r.context.last_action = ActionKind::CardDealt;
  r.context.dead_cards |= card_bit(card);
  if (dealing_turn) {
    r.context.turn = card;
  } else {
    r.context.river = card;
  }
  Node& n = r.node;
  n.seat = 0;
  n.street = dealing_turn ? kStreetTurn : kStreetRiver;
  n.matched = parent.matched;
  n.pot = parent.pot;
  n.invested = parent.invested;
  n.last_action = k.betting_action;
  n.last_actor = k.betting_actor;
  n.turn = r.context.turn;
  n.river = r.context.river;
  if (parent.kind == NodeKind::Chance) {
    n.kind = NodeKind::Decision;
  } else {
    n.kind = NodeKind::Terminal;
    n.all_in_runout = r.context.river == kNoCard ? 1 : 0;
  }
  return r;
}

// A child waiting to be appended: its record, its parent's index in the list
// being built and its depth below the root. In the count it stands for
// `weight` subtrees of the same shape.
struct Pending {
  ChildRecord record;
  std::size_t parent = 0;
  std::size_t depth = 0;
  std::uint64_t weight = 1;
};

[[noreturn]] void throw_too_deep() {
  refuse(RefusalCode::tree_too_deep,
         "Betting tree too deep: more than " + std::to_string(kMaxTreeDepth) +
             " actions on one line of play (use larger bet and raise sizes, or a raise cap)",
         {std::to_string(kMaxTreeDepth)});
}

[[noreturn]] void throw_too_large() {
  refuse(RefusalCode::tree_too_large,
         "Betting tree too large: more than " + std::to_string(kMaxTreeNodes) +
             " nodes (use fewer bet and raise sizes)",
         {std::to_string(kMaxTreeNodes)});
}

// Counts `added` more nodes of a build or count against kMaxTreeNodes and
// looks at the cancel flag every few thousand nodes.
void note_nodes(std::atomic<std::uint64_t>& made, std::uint64_t added, CancelFlag cancel) {
  const std::uint64_t n = made.fetch_add(added, std::memory_order_relaxed) + added;
  if (n > kMaxTreeNodes) throw_too_large();
  if (((n - added) >> 12) != (n >> 12)) throw_if_cancelled(cancel);
}

// Pushes the children of `node` (at `depth`) onto `pending`, last child first,
// so that taking from the back visits them in action order; returns the
// node's action list. Decision nodes keep the list generate_actions made; a
// deal's list is reserved for its cards.
std::vector<Action> push_children(const Node& node, const BuildContext& k, std::size_t index,
                                  std::size_t depth, const GameConfig& config, const Board& board,
                                  const CardContext& context, std::vector<Pending>& pending) {
  std::vector<Action> actions;
  if (!has_children(node)) return actions;
  if (node.kind == NodeKind::Decision) {
    actions = generate_actions(node, k, config);
    if (!actions.empty() && depth >= kMaxTreeDepth) throw_too_deep();
    for (std::size_t i = actions.size(); i-- > 0;) {
      pending.push_back(Pending{decision_child(node, k, actions[i]), index, depth + 1});
    }
  } else {
    const std::uint64_t cards = deal_candidates(k, board, context);
    if (cards != 0 && depth >= kMaxTreeDepth) throw_too_deep();
    actions.reserve(static_cast<std::size_t>(std::popcount(cards)));
    for (std::uint64_t rest = cards; rest != 0; rest &= rest - 1) {
      actions.push_back(
          Action{ActionKind::CardDealt, static_cast<std::int32_t>(std::countr_zero(rest))});
    }
    for (std::size_t i = actions.size(); i-- > 0;) {
      pending.push_back(
          Pending{deal_child(node, k, static_cast<CardCode>(actions[i].amount)), index, depth + 1});
    }
  }
  return actions;
}

// Expands a whole subtree on one thread into a list that no other thread
// touches, in depth-first pre-order of the actions. The walk keeps its own
// stack of waiting children, so a deep tree costs heap, not thread stack.
struct SubtreeBuilder {
  const GameConfig& config;
  const Board& board;
  const CardContext& context;
  std::vector<Node>& out;
  std::atomic<std::uint64_t>& made;
  CancelFlag cancel;
  std::vector<Pending> pending;

  void expand(std::size_t index, const BuildContext& k, std::size_t depth) {
    const Node node = scalar_copy(out[index]);  // out grows below; keep no reference
    const std::size_t before = pending.size();
    std::vector<Action> actions =
        push_children(node, k, index, depth, config, board, context, pending);
    out[index].children.reserve(pending.size() - before);
    out[index].actions = std::move(actions);
  }

  void build(std::size_t root, const BuildContext& k, std::size_t depth) {
    expand(root, k, depth);
    while (!pending.empty()) {
      Pending next = std::move(pending.back());
      pending.pop_back();
      note_nodes(made, 1, cancel);
      const std::size_t child = out.size();
      out.push_back(std::move(next.record.node));
      out[next.parent].children.push_back(child);
      expand(child, next.record.context, next.depth);
    }
  }
};

void check_money(const GameConfig& config) {
  // Every amount in the tree is bounded by the starting pot plus both stacks;
  // refuse a spot where that does not fit the 32-bit money unit.
  if (config.starting_pot < 0 || config.effective_stack < 0) {
    refuse(RefusalCode::money_negative, "Starting pot and effective stack must not be negative");
  }
  if (std::int64_t{config.starting_pot} + 2 * std::int64_t{config.effective_stack} >
      std::numeric_limits<std::int32_t>::max()) {
    refuse(RefusalCode::money_range,
           "Starting pot plus twice the effective stack exceeds the 32-bit money range");
  }
}

Node root_node(const GameConfig& config, const Board& board) {
  Node root;
  root.kind = NodeKind::Decision;
  root.seat = 0;
  root.street = config.start_street;
  root.pot = config.starting_pot;
  root.turn = board[3];
  root.river = board[4];
  return root;
}

BuildContext root_context(const GameConfig& config, const Board& board) {
  BuildContext ctx;
  ctx.stacks = {config.effective_stack, config.effective_stack};
  ctx.pot = config.starting_pot;
  for (const CardCode c : board) {
    if (c < 64) ctx.dead_cards |= card_bit(c);
  }
  ctx.turn = board[3];
  ctx.river = board[4];
  return ctx;
}

}  // namespace

void free_nodes_in_background(std::vector<ActionPlan::Node> nodes) {
  // Two lists per node: millions of nodes take a good part of a second.
  if (nodes.size() < 100'000) return;
  // Without a thread the list is freed here after all.
  run_detached([doomed = std::move(nodes)]() mutable { std::vector<Node>().swap(doomed); });
}

std::uint64_t action_plan_max_workers() {
  const std::optional<std::int32_t> v = env_leading_int32("HALVORY_ACTIONPLAN_MAX_WORKERS");
  if (v && *v > 0) return static_cast<std::uint64_t>(*v);
  return hardware_threads();
}

std::uint64_t action_plan_parallel_depth() {
  const std::optional<std::int32_t> v = env_leading_int32("HALVORY_ACTIONPLAN_PARALLEL_DEPTH");
  return v && *v >= 0 ? static_cast<std::uint64_t>(*v) : 0;
}

ActionPlan::ActionPlan(GameConfig config_in, const CardContext& card_context,
                       CancelFlag cancel_flag)
    : config(std::move(config_in)),
      board(card_context.board),
      context(&card_context),
      cancel(cancel_flag) {
  check_money(config);
  max_workers = action_plan_max_workers();
  parallel_depth = action_plan_parallel_depth();
  active_workers.store(1);
  built_nodes.store(1);
  // Counting first costs a few percent of the build. It refuses a tree past
  // the bounds before any node is allocated, and sizes the node list once:
  // no reallocation that copies millions of nodes, and no spare capacity.
  nodes.reserve(count_action_plan(config, card_context, cancel).nodes);
  nodes.push_back(root_node(config, board));
  try {
    std::optional<WorkerPool> pool;
    if (parallel_depth > 0 && max_workers > 1) {
      // Tasks beyond the pool's threads wait in its queue, and a thread
      // waiting for its own tasks runs queued ones: threads beyond the
      // hardware's would only take turns.
      pool.emplace(std::min<std::uint64_t>(max_workers, hardware_threads()) - 1);
      pool_ = &*pool;
    }
    build_recursive(0, root_context(config, board), 0);
    pool_ = nullptr;
  } catch (...) {
    pool_ = nullptr;
    // Every task has ended here; a cancelled build must not make its caller
    // wait for millions of nodes to be freed.
    free_nodes_in_background(std::move(nodes));
    throw;
  }
  cancel = nullptr;  // the caller's flag need not outlive the construction
}

void ActionPlan::build_recursive(std::size_t index, const BuildContext& k, std::size_t depth) {
  if (pool_ == nullptr) {
    // The whole build runs on this thread: the nodes go straight into the
    // list sized beforehand, in pre-order, and nothing else touches it.
    SubtreeBuilder{config, board, *context, nodes, built_nodes, cancel, {}}.build(index, k, depth);
    return;
  }
  if (depth >= parallel_depth) {
    // No task starts below this depth: build the subtree privately, then
    // splice it in under one lock. The local root stands for `index`; local
    // node j >= 1 becomes base + j - 1.
    std::vector<Node> local;
    {
      std::lock_guard<std::mutex> lock(nodes_mutex);
      local.push_back(scalar_copy(nodes[index]));
    }
    SubtreeBuilder{config, board, *context, local, built_nodes, cancel, {}}.build(0, k, depth);
    std::lock_guard<std::mutex> lock(nodes_mutex);
    const std::size_t base = nodes.size();
    const auto renumber = [base](std::vector<std::size_t>& children) {
      for (std::size_t& c : children) c = base + c - 1;
    };
    renumber(local[0].children);
    nodes[index].actions = std::move(local[0].actions);
    nodes[index].children = std::move(local[0].children);
    for (std::size_t j = 1; j < local.size(); ++j) {
      renumber(local[j].children);
      nodes.push_back(std::move(local[j]));
    }
    return;
  }

  Node node;
  {
    std::lock_guard<std::mutex> lock(nodes_mutex);
    node = scalar_copy(nodes[index]);  // the list grows meanwhile; keep no reference
  }
  std::vector<Pending> records;
  std::vector<Action> actions =
      push_children(node, k, index, depth, config, board, *context, records);
  std::reverse(records.begin(), records.end());  // back in action order
  {
    std::lock_guard<std::mutex> lock(nodes_mutex);
    nodes[index].children.reserve(records.size());
    nodes[index].actions = std::move(actions);
  }

  // The tasks refer to `records` and `tasks`: whatever happens below, this
  // frame waits for every task it started before it returns or throws.
  detail::SplitState tasks;
  try {
    for (Pending& r : records) {
      if (tasks.failed.load(std::memory_order_acquire)) break;  // start nothing more
      note_nodes(built_nodes, 1, cancel);
      std::size_t child;
      {
        std::lock_guard<std::mutex> lock(nodes_mutex);
        child = nodes.size();
        nodes.push_back(std::move(r.record.node));
        nodes[index].children.push_back(child);
      }
      if (active_workers.load() >= max_workers) {
        build_recursive(child, r.record.context, depth + 1);
        continue;
      }
      active_workers.fetch_add(1);
      tasks.remaining.fetch_add(1, std::memory_order_seq_cst);
      try {
        pool_->submit([this, &r, &tasks, child, depth]() noexcept {
          try {
            build_recursive(child, r.record.context, depth + 1);
          } catch (...) {
            tasks.record_current_exception();
          }
          active_workers.fetch_sub(1);
          tasks.chunk_done();  // the last touch of this frame's state
        });
      } catch (...) {
        tasks.remaining.fetch_sub(1, std::memory_order_seq_cst);
        active_workers.fetch_sub(1);
        throw;
      }
    }
  } catch (...) {
    tasks.record_current_exception();
  }
  pool_->wait_helping(tasks.remaining);
  if (tasks.failed.load(std::memory_order_acquire)) std::rethrow_exception(tasks.first_error);
}

namespace {

// Counts `weight` more nodes of `length` actions.
void add_list(std::vector<std::uint64_t>& lists, std::size_t length, std::uint64_t weight) {
  if (lists.size() <= length) lists.resize(length + 1, 0);
  lists[length] += weight;
}

}  // namespace

TreeCount count_action_plan(const GameConfig& config, const CardContext& context,
                            CancelFlag cancel) {
  check_money(config);
  const Board& board = context.board;
  TreeCount count;
  std::atomic<std::uint64_t> made{0};
  std::vector<Pending> pending;
  // Subtrees below different cards of one deal have the same shape, except
  // for how many river cards they deal later: one child per river fan-out
  // stands for all cards with that fan-out. Only the river's suit filter
  // (which follows the turn's suit) and the dead cards make fan-outs differ.
  std::array<Pending, kCardCount + 1> by_fan_out;
  std::array<std::uint64_t, kCardCount + 1> fan_out_cards{};

  const auto visit = [&](const Node& node, const BuildContext& k, std::size_t depth,
                         std::uint64_t weight) {
    note_nodes(made, weight, cancel);
    if (!has_children(node)) return;
    if (node.kind == NodeKind::Decision) {
      const std::size_t before = pending.size();
      const std::vector<Action> actions =
          push_children(node, k, 0, depth, config, board, context, pending);
      for (std::size_t i = before; i < pending.size(); ++i) pending[i].weight = weight;
      count.list_slots += weight * (actions.capacity() + actions.size());
      // The children's list is reserved for exactly one child per action.
      count.list_bytes += weight * (heap_block_bytes(actions.capacity() * sizeof(Action)) +
                                    heap_block_bytes(actions.size() * sizeof(std::size_t)));
      if (!actions.empty()) {
        count.decision_nodes += weight;
        count.decision_actions[node.seat & 1] += weight * actions.size();
        add_list(count.decision_lists, actions.size(), weight);
      }
      return;
    }
    const std::uint64_t cards = deal_candidates(k, board, context);
    if (cards == 0) return;
    if (depth >= kMaxTreeDepth) throw_too_deep();
    const auto dealt = static_cast<std::uint64_t>(std::popcount(cards));
    count.list_slots += weight * 2 * dealt;
    count.list_bytes += weight * (heap_block_bytes(dealt * sizeof(Action)) +
                                  heap_block_bytes(dealt * sizeof(std::size_t)));
    add_list(count.deal_lists, dealt, weight);
    fan_out_cards.fill(0);
    for (std::uint64_t rest = cards; rest != 0; rest &= rest - 1) {
      ChildRecord child = deal_child(node, k, static_cast<CardCode>(std::countr_zero(rest)));
      const int fan_out = child.context.river == kNoCard
                              ? std::popcount(deal_candidates(child.context, board, context))
                              : 0;
      if (fan_out_cards[fan_out]++ == 0) by_fan_out[fan_out].record = std::move(child);
    }
    for (int f = 0; f <= kCardCount; ++f) {
      if (fan_out_cards[f] == 0) continue;
      pending.push_back(
          Pending{std::move(by_fan_out[f].record), 0, depth + 1, weight * fan_out_cards[f]});
    }
  };

  visit(root_node(config, board), root_context(config, board), 0, 1);
  while (!pending.empty()) {
    const Pending next = std::move(pending.back());
    pending.pop_back();
    visit(next.record.node, next.record.context, next.depth, next.weight);
  }
  count.nodes = made.load();
  return count;
}

}  // namespace halvory
