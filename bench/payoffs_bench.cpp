// Terminal payoff kernels on ranges of about 1000 hands each, the cost of
// one ICM terminal with 9 players and 9 payouts without and with the outcome
// table, one equity computation with many paid places (against the walk over
// finishing orders where that still ends), and the outcome table of a flop
// tree with 21 players and 21 places.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <random>
#include <vector>

#include "cards/bet_size.hpp"
#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "solver/icm.hpp"
#include "solver/payoffs.hpp"

namespace {

using namespace halvory;

Board board_of(const char* text) {
  Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  for (int i = 0; text[2 * i] != '\0'; ++i)
    board[i] = parse_card(std::string_view(text + 2 * i, 2));
  return board;
}

// Nearly every combination that avoids the board (or the given share of
// them), with mixed weights.
Range wide_range(const Board& board, std::uint32_t seed, float share = 0.93f) {
  std::mt19937 rng(seed);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  Range range;
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b) {
      bool blocked = false;
      for (const CardCode c : board) blocked |= c == a || c == b;
      if (!blocked && u(rng) < share)
        set_range_weight(range, CardCode(a), CardCode(b), 0.05f + 0.95f * u(rng));
    }
  return range;
}

std::unique_ptr<Game> make_game(const char* board_text, GameConfig config, float share = 0.93f) {
  const Board board = board_of(board_text);
  config.effective_stack = 10000;
  config.start_street = board[4] != kNoCard   ? kStreetRiver
                        : board[3] != kNoCard ? kStreetTurn
                                              : kStreetFlop;
  return std::make_unique<Game>(std::move(config), CardContext(board, wide_range(board, 1, share),
                                                               wide_range(board, 2, share), false));
}

NodeRecord terminal(ActionKind last, CardCode turn, CardCode river) {
  NodeRecord node;
  node.kind = NodeKind::Terminal;
  node.pot = 3000;
  node.matched = 1000;
  node.invested = {1000, 1000};
  node.last_action = last;
  node.last_actor = 1;
  node.turn = turn;
  node.river = river;
  return node;
}

std::vector<float> reach_of(std::size_t n) {
  std::mt19937 rng(3);
  std::uniform_real_distribution<float> u(0.0f, 1.0f);
  std::vector<float> reach(n);
  for (float& r : reach) r = u(rng);
  return reach;
}

GameConfig cash(double rate, double cap) {
  GameConfig config;
  config.starting_pot = 1000;
  config.rake_rate = rate;
  config.rake_cap = cap;
  return config;
}

void run_terminal(benchmark::State& state, const Game& game, const NodeRecord& node) {
  const auto reach = reach_of(game.cards.pockets[1].size());
  std::vector<float> out(game.cards.pockets[0].size());
  for (auto _ : state) {
    terminal_eval(game, node, 0, reach, out);
    benchmark::DoNotOptimize(out.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
  state.counters["hands"] = double(game.cards.pockets[0].size());
  state.counters["opp_hands"] = double(game.cards.pockets[1].size());
}

void BM_RiverShowdownUnraked(benchmark::State& state) {
  static const auto game = make_game("Kd7c2sAh3d", cash(0.0, 0.0));
  run_terminal(state, *game,
               terminal(ActionKind::Call, game->cards.board[3], game->cards.board[4]));
}
BENCHMARK(BM_RiverShowdownUnraked);

void BM_RiverShowdownRaked(benchmark::State& state) {
  static const auto game = make_game("Kd7c2sAh3d", cash(0.05, 300.0));
  run_terminal(state, *game,
               terminal(ActionKind::Call, game->cards.board[3], game->cards.board[4]));
}
BENCHMARK(BM_RiverShowdownRaked);

void BM_RiverFold(benchmark::State& state) {
  static const auto game = make_game("Kd7c2sAh3d", cash(0.05, 300.0));
  run_terminal(state, *game,
               terminal(ActionKind::Fold, game->cards.board[3], game->cards.board[4]));
}
BENCHMARK(BM_RiverFold);

// The traverser's fold and call valued in one merge.
void BM_RiverShowdownWithFold(benchmark::State& state) {
  static const auto game = make_game("Kd7c2sAh3d", cash(0.0, 0.0));
  const NodeRecord call = terminal(ActionKind::Call, game->cards.board[3], game->cards.board[4]);
  NodeRecord fold = terminal(ActionKind::Fold, game->cards.board[3], game->cards.board[4]);
  fold.last_actor = 0;
  const auto reach = reach_of(game->cards.pockets[1].size());
  std::vector<float> out(game->cards.pockets[0].size());
  std::vector<float> fold_out(out.size());
  const ShowdownJob job{&call, reach, out, &fold, fold_out};
  for (auto _ : state) {
    showdown_batch(*game, 0, {&job, 1});
    benchmark::DoNotOptimize(out.data());
    benchmark::DoNotOptimize(fold_out.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RiverShowdownWithFold);

// Showdowns of one runout with different reaches, through one merge.
void BM_RiverShowdownBatch(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  static const auto game = make_game("Kd7c2sAh3d", cash(0.0, 0.0));
  const NodeRecord call = terminal(ActionKind::Call, game->cards.board[3], game->cards.board[4]);
  std::vector<std::vector<float>> reaches(count, reach_of(game->cards.pockets[1].size()));
  for (std::size_t l = 0; l < reaches.size(); ++l) reaches[l][l] = 0.5f;
  std::vector<std::vector<float>> outs(count, std::vector<float>(game->cards.pockets[0].size()));
  std::vector<ShowdownJob> jobs;
  for (std::size_t l = 0; l < count; ++l) jobs.push_back({&call, reaches[l], outs[l], nullptr, {}});
  for (auto _ : state) {
    showdown_batch(*game, 0, jobs);
    benchmark::DoNotOptimize(outs.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(count) * state.iterations());
}
BENCHMARK(BM_RiverShowdownBatch)->Arg(1)->Arg(4)->Arg(8)->Arg(16);

// The river terminals of a flop solve: ~350 hands a side, some blocked by
// the turn and river, each showdown with the traverser's fold beside it.
void BM_RiverBatchWithFolds(benchmark::State& state) {
  const std::size_t count = static_cast<std::size_t>(state.range(0));
  static const auto game = make_game("Kd7c2s", cash(0.0, 0.0), 0.3f);
  const CardCode turn = parse_card("Ah"), river = parse_card("3d");
  const NodeRecord call = terminal(ActionKind::Call, turn, river);
  NodeRecord fold = terminal(ActionKind::Fold, turn, river);
  fold.last_actor = 0;
  std::vector<std::vector<float>> reaches(count, reach_of(game->cards.pockets[1].size()));
  for (std::size_t l = 0; l < reaches.size(); ++l) reaches[l][l] = 0.5f;
  const std::size_t hands = game->cards.pockets[0].size();
  std::vector<std::vector<float>> outs(2 * count, std::vector<float>(hands));
  std::vector<ShowdownJob> jobs;
  for (std::size_t l = 0; l < count; ++l)
    jobs.push_back({&call, reaches[l], outs[2 * l], &fold, outs[2 * l + 1]});
  for (auto _ : state) {
    showdown_batch(*game, 0, jobs);
    benchmark::DoNotOptimize(outs.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(count) * state.iterations());
  state.counters["hands"] = double(hands);
}
BENCHMARK(BM_RiverBatchWithFolds)->Arg(2)->Arg(4)->Arg(7)->Arg(8)->Arg(16);

// All-in on the flop: every runout of the board (1176 showdown passes).
void BM_FlopAllIn(benchmark::State& state) {
  static const auto game = make_game("Kd7c2s", cash(0.05, 300.0));
  run_terminal(state, *game, terminal(ActionKind::Call, kNoCard, kNoCard));
}
BENCHMARK(BM_FlopAllIn)->Unit(benchmark::kMillisecond);

// ---------------------------------------------------------------------------
// ICM, 9 players, 9 payouts.

const std::vector<double> kStacks{250000, 410000, 120000, 530000, 90000,
                                  310000, 60000,  700000, 150000};
const std::vector<double> kPayouts{300000, 200000, 140000, 100000, 80000,
                                   60000,  50000,  40000,  30000};

// Malmuth-Harville by walking every finishing order (9! orders here).
void walk_orders(const std::vector<double>& stacks, std::size_t place, double probability,
                 double remaining, std::vector<bool>& placed, std::vector<double>& equities) {
  if (place >= kPayouts.size() || remaining <= 0.0) return;
  for (std::size_t i = 0; i < stacks.size(); ++i) {
    if (placed[i] || stacks[i] <= 0.0) continue;
    const double p = probability * stacks[i] / remaining;
    equities[i] += p * kPayouts[place];
    placed[i] = true;
    walk_orders(stacks, place + 1, p, remaining - stacks[i], placed, equities);
    placed[i] = false;
  }
}

double seat0_equity_by_orders(std::vector<double> stacks, double d0, double d1) {
  stacks[0] = std::max(stacks[0] + d0, 0.0);
  stacks[1] = std::max(stacks[1] + d1, 0.0);
  std::vector<double> eq(stacks.size(), 0.0);
  std::vector<bool> placed(stacks.size(), false);
  double total = 0;
  for (const double s : stacks) total += s;
  walk_orders(stacks, 0, 1.0, total, placed, eq);
  return eq[0];
}

// Before any caching: a baseline and three outcomes, each a walk over orders.
void BM_IcmTerminalByOrderWalk(benchmark::State& state) {
  const double pot = 60000, c0 = 30000, c1 = 30000;
  for (auto _ : state) {
    double sum = seat0_equity_by_orders(kStacks, 0, 0);
    sum += seat0_equity_by_orders(kStacks, pot - c0, -c1);
    sum += seat0_equity_by_orders(kStacks, -c0, pot - c1);
    sum += seat0_equity_by_orders(kStacks, pot / 2 - c0, pot / 2 - c1);
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_IcmTerminalByOrderWalk)->Unit(benchmark::kMillisecond);

// The exact set-based method, still computed on every call.
void BM_IcmTerminalUncached(benchmark::State& state) {
  const double pot = 60000, c0 = 30000, c1 = 30000;
  for (auto _ : state) {
    double sum = icm_equities(kStacks, kPayouts)[0];
    sum += icm_pair_equities(kStacks, kPayouts, pot - c0, -c1).first;
    sum += icm_pair_equities(kStacks, kPayouts, -c0, pot - c1).first;
    sum += icm_pair_equities(kStacks, kPayouts, pot / 2 - c0, pot / 2 - c1).first;
    benchmark::DoNotOptimize(sum);
  }
}
BENCHMARK(BM_IcmTerminalUncached)->Unit(benchmark::kMicrosecond);

GameConfig nine_handed() {
  GameConfig config = cash(0.0, 0.0);
  config.icm = 1;
  config.oop_stack = int(kStacks[0]);
  config.ip_stack = int(kStacks[1]);
  for (std::size_t i = 2; i < kStacks.size(); ++i)
    config.icm_other_stacks.push_back(int(kStacks[i]));
  for (const double p : kPayouts) config.icm_payouts.push_back(int(p));
  return config;
}

// With the outcome table: one terminal's payoffs after the first call.
void BM_IcmTerminalCached(benchmark::State& state) {
  static const auto game = make_game("Kd7c2sAh3d", nine_handed());
  NodeRecord node = terminal(ActionKind::Call, game->cards.board[3], game->cards.board[4]);
  node.invested = {30000, 30000};
  for (auto _ : state) benchmark::DoNotOptimize(icm_payoffs(*game, node, 0, 60000.0, 1.0));
}
BENCHMARK(BM_IcmTerminalCached)->Unit(benchmark::kNanosecond);

// A whole ICM river showdown with ~1000 hands a side.
void BM_RiverShowdownIcm(benchmark::State& state) {
  static const auto game = make_game("Kd7c2sAh3d", nine_handed());
  NodeRecord node = terminal(ActionKind::Call, game->cards.board[3], game->cards.board[4]);
  node.invested = {30000, 30000};
  node.pot = 61000;
  run_terminal(state, *game, node);
}
BENCHMARK(BM_RiverShowdownIcm);

// ---------------------------------------------------------------------------
// Many paid places.

std::vector<double> spread_stacks(std::size_t players) {
  std::vector<double> stacks(players);
  for (std::size_t i = 0; i < players; ++i) stacks[i] = 1000.0 + 613.0 * double(i * i % 17);
  return stacks;
}

std::vector<double> falling_payouts(std::size_t places) {
  std::vector<double> payouts(places);
  for (std::size_t k = 0; k < places; ++k) payouts[k] = 10000.0 / double(k + 1);
  return payouts;
}

// Every finishing order, one place at a time (all players live).
void BM_IcmEquitiesByOrders(benchmark::State& state) {
  const std::vector<double> stacks = spread_stacks(std::size_t(state.range(0)));
  const std::vector<double> payouts = falling_payouts(std::size_t(state.range(1)));
  for (auto _ : state) {
    std::vector<double> eq(stacks.size(), 0.0);
    std::vector<bool> placed(stacks.size(), false);
    std::function<void(std::size_t, double, double)> walk = [&](std::size_t place, double prob,
                                                                double remaining) {
      if (place >= payouts.size()) return;
      for (std::size_t i = 0; i < stacks.size(); ++i) {
        if (placed[i]) continue;
        const double p = prob * stacks[i] / remaining;
        eq[i] += p * payouts[place];
        placed[i] = true;
        walk(place + 1, p, remaining - stacks[i]);
        placed[i] = false;
      }
    };
    double total = 0.0;
    for (const double s : stacks) total += s;
    walk(0, 1.0, total);
    benchmark::DoNotOptimize(eq.data());
  }
}
BENCHMARK(BM_IcmEquitiesByOrders)
    ->Args({10, 10})
    ->Args({11, 11})
    ->Args({22, 5})
    ->Unit(benchmark::kMillisecond);

void BM_IcmEquities(benchmark::State& state) {
  const std::vector<double> stacks = spread_stacks(std::size_t(state.range(0)));
  const std::vector<double> payouts = falling_payouts(std::size_t(state.range(1)));
  for (auto _ : state) benchmark::DoNotOptimize(icm_equities(stacks, payouts).data());
}
BENCHMARK(BM_IcmEquities)
    ->Args({10, 10})
    ->Args({11, 11})
    ->Args({22, 5})
    ->Args({22, 6})
    ->Args({20, 20})
    ->Args({21, 10})
    ->Args({21, 21})
    ->Args({22, 8})
    ->Args({22, 22})
    ->Unit(benchmark::kMillisecond);

// Every outcome of a flop tree (one bet and one raise size a street) with 21
// players and 21 places, on 1 and on 8 threads.
void BM_IcmOutcomeTable21(benchmark::State& state) {
  GameConfig config = cash(0.0, 0.0);
  for (StreetSizing& street : config.streets)
    street.oop = street.ip = parse_bet_raise_sizes("50%", "100%");
  config.icm = 1;
  config.oop_stack = 8890;
  config.ip_stack = 7400;
  for (int i = 0; i < 19; ++i) config.icm_other_stacks.push_back(3000 + 700 * i);
  for (int k = 0; k < 21; ++k) config.icm_payouts.push_back(2100 - 100 * k);
  GameConfig plain = config;
  plain.icm = 0;
  static const auto game = make_game("Kd7c2s", plain, 0.05f);
  GameConfig valued = game->config;
  valued.icm = 1;
  for (auto _ : state) {
    IcmTable table(valued);
    table.fill(valued, game->nodes, nullptr, std::size_t(state.range(0)));
    benchmark::DoNotOptimize(&table);
  }
}
BENCHMARK(BM_IcmOutcomeTable21)->Arg(1)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
