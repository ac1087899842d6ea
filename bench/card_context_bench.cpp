// Build time of the card context of a flop spot with full ranges (every
// combination at weight 1), with every hardware thread (Arg 0) and with a
// fixed worker count. Each construction computes its tables: the cache only
// serves constructions that overlap in time.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "context/card_context.hpp"

namespace {

using namespace halvory;

Range full_range() {
  Range r;
  r.weights.fill(1.0f);
  return r;
}

void build_context(benchmark::State& state, const Board& board, bool short_deck) {
  const long workers = state.range(0);
  if (workers > 0)
    setenv("HALVORY_CARDCTX_MAX_WORKERS", std::to_string(workers).c_str(), 1);
  else
    unsetenv("HALVORY_CARDCTX_MAX_WORKERS");
  const Range range = full_range();
  std::uint64_t bytes = 0;
  std::size_t hands = 0;
  for (auto _ : state) {
    CardContext context(board, range, range, short_deck);
    bytes = context.memory_bytes();
    hands = context.pockets[0].size();
    benchmark::DoNotOptimize(context.runouts.data());
  }
  state.counters["workers"] = static_cast<double>(card_context_max_workers());
  state.counters["memory_bytes"] = static_cast<double>(bytes);
  state.counters["hands_per_seat"] = static_cast<double>(hands);
  unsetenv("HALVORY_CARDCTX_MAX_WORKERS");
}

// Ks 7h 2d.
void BM_HoldemFlopContext(benchmark::State& state) {
  build_context(state, Board{47, 22, 1, kNoCard, kNoCard}, false);
}
// Ks 7h 2d, turn Tc.
void BM_HoldemTurnContext(benchmark::State& state) {
  build_context(state, Board{47, 22, 1, 32, kNoCard}, false);
}
// Ks 7h 9d.
void BM_ShortDeckFlopContext(benchmark::State& state) {
  build_context(state, Board{47, 22, 29, kNoCard, kNoCard}, true);
}

}  // namespace

BENCHMARK(BM_HoldemFlopContext)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_HoldemTurnContext)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ShortDeckFlopContext)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
