// The tree count against the tree it counts, the depth and size bounds that
// the build and the count share, and cancelling either.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "spot_fixtures.hpp"
#include "tree/action_plan.hpp"

namespace halvory {
namespace {

using testing::make_context;
using testing::uniform_config;

struct Spot {
  const char* name;
  const char* board;
  Street start;
  std::int32_t pot;
  std::int32_t stack;
  const char* bets;
  const char* raises;
  const char* oop_range;
  const char* ip_range;
};

TEST(TreeCount, MatchesTheBuiltTree) {
  // Asymmetric ranges make the river fan-out differ between turn cards of
  // one suit and another; a dealt turn leaves one card to deal; small stacks
  // give runouts after all-ins on the flop and turn.
  const std::vector<Spot> spots{
      {"river", "Ks7h2d9c4s", kStreetRiver, 1000, 5000, "33%, 75%", "100%", "AA, KK, AK", "QQ, AQ"},
      {"turn", "Ks7h2d9c", kStreetTurn, 1000, 5000, "50%", "100%, a", "AA, KK, AK", "QQ, AQ"},
      {"flop, suit exchanges", "Jh9h4h", kStreetFlop, 1000, 1000, "50%, 100%", "a", "AA, KK",
       "QQ, AK"},
      {"flop, asymmetric ranges", "Ks7h2d", kStreetFlop, 1000, 1500, "50%", "100%", "AhKh, QsQc",
       "JJ, AdQd"},
      {"flop with a dealt turn", "Ks7h2d9c", kStreetFlop, 1000, 3000, "50%", "a", "AA", "QQ"},
      {"ladder 200 raises deep", "Ks7h2d9c4s", kStreetRiver, 1000, 200, "1c", "1c", "AA", "QQ"},
  };
  for (const Spot& s : spots) {
    SCOPED_TRACE(s.name);
    const CardContext cards = make_context(s.board, s.oop_range, s.ip_range);
    const GameConfig config = uniform_config(s.start, s.pot, s.stack, s.bets, s.raises);
    const ActionPlan plan(config, cards);
    TreeCount built;
    built.nodes = plan.nodes.size();
    const auto add = [](std::vector<std::uint64_t>& lists, std::size_t length) {
      if (lists.size() <= length) lists.resize(length + 1, 0);
      ++lists[length];
    };
    for (const ActionPlan::Node& n : plan.nodes) {
      built.list_slots += n.actions.capacity() + n.children.capacity();
      built.list_bytes += heap_block_bytes(n.actions.capacity() * sizeof(Action)) +
                          heap_block_bytes(n.children.capacity() * sizeof(std::size_t));
      if (n.kind == NodeKind::Decision && !n.actions.empty()) {
        ++built.decision_nodes;
        built.decision_actions[n.seat] += n.actions.size();
        add(built.decision_lists, n.actions.size());
      }
      // Chance nodes and runout terminals deal cards.
      if (n.kind != NodeKind::Decision && !n.actions.empty())
        add(built.deal_lists, n.actions.size());
    }
    const TreeCount counted = count_action_plan(config, cards);
    EXPECT_EQ(counted.nodes, built.nodes);
    EXPECT_EQ(counted.list_slots, built.list_slots);
    EXPECT_EQ(counted.list_bytes, built.list_bytes);
    EXPECT_EQ(counted.decision_nodes, built.decision_nodes);
    EXPECT_EQ(counted.decision_actions, built.decision_actions);
    EXPECT_EQ(counted.decision_lists, built.decision_lists);
    EXPECT_EQ(counted.deal_lists, built.deal_lists);
  }
}

template <typename F>
std::string refusal(F&& construct) {
  try {
    construct();
  } catch (const std::invalid_argument& e) {
    return e.what();
  }
  return "(accepted)";
}

TEST(TreeLimits, TreesPastTheBoundsAreRefusedByBuildAndCount) {
  const std::string too_deep = "Betting tree too deep: more than " + std::to_string(kMaxTreeDepth) +
                               " actions on one line of play (use larger bet and raise sizes, or a "
                               "raise cap)";
  const std::string too_large = "Betting tree too large: more than " +
                                std::to_string(kMaxTreeNodes) +
                                " nodes (use fewer bet and raise sizes)";
  // Pot 10, stack 500, one-chip bets and raises: a min-raise ladder 50,000
  // levels deep.
  const CardContext river = make_context("Ks7h2d9c4s", "AA", "QQ");
  const GameConfig ladder = uniform_config(kStreetRiver, 1000, 50000, "1c", "1c");
  EXPECT_EQ(refusal([&] { ActionPlan plan(ladder, river); }), too_deep);
  EXPECT_EQ(refusal([&] { count_action_plan(ladder, river); }), too_deep);
  // Ten bet and five raise sizes on every street of a flop: billions of
  // nodes. Only counted: building up to the bound would take gigabytes.
  const CardContext flop = make_context("QsJh2h", "AA", "KK");
  const GameConfig wide = uniform_config(kStreetFlop, 18000, 91000,
                                         "10%, 20%, 33%, 50%, 66%, 75%, 100%, 125%, 150%, 200%",
                                         "50%, 75%, 100%, 150%, 200%");
  EXPECT_EQ(refusal([&] { count_action_plan(wide, flop); }), too_large);
}

TEST(TreeLimits, ARaisedCancelFlagStopsEveryConstruction) {
  const std::atomic<bool> cancel{true};
  const CardContext cards = make_context("Jh9h4h", "AA, KK", "QQ, AK");
  // Large enough that the build and the count look at the flag.
  const GameConfig config = uniform_config(kStreetFlop, 1000, 10000, "33%, 75%", "100%");
  EXPECT_THROW(CardContext(cards.board, cards.ranges[0], cards.ranges[1], false, &cancel),
               BuildCancelled);
  EXPECT_THROW(ActionPlan(config, cards, &cancel), BuildCancelled);
  EXPECT_THROW(count_action_plan(config, cards, &cancel), BuildCancelled);
}

}  // namespace
}  // namespace halvory
