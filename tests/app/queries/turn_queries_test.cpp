// Queries on a solved turn spot: chance nodes, nodes below a dealt river,
// and equities checked against enumeration of the runouts by hand.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <random>

#include "queries/hand_categories.hpp"
#include "queries/node_distributions.hpp"
#include "queries/node_queries.hpp"
#include "queries/node_steps.hpp"
#include "session/request_conversion.hpp"
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

// Every node's path is the chain of child links from the root down to it,
// each step at the first slot holding that child: in the solve's tree (in
// pre-order) and in one built in parallel, whose order differs.
TEST_F(TurnQueries, PathsFollowTheChildLinksFromTheRoot) {
  const auto check = [](const halvory::Game& g) {
    const auto& nodes = g.plan.nodes;
    for (std::size_t n = 0; n < nodes.size(); ++n) {
      const NodePath path = node_path(g, n);
      ASSERT_FALSE(path.empty()) << n;
      ASSERT_EQ(path.front(), (std::pair<std::size_t, std::size_t>{0, 0}));
      ASSERT_EQ(path.back().first, n);
      for (std::size_t i = 1; i < path.size(); ++i) {
        const auto& children = nodes[path[i - 1].first].children;
        const auto first = std::find(children.begin(), children.end(), path[i].first);
        ASSERT_NE(first, children.end()) << n;
        ASSERT_EQ(static_cast<std::size_t>(first - children.begin()), path[i].second) << n;
      }
    }
    EXPECT_TRUE(node_path(g, nodes.size()).empty());
  };
  check(game());

  ConvertedRequest converted = convert_request(spots::turn_request(), ConversionPurpose::solve);
  halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range,
                             converted.short_deck);
  ::setenv("HALVORY_ACTIONPLAN_PARALLEL_DEPTH", "2", 1);
  const halvory::Game parallel(std::move(converted.game), std::move(cards));
  ::unsetenv("HALVORY_ACTIONPLAN_PARALLEL_DEPTH");
  ASSERT_EQ(parallel.nodes.size(), game().nodes.size());
  check(parallel);
}

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
    std::vector<std::string> expected = hand_category_labels(pocket, river_board, false);
    if (expected.empty()) expected.emplace_back("air");
    std::sort(expected.begin(), expected.end());
    expected.erase(std::unique(expected.begin(), expected.end()), expected.end());
    EXPECT_EQ(classify_hand_category(game(), below, pocket), expected);
  }
}

// Equity of one hand against the opponent's weights over every runout
// (uniform over the boards each pair of hands leaves), by evaluation.
double enumerated_equity(const halvory::Game& game, int seat, std::size_t h,
                         const std::vector<float>& opponent_weights) {
  const auto& cards = game.cards;
  const auto own = cards.pockets[static_cast<std::size_t>(seat)][h];
  const auto& opponent = cards.pockets[static_cast<std::size_t>(1 - seat)];
  const bool short_deck = cards.short_deck != 0;
  double mass = 0.0;
  double score = 0.0;
  for (std::size_t j = 0; j < opponent.size(); ++j) {
    const double w = opponent_weights[j];
    if (!(w > 0.0) || (mask_of(own) & mask_of(opponent[j])) != 0) continue;
    const std::uint64_t used = cards.board_mask | mask_of(own) | mask_of(opponent[j]);
    double runouts = 0.0;
    double wins = 0.0;
    const auto count = [&](const std::vector<halvory::CardCode>& board) {
      const auto mine = halvory::evaluate_hand(own, board, short_deck);
      const auto theirs = halvory::evaluate_hand(opponent[j], board, short_deck);
      runouts += 1.0;
      wins += mine > theirs ? 1.0 : mine == theirs ? 0.5 : 0.0;
    };
    for (halvory::CardCode t = 0; t < 52; ++t) {
      if ((used | ~cards.deck_mask) & (std::uint64_t{1} << t)) continue;
      std::vector<halvory::CardCode> board = cards.board_cards;
      board.push_back(t);
      if (board.size() == 5) {
        count(board);
        continue;
      }
      for (halvory::CardCode r = t + 1; r < 52; ++r) {
        if ((used | ~cards.deck_mask) & (std::uint64_t{1} << r)) continue;
        board.resize(4);
        board.push_back(r);
        count(board);
      }
    }
    mass += w;
    score += w * wins / runouts;
  }
  return mass > 0.0 ? score / mass : std::nan("");
}

TEST_F(TurnQueries, EquitiesAreTheEnumerationOfTheRivers) {
  const auto& cards = game().cards;
  const auto dist = node_hand_distributions(solved(), 0);
  ASSERT_TRUE(dist.has_value());
  for (std::size_t i = 0; i < dist->oop_hands.size(); ++i) {
    const auto pocket = spots::pocket_of(dist->oop_hands[i]);
    const auto& hands = cards.pockets[0];
    const auto h =
        static_cast<std::size_t>(std::find(hands.begin(), hands.end(), pocket) - hands.begin());
    ASSERT_LT(h, hands.size());
    EXPECT_NEAR(dist->equity_oop[i], enumerated_equity(game(), 0, h, cards.weights[1]), 1e-9)
        << dist->oop_hands[i];
  }

  // An action's equity: its hands' equities weighted by reach times the
  // opponent weight each meets, as its EV is.
  const auto stats = node_action_stats(solved(), 0);
  ASSERT_TRUE(stats.has_value());
  const auto& own = cards.pockets[0];
  const std::vector<float> sigma = solved().solver->average_strategy(0);
  const std::vector<double> mass = opponent_mass(game(), 0, cards.weights[1]);
  for (std::size_t a = 0; a < stats->equities.size(); ++a) {
    double total = 0.0;
    double score = 0.0;
    for (std::size_t h = 0; h < own.size(); ++h) {
      const double q = static_cast<double>(sigma[a * own.size() + h]) * cards.weights[0][h];
      if (!(q > 0.0) || !(mass[h] > 0.0)) continue;
      total += q * mass[h];
      score += q * mass[h] * enumerated_equity(game(), 0, h, cards.weights[1]);
    }
    ASSERT_GT(total, 0.0);
    EXPECT_NEAR(stats->equities[a], score / total, 1e-6) << stats->names[a];
  }
}

// Where enumeration would cost too much the equities are sampled, with one
// seed for the node: near the exact figures and the same every time.
TEST_F(TurnQueries, OverBudgetEquitiesAreSampledAndRepeatable) {
  const auto& weights = game().cards.weights;
  const std::vector<double> exact = hand_equities(game(), 0, 1, weights[1], weights[0]);
  const std::vector<double> sampled = hand_equities(game(), 0, 1, weights[1], weights[0], 0);
  ASSERT_EQ(sampled.size(), exact.size());
  EXPECT_EQ(hand_equities(game(), 0, 1, weights[1], weights[0], 0), sampled);
  for (std::size_t h = 0; h < exact.size(); ++h) {
    EXPECT_NEAR(sampled[h], exact[h], 0.06) << h;
    EXPECT_NE(sampled[h], exact[h]) << h;
  }
}

// A spot worked out by hand. On Ks Qd 7h 4c, 65s has eight outs (any three
// or eight makes a straight) among the 44 unseen rivers and AQo wins on the
// other 36; no river ties. Every combo and every row that holds combos shows
// exactly that, whatever the solver's mix.
TEST(TurnEquityByHand, EightOutsAgainstAQoOnEveryCombo) {
  SolveConfig request = spots::turn_request();
  request.board = "KsQd7h4c";
  request.oop_range = "65s";
  request.ip_range = "AQo";
  request.max_iterations = 5;
  const SolvedGame solved = spots::solve_now(request);
  const auto& nodes = solved.game->plan.nodes;
  const double draw = 8.0 / 44.0;
  const double made = 36.0 / 44.0;

  const std::size_t after_check = nodes[0].children[0];
  const std::size_t facing_bet = nodes[0].children[1];
  for (const std::size_t node : {std::size_t{0}, after_check, facing_bet}) {
    const auto dist = node_hand_distributions(solved, node);
    ASSERT_TRUE(dist.has_value());
    ASSERT_EQ(dist->oop_hands.size(), 4u);
    ASSERT_EQ(dist->ip_hands.size(), 9u);
    for (double e : dist->equity_oop) EXPECT_NEAR(e, draw, 1e-9);
    for (double e : dist->equity_ip) EXPECT_NEAR(e, made, 1e-9);

    const auto stats = node_action_stats(solved, node);
    ASSERT_TRUE(stats.has_value());
    const double expected = nodes[node].seat == 0 ? draw : made;
    for (std::size_t a = 0; a < stats->equities.size(); ++a) {
      if (stats->combos[a] > 1e-6) {
        EXPECT_NEAR(stats->equities[a], expected, 1e-6) << node;
      }
    }
  }
  // High card first, as the user reads a hand.
  const auto dist = node_hand_distributions(solved, 0);
  EXPECT_NE(std::find(dist->oop_hands.begin(), dist->oop_hands.end(), "6d5d"),
            dist->oop_hands.end());
  EXPECT_NE(std::find(dist->ip_hands.begin(), dist->ip_hands.end(), "AcQs"), dist->ip_hands.end());
}

// On the flop every turn and river pair counts once.
TEST(FlopEquity, EnumeratesEveryTurnAndRiver) {
  SolveConfig request = spots::turn_request();
  request.board = "QsJh2h";
  request.starting_street = "flop";
  request.oop_range = "AA,KK,76s";
  request.ip_range = "QQ,AKs,T9s";
  request.oop_flop.bet_sizes = "75";
  request.ip_flop.bet_sizes = "75";
  request.max_iterations = 1;
  const SolvedGame solved = spots::solve_now(request);
  const halvory::Game& game = *solved.game;
  const auto& weights = game.cards.weights;
  const std::vector<double> equities = hand_equities(game, 0, 0, weights[0], weights[1]);
  ASSERT_EQ(equities.size(), game.cards.pockets[0].size());
  for (std::size_t h = 0; h < equities.size(); ++h) {
    EXPECT_NEAR(equities[h], enumerated_equity(game, 0, h, weights[1]), 1e-9) << h;
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
