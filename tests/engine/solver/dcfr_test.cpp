// The DCFR iteration, value passes and run loop on small spots with known
// answers.

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "dcfr_spot.hpp"
#include "solver/dcfr.hpp"

namespace {

using namespace halvory;
using dcfr_test::Spot;

// River: OOP holds AA and may only check; IP holds KK (beats AA) and QJo
// (loses) and may bet the pot once. The equilibrium: IP bets every KK and
// bluffs 1/8 of its QJo (one bluff per two value bets), OOP calls half.
Spot toy_river() {
  Spot spot;
  spot.board = "Kh8d5c3s2h";
  spot.oop_range = "AA";
  spot.ip_range = "KK,QJo";
  spot.pot = 10.0;
  spot.stack = 100.0;
  spot.bets[2] = {"", "100%"};
  return spot;
}

// River, realistic ranges (the benchmark's spot R, fewer sizes).
Spot river_spot() {
  Spot spot;
  spot.board = "Ks7d2c5h9s";
  spot.pot = 22.8;
  spot.stack = 88.9;
  spot.oop_range =
      "22-JJ,A2s-AJs,K2s-KJs,Q2s-QJs,J4s-JTs,T6s-T9s,96s+,85s+,74s+,63s+,53s+,43s,A2o-AJo,"
      "K8o-KJo,Q9o-QJo,J9o-JTo,T8o+,98o,87o";
  spot.ip_range = "22+,A2s+,K2s+,Q4s+,J6s+,T6s+,96s+,86s+,75s+,65s,54s,A2o+,K8o+,Q9o+,J9o+,T9o,98o";
  spot.sizes("33%, 75%", "100%");
  return spot;
}

// A small two-tone turn: diamonds and hearts are interchangeable, so the
// river level is reduced by the suit isomorphism.
Spot turn_spot() {
  Spot spot;
  spot.board = "Ks7s2c5c";
  spot.pot = 10.0;
  spot.stack = 40.0;
  spot.oop_range = "QQ+,AK,AQs,KQs,JTs,T9s,98s,87s,76s,65s,A5s,77,55,22,KJ";
  spot.ip_range = "JJ-88,AQ,KQ,KJs,QJs,JTs,T9s,A4s-A2s,K9s,66-33,QTs";
  spot.bets[1] = {"50%", "50%"};
  spot.bets[2] = {"75%", "75%"};
  return spot;
}

std::vector<float> measured_exploitabilities(dcfr_test::Solver& solver, const Game& game,
                                             std::uint32_t iterations, std::uint32_t interval) {
  std::vector<float> measured;
  dcfr_test::Steps(solver).config().max_iterations = iterations;
  dcfr_test::Steps(solver).config().exploitability_interval = interval;
  dcfr_test::Steps(solver).config().on_iteration = [&](unsigned t, float e, double) {
    if (t % interval == 0) measured.push_back(e);
  };
  solver.run(game);
  return measured;
}

bool is_pair_of(const Game& game, Seat seat, std::size_t hand, int rank) {
  const Pocket p = game.cards.pockets[seat][hand];
  return (p & 0xff) / 4 == rank && (p >> 8) / 4 == rank;
}

TEST(DcfrToyRiver, ConvergesToKnownEquilibrium) {
  const Spot spot = toy_river();
  auto game = build_game(spot);
  dcfr_test::Solver solver(dcfr_test::make_config(2000, 1));
  solver.run(*game);

  const NodeRecord& root = game->nodes[0];
  ASSERT_EQ(root.actions.size(), 1u);  // OOP may only check
  const std::size_t ip_node = root.children[0];
  const int bet = dcfr_test::action_index(*game, ip_node, ActionKind::Bet);
  ASSERT_GE(bet, 0);
  const std::size_t H_ip = game->cards.pockets[1].size();
  ASSERT_EQ(H_ip, 3u + 12u);

  const std::vector<float> ip = solver.average_strategy(ip_node);
  ASSERT_EQ(ip.size(), game->nodes[ip_node].actions.size() * H_ip);
  double kings_bet = 0.0, bluff_bet = 0.0;
  int kings = 0, bluffs = 0;
  for (std::size_t h = 0; h < H_ip; ++h) {
    const double p = ip[bet * H_ip + h];
    if (is_pair_of(*game, 1, h, 11)) {
      kings_bet += p;
      ++kings;
    } else {
      bluff_bet += p;
      ++bluffs;
    }
  }
  EXPECT_NEAR(kings_bet / kings, 1.0, 0.02);
  EXPECT_NEAR(bluff_bet / bluffs, 0.125, 0.02);

  const std::size_t oop_node = game->nodes[ip_node].children[bet];
  const int call = dcfr_test::action_index(*game, oop_node, ActionKind::Call);
  ASSERT_GE(call, 0);
  const std::vector<float> freq = solver.average_action_frequencies(oop_node);
  ASSERT_EQ(freq.size(), game->nodes[oop_node].actions.size());
  EXPECT_NEAR(freq[call], 0.5, 0.02);

  EXPECT_LT(dcfr_test::exploitability_percent(solver.last_exploitability(), spot), 0.1);
}

TEST(DcfrWeights, ReferenceIterations) {
  struct Ref {
    std::uint32_t i;
    float positive, strategy;
  };
  const Ref refs[] = {{0, 0.0f, 0.0f},        {1, 0.0f, 0.0f},
                      {2, 0.5f, 0.125f},      {3, 0.7387961f, 0.2962963f},
                      {4, 0.8386095f, 0.0f},  {5, 0.8888889f, 0.125f},
                      {16, 0.9830780f, 0.0f}, {100, 0.9989858f, 0.9210905f}};
  for (const Ref& r : refs) {
    const DiscountWeights w = dcfr_test::Steps::discount_weights(r.i);
    EXPECT_FLOAT_EQ(w.positive, r.positive) << "i = " << r.i;
    EXPECT_FLOAT_EQ(w.strategy, r.strategy) << "i = " << r.i;
  }
  // Strategy sums restart at every power of four, the search stops at 4^15.
  for (std::uint32_t i : {64u, 256u, 1024u, 1073741824u})
    EXPECT_EQ(dcfr_test::Steps::discount_weights(i).strategy, 0.0f) << i;
  EXPECT_GT(dcfr_test::Steps::discount_weights(4294967295u).strategy, 0.99f);

  auto game = build_game(toy_river());
  dcfr_test::Solver solver(dcfr_test::make_config(3, 1));
  solver.run(*game);
  EXPECT_EQ(dcfr_test::Steps(solver).iteration(), 2u);
  EXPECT_EQ(dcfr_test::Steps(solver).weight_positive(), 0.5f);
  EXPECT_EQ(dcfr_test::Steps(solver).weight_strategy(), 0.125f);
  EXPECT_EQ(dcfr_test::Steps(solver).weight_negative(), 0.5f);
}

TEST(DcfrConvergence, RiverReachesUnderPointThreePercent) {
  const Spot spot = river_spot();
  auto game = build_game(spot);
  dcfr_test::Solver solver(dcfr_test::make_config(0, 1));
  const std::vector<float> e = measured_exploitabilities(solver, *game, 300, 50);
  ASSERT_EQ(e.size(), 6u);
  EXPECT_GT(e[0], e[1]);
  EXPECT_GT(e[1], e[5]);
  EXPECT_LT(dcfr_test::exploitability_percent(e.back(), spot), 0.3);
  EXPECT_GT(e.back(), 0.0f);  // cash without rake: a best response never loses
  // Zero-sum: the two root EVs cancel.
  const auto [ev0, ev1] = solver.compute_current_ev(*game);
  EXPECT_NEAR(ev0 + ev1, 0.0f, 1e-3f * std::fabs(ev0));
}

TEST(DcfrConvergence, TurnExploitabilityFalls) {
  const Spot spot = turn_spot();
  auto game = build_game(spot);
  dcfr_test::Solver solver(dcfr_test::make_config(0, 2));
  const std::vector<float> e = measured_exploitabilities(solver, *game, 200, 25);
  ASSERT_EQ(e.size(), 8u);
  EXPECT_GT(e[0], e[3]);
  EXPECT_GT(e[3], e[7]);
  EXPECT_LT(dcfr_test::exploitability_percent(e.back(), spot), 1.0);
}

// The first pass of the first iteration plays uniform strategies for both
// seats, which is what the value pass sees on fresh states: the two must
// agree (they sum in different orders, hence the tolerance).
TEST(DcfrIteration, FirstPassMatchesUniformValuePass) {
  auto game = build_game(turn_spot());
  dcfr_test::Solver solver(dcfr_test::make_config(0, 1));
  solver.run(*game);  // prepares the states only
  const std::vector<float> uniform = solver.node_cfvalues(*game, 0, 0);
  dcfr_test::Steps(solver).run_iteration(*game, 0);
  ASSERT_EQ(dcfr_test::Steps(solver).root_values()[0].size(), uniform.size());
  for (std::size_t h = 0; h < uniform.size(); ++h)
    EXPECT_NEAR(dcfr_test::Steps(solver).root_values()[0][h], uniform[h],
                1e-4f * (1.0f + std::fabs(uniform[h])));
}

// Chance slots naming the same child: solved once, the row copied.
TEST(DcfrIteration, SharedChanceChildIsSolvedOnceAndCopied) {
  auto game = build_game(turn_spot());
  std::size_t chance = 0;
  for (std::size_t n = 0; n < game->nodes.size(); ++n)
    if (game->nodes[n].kind == NodeKind::Chance) {
      chance = n;
      break;
    }
  ASSERT_GT(chance, 0u);
  NodeRecord& node = game->nodes[chance];
  ASSERT_GE(node.children.size(), 6u);
  node.children[2] = node.children[0];

  dcfr_test::Solver solver(dcfr_test::make_config(0, 1));
  solver.run(*game);
  EXPECT_EQ(dcfr_test::Steps(solver).children_distinct()[chance], 0);
  for (std::size_t n = 0; n < game->nodes.size(); ++n) {
    if (n != chance) {
      EXPECT_EQ(dcfr_test::Steps(solver).children_distinct()[n], 1) << n;
    }
  }

  const std::vector<float> uniform = solver.node_cfvalues(*game, 0, 0);
  dcfr_test::Steps(solver).run_iteration(*game, 0);
  for (std::size_t h = 0; h < uniform.size(); ++h)
    EXPECT_NEAR(dcfr_test::Steps(solver).root_values()[0][h], uniform[h],
                1e-4f * (1.0f + std::fabs(uniform[h])));

  // A single update under uniform play leaves regrets whose mean over the
  // actions is zero; a second visit would have scaled the negative ones.
  const std::size_t shared = node.children[0];
  ASSERT_EQ(game->nodes[shared].kind, NodeKind::Decision);
  const NodeState& state = solver.trained_state().states[shared];
  ASSERT_EQ(state.seat, 0);
  const std::size_t A = state.num_actions, H = state.num_hands;
  const std::span<const float> regrets = solver.trained_state().regrets_of(state);
  ASSERT_EQ(regrets.size(), A * H);
  for (std::size_t h = 0; h < H; ++h) {
    double mean = 0.0, scale = 0.0;
    for (std::size_t a = 0; a < A; ++a) {
      mean += regrets[a * H + h];
      scale += std::fabs(regrets[a * H + h]);
    }
    EXPECT_LE(std::fabs(mean), 1e-5 * (1.0 + scale)) << h;
  }
}

// --- Suit isomorphism and determinism -------------------------------------------

TEST(DcfrIsomorphism, MirroredRiversAreExact) {
  Spot spot = turn_spot();
  auto reduced = build_game(spot);
  spot.without_isomorphism = true;
  auto full = build_game(spot);
  Spot perturbed_spot = turn_spot();
  perturbed_spot.combo_weights = {{"AhKh", 1.0f - 1e-6f}};  // no longer suit-symmetric
  auto perturbed = build_game(perturbed_spot);
  EXPECT_LT(reduced->nodes.size(), full->nodes.size());
  EXPECT_EQ(perturbed->nodes.size(), full->nodes.size());

  // Under the same (uniform) strategies the values agree up to rounding.
  dcfr_test::Solver fresh_reduced(dcfr_test::make_config(0, 1));
  dcfr_test::Solver fresh_full(dcfr_test::make_config(0, 1));
  fresh_reduced.run(*reduced);
  fresh_full.run(*full);
  for (Seat s = 0; s < 2; ++s) {
    const std::vector<float> a = fresh_reduced.node_cfvalues(*reduced, 0, s);
    const std::vector<float> b = fresh_full.node_cfvalues(*full, 0, s);
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t h = 0; h < a.size(); ++h)
      EXPECT_NEAR(a[h], b[h], 1e-5f * (1.0f + std::fabs(b[h])));
  }

  // Solved, they agree on the root EVs and the exploitability. Exact ties
  // broken by rounding make early iterations differ, so the exploitability is
  // compared relative to the pot.
  auto solve = [](const Game& game) {
    dcfr_test::Solver solver(dcfr_test::make_config(150, 1));
    solver.run(game);
    const auto ev = solver.compute_current_ev(game);
    return std::make_pair(ev, solver.last_exploitability());
  };
  const auto [ev_reduced, e_reduced] = solve(*reduced);
  const double pot = spot.pot * 100.0;
  for (const Game* other : {full.get(), perturbed.get()}) {
    const auto [ev, e] = solve(*other);
    EXPECT_NEAR(ev.first, ev_reduced.first, 1e-3 * std::fabs(ev_reduced.first));
    EXPECT_NEAR(ev.second, ev_reduced.second, 1e-3 * std::fabs(ev_reduced.second));
    EXPECT_NEAR(e, e_reduced, 1e-3 * pot);
  }
}

void expect_bit_identical(dcfr_test::Solver& a, dcfr_test::Solver& b) {
  const halvory::TrainedState& ta = a.trained_state();
  const halvory::TrainedState& tb = b.trained_state();
  ASSERT_EQ(ta.states.size(), tb.states.size());
  for (std::size_t n = 0; n < ta.states.size(); ++n) {
    ASSERT_EQ(ta.states[n].offset, tb.states[n].offset) << "node " << n;
    ASSERT_EQ(ta.states[n].regret_scale, tb.states[n].regret_scale) << "node " << n;
    ASSERT_EQ(ta.states[n].strategy_sum_scale, tb.states[n].strategy_sum_scale) << "node " << n;
  }
  const auto same = [](const auto& x, const auto& y) {
    return std::ranges::equal(x.all(), y.all());
  };
  EXPECT_TRUE(same(ta.regrets, tb.regrets));
  EXPECT_TRUE(same(ta.strategy_sums, tb.strategy_sums));
  EXPECT_TRUE(same(ta.packed_regrets, tb.packed_regrets));
  EXPECT_TRUE(same(ta.packed_strategy_sums, tb.packed_strategy_sums));
  EXPECT_EQ(dcfr_test::Steps(a).root_values(), dcfr_test::Steps(b).root_values());
  EXPECT_EQ(std::bit_cast<std::uint32_t>(a.last_exploitability()),
            std::bit_cast<std::uint32_t>(b.last_exploitability()));
}

TEST(DcfrParallel, OneAndEightThreadsAreBitIdentical) {
  auto game = build_game(turn_spot());
  for (bool compress : {false, true}) {
    dcfr_test::Solver one(dcfr_test::make_config(30, 1, compress, 10));
    dcfr_test::Solver eight(dcfr_test::make_config(30, 8, compress, 10));
    one.run(*game);
    eight.run(*game);
    expect_bit_identical(one, eight);
    EXPECT_EQ(one.average_strategy(0), eight.average_strategy(0));
    EXPECT_EQ(one.node_cfvalues(*game, 0, 1), eight.node_cfvalues(*game, 0, 1));
  }
}

// The river subtrees valued in three passes (reaches down, terminals in
// batches, values up), in the regret pass and in both value passes, against
// the plain recursion: the same bits (arrays and exploitability), with and
// without packing, with rake and with a partly locked river node. A river
// deal whose card subtrees all have one shape is sized once for all its
// cards; one whose subtrees differ (here the first card's root lost an
// action, so a shape taken from it would be too small for the others) is
// walked card by card.
TEST(DcfrRiverBatches, SameBitsAsTheRecursion) {
  Spot spot = turn_spot();
  spot.bets[2] = {"33%, 75%", "50%, 150%"};
  spot.raises[2] = {"100%", "100%"};
  spot.rake_rate = 0.05;
  spot.rake_cap = 1.0;
  auto game = build_game(spot);
  std::size_t locked = 0;
  for (std::size_t n = 0; n < game->nodes.size() && locked == 0; ++n) {
    const NodeRecord& node = game->nodes[n];
    if (node.kind == NodeKind::Decision && node.river != kNoCard && node.actions.size() >= 3)
      locked = n;
  }
  ASSERT_NE(locked, 0u);
  const std::size_t A = game->nodes[locked].actions.size();
  const std::size_t H = game->cards.pockets[game->nodes[locked].seat].size();
  std::vector<float> lock(A * H, -0.0f);  // -0.0: free
  for (std::size_t h = 0; h < H; h += 2) lock[h] = 1.0f;
  game->assign_node_lock(locked, lock);
  std::vector<std::size_t> deals;
  for (std::size_t n = 0; n < game->nodes.size(); ++n) {
    const NodeRecord& node = game->nodes[n];
    if (node.kind == NodeKind::Chance && node.children.size() >= 2 &&
        game->nodes[node.children[0]].river != kNoCard)
      deals.push_back(n);
  }
  ASSERT_GE(deals.size(), 2u);
  const std::size_t cut = game->nodes[deals.back()].children[0];
  ASSERT_NE(cut, locked);
  ASSERT_GE(game->nodes[cut].actions.size(), 2u);
  game->nodes[cut].actions.pop_back();
  game->nodes[cut].children.pop_back();
  deals.pop_back();

  for (bool compress : {false, true}) {
    dcfr_test::Solver batched(dcfr_test::make_config(12, 4, compress, 6));
    dcfr_test::Solver plain(dcfr_test::make_config(12, 4, compress, 6));
    dcfr_test::Steps(plain).set_river_batches(false);
    batched.run(*game);
    plain.run(*game);
    expect_bit_identical(batched, plain);
    std::vector<std::size_t> shaped;
    for (const auto& shape : dcfr_test::Steps(batched).river_shapes())
      shaped.push_back(shape.chance);
    EXPECT_EQ(shaped, deals);
  }
}

// Past the scratch bounds the upper nodes go through the recursion and only
// the subtrees that fit are batched, with the same bits in the regret pass
// and in the exploitability's value passes: a game that starts on the river
// is one river subtree; on the turn, with the bounds lowered, the whole turn
// does not fit one plan, one river card's subtrees do not fit one river
// batch, and some river subtrees fit none.
TEST(DcfrRiverBatches, LargeTreesKeepScratchBounded) {
  struct Case {
    Spot spot;
    std::size_t river_floats;
    std::size_t turn_floats;
  };
  Spot deep_river = river_spot();
  deep_river.stack = 400.0;
  deep_river.sizes("25%, 33%, 50%, 75%, 100%, 150%", "50%, 100%");
  for (const Case& c : {Case{deep_river, 0, 0}, Case{turn_spot(), 1100, 10000}}) {
    SCOPED_TRACE(c.spot.board);
    auto game = build_game(c.spot);
    dcfr_test::Solver batched(dcfr_test::make_config(3, 1, false, 3));
    dcfr_test::Solver plain(dcfr_test::make_config(3, 1, false, 3));
    dcfr_test::Steps steps(batched);
    if (c.river_floats != 0) steps.river_scratch_floats() = c.river_floats;
    if (c.turn_floats != 0) steps.turn_scratch_floats() = c.turn_floats;
    dcfr_test::Steps(plain).set_river_batches(false);
    batched.run(*game);
    plain.run(*game);
    expect_bit_identical(batched, plain);
    std::size_t batched_floats = 0;
    for (const auto& stack : steps.stacks()) {
      ASSERT_NE(stack, nullptr);
      EXPECT_LE(stack->river.values.size(), steps.river_scratch_floats());
      EXPECT_LE(stack->turn.values.size(), steps.turn_scratch_floats());
      batched_floats += stack->river.values.size();
    }
    EXPECT_GT(batched_floats, 0u);  // the lower subtrees were batched
  }
}

// A flop where one pot-sized bet puts both players all-in: the all-in
// terminals see every turn and river.
Spot flop_all_in_spot() {
  Spot spot;
  spot.board = "QsJh2h";
  spot.pot = 10.0;
  spot.stack = 10.0;
  spot.oop_range = "AA,KK,AKs,KQs,T9s,76s,A5s";
  spot.ip_range = "QQ,JJ,AQs,KJs,98s,65s,AJo";
  spot.bets[0] = {"100%", "100%"};
  return spot;
}

// The flop planned down to its turn deals, whose cards and the flop's
// all-ins then run as one split, each turn card's subtrees of every line in
// one plan (here three lines reach the turn, each with all-ins on it): the
// same bits on one and eight threads as the plain recursion, in the regret
// pass and the value passes.
TEST(DcfrParallel, FlopAllInsAreBitIdenticalOnOneAndEightThreads) {
  Spot lines = flop_all_in_spot();
  lines.stack = 30.0;
  lines.bets[0] = {"50%", "50%"};
  lines.bets[1] = {"a, 50%", "a"};
  lines.bets[2] = {"50%", "50%"};
  for (const Spot& spot : {flop_all_in_spot(), lines}) {
    auto game = build_game(spot);
    for (bool compress : {false, true}) {
      dcfr_test::Solver plain(dcfr_test::make_config(6, 8, compress, 3));
      dcfr_test::Steps(plain).set_river_batches(false);
      plain.run(*game);
      for (unsigned threads : {1u, 8u}) {
        dcfr_test::Solver batched(dcfr_test::make_config(6, threads, compress, 3));
        batched.run(*game);
        expect_bit_identical(batched, plain);
        EXPECT_EQ(batched.node_cfvalues(*game, 0, 0), plain.node_cfvalues(*game, 0, 0));
      }
    }
  }
}

// Every turn card its own chunk, and the river deals inside the last ones
// split to fill idle threads: those splits take the stacks that finished
// chunks left, so the solve holds at most two stacks per thread (one for the
// chunk it waits in, one for the chunk it helps with), however the threads
// meet.
TEST(DcfrParallel, IdleThreadsAreFilledWithTheStacksAlreadyMade) {
  Spot spot;
  spot.board = "QsJh2h";
  spot.stack = 20.0;
  spot.oop_range = "22+,A2s+,K2s+,Q8s+,J8s+,T8s+,97s+,86s+,ATo+,KTo+,QTo+";
  spot.ip_range = "22+,A2s+,K5s+,Q9s+,J9s+,T9s,98s,A9o+,KJo+";
  spot.bets[2] = {"50%", "50%"};
  auto game = build_game(spot);
  constexpr unsigned kThreads = 8;
  dcfr_test::Solver solver(dcfr_test::make_config(20, kThreads, false, 10));
  solver.run(*game);
  EXPECT_LE(dcfr_test::Steps(solver).spare_stacks(), 2u * kThreads);
}

TEST(DcfrParallel, SecondRunStartsAfresh) {
  auto game = build_game(turn_spot());
  dcfr_test::Solver twice(dcfr_test::make_config(20, 4));
  twice.run(*game);
  twice.run(*game);
  dcfr_test::Solver once(dcfr_test::make_config(20, 4));
  once.run(*game);
  expect_bit_identical(once, twice);
  EXPECT_EQ(twice.iterations_completed(), 20u);
}

// The node of `b` that each node of `a` stands for, both trees walked from
// the root in action order; empty when the trees differ in shape or actions.
std::vector<std::size_t> node_map(const Game& a, const Game& b) {
  std::vector<std::size_t> map(a.nodes.size(), a.nodes.size());
  std::vector<std::pair<std::size_t, std::size_t>> stack{{0, 0}};
  while (!stack.empty()) {
    const auto [i, j] = stack.back();
    stack.pop_back();
    if (a.nodes[i].actions != b.nodes[j].actions ||
        a.nodes[i].children.size() != b.nodes[j].children.size())
      return {};
    map[i] = j;
    for (std::size_t c = 0; c < a.nodes[i].children.size(); ++c)
      stack.emplace_back(a.nodes[i].children[c], b.nodes[j].children[c]);
  }
  return map;
}

// A tree whose subtrees were built as tasks numbers its nodes otherwise but
// solves to the same bits: every node's average strategy, the root values
// and the exploitability.
TEST(DcfrParallel, TreeBuiltAsTasksSolvesTheSame) {
  const Spot spot = turn_spot();
  const auto plain = build_game(spot);
  setenv("HALVORY_ACTIONPLAN_PARALLEL_DEPTH", "2", 1);
  setenv("HALVORY_ACTIONPLAN_MAX_WORKERS", "4", 1);
  const auto tasks = build_game(spot);
  unsetenv("HALVORY_ACTIONPLAN_PARALLEL_DEPTH");
  unsetenv("HALVORY_ACTIONPLAN_MAX_WORKERS");
  const std::vector<std::size_t> map = node_map(*plain, *tasks);
  ASSERT_EQ(map.size(), plain->nodes.size());
  ASSERT_EQ(tasks->nodes.size(), plain->nodes.size());

  dcfr_test::Solver a(dcfr_test::make_config(30, 1, false, 10));
  dcfr_test::Solver b(dcfr_test::make_config(30, 1, false, 10));
  a.run(*plain);
  b.run(*tasks);
  for (std::size_t i = 0; i < map.size(); ++i) {
    if (plain->nodes[i].kind != NodeKind::Decision) continue;
    ASSERT_EQ(a.average_strategy(i), b.average_strategy(map[i])) << "node " << i;
  }
  EXPECT_EQ(dcfr_test::Steps(a).root_values(), dcfr_test::Steps(b).root_values());
  EXPECT_EQ(std::bit_cast<std::uint32_t>(a.last_exploitability()),
            std::bit_cast<std::uint32_t>(b.last_exploitability()));
}

// --- Compression ------------------------------------------------------------------

TEST(DcfrCompression, PackedSolveStaysPackedAndClose) {
  const Spot spot = toy_river();
  auto game = build_game(spot);
  dcfr_test::Solver packed(dcfr_test::make_config(2000, 1, true));
  packed.run(*game);
  std::size_t decision_nodes = 0;
  for (const NodeState& state : packed.trained_state().states) {
    if (state.initialized == 0) continue;
    ++decision_nodes;
    EXPECT_TRUE(packed.trained_state().regrets_of(state).empty());
    EXPECT_TRUE(packed.trained_state().strategy_sums_of(state).empty());
    EXPECT_EQ(packed.trained_state().packed_regrets_of(state).size(),
              state.num_actions * state.num_hands);
    EXPECT_EQ(packed.trained_state().packed_strategy_sums_of(state).size(),
              state.num_actions * state.num_hands);
  }
  EXPECT_EQ(packed.trained_state().regrets.size, 0u);
  EXPECT_EQ(packed.trained_state().strategy_sums.size, 0u);
  EXPECT_GT(decision_nodes, 0u);
  EXPECT_LT(dcfr_test::exploitability_percent(packed.last_exploitability(), spot), 0.5);

  // The average strategy is the normalised decoded sums.
  const std::size_t ip_node = game->nodes[0].children[0];
  const NodeState& ip_state = packed.trained_state().states[ip_node];
  const std::size_t A = ip_state.num_actions, H = ip_state.num_hands;
  std::vector<std::int16_t> codes(packed.trained_state().packed_strategy_sums_of(ip_state).begin(),
                                  packed.trained_state().packed_strategy_sums_of(ip_state).end());
  std::vector<float> sums(A * H);
  dequantize_int16(sums.data(), codes.data(), ip_state.strategy_sum_scale, A * H);
  const std::vector<float> strategy = packed.average_strategy(ip_node);
  ASSERT_EQ(strategy.size(), A * H);
  for (std::size_t h = 0; h < H; ++h) {
    float total = 0.0f;
    for (std::size_t a = 0; a < A; ++a) total += std::max(0.0f, sums[a * H + h]);
    for (std::size_t a = 0; a < A; ++a) {
      const float expected =
          total > 0.0f ? std::max(0.0f, sums[a * H + h]) / total : 1.0f / static_cast<float>(A);
      EXPECT_NEAR(strategy[a * H + h], expected, 1e-6f);
    }
  }
}

// --- Node locks ---------------------------------------------------------------------

struct ToyNodes {
  std::size_t ip = 0;   // IP after OOP's check: check or bet
  std::size_t oop = 0;  // OOP facing the bet: fold or call
  int bet = -1;
  int call = -1;
};

ToyNodes toy_nodes(const Game& game) {
  ToyNodes t;
  t.ip = game.nodes[0].children[0];
  t.bet = dcfr_test::action_index(game, t.ip, ActionKind::Bet);
  t.oop = game.nodes[t.ip].children[t.bet];
  t.call = dcfr_test::action_index(game, t.oop, ActionKind::Call);
  return t;
}

TEST(DcfrNodeLocks, FullyLockedNodeKeepsRegretsAndFollowsLock) {
  auto game = build_game(toy_river());
  const ToyNodes t = toy_nodes(*game);
  const std::size_t A = game->nodes[t.ip].actions.size();
  const std::size_t H = game->cards.pockets[1].size();
  // IP bets everything: far too many bluffs.
  std::vector<float> lock(A * H, 0.0f);
  for (std::size_t h = 0; h < H; ++h) lock[t.bet * H + h] = 1.0f;
  game->assign_node_lock(t.ip, lock);

  dcfr_test::Solver solver(dcfr_test::make_config(500, 1, false, 100));
  solver.run(*game);
  const std::span<const float> regrets =
      solver.trained_state().regrets_of(solver.trained_state().states[t.ip]);
  ASSERT_EQ(regrets.size(), A * H);
  EXPECT_TRUE(std::ranges::all_of(regrets, [](float g) { return g == 0.0f; }));
  const std::vector<float> strategy = solver.average_strategy(t.ip);
  ASSERT_EQ(strategy.size(), lock.size());
  for (std::size_t i = 0; i < lock.size(); ++i) EXPECT_NEAR(strategy[i], lock[i], 1e-6f);

  // OOP calls every time against so many bluffs.
  EXPECT_NEAR(solver.average_action_frequencies(t.oop)[t.call], 1.0f, 0.02f);
  // IP's only decision is locked, so its best response is its current EV.
  const auto [br0, br1] = dcfr_test::Steps(solver).compute_mes_ev(*game);
  const auto [ev0, ev1] = solver.compute_current_ev(*game);
  EXPECT_NEAR(br1, ev1, 1e-3f * std::fabs(ev1));
  EXPECT_GE(br0, ev0 - 1e-3f * std::fabs(ev0));
}

TEST(DcfrNodeLocks, PartlyLockedNodeUpdatesOnlyFreeHands) {
  auto game = build_game(toy_river());
  const ToyNodes t = toy_nodes(*game);
  const std::size_t A = game->nodes[t.ip].actions.size();
  const std::size_t H = game->cards.pockets[1].size();
  std::size_t king = H;
  for (std::size_t h = 0; h < H && king == H; ++h)
    if (is_pair_of(*game, 1, h, 11)) king = h;
  ASSERT_LT(king, H);
  // Hand 0 (a bluff candidate) locked to check; every other hand free: -1,
  // or -0.0 for one king.
  std::vector<float> lock(A * H, -1.0f);
  lock[king] = -0.0f;
  for (std::size_t a = 0; a < A; ++a)
    lock[a * H] = a == static_cast<std::size_t>(t.bet) ? 0.0f : 1.0f;
  game->assign_node_lock(t.ip, lock);

  dcfr_test::Solver solver(dcfr_test::make_config(300, 1));
  solver.run(*game);
  const std::span<const float> regrets =
      solver.trained_state().regrets_of(solver.trained_state().states[t.ip]);
  ASSERT_EQ(regrets.size(), A * H);
  bool free_hands_moved = false;
  for (std::size_t a = 0; a < A; ++a) {
    EXPECT_EQ(regrets[a * H], 0.0f);
    for (std::size_t h = 1; h < H; ++h) free_hands_moved |= regrets[a * H + h] != 0.0f;
  }
  EXPECT_TRUE(free_hands_moved);
  const std::vector<float> strategy = solver.average_strategy(t.ip);
  EXPECT_NEAR(strategy[t.bet * H], 0.0f, 1e-6f);
  EXPECT_NEAR(strategy[(1 - t.bet) * H], 1.0f, 1e-6f);
  EXPECT_GT(strategy[t.bet * H + king], 0.95f);  // free, it value-bets
}

TEST(DcfrNodeLocks, BestResponseFollowsRowAndPerHandLocks) {
  auto game = build_game(toy_river());
  const ToyNodes t = toy_nodes(*game);
  dcfr_test::Solver solver(dcfr_test::make_config(200, 1));
  solver.run(*game);
  const std::size_t A = game->nodes[t.ip].actions.size();
  const std::size_t H = game->cards.pockets[1].size();
  const std::vector<float>& reach = game->cards.weights[0];

  std::vector<std::vector<float>> rows(A);
  for (std::size_t a = 0; a < A; ++a) {
    rows[a].assign(H, 0.0f);
    dcfr_test::Steps::ScratchStack stack;
    dcfr_test::Steps(solver).compute_best_cfvalue_recursive(*game, game->nodes[t.ip].children[a], 1,
                                                            reach, rows[a], 0, stack);
  }
  auto best = [&]() {
    std::vector<float> out(H);
    dcfr_test::Steps::ScratchStack stack;
    dcfr_test::Steps(solver).compute_best_cfvalue_recursive(*game, t.ip, 1, reach, out, 0, stack);
    return out;
  };

  std::vector<float> out = best();  // no lock: the best action per hand
  for (std::size_t h = 0; h < H; ++h) EXPECT_EQ(out[h], std::max(rows[0][h], rows[1][h]));

  std::vector<float> row_lock(A, 0.25f);
  row_lock[t.bet] = 0.75f;
  game->assign_node_lock(t.ip, row_lock);
  out = best();
  for (std::size_t h = 0; h < H; ++h)
    EXPECT_NEAR(out[h], 0.75 * rows[t.bet][h] + 0.25 * rows[1 - t.bet][h], 1e-5);

  std::vector<float> hand_lock(A * H, 0.0f);
  for (std::size_t h = 0; h < H; ++h) hand_lock[(1 - t.bet) * H + h] = 1.0f;  // always check
  hand_lock[0] = -1.0f;                                                       // hand 0 free
  game->assign_node_lock(t.ip, hand_lock);
  out = best();
  EXPECT_EQ(out[0], std::max(rows[0][0], rows[1][0]));
  for (std::size_t h = 1; h < H; ++h) EXPECT_EQ(out[h], rows[1 - t.bet][h]);
}

// Every lock form means the same to the pass that trains and the pass that
// measures: after the first iteration (sums weighted 0, then the strategy
// played) a hand's average strategy is its lock column exactly when the best
// response values it by that column.
TEST(DcfrNodeLocks, TrainingAndBestResponseReadEveryFormAlike) {
  auto game = build_game(toy_river());
  const ToyNodes t = toy_nodes(*game);
  const std::size_t A = game->nodes[t.ip].actions.size();
  const std::size_t H = game->cards.pockets[1].size();
  ASSERT_GT(H, A + 1);
  const std::size_t check = 1 - t.bet;
  std::vector<float> row(A, 0.3f);
  row[t.bet] = 0.7f;
  std::vector<float> per_hand(A * H, 0.0f);
  for (std::size_t h = 0; h < H; ++h) per_hand[t.bet * H + h] = 1.0f;
  std::vector<float> some_free = per_hand;
  for (std::size_t a = 0; a < A; ++a) some_free[a * H + 1] = -1.0f;
  some_free[2] = -0.0f;  // hand 2's first entry: free too
  std::vector<float> odd_length(A + 1, 0.5f);

  struct Case {
    const char* name;
    std::vector<float> lock;
    std::vector<bool> locked;  // per hand
  };
  const std::vector<Case> cases = {
      {"row", row, std::vector<bool>(H, true)},
      {"per hand", per_hand, std::vector<bool>(H, true)},
      {"some free", some_free,
       [&] {
         std::vector<bool> v(H, true);
         v[1] = v[2] = false;
         return v;
       }()},
      {"odd length", odd_length, std::vector<bool>(H, false)},
  };
  const auto column = [&](const std::vector<float>& lock, std::size_t a, std::size_t h) {
    return lock.size() == A ? lock[a] : lock[a * H + h];
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    game->assign_node_lock(t.ip, c.lock);
    dcfr_test::Solver solver(dcfr_test::make_config(1, 1));
    solver.run(*game);
    const std::vector<float> strategy = solver.average_strategy(t.ip);
    ASSERT_EQ(strategy.size(), A * H);

    const std::vector<float>& reach = game->cards.weights[0];
    std::vector<std::vector<float>> rows(A, std::vector<float>(H, 0.0f));
    for (std::size_t a = 0; a < A; ++a) {
      dcfr_test::Steps::ScratchStack stack;
      dcfr_test::Steps(solver).compute_best_cfvalue_recursive(*game, game->nodes[t.ip].children[a],
                                                              1, reach, rows[a], 0, stack);
    }
    std::vector<float> best(H);
    dcfr_test::Steps::ScratchStack stack;
    dcfr_test::Steps(solver).compute_best_cfvalue_recursive(*game, t.ip, 1, reach, best, 0, stack);

    for (std::size_t h = 0; h < H; ++h) {
      if (c.locked[h]) {
        const float by_lock = static_cast<float>(column(c.lock, t.bet, h) * double{rows[t.bet][h]} +
                                                 column(c.lock, check, h) * double{rows[check][h]});
        EXPECT_NEAR(strategy[t.bet * H + h], column(c.lock, t.bet, h), 1e-6f) << "hand " << h;
        EXPECT_EQ(best[h], by_lock) << "hand " << h;
      } else {
        EXPECT_NEAR(strategy[t.bet * H + h], 0.5f, 1e-6f) << "hand " << h;  // uniform at first
        EXPECT_EQ(best[h], std::max(rows[0][h], rows[1][h])) << "hand " << h;
      }
    }
  }
}

// --- Exploitability forms --------------------------------------------------------

// With rake, or valued by ICM, the two seats' payoffs do not cancel, so each
// best response is measured against the seat's current EV; ICM converts prize
// units to chips and never reports below 0.
TEST(DcfrExploitability, RakeAndIcmUseTheCurrentEvForm) {
  Spot raked = toy_river();
  raked.rake_rate = 0.05;
  raked.rake_cap = 3.0;
  Spot icm = toy_river();
  icm.icm = true;
  icm.icm_payouts = {50, 30, 20};
  icm.icm_other_stacks = {150, 0};
  icm.oop_stack = 100.0;
  icm.ip_stack = 0.0;  // falls back to the effective stack
  for (const Spot* spot : {&raked, &icm}) {
    auto game = build_game(*spot);
    dcfr_test::Solver solver(dcfr_test::make_config(5, 1, false, 5));
    solver.run(*game);
    const auto [br0, br1] = dcfr_test::Steps(solver).compute_mes_ev(*game);
    const auto [ev0, ev1] = solver.compute_current_ev(*game);
    double want = (static_cast<double>(br1 - ev1) + static_cast<double>(br0 - ev0)) * 0.5;
    if (spot->icm) want = std::max(0.0, want * (100.0 + 100.0 + 150.0) * 100.0 / 100.0);
    EXPECT_NEAR(solver.last_exploitability(), want, 1e-4 * (1.0 + std::fabs(want)));
    EXPECT_GT(solver.last_exploitability(), 0.0f);
    EXPECT_EQ(solver.compute_exploitability(*game), solver.last_exploitability());
  }
}

// --- Run loop ---------------------------------------------------------------------

struct Calls {
  std::vector<unsigned> iterations;
  std::vector<float> exploitabilities;
};

DiscountedCfr::Config recording(Calls& calls, std::uint32_t max, std::uint32_t interval) {
  DiscountedCfr::Config config = dcfr_test::make_config(max, 1, false, interval);
  config.on_iteration = [&calls](unsigned t, float e, double ms) {
    calls.iterations.push_back(t);
    calls.exploitabilities.push_back(e);
    EXPECT_GE(ms, 0.0);
  };
  return config;
}

TEST(DcfrRunLoop, ZeroIterationsOnlyPreparesStates) {
  auto game = build_game(toy_river());
  Calls calls;
  dcfr_test::Solver solver(recording(calls, 0, 50));
  solver.run(*game);
  EXPECT_TRUE(calls.iterations.empty());
  EXPECT_EQ(solver.iterations_completed(), 0u);
  EXPECT_EQ(solver.last_exploitability(), 0.0f);
  ASSERT_EQ(solver.trained_state().states.size(), game->nodes.size());
  EXPECT_EQ(solver.trained_state().states[game->nodes[0].children[0]].initialized, 1);
}

TEST(DcfrRunLoop, MeasuresOnTheCadenceAndAtTheLast) {
  auto game = build_game(river_spot());
  Calls calls;
  DiscountedCfr::Config config = recording(calls, 120, 50);
  config.verbose = true;
  std::string printed;
  config.on_log = [&printed](std::string_view text) { printed += text; };
  dcfr_test::Solver solver(config);
  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  solver.run(*game);
  EXPECT_EQ(testing::internal::GetCapturedStdout(), "") << "the engine never prints";
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the engine never prints";

  ASSERT_EQ(calls.iterations.size(), 120u);
  for (unsigned t = 1; t <= 120; ++t) EXPECT_EQ(calls.iterations[t - 1], t);
  const auto& e = calls.exploitabilities;
  EXPECT_EQ(e[48], 0.0f);  // before the first measurement
  EXPECT_GT(e[49], 0.0f);
  EXPECT_EQ(e[50], e[49]);  // iteration 51 reports iteration 50's value
  EXPECT_EQ(e[98], e[49]);
  EXPECT_NE(e[99], e[49]);
  EXPECT_EQ(e[118], e[99]);
  EXPECT_NE(e[119], e[99]);
  EXPECT_EQ(solver.last_exploitability(), e[119]);
  EXPECT_EQ(solver.iterations_completed(), 120u);

  std::istringstream lines(printed);
  std::string line;
  std::vector<std::string> got;
  while (std::getline(lines, line)) got.push_back(line);
  ASSERT_EQ(got.size(), 4u) << printed;
  EXPECT_EQ(got[0].rfind("[CFR] iteration 50 / 120  exploitability≈", 0), 0u) << got[0];
  EXPECT_EQ(got[1].rfind("[CFR] iteration 100 / 120  exploitability≈", 0), 0u) << got[1];
  EXPECT_EQ(got[2].rfind("[CFR] iteration 120 / 120  exploitability≈", 0), 0u) << got[2];
  EXPECT_NE(got[2].find("  iter≈"), std::string::npos);
  EXPECT_EQ(got[3].rfind("[CFR] completed 120 iterations in ", 0), 0u) << got[3];
}

TEST(DcfrRunLoop, IntervalZeroMeasuresOnlyAtTheLastAndNeverStopsEarly) {
  auto game = build_game(toy_river());
  Calls calls;
  DiscountedCfr::Config config = recording(calls, 30, 0);
  config.target_exploitability = 1e30f;
  dcfr_test::Solver solver(config);
  solver.run(*game);
  ASSERT_EQ(calls.iterations.size(), 30u);
  for (std::size_t i = 0; i + 1 < 30; ++i) EXPECT_EQ(calls.exploitabilities[i], 0.0f);
  EXPECT_GT(calls.exploitabilities[29], 0.0f);
}

TEST(DcfrRunLoop, TargetStopsAtAMeasuredIteration) {
  auto game = build_game(toy_river());
  Calls calls;
  DiscountedCfr::Config config = recording(calls, 1000, 50);
  config.target_exploitability = 1e30f;
  dcfr_test::Solver solver(config);
  solver.run(*game);
  EXPECT_EQ(solver.iterations_completed(), 50u);
  EXPECT_EQ(calls.iterations.size(), 50u);
}

TEST(DcfrRunLoop, CancelIsPolledBeforeAndWithinEachIteration) {
  auto game = build_game(toy_river());
  Calls calls;
  DiscountedCfr::Config config = recording(calls, 100, 50);
  config.should_cancel = [] { return true; };
  dcfr_test::Solver solver(config);
  solver.run(*game);
  EXPECT_EQ(solver.iterations_completed(), 0u);
  EXPECT_TRUE(calls.iterations.empty());

  // Raised from the ninth report on: the tenth iteration never starts.
  Calls later;
  DiscountedCfr::Config config2 = recording(later, 100, 5);
  config2.should_cancel = [&later] { return later.iterations.size() >= 9; };
  dcfr_test::Solver solver2(config2);
  solver2.run(*game);
  EXPECT_EQ(solver2.iterations_completed(), 9u);
  EXPECT_EQ(later.iterations.size(), 9u);
  EXPECT_EQ(solver2.last_exploitability(), later.exploitabilities[4]);  // measured at 5

  // Raised inside the first iteration: it is cut short, neither measured nor
  // reported, and the run ends.
  const dcfr_test::Solver* running = nullptr;
  Calls cut;
  DiscountedCfr::Config config3 = recording(cut, 100, 1);
  config3.should_cancel = [&running] {
    return running != nullptr && running->iterations_completed() >= 1;
  };
  dcfr_test::Solver solver3(config3);
  running = &solver3;
  solver3.run(*game);
  EXPECT_EQ(solver3.iterations_completed(), 1u);
  EXPECT_TRUE(cut.iterations.empty());
  EXPECT_EQ(solver3.last_exploitability(), 0.0f);
}

TEST(DcfrRunLoop, ThreadCountsAndPool) {
  for (std::uint64_t requested : {0u, 1u, 8u}) {
    dcfr_test::Solver solver(dcfr_test::make_config(10, requested));
    if (requested < 2) {
      EXPECT_EQ(dcfr_test::Steps(solver).threads(), 1u);
      EXPECT_EQ(dcfr_test::Steps(solver).pool(), nullptr);
    } else {
      EXPECT_EQ(dcfr_test::Steps(solver).threads(), requested);
      ASSERT_NE(dcfr_test::Steps(solver).pool(), nullptr);
      EXPECT_EQ(dcfr_test::Steps(solver).pool()->size(), requested - 1);
    }
    auto game = build_game(toy_river());
    solver.run(*game);
    EXPECT_EQ(solver.iterations_completed(), 10u);
  }
}

TEST(DcfrScratch, OverflowFramesStayInPlace) {
  dcfr_test::Steps::ScratchStack stack;
  dcfr_test::Steps::ScratchFrame& deep = stack.frame(33);
  deep.chance_sum.assign(3, 1.0f);
  dcfr_test::Steps::ScratchFrame& deeper = stack.frame(200);
  EXPECT_NE(&deep, &deeper);
  EXPECT_EQ(&stack.frame(33), &deep);
  EXPECT_EQ(stack.frame(33).chance_sum.size(), 3u);
  EXPECT_NE(&stack.frame(31), &stack.frame(32));
}

}  // namespace
