// One meaning for every EV figure: the result summary, the node EV and the
// action rows agree at the root, and in ICM mode every figure is the seat's
// expected prize, checked against hand-computed chip-model values.

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <numeric>
#include <optional>

#include "queries/node_queries.hpp"
#include "river_oracle.hpp"
#include "session/solve_session.hpp"
#include "solved_spot.hpp"

namespace halvory_app {
namespace {

using halvory::ActionKind;

// Starts a solve and waits for its final report.
ResultSnapshot solve_in_session(SolveSession& session, const SolveConfig& request) {
  std::mutex mutex;
  std::condition_variable changed;
  std::optional<ResultSnapshot> result;
  const bool started = session.start(request, [&](const SolveProgress& report) {
    if (!report.result) return;
    std::lock_guard lock(mutex);
    result = report.result;
    changed.notify_all();
  });
  EXPECT_TRUE(started);
  std::unique_lock lock(mutex);
  changed.wait_for(lock, std::chrono::seconds(120), [&] { return result.has_value(); });
  return result.value_or(ResultSnapshot{});
}

std::size_t child_of(const halvory::Game& game, std::size_t node, ActionKind kind) {
  const auto& record = game.plan.nodes[node];
  for (std::size_t a = 0; a < record.actions.size(); ++a) {
    if (record.actions[a].kind == kind) return record.children[a];
  }
  ADD_FAILURE() << "no such action";
  return 0;
}

TEST(EvConvention, RootEvIsOneFigureInSummaryNodeEvAndActionRows) {
  SolveSession session;
  const ResultSnapshot summary = solve_in_session(session, spots::river_request());
  ASSERT_TRUE(summary.ok) << summary.error;
  const SolvedGame solved = solved_game_of(session);
  const halvory::Game& game = *solved.game;
  const auto ev_oop = node_ev(solved, 0, 0);
  const auto ev_ip = node_ev(solved, 0, 1);
  ASSERT_TRUE(ev_oop && ev_ip);
  EXPECT_NEAR(summary.ev_oop, *ev_oop, 1e-5 * std::abs(*ev_oop));
  EXPECT_NEAR(summary.ev_ip, *ev_ip, 1e-5 * std::abs(*ev_ip));
  // Each seat's share of the pot: together the whole pot (no rake).
  EXPECT_NEAR(*ev_oop + *ev_ip, game.config.starting_pot, 1e-2);

  // The root's action rows, each weighted by the hand pairs taking it.
  spots::RiverOracle oracle(game, *solved.solver);
  const auto stats = node_action_stats(solved, 0);
  ASSERT_TRUE(stats.has_value());
  const auto& own = game.cards.weights[0];
  const auto& opponent = game.cards.weights[1];
  const std::vector<float> sigma = solved.solver->average_strategy(0);
  const std::size_t hands = own.size();
  double sum = 0.0;
  double total = 0.0;
  for (std::size_t a = 0; a < stats->evs.size(); ++a) {
    double weight = 0.0;
    for (std::size_t h = 0; h < hands; ++h) {
      for (std::size_t j = 0; j < opponent.size(); ++j) {
        if (oracle.compatible(0, h, j)) weight += sigma[a * hands + h] * own[h] * opponent[j];
      }
    }
    sum += weight * stats->evs[a];
    total += weight;
  }
  EXPECT_NEAR(sum / total, *ev_oop, 1e-5 * std::abs(*ev_oop));
}

// Expected prizes of two players by the chip model, payouts 70 and 30 (in
// hundredths, as the controller hands them on): stacks a and b.
double prize_of_first(double a, double b) {
  if (b <= 0.0) return 7000.0;
  if (a <= 0.0) return 3000.0;
  return a / (a + b) * 7000.0 + b / (a + b) * 3000.0;
}

TEST(EvConvention, IcmFiguresAreExpectedPrizesComputedByHand) {
  // OOP's aces always beat IP's kings. Pot 10 chips, seat stacks 50 and 30
  // chips; OOP may check or move all-in, IP can only check or answer.
  SolveConfig request;
  request.board = "2c3d7h8sJd";
  request.starting_street = "river";
  request.utility_model = "icm";
  request.starting_pot = 1000;
  request.effective_stack = 0;  // the smaller seat stack, 30 chips
  request.oop_stack = 5000;
  request.ip_stack = 3000;
  request.icm_payouts = {7000, 3000};
  request.oop_range = "AA";
  request.ip_range = "KK";
  request.oop_river = {"a", "", false, false};
  request.max_iterations = 200;
  request.target_exploitability = 0.0f;

  SolveSession session;
  const ResultSnapshot summary = solve_in_session(session, request);
  ASSERT_TRUE(summary.ok) << summary.error;
  const SolvedGame solved = solved_game_of(session);
  const halvory::Game& game = *solved.game;

  // IP facing the all-in: folding leaves stacks 60 / 30, calling busts IP.
  const std::size_t facing = child_of(game, 0, ActionKind::AllIn);
  const double fold = prize_of_first(3000, 6000);
  const double call = prize_of_first(0, 9000);
  const auto pocket = node_pocket_action_evs(solved, facing, 1, "Kc", "Kd");
  ASSERT_TRUE(pocket.has_value());
  ASSERT_EQ(pocket->size(), 2u);
  EXPECT_NEAR((*pocket)[0], fold, 1e-2);
  EXPECT_NEAR((*pocket)[1], call, 1e-2);
  const auto stats = node_action_stats(solved, facing);
  ASSERT_TRUE(stats.has_value());
  EXPECT_NEAR(stats->evs[0], fold, 1e-2);  // no hand calls: that row has no value to check

  // After the fold: OOP has taken the pot, stacks 60 / 30.
  const std::size_t folded = child_of(game, facing, ActionKind::Fold);
  const auto oop_after_fold = node_ev(solved, folded, 0);
  const auto ip_after_fold = node_ev(solved, folded, 1);
  ASSERT_TRUE(oop_after_fold && ip_after_fold);
  EXPECT_NEAR(*oop_after_fold, prize_of_first(6000, 3000), 1e-2);
  EXPECT_NEAR(*ip_after_fold, prize_of_first(3000, 6000), 1e-2);

  // The summary is in the same prize unit: the two seats share the prizes.
  const auto root_oop = node_ev(solved, 0, 0);
  ASSERT_TRUE(root_oop.has_value());
  EXPECT_NEAR(summary.ev_oop, *root_oop, 1e-2);
  EXPECT_GE(summary.ev_oop, prize_of_first(6000, 3000) - 1e-2);
  EXPECT_LE(summary.ev_oop, 7000.0);
  EXPECT_NEAR(summary.ev_oop + summary.ev_ip, 10000.0, 1e-2);
}

}  // namespace
}  // namespace halvory_app
