#pragma once

// The betting tree of one spot: a flat list of nodes addressed by index,
// node 0 the root. Decision nodes for each player's actions, chance nodes that
// deal the turn and the river, terminals for folds and showdowns, and explicit
// runout terminals after an all-in before the river.

#include <array>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <optional>
#include <vector>

#include "cards/bet_size.hpp"
#include "cards/cards.hpp"
#include "context/board.hpp"
#include "context/build_cancel.hpp"
#include "context/card_context.hpp"

namespace halvory {

class WorkerPool;

enum class ActionKind : std::uint8_t {
  None = 0,  // the root: no action led here
  Fold = 1,
  Check = 2,
  Call = 3,
  Bet = 4,
  Raise = 5,
  AllIn = 6,
  CardDealt = 7,
};

enum class NodeKind : std::uint8_t {
  Decision = 0,
  Chance = 1,
  Terminal = 2,
};

// amount: the total bet to on this street for bets, raises and all-ins; the
// chips added for a call; 0 for fold and check; the card code for a deal.
struct Action {
  ActionKind kind = ActionKind::None;
  std::int32_t amount = 0;

  friend bool operator==(const Action&, const Action&) = default;
};

// Size lists of one street. donk_sizes present but empty is meaningful: the
// out-of-position player may then only check when it acts first on the
// root's street, or on a new street after calling the in-position
// player's bet.
struct StreetSizing {
  BetRaiseSizes oop;
  BetRaiseSizes ip;
  std::optional<std::vector<BetSize>> donk_sizes;
};

// A spot's betting in the engine's money unit (hundredths of a chip).
struct GameConfig {
  Street start_street = kStreetFlop;
  std::int32_t starting_pot = 0;
  std::int32_t effective_stack = 0;
  double rake_rate = 0.0;
  double rake_cap = 0.0;
  std::array<StreetSizing, 3> streets{};                 // flop, turn, river
  std::array<double, 2> add_all_in_threshold{0.0, 0.0};  // oop, ip; 0 = off
  double force_all_in_ratio = 0.0;
  double merge_threshold = 0.0;
  std::int32_t oop_stack = 0;
  std::int32_t ip_stack = 0;
  std::uint8_t icm = 0;
  std::vector<std::int32_t> icm_payouts;
  std::vector<std::int32_t> icm_other_stacks;
};

// Bounds of a betting tree; the build and the count refuse a tree past them
// with std::invalid_argument. Tiny sizes against deep stacks make min-raise
// ladders thousands of actions long, and the solver walks the tree
// recursively, once per level, so the depth is bounded well inside a thread's
// stack. The node bound keeps the count of any tree under a second and
// refuses trees no desktop could hold the strategies of.
inline constexpr std::size_t kMaxTreeDepth = 250;
inline constexpr std::uint64_t kMaxTreeNodes = 10'000'000;

class ActionPlan {
 public:
  struct Node {
    NodeKind kind = NodeKind::Decision;
    // Player to act at a decision node; the player who folded at a fold
    // terminal; 0 elsewhere.
    std::uint8_t seat = 0;
    // At a runout terminal: the street of the next card to deal.
    Street street = kStreetFlop;
    // A terminal after an all-in whose board still lacks a card.
    std::uint8_t all_in_runout = 0;
    // Chips each player has put in beyond the starting pot and the other matched.
    std::int32_t matched = 0;
    std::vector<Action> actions;  // parallel to children
    std::vector<std::size_t> children;
    std::int32_t pot = 0;                        // whole pot, unmatched bets included
    std::array<std::int32_t, 2> invested{0, 0};  // per seat, since the root
    ActionKind last_action = ActionKind::None;   // a deal does not change it
    std::uint8_t last_actor = 0;
    CardCode turn = kNoCard;
    CardCode river = kNoCard;
  };

  // State handed from a node to its children during construction.
  struct BuildContext {
    ActionKind last_action = ActionKind::None;  // CardDealt right after a deal
    std::int32_t bets_this_street = 0;          // bets, raises and all-ins
    std::uint8_t all_in = 0;
    std::uint8_t prior_aggressor = 0;          // after a call: the seat whose bet was called
    std::array<std::int32_t, 2> stacks{0, 0};  // remaining, oop then ip
    std::int32_t street_bet = 0;               // bet level to match on this street
    std::array<std::int32_t, 2> invested{0, 0};
    std::int32_t pot = 0;
    std::uint8_t betting_actor = 0;
    ActionKind betting_action = ActionKind::None;
    std::uint64_t dead_cards = 0;  // board cards and every card dealt on the path
    CardCode turn = kNoCard;
    CardCode river = kNoCard;
  };

  // Builds the whole tree, after counting it (count_action_plan) to refuse a
  // tree past the bounds before allocating and to size the node list once.
  // With the default parallel depth 0 the build runs on the calling thread
  // and numbers the nodes in depth-first pre-order of the actions, the same
  // on every run. Above it, subtrees down to that depth are built as tasks
  // on a worker pool; the nodes are the same, their order may differ.
  // `context` must outlive the construction. Throws
  // std::invalid_argument when the starting pot plus twice the stack does not
  // fit the 32-bit money unit or the tree passes kMaxTreeDepth or
  // kMaxTreeNodes, "Unknown street" (std::logic_error) for a street outside
  // flop..river, and BuildCancelled once `cancel` is raised.
  ActionPlan(GameConfig config, const CardContext& context, CancelFlag cancel = nullptr);
  ActionPlan(const ActionPlan&) = delete;
  ActionPlan& operator=(const ActionPlan&) = delete;

  // Expands node `node` (already in the list, at `depth` below the root)
  // and its whole subtree: on this thread, or, above `parallel_depth` while
  // fewer than `max_workers` threads build, with each child's subtree handed
  // to the build's pool as a task. Returns once every task it started has
  // ended; the first exception of the subtree is rethrown here.
  void build_recursive(std::size_t node, const BuildContext& context, std::size_t depth);

  GameConfig config;
  Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  const CardContext* context = nullptr;  // non-owning; only used while building
  std::vector<Node> nodes;
  std::mutex nodes_mutex;  // guards `nodes` while subtrees are built as tasks
  // Read at construction by action_plan_max_workers() and
  // action_plan_parallel_depth(); `active_workers` counts the building
  // threads, the constructing one included, and is 1 again once built.
  std::uint64_t max_workers = 1;
  std::uint64_t parallel_depth = 0;
  std::atomic<std::uint64_t> active_workers{1};
  // Only while building: the caller's cancel flag and the nodes made so far
  // on every thread (checked against kMaxTreeNodes).
  CancelFlag cancel = nullptr;
  std::atomic<std::uint64_t> built_nodes{0};

 private:
  WorkerPool* pool_ = nullptr;  // only while a parallel build runs
};

// The bytes the C library's allocator takes from the heap for a request of
// `bytes` (glibc on 64 bits: the request and an 8-byte header, rounded up to
// 16, at least 32; nothing for an empty list, which allocates nothing).
// Millions of short lists cost their headers and rounding beside their
// slots.
constexpr std::uint64_t heap_block_bytes(std::uint64_t bytes) {
  if (bytes == 0) return 0;
  const std::uint64_t block = (bytes + 8 + 15) / 16 * 16;
  return block < 32 ? 32 : block;
}

// What building the tree would allocate, counted without building it.
struct TreeCount {
  std::uint64_t nodes = 0;
  // Slots reserved by all nodes' action and child lists (capacity, as the
  // sequential build reserves them).
  std::uint64_t list_slots = 0;
  // The heap blocks of those lists (heap_block_bytes of each list's
  // capacity in bytes).
  std::uint64_t list_bytes = 0;
  // Decision nodes with at least one action, and their actions summed by the
  // seat to act.
  std::uint64_t decision_nodes = 0;
  std::array<std::uint64_t, 2> decision_actions{0, 0};
  // Decision nodes, and the nodes that deal cards (chance nodes and the
  // runout terminals after an all-in), by the length of their action list
  // (entry k: the nodes of k actions), for what is later built per node from
  // its actions.
  std::vector<std::uint64_t> decision_lists;
  std::vector<std::uint64_t> deal_lists;
};

// Walks the tree that ActionPlan(config, context) builds, node by node in the
// same order, keeping nothing but the counts. Memory stays proportional to
// the tree's depth. Throws what the build throws, at the same limits.
TreeCount count_action_plan(const GameConfig& config, const CardContext& context,
                            CancelFlag cancel = nullptr);

// Most threads a build uses: "HALVORY_ACTIONPLAN_MAX_WORKERS" when it starts
// with a positive 32-bit integer, else the hardware thread count.
std::uint64_t action_plan_max_workers();

// Depth down to which subtrees are built as tasks:
// "HALVORY_ACTIONPLAN_PARALLEL_DEPTH" when it starts with a non-negative
// 32-bit integer, else 0 (one thread, a deterministic order). Both read the
// environment at every call and ignore a bad value.
std::uint64_t action_plan_parallel_depth();

// Frees a large node list on a thread of its own (when one can be started),
// so that dropping an abandoned tree does not hold up the caller.
void free_nodes_in_background(std::vector<ActionPlan::Node> nodes);

}  // namespace halvory
