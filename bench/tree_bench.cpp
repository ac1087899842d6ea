// Betting-tree build time and size for a flop spot with two bet sizes and one
// raise size per street. Counters: nodes by kind, and per seat the sum over
// its decision nodes of actions x hands (the solver's per-seat array size).

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "cards/bet_size.hpp"
#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "context/card_context.hpp"
#include "tree/action_plan.hpp"

namespace {

using namespace halvory;

const CardContext& flop_context() {
  static const std::unique_ptr<CardContext> context = [] {
    Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
    board[0] = parse_card("Ks");
    board[1] = parse_card("7h");
    board[2] = parse_card("2d");
    const Range oop =
        parse_range("22+, A2s+, K9s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 75s+, 65s, ATo+, KJo+");
    const Range ip = parse_range(
        "22+, A2s+, K5s+, Q8s+, J8s+, T7s+, 96s+, 85s+, 74s+, 64s+, 54s, A8o+, KTo+, QTo+, JTo");
    return std::make_unique<CardContext>(board, oop, ip, false);
  }();
  return *context;
}

// Pot 10 chips; the stack (in hundredths) sets the depth of the raise wars.
GameConfig flop_config(std::int32_t stack) {
  GameConfig config;
  config.start_street = kStreetFlop;
  config.starting_pot = 1000;
  config.effective_stack = stack;
  for (StreetSizing& street : config.streets) {
    street.oop = parse_bet_raise_sizes("33%, 75%", "3x");
    street.ip = parse_bet_raise_sizes("33%, 75%", "3x");
  }
  return config;
}

void report(benchmark::State& state, const ActionPlan& plan, const CardContext& context) {
  std::uint64_t by_kind[3] = {0, 0, 0};
  std::uint64_t entries[2] = {0, 0};
  for (const ActionPlan::Node& node : plan.nodes) {
    ++by_kind[static_cast<int>(node.kind)];
    if (node.kind == NodeKind::Decision) {
      entries[node.seat] += node.actions.size() * context.pockets[node.seat].size();
    }
  }
  state.counters["nodes"] = static_cast<double>(plan.nodes.size());
  state.counters["decision"] = static_cast<double>(by_kind[0]);
  state.counters["chance"] = static_cast<double>(by_kind[1]);
  state.counters["terminal"] = static_cast<double>(by_kind[2]);
  state.counters["oop_AxH"] = static_cast<double>(entries[0]);
  state.counters["ip_AxH"] = static_cast<double>(entries[1]);
  state.counters["oop_hands"] = static_cast<double>(context.pockets[0].size());
  state.counters["ip_hands"] = static_cast<double>(context.pockets[1].size());
}

void BM_FlopTreeSequential(benchmark::State& state) {
  const CardContext& context = flop_context();
  unsetenv("HALVORY_ACTIONPLAN_PARALLEL_DEPTH");
  const auto stack = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    ActionPlan plan(flop_config(stack), context);
    benchmark::DoNotOptimize(plan.nodes.data());
  }
  const ActionPlan plan(flop_config(stack), context);
  report(state, plan, context);
}
// Stack-to-pot 2, 4 and 10: about 1.4, 2.8 and 6.5 million nodes.
BENCHMARK(BM_FlopTreeSequential)
    ->Arg(2000)
    ->Arg(4000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// Subtrees down to the depth of the second argument built as tasks on the
// build's pool, of as many threads as the hardware has.
void BM_FlopTreeParallel(benchmark::State& state) {
  const CardContext& context = flop_context();
  setenv("HALVORY_ACTIONPLAN_PARALLEL_DEPTH", std::to_string(state.range(1)).c_str(), 1);
  const auto stack = static_cast<std::int32_t>(state.range(0));
  for (auto _ : state) {
    ActionPlan plan(flop_config(stack), context);
    benchmark::DoNotOptimize(plan.nodes.data());
  }
  unsetenv("HALVORY_ACTIONPLAN_PARALLEL_DEPTH");
}
BENCHMARK(BM_FlopTreeParallel)
    ->Args({4000, 2})
    ->Args({10000, 2})
    ->Args({10000, 4})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
