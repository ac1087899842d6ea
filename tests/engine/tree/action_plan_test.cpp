#include "tree/action_plan.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cards/bet_size.hpp"
#include "context/worker_limits.hpp"
#include "engine/context/thread_starts.hpp"
#include "spot_fixtures.hpp"

namespace halvory {
namespace {

using testing::make_context;
using testing::ScopedEnv;
using testing::ThreadStartCounter;
using testing::uniform_config;
using Node = ActionPlan::Node;

// Ranges symmetric in all suits, so suit exchanges apply wherever the board allows.
constexpr const char* kSymmetric = "AA, KK, QQ, AK";

// The child of `node` reached by the first action of the given kind.
std::size_t child_by(const ActionPlan& plan, std::size_t node, ActionKind kind) {
  const Node& n = plan.nodes.at(node);
  for (std::size_t a = 0; a < n.actions.size(); ++a) {
    if (n.actions[a].kind == kind) return n.children[a];
  }
  ADD_FAILURE() << "node " << node << " has no action of kind " << static_cast<int>(kind);
  return 0;
}

std::vector<ActionKind> kinds_of(const Node& n) {
  std::vector<ActionKind> kinds;
  for (const Action& a : n.actions) kinds.push_back(a.kind);
  return kinds;
}

// The cards a deal may produce: deck cards not yet dead and not skipped.
std::vector<int> expected_deal(std::uint64_t deck, std::uint64_t dead,
                               const std::vector<std::uint8_t>& skipped) {
  std::vector<int> cards;
  for (int c = 0; c < 52; ++c) {
    const bool skip = std::find(skipped.begin(), skipped.end(), c) != skipped.end();
    if ((deck >> c & 1) != 0 && (dead >> c & 1) == 0 && !skip) cards.push_back(c);
  }
  return cards;
}

std::vector<int> dealt_cards(const Node& n) {
  std::vector<int> cards;
  for (const Action& a : n.actions) {
    EXPECT_EQ(a.kind, ActionKind::CardDealt);
    cards.push_back(a.amount);
  }
  return cards;
}

TEST(ActionPlan, RiverSpotEndsInShowdownsWithoutChanceNodes) {
  const CardContext cards = make_context("Ks7h2d9c4s", kSymmetric, kSymmetric);
  const ActionPlan plan(uniform_config(kStreetRiver, 1000, 5000, "50%", "a"), cards);

  EXPECT_EQ(kinds_of(plan.nodes[0]), (std::vector{ActionKind::Check, ActionKind::Bet}));
  for (const Node& n : plan.nodes) {
    EXPECT_NE(n.kind, NodeKind::Chance);
    EXPECT_EQ(n.street, kStreetRiver);
    if (n.kind != NodeKind::Terminal) continue;
    EXPECT_EQ(n.all_in_runout, 0);
    EXPECT_TRUE(n.children.empty());
    EXPECT_TRUE(n.last_action == ActionKind::Fold || n.last_action == ActionKind::Call ||
                (n.last_action == ActionKind::Check && n.last_actor == 1));
  }
  // Root, then check-check; check-bet with fold, call, all-in (fold, call);
  // bet with fold, call, all-in (fold, call).
  EXPECT_EQ(plan.nodes.size(), 15u);
}

TEST(ActionPlan, CheckedDownFlopDealsTurnThenRiver) {
  const CardContext cards = make_context("Ks7h2d", kSymmetric, kSymmetric);
  const ActionPlan plan(uniform_config(kStreetFlop, 1000, 5000, "50%", "3x"), cards);

  const std::size_t ip_flop = child_by(plan, 0, ActionKind::Check);
  const std::size_t turn_deal = child_by(plan, ip_flop, ActionKind::Check);
  const Node& chance = plan.nodes[turn_deal];
  EXPECT_EQ(chance.kind, NodeKind::Chance);
  EXPECT_EQ(chance.street, kStreetTurn);
  // A rainbow flop of three ranks: no suit is interchangeable, every turn is dealt.
  EXPECT_EQ(dealt_cards(chance), expected_deal(cards.deck_mask, cards.board_mask, {}));
  ASSERT_EQ(chance.children.size(), 49u);

  const std::size_t turn_node = chance.children[5];
  const auto turn_card = static_cast<CardCode>(chance.actions[5].amount);
  EXPECT_EQ(plan.nodes[turn_node].kind, NodeKind::Decision);
  EXPECT_EQ(plan.nodes[turn_node].seat, 0);
  EXPECT_EQ(plan.nodes[turn_node].street, kStreetTurn);
  EXPECT_EQ(plan.nodes[turn_node].turn, turn_card);
  EXPECT_EQ(plan.nodes[turn_node].last_action, ActionKind::Check);
  EXPECT_EQ(plan.nodes[turn_node].last_actor, 1);

  const std::size_t river_deal =
      child_by(plan, child_by(plan, turn_node, ActionKind::Check), ActionKind::Check);
  EXPECT_EQ(plan.nodes[river_deal].kind, NodeKind::Chance);
  EXPECT_EQ(plan.nodes[river_deal].street, kStreetRiver);
  ASSERT_EQ(plan.nodes[river_deal].children.size(), 48u);

  const std::size_t river_node = plan.nodes[river_deal].children.back();
  const Node& showdown =
      plan.nodes[child_by(plan, child_by(plan, river_node, ActionKind::Check), ActionKind::Check)];
  EXPECT_EQ(showdown.kind, NodeKind::Terminal);
  EXPECT_EQ(showdown.all_in_runout, 0);
  EXPECT_EQ(showdown.seat, 0);
  EXPECT_EQ(showdown.turn, turn_card);
  EXPECT_NE(showdown.river, kNoCard);
  EXPECT_EQ(showdown.pot, 1000);
}

TEST(ActionPlan, AllInCalledOnFlopDealsCanonicalRunouts) {
  // Monotone flop, suit-symmetric ranges: two empty suits mirror the third at the turn.
  const CardContext cards = make_context("Ks7s2s", kSymmetric, kSymmetric);
  const SuitIsomorphism& iso = cards.suit_isomorphism;
  ASSERT_EQ(iso.turn_skipped.size(), 26u);
  const ActionPlan plan(uniform_config(kStreetFlop, 1000, 5000, "a", ""), cards);

  const std::size_t shove = child_by(plan, 0, ActionKind::AllIn);
  EXPECT_EQ(kinds_of(plan.nodes[shove]), (std::vector{ActionKind::Fold, ActionKind::Call}));
  const std::size_t runout = child_by(plan, shove, ActionKind::Call);
  const Node& r = plan.nodes[runout];
  EXPECT_EQ(r.kind, NodeKind::Terminal);
  EXPECT_EQ(r.all_in_runout, 1);
  EXPECT_EQ(r.street, kStreetTurn);
  EXPECT_EQ(r.pot, 11000);
  EXPECT_EQ(dealt_cards(r), expected_deal(cards.deck_mask, cards.board_mask, iso.turn_skipped));

  std::size_t rivers = 0;
  for (std::size_t i = 0; i < r.children.size(); ++i) {
    const Node& turn = plan.nodes[r.children[i]];
    const auto t = static_cast<CardCode>(r.actions[i].amount);
    EXPECT_EQ(turn.kind, NodeKind::Terminal);
    EXPECT_EQ(turn.all_in_runout, 1);
    EXPECT_EQ(turn.turn, t);
    EXPECT_EQ(turn.last_action, ActionKind::Call);
    EXPECT_EQ(dealt_cards(turn), expected_deal(cards.deck_mask, cards.board_mask | 1ull << t,
                                               iso.river_skipped[t & 3]));
    for (const std::size_t c : turn.children) {
      const Node& river = plan.nodes[c];
      EXPECT_EQ(river.kind, NodeKind::Terminal);
      EXPECT_EQ(river.all_in_runout, 0);
      EXPECT_TRUE(river.children.empty());
      EXPECT_EQ(river.turn, t);
      EXPECT_EQ(river.pot, 11000);
      ++rivers;
    }
  }
  EXPECT_GT(rivers, 0u);
}

// Chip conservation and betting rules on every node and edge of a realistic
// flop tree, checked against the tree's own amounts.
TEST(ActionPlan, ChipsAreConservedOnEveryNode) {
  const CardContext cards = make_context("Qs8s3s", "22+, AK, AQ, KQ", "22+, AK, AQ, KQ, JT");
  GameConfig config = uniform_config(kStreetFlop, 1000, 1500, "33%, 75%", "3x");
  config.streets[2].ip.raises = parse_size_list("60%, a", true);
  config.streets[1].donk_sizes = parse_bet_sizes("25%");
  config.add_all_in_threshold = {1.5, 1.5};
  const std::int32_t stack = config.effective_stack;
  const ActionPlan plan(config, cards);
  ASSERT_GT(plan.nodes.size(), 100000u);

  struct Visit {
    std::size_t node;
    std::int32_t street_start;  // each seat's investment when the street began
    std::int32_t level;         // bet level to match on the street
  };
  std::vector<Visit> todo{{0, 0, 0}};
  std::size_t visited = 0;
  while (!todo.empty()) {
    const Visit v = todo.back();
    todo.pop_back();
    ++visited;
    const Node& n = plan.nodes[v.node];
    SCOPED_TRACE(testing::describe(n));
    ASSERT_EQ(n.pot, config.starting_pot + n.invested[0] + n.invested[1]);
    for (int s = 0; s < 2; ++s) {
      ASSERT_GE(n.invested[s], 0);
      ASSERT_LE(n.invested[s], stack);  // no stack below 0
    }
    ASSERT_GE(n.matched, 0);
    ASSERT_LE(n.matched, std::min(n.invested[0], n.invested[1]));
    if (n.kind == NodeKind::Chance || n.all_in_runout != 0 ||
        (n.kind == NodeKind::Terminal && n.last_action != ActionKind::Fold)) {
      ASSERT_EQ(n.invested[0], n.invested[1]);
      ASSERT_EQ(n.matched, n.invested[0]);
    }
    ASSERT_EQ(n.actions.size(), n.children.size());
    if (n.kind == NodeKind::Terminal && n.all_in_runout == 0) {
      ASSERT_TRUE(n.children.empty());
    }

    std::int32_t previous_sized = 0;
    for (std::size_t a = 0; a < n.actions.size(); ++a) {
      const Action act = n.actions[a];
      const Node& c = plan.nodes[n.children[a]];
      const int s = n.seat;
      const std::int32_t added_s = c.invested[s] - n.invested[s];
      const std::int32_t added_o = c.invested[1 - s] - n.invested[1 - s];
      ASSERT_EQ(added_o, 0);
      switch (act.kind) {
        case ActionKind::Fold:
          ASSERT_EQ(added_s, 0);
          ASSERT_EQ(c.kind, NodeKind::Terminal);
          ASSERT_EQ(c.seat, s);
          todo.push_back({n.children[a], v.street_start, v.level});
          break;
        case ActionKind::Check:
        case ActionKind::CardDealt:
          ASSERT_EQ(added_s, 0);
          todo.push_back({n.children[a], v.street_start, v.level});
          break;
        case ActionKind::Call:
          ASSERT_EQ(added_s, act.amount);
          ASSERT_GT(act.amount, 0);
          ASSERT_EQ(c.invested[0], c.invested[1]);
          todo.push_back({n.children[a], c.invested[0], 0});
          break;
        default: {
          ASSERT_EQ(n.kind, NodeKind::Decision);
          // Sized actions come after the passive ones, ascending.
          ASSERT_GT(act.amount, previous_sized);
          previous_sized = act.amount;
          // The amount is the actor's total on the street after the action.
          ASSERT_EQ(c.invested[s] - v.street_start, act.amount);
          const std::int32_t to_call = n.invested[1 - s] - n.invested[s];
          if (act.kind == ActionKind::AllIn) {
            ASSERT_EQ(c.invested[s], stack);
          } else {
            ASSERT_LT(c.invested[s], stack);
            ASSERT_GE(act.amount, v.level + std::max(to_call, 1));  // at least a min-raise
          }
          todo.push_back({n.children[a], v.street_start, act.amount});
        }
      }
    }
  }
  EXPECT_EQ(visited, plan.nodes.size());
}

TEST(ActionPlan, DonkRuleFollowsThePreviousStreetsAggressor) {
  const CardContext cards = make_context("Ks7h2d", kSymmetric, kSymmetric);
  GameConfig config = uniform_config(kStreetFlop, 1000, 10000, "50%", "");
  config.streets[1].donk_sizes = std::vector<BetSize>{};
  const ActionPlan plan(config, cards);

  const auto first_turn_node = [&](std::size_t chance) {
    EXPECT_EQ(plan.nodes[chance].kind, NodeKind::Chance);
    return plan.nodes[chance].children.at(0);
  };
  // In position bet the flop and was called: out of position may only check.
  const std::size_t ip_bet = child_by(plan, child_by(plan, 0, ActionKind::Check), ActionKind::Bet);
  const std::size_t after_ip_bet = first_turn_node(child_by(plan, ip_bet, ActionKind::Call));
  EXPECT_EQ(kinds_of(plan.nodes[after_ip_bet]), std::vector{ActionKind::Check});
  // Out of position bet and was called, or the flop checked through: free to bet.
  const std::size_t oop_bet = child_by(plan, 0, ActionKind::Bet);
  const std::size_t after_oop_bet = first_turn_node(child_by(plan, oop_bet, ActionKind::Call));
  EXPECT_EQ(kinds_of(plan.nodes[after_oop_bet]), (std::vector{ActionKind::Check, ActionKind::Bet}));
  const std::size_t after_checks =
      first_turn_node(child_by(plan, child_by(plan, 0, ActionKind::Check), ActionKind::Check));
  EXPECT_EQ(kinds_of(plan.nodes[after_checks]), (std::vector{ActionKind::Check, ActionKind::Bet}));
}

// Indices from a plain build are a depth-first pre-order in action order.
bool is_preorder(const std::vector<Node>& nodes) {
  std::vector<std::size_t> stack{0};
  std::size_t expected = 0;
  while (!stack.empty()) {
    const std::size_t i = stack.back();
    stack.pop_back();
    if (i != expected++) return false;
    const auto& ch = nodes[i].children;
    for (auto it = ch.rbegin(); it != ch.rend(); ++it) stack.push_back(*it);
  }
  return expected == nodes.size();
}

void expect_same_list(const std::vector<Node>& a, const std::vector<Node>& b) {
  ASSERT_EQ(a.size(), b.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    ASSERT_EQ(testing::describe(a[i]), testing::describe(b[i])) << i;
    ASSERT_EQ(a[i].children, b[i].children) << i;
  }
}

// Each node by the path that reaches it.
std::map<std::string, std::string> by_path(const std::vector<Node>& nodes) {
  const std::vector<std::string> paths = testing::node_paths(nodes);
  std::map<std::string, std::string> m;
  for (std::size_t i = 0; i < paths.size(); ++i) m[paths[i]] = testing::describe(nodes[i]);
  return m;
}

// Two builds of one spot give the same node list index by index, in
// pre-order.
TEST(ActionPlan, BuildsAreDeterministicAndPreOrder) {
  const ScopedEnv depth("HALVORY_ACTIONPLAN_PARALLEL_DEPTH", nullptr);
  const CardContext cards = make_context("Jh9h4h", kSymmetric, kSymmetric);
  const GameConfig config = uniform_config(kStreetFlop, 1000, 1000, "50%, 100%", "a");
  const ActionPlan first(config, cards);
  const ActionPlan second(config, cards);
  EXPECT_TRUE(is_preorder(first.nodes));
  expect_same_list(first.nodes, second.nodes);
}

// Above a positive parallel depth the subtrees go to a pool of one thread
// fewer than the workers (not a thread per subtree): the same nodes, each
// reached by the same path, possibly numbered otherwise. Depth 0, or one
// worker, builds on the calling thread in the plain order.
TEST(ActionPlan, SubtreesBuiltAsTasksGiveTheSameNodes) {
  const CardContext cards = make_context("Jh9h4h", kSymmetric, kSymmetric);
  const GameConfig config = uniform_config(kStreetFlop, 1000, 1000, "50%, 100%", "a");
  std::vector<Node> sequential;
  {
    const ScopedEnv depth("HALVORY_ACTIONPLAN_PARALLEL_DEPTH", nullptr);
    sequential = ActionPlan(config, cards).nodes;
  }
  const std::map<std::string, std::string> expected = by_path(sequential);
  ASSERT_EQ(expected.size(), sequential.size());

  const int pool = std::min(4, static_cast<int>(hardware_threads())) - 1;
  struct Case {
    const char* depth;
    const char* workers;
    int threads_started;
    bool plain_order;
  };
  for (const Case& c : {Case{"2", "4", pool, false}, Case{"40", "4", pool, false},
                        Case{"3", "1", 0, true}, Case{"0", "4", 0, true}}) {
    SCOPED_TRACE(std::string("depth ") + c.depth + ", workers " + c.workers);
    const ScopedEnv depth("HALVORY_ACTIONPLAN_PARALLEL_DEPTH", c.depth);
    const ScopedEnv workers("HALVORY_ACTIONPLAN_MAX_WORKERS", c.workers);
    const ThreadStartCounter counter;
    const ActionPlan plan(config, cards);
    EXPECT_EQ(counter.started(), c.threads_started);
    EXPECT_EQ(plan.parallel_depth, std::stoull(c.depth));
    EXPECT_EQ(plan.active_workers.load(), 1u);
    EXPECT_TRUE(by_path(plan.nodes) == expected);
    if (c.plain_order) expect_same_list(plan.nodes, sequential);
  }
}

// Positive worker counts and non-negative depths that start the text are
// taken; anything else falls back.
TEST(ActionPlan, EnvironmentLimits) {
  const std::uint64_t hardware = hardware_threads();
  const std::vector<std::pair<const char*, std::uint64_t>> workers{
      {nullptr, hardware},       {"0", hardware}, {"-3", hardware},   {"abc", hardware},
      {"99999999999", hardware}, {"7", 7},        {"  5 threads", 5}, {"+2", 2}};
  for (const auto& [text, want] : workers) {
    const ScopedEnv env("HALVORY_ACTIONPLAN_MAX_WORKERS", text);
    EXPECT_EQ(action_plan_max_workers(), want) << (text ? text : "(unset)");
  }
  const std::vector<std::pair<const char*, std::uint64_t>> depths{
      {nullptr, 0}, {"-1", 0}, {"x", 0}, {"0", 0}, {"3", 3}, {"12abc", 12}, {"4294967296", 0}};
  for (const auto& [text, want] : depths) {
    const ScopedEnv env("HALVORY_ACTIONPLAN_PARALLEL_DEPTH", text);
    EXPECT_EQ(action_plan_parallel_depth(), want) << (text ? text : "(unset)");
  }
}

TEST(ActionPlan, RefusesMoneyThatDoesNotFit32Bits) {
  const CardContext cards = make_context("Ks7h2d9c4s", kSymmetric, kSymmetric);
  const GameConfig too_deep = uniform_config(kStreetRiver, 2, 1'073'741'823, "a", "");
  EXPECT_THROW(ActionPlan(too_deep, cards), std::invalid_argument);
  const GameConfig negative = uniform_config(kStreetRiver, 100, -5, "a", "");
  EXPECT_THROW(ActionPlan(negative, cards), std::invalid_argument);

  // Exactly at the limit: builds, and the all-in pot is the largest money value.
  const ActionPlan edge(uniform_config(kStreetRiver, 1, 1'073'741'823, "1e300%, 1e10%", "1e10x"),
                        cards);
  std::int32_t largest = 0;
  for (const Node& n : edge.nodes) {
    ASSERT_GE(n.pot, 1);
    ASSERT_GE(n.invested[0], 0);
    ASSERT_GE(n.invested[1], 0);
    largest = std::max(largest, n.pot);
  }
  EXPECT_EQ(largest, std::numeric_limits<std::int32_t>::max());
}

}  // namespace
}  // namespace halvory
