// ICM equities against the place-by-place Harville walk, the known small
// cases, and the payoffs of terminals (including their process-wide cache
// under concurrent use).

#include "solver/icm.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <string>
#include <numeric>
#include <random>
#include <thread>
#include <vector>

#include "cards/refusal.hpp"
#include "payoff_fixture.hpp"

namespace {

using namespace payoff_fixture;
using halvory::icm_equities;
using V = std::vector<double>;

void expect_relative(const V& got, const V& want, double rel, const char* what) {
  ASSERT_EQ(got.size(), want.size()) << what;
  for (std::size_t i = 0; i < got.size(); ++i)
    EXPECT_NEAR(got[i], want[i], rel * std::max(std::abs(want[i]), 1e-300))
        << what << " player " << i;
}

TEST(IcmEquities, KnownCases) {
  expect_relative(icm_equities({100, 100}, {70, 30}), {50, 50}, 1e-12, "equal stacks");
  expect_relative(icm_equities({300, 100}, {70, 30}), {60, 40}, 1e-12, "3:1");
  expect_relative(icm_equities({100, 0, 0}, {50, 30, 20}), {50, 25, 25}, 1e-12, "two busted");
  expect_relative(icm_equities({0, 0}, {70, 30}), {50, 50}, 1e-12, "nobody live");
  // More places than players: with nobody busted the extra places pay nobody.
  const V extra = icm_equities({100, 50}, {50, 30, 20});
  EXPECT_NEAR(extra[0] + extra[1], 80, 1e-12);
  expect_relative(extra, {50 * 2.0 / 3 + 30 / 3.0, 50 / 3.0 + 30 * 2.0 / 3}, 1e-12, "extra places");
  // ... and with a busted player they go to the busted players only.
  expect_relative(icm_equities({100, 0, 300}, {50, 30, 20, 10}),
                  {0.25 * 50 + 0.75 * 30, 30, 0.75 * 50 + 0.25 * 30}, 1e-12,
                  "busted take the rest");
  EXPECT_TRUE(icm_equities({}, {50}).empty());
  EXPECT_EQ(icm_equities({1, 2}, {}), (V{0, 0}));
  const V nan_busted = icm_equities({NAN, 100}, {70, 30});
  expect_relative(nan_busted, {30, 70}, 1e-12, "NaN stack is busted");
}

TEST(IcmEquities, EqualThePlaceByPlaceWalkOnRandomTables) {
  std::mt19937 rng(42);
  std::uniform_int_distribution<int> stack(1, 20000);
  int checked = 0;
  for (std::size_t players = 1; players <= 9; ++players)
    for (std::size_t places = 1; places <= players + 2; ++places)
      for (int rep = 0; rep < 3; ++rep) {
        V stacks(players), payouts(places);
        for (double& s : stacks) s = rng() % 5 == 0 ? 0.0 : stack(rng);
        for (std::size_t k = 0; k < places; ++k) payouts[k] = 1000.0 / double(k + 1) + rng() % 7;
        const V got = icm_equities(stacks, payouts);
        const V want = harville_reference(stacks, payouts);
        expect_relative(got, want, 1e-9, "random table");
        ++checked;
      }
  EXPECT_GT(checked, 100);
}

// Up to where the walk over orders is still cheap, both ways of computing:
// every place count, busted players among the live ones.
TEST(IcmEquities, EqualThePlaceByPlaceWalkOnLargerTables) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> stack(1, 900000);
  for (std::size_t players = 10; players <= 11; ++players)
    for (std::size_t places = 1; places <= players; places += players == 11 ? 3 : 1) {
      V stacks(players), payouts(places);
      for (double& s : stacks) s = rng() % 7 == 0 ? 0.0 : stack(rng);
      for (std::size_t k = 0; k < places; ++k) payouts[k] = 5000.0 / double(k + 1) + rng() % 11;
      expect_relative(icm_equities(stacks, payouts), harville_reference(stacks, payouts), 1e-9,
                      "larger table");
    }
}

// Lists whose walk over orders would never end: equal stacks share the
// prizes equally, and the paid prizes are kept whole.
TEST(IcmEquities, ManyPaidPlacesStayExact) {
  V payouts(21);
  for (std::size_t k = 0; k < payouts.size(); ++k) payouts[k] = 10000.0 - 400.0 * double(k);
  const double all = std::accumulate(payouts.begin(), payouts.end(), 0.0);
  expect_relative(icm_equities(V(21, 5000.0), payouts), V(21, all / 21), 1e-9, "21 equal");
  V stacks(21);
  for (std::size_t i = 0; i < stacks.size(); ++i) stacks[i] = 1000.0 + 613.0 * double(i * i % 17);
  const V eq = icm_equities(stacks, payouts);
  EXPECT_NEAR(std::accumulate(eq.begin(), eq.end(), 0.0), all, 1e-9 * all);
  for (std::size_t i = 0; i < stacks.size(); ++i)
    for (std::size_t j = 0; j < stacks.size(); ++j)
      if (stacks[i] > stacks[j]) {
        EXPECT_GT(eq[i], eq[j]);
      }
  // Two players with 22 places: only the two live places are paid to them.
  expect_relative(icm_equities({300, 100}, V(22, 1.0)), {1, 1}, 1e-12, "more places");
}

TEST(IcmEquities, WorkPastTheLimitIsRefusedBeforeItStarts) {
  EXPECT_LE(halvory::icm_equity_steps(21, 21), halvory::kIcmStepLimit);
  EXPECT_LE(halvory::icm_equity_steps(22, 8), halvory::kIcmStepLimit);
  EXPECT_LE(halvory::icm_equity_steps(200, 3), halvory::kIcmStepLimit);
  EXPECT_NO_THROW(halvory::check_icm_work(25, 21, 21));  // four busted
  try {
    halvory::check_icm_work(30, 30, 30);
    ADD_FAILURE() << "30 places among 30 players accepted";
  } catch (const halvory::RefusedArgument& refused) {
    EXPECT_EQ(refused.refusal().code, halvory::RefusalCode::icm_too_many_places);
    const std::size_t limit = halvory::icm_place_limit(30);
    EXPECT_LT(limit, 30u);
    EXPECT_GE(limit, 5u);
    EXPECT_EQ(refused.refusal().args,
              (std::vector<std::string>{"30", "30", std::to_string(limit)}));
    EXPECT_NO_THROW(halvory::check_icm_work(30, 30, limit));
    EXPECT_THROW(halvory::check_icm_work(30, 30, limit + 1), halvory::RefusedArgument);
  }
  // A game is refused the same way.
  GameConfig config = cash_config(1000, 0.0, 0.0);
  config.icm = 1;
  config.oop_stack = config.ip_stack = 5000;
  config.icm_other_stacks = std::vector<std::int32_t>(28, 3000);
  config.icm_payouts = std::vector<std::int32_t>(30, 100);
  EXPECT_THROW(halvory::IcmTable{config}, halvory::RefusedArgument);
}

// The outcome table is cancelled between and inside its computations.
TEST(IcmPayoffs, RaisedCancelStopsTheTable) {
  GameConfig config = cash_config(1000, 0.0, 0.0);
  config.icm = 1;
  config.oop_stack = config.ip_stack = 5000;
  config.icm_other_stacks = std::vector<std::int32_t>(19, 3000);
  config.icm_payouts = std::vector<std::int32_t>(21, 100);
  const std::atomic<bool> raised{true};
  EXPECT_THROW(halvory::IcmTable(config, &raised), halvory::BuildCancelled);
  EXPECT_THROW(halvory::icm_equities(V(21, 10.0), V(3, 1.0), &raised), halvory::BuildCancelled);
}

TEST(IcmEquities, ConserveThePaidPrizes) {
  // All live: the first min(n, p) places are paid out in full.
  const V stacks{1200, 900, 4000, 300, 2500, 700, 1800, 3100, 650};
  const V payouts{3000, 2000, 1400, 1000, 800, 600, 500, 400, 300};
  const V eq = icm_equities(stacks, payouts);
  EXPECT_NEAR(std::accumulate(eq.begin(), eq.end(), 0.0),
              std::accumulate(payouts.begin(), payouts.end(), 0.0), 1e-9);
  // A bigger stack never has less equity.
  for (std::size_t i = 0; i < stacks.size(); ++i)
    for (std::size_t j = 0; j < stacks.size(); ++j)
      if (stacks[i] > stacks[j]) {
        EXPECT_GT(eq[i], eq[j]);
      }
  // Many players, few places (the order walk stays cheap there).
  V many(24);
  for (std::size_t i = 0; i < many.size(); ++i) many[i] = 100.0 + 37.0 * double(i);
  expect_relative(icm_equities(many, {50, 30, 20}), harville_reference(many, {50, 30, 20}), 1e-9,
                  "24 players");
}

TEST(IcmPairEquities, ShiftTheTwoSeatsAndFloorAtZero) {
  const V stacks{300, 100, 200}, payouts{60, 40};
  const auto [a, b] = halvory::icm_pair_equities(stacks, payouts, 100, -100);
  const V want = harville_reference({400, 0, 200}, payouts);
  EXPECT_NEAR(a, want[0], 1e-12);
  EXPECT_NEAR(b, want[1], 1e-12);
  const auto [c, d] = halvory::icm_pair_equities(stacks, payouts, -500, 0);
  const V floored = harville_reference({0, 100, 200}, payouts);
  EXPECT_NEAR(c, floored[0], 1e-12);
  EXPECT_NEAR(d, floored[1], 1e-12);
  const auto [e, f] = halvory::icm_pair_equities({500}, payouts, 0, 50);
  EXPECT_NEAR(e, 60, 1e-12);
  EXPECT_EQ(f, 0.0);
}

GameConfig nine_handed() {
  GameConfig config = cash_config(1000, 0.0, 0.0);
  config.icm = 1;
  config.oop_stack = 0;  // falls back to the effective stack
  config.effective_stack = 250000;
  config.ip_stack = 410000;
  config.icm_other_stacks = {120000, 530000, 90000, 310000, 0, 700000, 150000};
  config.icm_payouts = {300000, 200000, 140000, 100000, 80000, 60000, 50000, 40000, 30000};
  return config;
}

std::unique_ptr<Game> river_game(const GameConfig& config) {
  return make_game("Kd7c2sAh3d", hands_range({"QsQd", "JhJd"}), hands_range({"JcTc", "9h9d"}),
                   false, config);
}

TEST(IcmPayoffs, EqualTheDefinitionForEveryOutcome) {
  const GameConfig config = nine_handed();
  auto game = river_game(config);
  std::mt19937 rng(5);
  for (int k = 0; k < 60; ++k) {
    const std::int32_t c0 = std::int32_t(rng() % 250000), c1 = std::int32_t(rng() % 250000);
    const double pot = double(c0 + c1 + 1000) * (k % 3 == 0 ? 0.95 : 1.0);
    NodeRecord node = showdown_node(c0 + c1 + 1000, 0, {c0, c1}, 0, 1);
    for (int seat = 0; seat < 2; ++seat) {
      const double m = 0.5 + k;
      const auto got = halvory::icm_payoffs(*game, node, std::uint8_t(seat), pot, m);
      const auto want = icm_payoffs_reference(config, {c0, c1}, seat, pot, m);
      for (int o = 0; o < 3; ++o) EXPECT_NEAR(got[o], want[o], 1e-9 * std::abs(want[o]) + 1e-12);
      // Asked again (now from the table), the same numbers.
      EXPECT_EQ(halvory::icm_payoffs(*game, node, std::uint8_t(seat), pot, m), got);
    }
  }
}

TEST(IcmPayoffs, ZeroOutsideIcmOrWithoutMatchupWeight) {
  GameConfig config = nine_handed();
  auto game = river_game(config);
  const NodeRecord node = showdown_node(3000, 1000, {1000, 1000}, 0, 1);
  EXPECT_EQ(halvory::icm_payoffs(*game, node, 0, 3000, 0.0), (std::array<double, 3>{0, 0, 0}));
  EXPECT_EQ(halvory::icm_payoffs(*game, node, 0, 3000, -1.0), (std::array<double, 3>{0, 0, 0}));
  config.icm = 0;
  auto cash = river_game(config);
  EXPECT_EQ(halvory::icm_payoffs(*cash, node, 0, 3000, 1.0), (std::array<double, 3>{0, 0, 0}));
  config.icm = 1;
  config.icm_payouts.clear();
  auto no_payouts = river_game(config);
  EXPECT_EQ(halvory::icm_payoffs(*no_payouts, node, 1, 3000, 1.0),
            (std::array<double, 3>{0, 0, 0}));
}

// Each game owns its table: none outside ICM mode; a configuration changed
// after the build is still answered by its own inputs, never the table's.
TEST(IcmPayoffs, EachGameOwnsTheTableOfItsInputs) {
  GameConfig config = nine_handed();
  auto game = river_game(config);
  ASSERT_NE(game->icm, nullptr);
  EXPECT_TRUE(game->icm->serves(config));
  config.icm = 0;
  EXPECT_EQ(river_game(config)->icm, nullptr);

  const NodeRecord node = showdown_node(41000, 0, {20000, 20000}, 0, 1);
  game->config.icm_payouts = {60, 40};
  GameConfig changed = nine_handed();
  changed.icm_payouts = {60, 40};
  const auto want = icm_payoffs_reference(changed, {20000, 20000}, 0, 41000.0, 1.0);
  const auto got = halvory::icm_payoffs(*game, node, 0, 41000.0, 1.0);
  for (int o = 0; o < 3; ++o) EXPECT_NEAR(got[o], want[o], 1e-9 * std::abs(want[o]) + 1e-12);
}

// Two games with different ICM inputs, asked alternately from several
// threads at once: every answer is that of its own game's table.
TEST(IcmPayoffs, EachGameTableServesItsOwnConfigurationFromManyThreads) {
  GameConfig a = nine_handed();
  GameConfig b = nine_handed();
  b.icm_other_stacks[0] += 1;  // a different table
  GameConfig c = a;
  c.icm_payouts = {60, 40};
  auto ga = river_game(a), gb = river_game(b), gc = river_game(c);
  const Game* games[] = {ga.get(), gb.get(), gc.get()};
  const GameConfig* configs[] = {&a, &b, &c};

  struct Case {
    int game;
    std::int32_t c0, c1;
    int seat;
  };
  std::vector<Case> cases;
  std::vector<std::array<double, 3>> want;
  std::mt19937 rng(9);
  for (int k = 0; k < 90; ++k) {
    Case cs{k % 3, std::int32_t(rng() % 40 * 5000), std::int32_t(rng() % 40 * 5000), k % 2};
    cases.push_back(cs);
    want.push_back(icm_payoffs_reference(*configs[cs.game], {cs.c0, cs.c1}, cs.seat,
                                         cs.c0 + cs.c1 + 1000.0, 2.0));
  }
  std::vector<std::thread> threads;
  std::vector<int> failures(6, 0);
  for (int t = 0; t < 6; ++t)
    threads.emplace_back([&, t] {
      for (int round = 0; round < 20; ++round)
        for (std::size_t k = (t * 7 + round) % cases.size(), n = 0; n < cases.size();
             ++n, k = (k + 1) % cases.size()) {
          const Case& cs = cases[k];
          const NodeRecord node = showdown_node(cs.c0 + cs.c1 + 1000, 0, {cs.c0, cs.c1}, 0, 1);
          const auto got = halvory::icm_payoffs(*games[cs.game], node, std::uint8_t(cs.seat),
                                                cs.c0 + cs.c1 + 1000.0, 2.0);
          for (int o = 0; o < 3; ++o)
            if (!(std::abs(got[o] - want[k][o]) <= 1e-9 * std::abs(want[k][o]) + 1e-12))
              ++failures[t];
        }
    });
  for (auto& th : threads) th.join();
  for (int t = 0; t < 6; ++t) EXPECT_EQ(failures[t], 0) << "thread " << t;
}

}  // namespace
