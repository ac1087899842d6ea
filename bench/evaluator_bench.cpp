// Seven-card evaluations per second on one core (items_per_second).
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "cards/cards.hpp"

namespace {

using halvory::CardCode;

std::vector<std::array<CardCode, 7>> random_hands(std::size_t n, int lowest_code,
                                                  std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_int_distribution<int> pick(lowest_code, 51);
  std::vector<std::array<CardCode, 7>> hands(n);
  for (auto& hand : hands) {
    std::uint64_t used = 0;
    for (auto& card : hand) {
      int c;
      do c = pick(rng);
      while (used >> c & 1);
      used |= std::uint64_t{1} << c;
      card = static_cast<CardCode>(c);
    }
  }
  return hands;
}

// Independent random hands: the branch predictor gets no help.
void evaluate_random_hands(benchmark::State& state, bool short_deck) {
  const auto hands = random_hands(1 << 16, short_deck ? 16 : 0, 42);
  std::uint32_t sink = 0;
  for (auto _ : state) {
    for (const auto& h : hands)
      sink += halvory::evaluate_seven(h[0], h[1], h[2], h[3], h[4], h[5], h[6], short_deck);
    benchmark::DoNotOptimize(sink);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(hands.size()));
}
BENCHMARK_CAPTURE(evaluate_random_hands, holdem, false);
BENCHMARK_CAPTURE(evaluate_random_hands, short_deck, true);

// The table builders' pattern: one five-card board, every two-card hand
// that does not collide with it.
void evaluate_board_sweep(benchmark::State& state) {
  const std::array<CardCode, 5> board = {2, 17, 30, 41, 50};
  std::uint64_t board_mask = 0;
  for (CardCode c : board) board_mask |= std::uint64_t{1} << c;
  std::vector<std::array<CardCode, 2>> pockets;
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b)
      if (!((board_mask >> a & 1) || (board_mask >> b & 1)))
        pockets.push_back({static_cast<CardCode>(a), static_cast<CardCode>(b)});
  std::uint32_t sink = 0;
  for (auto _ : state) {
    for (const auto& p : pockets)
      sink += halvory::evaluate_seven(p[0], p[1], board[0], board[1], board[2], board[3], board[4],
                                      false);
    benchmark::DoNotOptimize(sink);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(pockets.size()));
}
BENCHMARK(evaluate_board_sweep);

}  // namespace
