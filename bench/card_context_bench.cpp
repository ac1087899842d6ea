// Build time of the card context of a flop spot with full ranges (every
// combination at weight 1), with every hardware thread (Arg 0) and with a
// fixed worker count. Each construction computes its tables: the cache only
// serves constructions that overlap in time.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <thread>

#include "context/card_context.hpp"

namespace {

using namespace halvory;

Range full_range() {
  Range r;
  r.weights.fill(1.0f);
  return r;
}

void build_context(benchmark::State& state, const Board& board, bool short_deck) {
  const long range_workers = state.range(0);
  const std::size_t workers = range_workers > 0 ? static_cast<std::size_t>(range_workers)
                                                : std::max(1u, std::thread::hardware_concurrency());
  const Range range = full_range();
  std::uint64_t bytes = 0;
  std::size_t hands = 0;
  for (auto _ : state) {
    CardContext context(board, range, range, short_deck, nullptr, workers);
    bytes = context.memory_bytes();
    hands = context.pockets[0].size();
    benchmark::DoNotOptimize(context.runouts.data());
  }
  state.counters["workers"] = static_cast<double>(workers);
  state.counters["memory_bytes"] = static_cast<double>(bytes);
  state.counters["hands_per_seat"] = static_cast<double>(hands);
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
