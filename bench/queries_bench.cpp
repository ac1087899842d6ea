// Time of each result query at the root of a flop solve (the per-node
// queries the results page makes on a click), plus a node two actions deep.
// The solve runs a few iterations only: query cost depends on the tree and
// the hand counts, not on convergence.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <thread>

#include "context/card_context.hpp"
#include "queries/node_queries.hpp"
#include "queries/node_steps.hpp"
#include "session/request_conversion.hpp"
#include "solver/dcfr.hpp"
#include "tree/game.hpp"

namespace {

using namespace halvory_app;

// A flop 3-bet pot with realistic ranges, one size per street.
halvory_app::SolveConfig flop_request() {
  SolveConfig request;
  request.board = "QsJh2h";
  request.starting_street = "flop";
  request.starting_pot = 18000;
  request.effective_stack = 91000;
  request.max_iterations = 5;
  request.target_exploitability = 0.0f;
  request.thread_count = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
  request.oop_range =
      "88+,A8s+,A5s-A2s:0.5,AJo+,ATo:0.75,K9s+,KQo,KJo:0.75,KTo:0.25,Q9s+,QJo:0.5,J8s+,JTo:0.25,"
      "T8s+,T7s:0.45,97s+,96s:0.45,87s,86s:0.75,85s:0.45,75s+:0.75,74s:0.45,65s:0.75,64s:0.5,"
      "63s:0.45,54s:0.75,53s:0.5,52s:0.45,43s:0.5,42s:0.45,32s:0.45";
  request.ip_range =
      "AA:0.25,99-22,AJs-A2s,AQo-A8o,K2s+,K9o+,Q2s+,Q9o+,J6s+,J9o+,T6s+,T9o,96s+,95s:0.5,98o,86s+,"
      "85s:0.5,75s+,74s:0.5,64s+,63s:0.5,54s,53s:0.5,43s";
  const auto set = [](SizingConfig& sizing, const char* bets, const char* raises) {
    sizing.bet_sizes = bets;
    sizing.raise_sizes = raises;
  };
  set(request.oop_flop, "52%", "45%");
  set(request.ip_flop, "52%", "45%");
  set(request.oop_turn, "55%", "45%");
  set(request.ip_turn, "55%", "45%");
  set(request.oop_river, "70%", "45%");
  set(request.ip_river, "70%", "45%");
  return request;
}

const SolvedGame& flop_solve() {
  static const SolvedGame solved = [] {
    const SolveConfig request = flop_request();
    ConvertedRequest converted = convert_request(request, ConversionPurpose::solve);
    halvory::CardContext cards(converted.board, converted.oop_range, converted.ip_range,
                               converted.short_deck);
    auto game = std::make_shared<halvory::Game>(converted.game, std::move(cards));
    auto solver = std::make_shared<halvory::DiscountedCfr>(make_solver_config(request, {}, {}));
    solver->run(*game);
    std::fprintf(stderr, "flop solve: %zu nodes, %zu/%zu hands, %u iterations, %llu threads\n",
                 game->plan.nodes.size(), game->cards.pockets[0].size(),
                 game->cards.pockets[1].size(), solver->iterations_completed(),
                 static_cast<unsigned long long>(request.thread_count));
    return SolvedGame{std::move(game), std::move(solver)};
  }();
  return solved;
}

// Node reached by OOP check, IP bet (first bet size): OOP facing a bet.
std::uint64_t facing_bet_node() {
  const auto& nodes = flop_solve().game->plan.nodes;
  const std::size_t after_check = nodes[0].children[0];
  return nodes[after_check].children.size() > 1 ? nodes[after_check].children[1] : after_check;
}

template <class Query>
void run_query(benchmark::State& state, Query query) {
  const SolvedGame& solved = flop_solve();
  const std::uint64_t node = state.range(0) == 0 ? 0 : facing_bet_node();
  for (auto _ : state) {
    auto result = query(solved, node);
    benchmark::DoNotOptimize(result);
    if (!result) state.SkipWithError("query gave no value");
  }
}

void BM_NodeActionStats(benchmark::State& state) {
  run_query(state, [](const SolvedGame& s, std::uint64_t n) { return node_action_stats(s, n); });
}
void BM_NodeHandStrategy(benchmark::State& state) {
  run_query(state, [](const SolvedGame& s, std::uint64_t n) { return node_hand_strategy(s, n); });
}
void BM_NodeHandBuckets(benchmark::State& state) {
  run_query(state, [](const SolvedGame& s, std::uint64_t n) { return node_hand_buckets(s, n); });
}
void BM_NodeHandCombos(benchmark::State& state) {
  run_query(state, [](const SolvedGame& s, std::uint64_t n) { return node_hand_combos(s, n); });
}
void BM_NodeEv(benchmark::State& state) {
  run_query(state, [](const SolvedGame& s, std::uint64_t n) { return node_ev(s, n, 0); });
}
void BM_NodePocketActionEvs(benchmark::State& state) {
  run_query(state, [](const SolvedGame& s, std::uint64_t n) {
    return node_pocket_action_evs(s, n, 0, "Ah", "Kh");
  });
}
void BM_NodeSeatHandCombos(benchmark::State& state) {
  run_query(state,
            [](const SolvedGame& s, std::uint64_t n) { return node_seat_hand_combos(s, n, 1); });
}
void BM_NodeHandDistributions(benchmark::State& state) {
  run_query(state,
            [](const SolvedGame& s, std::uint64_t n) { return node_hand_distributions(s, n); });
}

// One seat's equities at the flop root over the range weights: argument 0
// enumerates every turn and river, 1 samples (the path over the budget).
void BM_HandEquities(benchmark::State& state) {
  const halvory::Game& game = *flop_solve().game;
  const auto& weights = game.cards.weights;
  const std::uint64_t budget = state.range(0) == 0 ? kExactEquityBudget : 0;
  for (auto _ : state) {
    auto equities = hand_equities(game, 0, 0, weights[0], weights[1], budget);
    benchmark::DoNotOptimize(equities);
  }
}

// Argument 0: the root; 1: OOP facing a bet after check-bet.
BENCHMARK(BM_HandEquities)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeActionStats)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeHandStrategy)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeHandBuckets)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeHandCombos)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeEv)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodePocketActionEvs)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeSeatHandCombos)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NodeHandDistributions)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
