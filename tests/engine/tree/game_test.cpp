#include "tree/game.hpp"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "spot_fixtures.hpp"

namespace halvory {
namespace {

using testing::make_context;
using testing::uniform_config;

constexpr const char* kSymmetric = "AA, KK, QQ, AK";

std::size_t child_by(const Game& game, std::size_t node, ActionKind kind) {
  const NodeRecord& n = game.nodes.at(node);
  for (std::size_t a = 0; a < n.actions.size(); ++a) {
    if (n.actions[a].kind == kind) return n.children[a];
  }
  ADD_FAILURE() << "no action of kind " << static_cast<int>(kind);
  return 0;
}

TEST(Game, RecordsAreTheTreeNodes) {
  const Game game(uniform_config(kStreetTurn, 1000, 3000, "50%", "a"),
                  make_context("Ks7h2d9c", kSymmetric, "AA, 72, K9"));
  EXPECT_EQ(&game.nodes, &game.plan.nodes);  // one list, not a copy
  ASSERT_GT(game.nodes.size(), 1u);
  EXPECT_EQ(game.config.starting_pot, 1000);
  EXPECT_EQ(game.plan.context, &game.cards);  // the tree was built against the kept copy
  EXPECT_TRUE(game.empty_card_list.empty());
  EXPECT_TRUE(game.node_locks.empty());
}

TEST(Game, NodeLocks) {
  Game game(uniform_config(kStreetRiver, 1000, 3000, "50%", ""),
            make_context("Ks7h2d9c4s", kSymmetric, kSymmetric));
  EXPECT_EQ(game.find_node_lock(0), nullptr);

  game.assign_node_lock(0, {1.0f, -0.0f, 0.0f, 1.0f});
  game.assign_node_lock(0, {0.25f, 0.75f});  // replaces the first
  game.assign_node_lock(7, {});              // any index, any length
  ASSERT_NE(game.find_node_lock(0), nullptr);
  EXPECT_EQ(*game.find_node_lock(0), (std::vector<float>{0.25f, 0.75f}));
  ASSERT_NE(game.find_node_lock(7), nullptr);
  EXPECT_TRUE(game.find_node_lock(7)->empty());
  EXPECT_EQ(game.find_node_lock(1), nullptr);
  EXPECT_EQ(game.node_locks.size(), 2u);
}

TEST(Game, SuitMapsOfTurnAndRiverDeals) {
  // Monotone flop, suit-symmetric ranges: diamonds and hearts mirror clubs at the turn.
  const Game game(uniform_config(kStreetFlop, 1000, 3000, "", ""),
                  make_context("Ks7s2s", kSymmetric, kSymmetric));
  const SuitIsomorphism& iso = game.cards.suit_isomorphism;
  ASSERT_FALSE(iso.turn_skipped.empty());

  const std::size_t turn_deal =
      child_by(game, child_by(game, 0, ActionKind::Check), ActionKind::Check);
  const NodeRecord& chance = game.nodes[turn_deal];
  ASSERT_EQ(chance.kind, NodeKind::Chance);
  for (std::size_t i = 0; i < iso.turn_skipped.size(); ++i) {
    const SeatHandSwaps& maps = game.suit_maps(chance, i);
    EXPECT_EQ(&maps, &iso.turn_swaps[iso.turn_skipped[i] % 4]) << i;
    EXPECT_FALSE(maps[0].empty());
    EXPECT_FALSE(maps[1].empty());
  }
  EXPECT_EQ(&game.suit_maps(chance, iso.turn_skipped.size()), &game.empty_suit_maps);

  // A river deal after a club turn: the mirror lists of that turn suit.
  const std::size_t turn_node = chance.children.at(0);
  const CardCode turn = game.nodes[turn_node].turn;
  const std::size_t river_deal =
      child_by(game, child_by(game, turn_node, ActionKind::Check), ActionKind::Check);
  const NodeRecord& river_chance = game.nodes[river_deal];
  const std::vector<std::uint8_t>& skipped = iso.river_skipped[turn % 4];
  ASSERT_FALSE(skipped.empty());
  for (std::size_t i = 0; i < skipped.size(); ++i) {
    EXPECT_EQ(&game.suit_maps(river_chance, i), &iso.river_swaps[turn % 4][skipped[i] % 4]) << i;
  }
  EXPECT_EQ(&game.suit_maps(river_chance, skipped.size()), &game.empty_suit_maps);

  // Other streets, and a river deal without a turn card, have no mirror lists.
  EXPECT_EQ(&game.suit_maps(game.nodes[0], 0), &game.empty_suit_maps);
  NodeRecord no_turn = river_chance;
  no_turn.turn = kNoCard;
  EXPECT_EQ(&game.suit_maps(no_turn, 0), &game.empty_suit_maps);
  EXPECT_TRUE(game.empty_suit_maps[0].empty() && game.empty_suit_maps[1].empty());
}

TEST(Game, ConstructionFailuresPropagate) {
  const CardContext cards = make_context("Ks7h2d9c4s", kSymmetric, kSymmetric);
  EXPECT_THROW(Game(uniform_config(kStreetRiver, 1, 2'000'000'000, "a", ""), cards),
               std::invalid_argument);
  EXPECT_THROW(Game(uniform_config(5, 100, 1000, "a", ""), cards), std::logic_error);
}

}  // namespace
}  // namespace halvory
