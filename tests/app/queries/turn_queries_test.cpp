// Queries on a solved turn spot: chance nodes, nodes below a dealt river,
// and sampled equities checked against exact enumeration of the river.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "queries/hand_categories.hpp"
#include "queries/node_distributions.hpp"
#include "queries/node_queries.hpp"
#include "solved_spot.hpp"
#include "solver/dcfr.hpp"
#include "tree/game.hpp"

namespace halvory_app {
namespace {

using halvory::NodeKind;

std::uint64_t mask_of(halvory::Pocket p) {
  return (std::uint64_t{1} << (p & 0xFF)) | (std::uint64_t{1} << (p >> 8));
}

bool same_or_both_nan(double a, double b) {
  return a == b || (std::isnan(a) && std::isnan(b));
}

class TurnQueries : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    solved_ = new SolvedGame(spots::solve_now(spots::turn_request()));
  }
  static void TearDownTestSuite() {
    delete solved_;
    solved_ = nullptr;
  }
  const halvory::Game& game() const { return *solved_->game; }
  const SolvedGame& solved() const { return *solved_; }

  std::size_t first_node(NodeKind kind) const {
    const auto& nodes = game().plan.nodes;
    for (std::size_t n = 0; n < nodes.size(); ++n) {
      if (nodes[n].kind == kind && (kind != NodeKind::Terminal || !nodes[n].all_in_runout))
        return n;
    }
    return nodes.size();
  }

  static SolvedGame* solved_;
};

SolvedGame* TurnQueries::solved_ = nullptr;

TEST_F(TurnQueries, ChanceNodesAnswerOnlyTheAnyKindQueries) {
  const std::size_t chance = first_node(NodeKind::Chance);
  ASSERT_LT(chance, game().plan.nodes.size());
  EXPECT_FALSE(node_action_stats(solved(), chance));
  EXPECT_FALSE(node_hand_buckets(solved(), chance));
  EXPECT_FALSE(node_hand_strategy(solved(), chance));
  EXPECT_FALSE(node_hand_combos(solved(), chance));
  EXPECT_FALSE(node_pocket_action_evs(solved(), chance, 0, "Ah", "Ad"));
  EXPECT_TRUE(node_ev(solved(), chance, 0));
  EXPECT_TRUE(node_ev(solved(), chance, 1));
  EXPECT_TRUE(node_hand_distributions(solved(), chance));
  EXPECT_TRUE(node_seat_hand_combos(solved(), chance, 0));
}

TEST_F(TurnQueries, EveryDecisionNodeAnswers) {
  const auto& nodes = game().plan.nodes;
  std::size_t checked = 0;
  for (std::size_t n = 0; n < nodes.size() && checked < 40; n += 7) {
    if (nodes[n].kind != NodeKind::Decision) continue;
    ++checked;
    EXPECT_TRUE(node_hand_buckets(solved(), n)) << n;
    EXPECT_TRUE(node_hand_strategy(solved(), n)) << n;
    EXPECT_TRUE(node_hand_combos(solved(), n)) << n;
  }
  EXPECT_GT(checked, 10u);
}

TEST_F(TurnQueries, HandsHoldingTheDealtRiverAreGone) {
  const std::size_t chance = first_node(NodeKind::Chance);
  const auto& record = game().plan.nodes[chance];
  ASSERT_FALSE(record.children.empty());
  const std::size_t below = record.children.front();
  const halvory::CardCode river = game().plan.nodes[below].river;
  ASSERT_NE(river, halvory::kNoCard);
  const std::uint64_t river_bit = std::uint64_t{1} << river;

  for (int s = 0; s < 2; ++s) {
    const auto rows = node_seat_hand_combos(solved(), below, s);
    ASSERT_TRUE(rows.has_value());
    std::size_t live = 0;
    for (auto p : game().cards.pockets[s]) live += (mask_of(p) & river_bit) == 0;
    EXPECT_EQ(rows->size(), live);
    for (const ComboRow& row : *rows) {
      EXPECT_NE(row.c1, halvory::card_to_string(static_cast<std::int8_t>(river)));
      EXPECT_NE(row.c2, halvory::card_to_string(static_cast<std::int8_t>(river)));
    }
  }
  const auto dist = node_hand_distributions(solved(), below);
  ASSERT_TRUE(dist.has_value());
  for (const auto& text : dist->oop_hands) {
    EXPECT_EQ(mask_of(spots::pocket_of(text)) & river_bit, 0u) << text;
  }
  EXPECT_EQ(dist->oop_hands.size(), dist->ev_oop.size());
  EXPECT_EQ(dist->oop_hands.size(), dist->equity_oop.size());
  const std::vector<halvory::CardCode> river_board = board_at_node(game(), below);
  EXPECT_EQ(river_board.size(), 5u);
  EXPECT_EQ(river_board[4], river);
  EXPECT_EQ(board_at_node(game(), 0).size(), 4u);

  // The classifier reads the node's board: sorted labels, "air" when none.
  for (auto pocket : game().cards.pockets[1]) {
    std::vector<std::string> expected = hand_category_labels(pocket, river_board);
    if (expected.empty()) expected.emplace_back("air");
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(classify_hand_category(game(), below, pocket), expected);
  }
}

TEST_F(TurnQueries, SampledEquityAgreesWithRiverEnumeration) {
  const auto stats = node_action_stats(solved(), 0);
  ASSERT_TRUE(stats.has_value());
  const auto& cards = game().cards;
  const auto& own = cards.pockets[0];
  const auto& opponent = cards.pockets[1];
  const std::vector<float> sigma = solved().solver->average_strategy(0);
  for (std::size_t a = 0; a < stats->equities.size(); ++a) {
    // The sampler's estimand: a hand drawn by its weight, an opponent hand
    // by its weight among those compatible, a uniform river.
    double total = 0.0;
    double score = 0.0;
    for (std::size_t h = 0; h < own.size(); ++h) {
      const double q = static_cast<double>(sigma[a * own.size() + h]) * cards.weights[0][h];
      if (!(q > 0.0)) continue;
      double opponent_mass = 0.0;
      double hand_score = 0.0;
      for (std::size_t j = 0; j < opponent.size(); ++j) {
        if ((mask_of(own[h]) & mask_of(opponent[j])) != 0) continue;
        const double w = cards.weights[1][j];
        double runouts = 0.0;
        double wins = 0.0;
        for (halvory::CardCode r = 0; r < 52; ++r) {
          const std::uint64_t bit = std::uint64_t{1} << r;
          if ((cards.board_mask & bit) || (mask_of(own[h]) & bit) || (mask_of(opponent[j]) & bit))
            continue;
          std::vector<halvory::CardCode> board = cards.board_cards;
          board.push_back(r);
          const auto mine = halvory::evaluate_hand(own[h], board, false);
          const auto theirs = halvory::evaluate_hand(opponent[j], board, false);
          runouts += 1.0;
          wins += mine > theirs ? 1.0 : mine == theirs ? 0.5 : 0.0;
        }
        opponent_mass += w;
        hand_score += w * wins / runouts;
      }
      if (opponent_mass > 0.0) {
        total += q;
        score += q * hand_score / opponent_mass;
      }
    }
    ASSERT_GT(total, 0.0);
    EXPECT_NEAR(stats->equities[a], score / total, 0.035) << stats->names[a];
  }
}

TEST_F(TurnQueries, SampledEquitiesAreRepeatable) {
  for (std::size_t n : {std::size_t{0}, first_node(NodeKind::Chance)}) {
    const auto first = node_hand_distributions(solved(), n);
    const auto second = node_hand_distributions(solved(), n);
    ASSERT_TRUE(first && second);
    ASSERT_EQ(first->equity_oop.size(), second->equity_oop.size());
    for (std::size_t i = 0; i < first->equity_oop.size(); ++i) {
      EXPECT_TRUE(same_or_both_nan(first->equity_oop[i], second->equity_oop[i]));
      if (!std::isnan(first->equity_oop[i])) {
        EXPECT_GE(first->equity_oop[i], 0.0);
        EXPECT_LE(first->equity_oop[i], 1.0);
      }
    }
    EXPECT_EQ(first->ev_ip, second->ev_ip);
  }
  const auto a = node_action_stats(solved(), 0);
  const auto b = node_action_stats(solved(), 0);
  for (std::size_t i = 0; i < a->equities.size(); ++i)
    EXPECT_TRUE(same_or_both_nan(a->equities[i], b->equities[i]));
}

TEST(SampledEquity, DegenerateInputsGiveNaNOrNothing) {
  std::mt19937 rng(1);
  const std::vector<halvory::CardCode> flop{0, 4, 8};
  const std::vector<halvory::Pocket> hands{spots::pocket_of("AhAd")};
  const std::vector<double> weights{1.0};
  const std::vector<float> opponent_weights{1.0f};
  const std::uint64_t deck = (std::uint64_t{1} << 52) - 1;
  EXPECT_TRUE(std::isnan(estimate_equity_sampled(rng, flop, 255, 255, deck, false, hands, weights,
                                                 hands, opponent_weights, 0)));
  // The only opponent hand is the hero's own: every draw collides.
  EXPECT_TRUE(std::isnan(estimate_equity_sampled(rng, flop, 255, 255, deck, false, hands, weights,
                                                 hands, opponent_weights, 50)));
  const std::vector<halvory::Pocket> kings{spots::pocket_of("KhKd")};
  const double aces = estimate_equity_sampled(rng, flop, 255, 255, deck, false, hands, weights,
                                              kings, opponent_weights, 3000);
  double wins = 0.0;
  double runouts = 0.0;
  const std::uint64_t used = (std::uint64_t{1} << 0) | (std::uint64_t{1} << 4) |
                             (std::uint64_t{1} << 8) | mask_of(hands[0]) | mask_of(kings[0]);
  for (halvory::CardCode t = 0; t < 52; ++t) {
    for (halvory::CardCode r = t + 1; r < 52; ++r) {
      if (used & ((std::uint64_t{1} << t) | (std::uint64_t{1} << r))) continue;
      const std::vector<halvory::CardCode> board{0, 4, 8, t, r};
      const auto mine = halvory::evaluate_hand(hands[0], board, false);
      const auto theirs = halvory::evaluate_hand(kings[0], board, false);
      wins += mine > theirs ? 1.0 : mine == theirs ? 0.5 : 0.0;
      runouts += 1.0;
    }
  }
  EXPECT_NEAR(aces, wins / runouts, 0.03);
  const std::vector<float> zero{0.0f};
  EXPECT_TRUE(std::isnan(
      estimate_equity_sampled(rng, flop, 255, 255, deck, false, hands, weights, kings, zero, 10)));
}

TEST(CumulativeWeightsTest, SkipsUnusableWeights) {
  CumulativeWeights weights;
  const std::vector<double> input{0.5, std::nan(""), -1.0, 2.0};
  weights.assign(input);
  EXPECT_EQ(weights.sums, (std::vector<double>{0.5, 0.5, 0.5, 2.5}));
  EXPECT_EQ(weights.total, 2.5);
  std::mt19937 rng(7);
  for (int i = 0; i < 200; ++i) {
    const auto k = draw_weighted_index(weights, rng);
    EXPECT_TRUE(k == 0 || k == 3) << k;
  }
  CumulativeWeights empty;
  empty.assign({});
  EXPECT_EQ(draw_weighted_index(empty, rng), -1);
}

}  // namespace
}  // namespace halvory_app
