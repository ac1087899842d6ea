// Queries on a solved river spot, checked against brute-force values over
// every card-compatible pair of hands with the solved reaches.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>

#include "queries/node_queries.hpp"
#include "river_oracle.hpp"
#include "session/labels.hpp"
#include "solved_spot.hpp"

namespace halvory_app {
namespace {

using halvory::ActionKind;
using halvory::NodeKind;

class RiverQueries : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    solved_ = new SolvedGame(spots::solve_now(spots::river_request()));
  }
  static void TearDownTestSuite() {
    delete solved_;
    solved_ = nullptr;
  }

  const halvory::Game& game() const { return *solved_->game; }
  const halvory::DiscountedCfr& solver() const { return *solved_->solver; }
  const SolvedGame& solved() const { return *solved_; }

  std::size_t child_of(std::size_t node, ActionKind kind) const {
    const auto& record = game().plan.nodes[node];
    for (std::size_t a = 0; a < record.actions.size(); ++a) {
      if (record.actions[a].kind == kind) return record.children[a];
    }
    ADD_FAILURE() << "no such action";
    return 0;
  }
  // Decision nodes worth checking: root, IP after a check, OOP facing a bet
  // after check-bet, IP facing a lead.
  std::vector<std::size_t> decision_nodes() const {
    const std::size_t check = child_of(0, ActionKind::Check);
    return {0, check, child_of(check, ActionKind::Bet), child_of(0, ActionKind::Bet)};
  }
  static std::vector<double> widen(const std::vector<float>& v) { return {v.begin(), v.end()}; }

  static SolvedGame* solved_;
};

SolvedGame* RiverQueries::solved_ = nullptr;

constexpr double kMoneyTolerance = 0.5;  // hundredths of a chip, pot 1000

// Opponent reach that each own hand can meet, card removal by brute force.
std::vector<double> meetable(spots::RiverOracle& oracle, int seat, std::size_t own_hands,
                             const std::vector<double>& opponent_reach) {
  std::vector<double> mass(own_hands, 0.0);
  for (std::size_t h = 0; h < own_hands; ++h) {
    for (std::size_t j = 0; j < opponent_reach.size(); ++j) {
      if (oracle.compatible(seat, h, j)) mass[h] += opponent_reach[j];
    }
  }
  return mass;
}

// Mean of `values` over hand pairs: hand h weighs weight[h] * mass[h].
double pair_mean(const std::vector<double>& weight, const std::vector<double>& mass,
                 const std::vector<double>& values) {
  double sum = 0.0;
  double total = 0.0;
  for (std::size_t h = 0; h < weight.size(); ++h) {
    sum += weight[h] * mass[h] * values[h];
    total += weight[h] * mass[h];
  }
  return sum / total;
}

TEST_F(RiverQueries, ActionStatsMatchBruteForce) {
  spots::RiverOracle oracle(game(), solver());
  for (std::size_t n : decision_nodes()) {
    const auto stats = node_action_stats(solved(), n);
    ASSERT_TRUE(stats.has_value()) << n;
    const auto& record = game().plan.nodes[n];
    const int s = record.seat;
    const std::size_t actions = record.actions.size();
    ASSERT_EQ(stats->names.size(), actions);
    ASSERT_EQ(stats->equities.size(), actions);
    // Both seats at their reach at the node.
    const std::vector<double> own = oracle.reach(n, s);
    const std::vector<double> opponent = oracle.reach(n, 1 - s);
    const std::vector<double> mass = meetable(oracle, s, own.size(), opponent);
    const std::vector<float> sigma = solver().average_strategy(n);
    const std::size_t hands = own.size();
    EXPECT_NEAR(std::accumulate(stats->frequencies.begin(), stats->frequencies.end(), 0.0), 1.0,
                1e-5);
    for (std::size_t a = 0; a < actions; ++a) {
      std::vector<double> q(hands);
      double combos = 0.0;
      for (std::size_t h = 0; h < hands; ++h) {
        q[h] = static_cast<double>(sigma[a * hands + h]) * own[h];
        combos += q[h];
      }
      EXPECT_NEAR(stats->combos[a], combos, 1e-5 * std::max(1.0, combos));
      const double equity = oracle.equity(s, q, opponent);
      if (std::isnan(equity)) {
        EXPECT_TRUE(std::isnan(stats->equities[a]));
      } else {
        EXPECT_NEAR(stats->equities[a], equity, 1e-6) << n << " action " << a;
      }
      const std::vector<double> evs =
          oracle.hand_evs(record.children[a], s, opponent, oracle.half_pot(n));
      if (combos > 0.0) {
        EXPECT_NEAR(stats->evs[a], pair_mean(q, mass, evs), kMoneyTolerance)
            << n << " action " << a;
      } else {
        EXPECT_NEAR(stats->evs[a], oracle.half_pot(n), 1e-9);
        EXPECT_TRUE(std::isnan(stats->equities[a]));
      }
    }
  }
}

TEST_F(RiverQueries, ActionEvsAreTheMeanOfThePerHandRows) {
  // OOP facing a bet after check-bet; IP's reach there is its reach after
  // OOP's raise, where IP acts and its rows carry it.
  const std::size_t n = decision_nodes()[2];
  const auto& record = game().plan.nodes[n];
  const auto raise =
      std::find_if(record.actions.begin(), record.actions.end(),
                   [](const halvory::Action& a) { return a.kind >= ActionKind::Raise; });
  ASSERT_NE(raise, record.actions.end());
  const std::size_t after_raise =
      record.children[static_cast<std::size_t>(raise - record.actions.begin())];
  const auto stats = node_action_stats(solved(), n);
  const auto rows = node_hand_combos(solved(), n);
  const auto opponent_rows = node_hand_combos(solved(), after_raise);
  ASSERT_TRUE(stats && rows && opponent_rows);
  const auto shares_card = [](const ComboRow& x, const ComboRow& y) {
    return x.c1 == y.c1 || x.c1 == y.c2 || x.c2 == y.c1 || x.c2 == y.c2;
  };
  for (std::size_t a = 0; a < record.actions.size(); ++a) {
    double sum = 0.0;
    double total = 0.0;
    for (const ComboRow& row : *rows) {
      double mass = 0.0;
      for (const ComboRow& other : *opponent_rows) {
        if (!shares_card(row, other)) mass += other.weight;
      }
      const double weight = row.weight * row.action_probs[a] * mass;
      sum += weight * row.action_evs[a];
      total += weight;
    }
    ASSERT_GT(total, 0.0);
    // Relative to the value, or to one hundredth of a chip near 0 (a fold).
    EXPECT_NEAR(stats->evs[a], sum / total, 1e-6 * std::max(1.0, std::abs(sum / total)))
        << "action " << a;
  }
}

TEST_F(RiverQueries, PerHandEvsMatchBruteForce) {
  spots::RiverOracle oracle(game(), solver());
  for (std::size_t n : decision_nodes()) {
    const auto& record = game().plan.nodes[n];
    const int s = record.seat;
    const std::vector<double> own_reach = oracle.reach(n, s);
    const std::vector<double> opponent_reach = oracle.reach(n, 1 - s);
    const std::vector<double> expected = oracle.hand_evs(n, s, opponent_reach, oracle.half_pot(n));

    const auto rows = node_hand_combos(solved(), n);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), game().cards.pockets[s].size());
    for (std::size_t i = 1; i < rows->size(); ++i) EXPECT_GE((*rows)[i - 1].ev, (*rows)[i].ev);
    std::vector<std::vector<double>> child_evs;
    for (std::size_t child : record.children) {
      child_evs.push_back(oracle.hand_evs(child, s, opponent_reach, oracle.half_pot(n)));
    }
    for (const ComboRow& row : *rows) {
      const auto pocket = spots::pocket_of(row.c1 + row.c2);
      const auto& pockets = game().cards.pockets[s];
      const std::size_t h = static_cast<std::size_t>(
          std::find(pockets.begin(), pockets.end(), pocket) - pockets.begin());
      ASSERT_LT(h, pockets.size());
      EXPECT_NEAR(row.ev, expected[h], kMoneyTolerance) << row.c1 << row.c2;
      EXPECT_NEAR(row.weight, own_reach[h], 1e-5);
      for (std::size_t a = 0; a < child_evs.size(); ++a) {
        EXPECT_NEAR(row.action_evs[a], child_evs[a][h], kMoneyTolerance);
      }
    }

    // The seat's mean EV over hand pairs at the node.
    const auto ev = node_ev(solved(), n, s);
    ASSERT_TRUE(ev.has_value());
    const std::vector<double> mass = meetable(oracle, s, own_reach.size(), opponent_reach);
    EXPECT_NEAR(*ev, pair_mean(own_reach, mass, expected), kMoneyTolerance);

    // One given hand, action by action.
    const auto pocket = game().cards.pockets[s].front();
    const std::string c1 = halvory::card_to_string(static_cast<std::int8_t>(pocket >> 8));
    const std::string c2 = halvory::card_to_string(static_cast<std::int8_t>(pocket & 0xFF));
    const auto pocket_evs = node_pocket_action_evs(solved(), n, s, c1, c2 + " ");
    ASSERT_TRUE(pocket_evs.has_value());
    for (std::size_t a = 0; a < child_evs.size(); ++a) {
      EXPECT_NEAR((*pocket_evs)[a], child_evs[a][0], kMoneyTolerance);
    }
  }
}

TEST_F(RiverQueries, DistributionsMatchBruteForce) {
  spots::RiverOracle oracle(game(), solver());
  const std::size_t n = decision_nodes()[2];  // OOP facing a bet after check-bet
  const auto dist = node_hand_distributions(solved(), n);
  ASSERT_TRUE(dist.has_value());
  const std::array<std::vector<double>, 2> reach{oracle.reach(n, 0), oracle.reach(n, 1)};
  for (int s = 0; s < 2; ++s) {
    const auto& texts = s == 0 ? dist->oop_hands : dist->ip_hands;
    const auto& evs = s == 0 ? dist->ev_oop : dist->ev_ip;
    const auto& equities = s == 0 ? dist->equity_oop : dist->equity_ip;
    const std::vector<double> expected = oracle.hand_evs(n, s, reach[1 - s], oracle.half_pot(n));
    const auto& pockets = game().cards.pockets[s];
    std::size_t listed = 0;
    for (std::size_t h = 0; h < pockets.size(); ++h) {
      if (!(reach[s][h] > 0.0)) continue;
      ASSERT_LT(listed, texts.size());
      EXPECT_EQ(spots::pocket_of(texts[listed]), pockets[h]);
      EXPECT_NEAR(evs[listed], expected[h], kMoneyTolerance);
      std::vector<double> single(pockets.size(), 0.0);
      single[h] = 1.0;
      const double exact = oracle.equity(s, single, reach[1 - s]);
      if (!std::isnan(exact)) {
        EXPECT_NEAR(equities[listed], exact, 1e-9) << texts[listed];
      }
      ++listed;
    }
    EXPECT_EQ(listed, texts.size());
  }
  // The same node gives the same equities every time.
  const auto again = node_hand_distributions(solved(), n);
  ASSERT_TRUE(again.has_value());
  for (std::size_t i = 0; i < dist->equity_ip.size(); ++i) {
    const double a = dist->equity_ip[i];
    const double b = again->equity_ip[i];
    EXPECT_TRUE((std::isnan(a) && std::isnan(b)) || a == b);
  }
}

TEST_F(RiverQueries, ProbabilitiesSumToOne) {
  for (std::size_t n : decision_nodes()) {
    const std::size_t actions = game().plan.nodes[n].actions.size();
    const auto rows = node_hand_combos(solved(), n);
    ASSERT_TRUE(rows.has_value());
    for (const ComboRow& row : *rows) {
      EXPECT_NEAR(std::accumulate(row.action_probs.begin(), row.action_probs.end(), 0.0), 1.0,
                  1e-5);
    }
    const auto strategy = node_hand_strategy(solved(), n);
    ASSERT_TRUE(strategy.has_value());
    ASSERT_EQ(strategy->hand_labels.size(), 169u);
    ASSERT_EQ(strategy->action_probs.size(), 169u * actions);
    for (std::size_t k = 0; k < 169; ++k) {
      const double sum = std::accumulate(
          strategy->action_probs.begin() + static_cast<long>(k * actions),
          strategy->action_probs.begin() + static_cast<long>((k + 1) * actions), 0.0);
      if (strategy->weights[k] > 0.0f) {
        EXPECT_NEAR(sum, 1.0, 1e-5) << strategy->hand_labels[k];
        EXPECT_FALSE(strategy->dominant_types[k].empty());
      } else {
        EXPECT_EQ(sum, 0.0);
        EXPECT_TRUE(strategy->dominant_types[k].empty());
      }
    }
    const auto buckets = node_hand_buckets(solved(), n);
    ASSERT_TRUE(buckets.has_value());
    ASSERT_FALSE(buckets->empty());
    for (const BucketRow& row : *buckets) {
      EXPECT_GT(row.combos, 0.0);
      EXPECT_NEAR(std::accumulate(row.action_probs.begin(), row.action_probs.end(), 0.0), 1.0,
                  1e-5);
    }
  }
}

TEST_F(RiverQueries, StrategyClassWeightsAreRootReach) {
  const auto strategy = node_hand_strategy(solved(), 0);
  ASSERT_TRUE(strategy.has_value());
  std::vector<double> expected(169, 0.0);
  const auto& pockets = game().cards.pockets[0];
  for (std::size_t h = 0; h < pockets.size(); ++h) {
    expected[hand_class_index(static_cast<halvory::CardCode>(pockets[h] & 0xFF),
                              static_cast<halvory::CardCode>(pockets[h] >> 8))] +=
        game().cards.reach_raw[0][h];
  }
  for (std::size_t k = 0; k < 169; ++k)
    EXPECT_NEAR(strategy->weights[k], expected[k], 1e-3 * (1.0 + expected[k]));
  // QQ on a board with the queen of spades: three combos left.
  EXPECT_GT(strategy->weights[28], 0.0f);
  EXPECT_EQ(strategy->hand_labels[28], "QQ");
}

TEST_F(RiverQueries, FoldIsWorthNothingInCash) {
  for (std::size_t n : {decision_nodes()[2], decision_nodes()[3]}) {
    const auto& record = game().plan.nodes[n];
    const auto fold = static_cast<std::size_t>(
        std::find_if(record.actions.begin(), record.actions.end(),
                     [](const halvory::Action& a) { return a.kind == ActionKind::Fold; }) -
        record.actions.begin());
    ASSERT_LT(fold, record.actions.size());
    spots::RiverOracle oracle(game(), solver());
    const std::vector<double> opponent_reach = oracle.reach(n, 1 - record.seat);
    const auto& pockets = game().cards.pockets[record.seat];
    const auto rows = node_hand_combos(solved(), n);
    ASSERT_TRUE(rows.has_value());
    for (const ComboRow& row : *rows) {
      const auto pocket = spots::pocket_of(row.c1 + row.c2);
      const std::size_t h = static_cast<std::size_t>(
          std::find(pockets.begin(), pockets.end(), pocket) - pockets.begin());
      bool meets_someone = false;
      for (std::size_t j = 0; j < opponent_reach.size(); ++j) {
        meets_someone |= opponent_reach[j] > 0.0 && oracle.compatible(record.seat, h, j);
      }
      if (meets_someone) {
        EXPECT_NEAR(row.action_evs[fold], 0.0, 0.05) << row.c1 << row.c2;
      }
    }
    const auto pocket = game().cards.pockets[record.seat][3];
    const auto evs = node_pocket_action_evs(
        solved(), n, record.seat, halvory::card_to_string(static_cast<std::int8_t>(pocket & 0xFF)),
        halvory::card_to_string(static_cast<std::int8_t>(pocket >> 8)));
    ASSERT_TRUE(evs.has_value());
    EXPECT_NEAR((*evs)[fold], 0.0, 0.05);
  }
}

TEST_F(RiverQueries, NoValueOffDecisionNodesPastTheEndAndWithoutSolve) {
  std::size_t terminal = 0;
  while (game().plan.nodes[terminal].kind != NodeKind::Terminal) ++terminal;
  const std::uint64_t past_end = game().plan.nodes.size();
  for (std::uint64_t n : {static_cast<std::uint64_t>(terminal), past_end}) {
    EXPECT_FALSE(node_action_stats(solved(), n));
    EXPECT_FALSE(node_hand_buckets(solved(), n));
    EXPECT_FALSE(node_hand_strategy(solved(), n));
    EXPECT_FALSE(node_hand_combos(solved(), n));
    EXPECT_FALSE(node_pocket_action_evs(solved(), n, 0, "Ah", "Ad"));
  }
  EXPECT_FALSE(node_ev(solved(), past_end, 0));
  EXPECT_FALSE(node_hand_distributions(solved(), past_end));
  EXPECT_FALSE(node_seat_hand_combos(solved(), past_end, 0));
  // Terminals still have an EV and a hand list.
  EXPECT_TRUE(node_ev(solved(), terminal, 0));
  EXPECT_TRUE(node_seat_hand_combos(solved(), terminal, 1));

  const SolvedGame cleared;
  EXPECT_FALSE(node_action_stats(cleared, 0));
  EXPECT_FALSE(node_hand_buckets(cleared, 0));
  EXPECT_FALSE(node_hand_distributions(cleared, 0));
  EXPECT_FALSE(node_hand_strategy(cleared, 0));
  EXPECT_FALSE(node_hand_combos(cleared, 0));
  EXPECT_FALSE(node_ev(cleared, 0, 0));
  EXPECT_FALSE(node_pocket_action_evs(cleared, 0, 0, "Ah", "Ad"));
  EXPECT_FALSE(node_seat_hand_combos(cleared, 0, 0));
}

TEST_F(RiverQueries, MalformedInputGivesNoValue) {
  const auto pocket = game().cards.pockets[0].front();
  const std::string c1 = halvory::card_to_string(static_cast<std::int8_t>(pocket & 0xFF));
  const std::string c2 = halvory::card_to_string(static_cast<std::int8_t>(pocket >> 8));
  ASSERT_TRUE(node_pocket_action_evs(solved(), 0, 0, c1, c2));
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 0, c1, c1));  // a card twice
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 1, c1, c2));  // not the seat to act
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 7, c1, c2));
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 0, "Xh", c2));  // not a card
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 0, "A", c2));   // too short
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 0, "", ""));
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 0, "7h", "2c"));  // not in the range
  EXPECT_FALSE(node_pocket_action_evs(solved(), 0, 0, "Qs", "Qh"));  // holds a board card
  EXPECT_FALSE(node_ev(solved(), 0, 2));
  EXPECT_FALSE(node_ev(solved(), 0, -1));
  EXPECT_FALSE(node_seat_hand_combos(solved(), 0, 2));
}

TEST_F(RiverQueries, ActionStatsAreRepeatable) {
  const auto first = node_action_stats(solved(), 0);
  const auto second = node_action_stats(solved(), 0);
  ASSERT_TRUE(first && second);
  EXPECT_EQ(first->names, second->names);
  EXPECT_EQ(first->evs, second->evs);
  for (std::size_t a = 0; a < first->equities.size(); ++a) {
    EXPECT_TRUE(first->equities[a] == second->equities[a] ||
                (std::isnan(first->equities[a]) && std::isnan(second->equities[a])));
  }
  EXPECT_EQ(first->names.front(), "Check");
  EXPECT_EQ(first->action_types.front(), "check");
}

TEST_F(RiverQueries, SeatHandCombosListTheRangeAtTheRoot) {
  for (int s = 0; s < 2; ++s) {
    const auto rows = node_seat_hand_combos(solved(), 0, s);
    ASSERT_TRUE(rows.has_value());
    ASSERT_EQ(rows->size(), game().cards.pockets[s].size());
    for (std::size_t h = 0; h < rows->size(); ++h) {
      EXPECT_EQ(spots::pocket_of((*rows)[h].c1 + (*rows)[h].c2), game().cards.pockets[s][h]);
      EXPECT_EQ((*rows)[h].weight, game().cards.weights[s][h]);
      EXPECT_TRUE((*rows)[h].action_evs.empty() && (*rows)[h].buckets.empty());
    }
  }
}

}  // namespace
}  // namespace halvory_app
