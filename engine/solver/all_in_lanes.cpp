// Several all-ins of one turn through one merge per runout: lane l sums
// all-in l's terms over the rivers, each lane taking the f64 operations of
// accumulate_runout in the same order, so that its row is the same bit for
// bit. Four lanes in the baseline and AVX2 tiers, up to eight in the AVX-512
// tier (every turn plan has two all-ins a seat, so wider would be empty).

#include <cstddef>
#include <span>
#include <vector>

#include "solver/kernel_table.hpp"
#include "solver/lane_vectors.hpp"
#include "solver/profile.hpp"
#include "solver/showdown_merge.hpp"

namespace halvory::payoff_detail {
namespace {

using lanes::Lanes;

// Per runout, the merge's sums, and for each traverser record
// acc[h] += (win - tie) * less + (tie - lose) * (leq + own[h]) in each lane.
// The reaches and the twins' reaches are laid out once for all runouts,
// widened to f64 (exactly) once, since every runout reads them again.
template <std::size_t N>
[[gnu::always_inline]] inline void all_in_lanes_body(const CardContext& cards,
                                                     std::span<const RunoutShowdown* const> runouts,
                                                     std::uint8_t seat, std::size_t reach_size,
                                                     const AllInLane* lane_list, std::size_t K) {
  using V = Lanes<double, N>;
  using F = Lanes<float, N>;
  const std::size_t H = cards.pockets[seat].size();
  V* const w = static_cast<V*>(
      lanes::lane_scratch((reach_size + 1 + 2 * H) * sizeof(V) + reach_size * sizeof(F)));
  V* const own = w + reach_size + 1;
  V* const acc = own + H;
  F* const narrow = reinterpret_cast<F*>(acc + H);
  const float* reach[N] = {};
  V less_weight = {};
  V leq_weight = {};
  for (std::size_t l = 0; l < K; ++l) {
    reach[l] = lane_list[l].reach;
    less_weight[l] = lane_list[l].c.win - lane_list[l].c.tie;
    leq_weight[l] = lane_list[l].c.tie - lane_list[l].c.lose;
  }
  lanes::load_reach<N>(reach, K, reach_size, reinterpret_cast<float*>(narrow));
  for (std::size_t j = 0; j < reach_size; ++j) w[j] = __builtin_convertvector(narrow[j], V);
  w[reach_size] = V{};
  const std::vector<std::uint16_t>& cross = cards.cross[seat];
  for (std::size_t h = 0; h < H; ++h) {
    const std::size_t twin = h < cross.size() ? cross[h] : kNoHand;
    own[h] = w[twin < reach_size ? twin : reach_size];
    acc[h] = V{};
  }
  for (const RunoutShowdown* entry : runouts) {
    lanes::PrefixSums<V> prefix;
    prefix_merge((*entry)[seat], (*entry)[1 - seat],
                 [&](const ShowdownRecord* o) { prefix.add(w[o->position], o->pocket); },
                 [&](const ShowdownRecord* t, std::size_t) {
                   V less;
                   prefix.excluding(t->pocket, less);
                   acc[t->position] += less_weight * less;
                 },
                 [&](const ShowdownRecord* t, std::size_t) {
                   const std::uint16_t h = t->position;
                   V leq;
                   prefix.excluding(t->pocket, leq);
                   acc[h] += leq_weight * (leq + own[h]);
                 });
  }
  for (std::size_t h = 0; h < H; ++h)
    for (std::size_t l = 0; l < K; ++l) lane_list[l].row[h] = acc[h][l];
}

// The merges compiled for the wider instruction sets.
template <std::size_t N>
[[gnu::target("avx2")]] void all_in_avx2(const CardContext& cards,
                                         std::span<const RunoutShowdown* const> runouts,
                                         std::uint8_t seat, std::size_t reach_size,
                                         const AllInLane* lane_list, std::size_t K) {
  all_in_lanes_body<N>(cards, runouts, seat, reach_size, lane_list, K);
}
template <std::size_t N>
[[gnu::target("avx512f")]] void all_in_avx512(const CardContext& cards,
                                              std::span<const RunoutShowdown* const> runouts,
                                              std::uint8_t seat, std::size_t reach_size,
                                              const AllInLane* lane_list, std::size_t K) {
  all_in_lanes_body<N>(cards, runouts, seat, reach_size, lane_list, K);
}

}  // namespace

void all_in_lanes_baseline(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                           std::uint8_t seat, std::size_t reach_size, const AllInLane* lane_list,
                           std::size_t K) {
  all_in_lanes_body<4>(cards, runouts, seat, reach_size, lane_list, K);
}

void all_in_lanes_avx2(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                       std::uint8_t seat, std::size_t reach_size, const AllInLane* lane_list,
                       std::size_t K) {
  all_in_avx2<4>(cards, runouts, seat, reach_size, lane_list, K);
}

void all_in_lanes_avx512(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                         std::uint8_t seat, std::size_t reach_size, const AllInLane* lane_list,
                         std::size_t K) {
  if (K <= 4) {
    all_in_avx2<4>(cards, runouts, seat, reach_size, lane_list, K);
  } else {
    all_in_avx512<8>(cards, runouts, seat, reach_size, lane_list, K);
  }
}

void all_in_lanes(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                  std::uint8_t seat, std::size_t reach_size, const AllInLane* lane_list,
                  std::size_t K, KernelIsa isa) {
  const AllInLanesKernel merge = kernel_table(isa).all_in_lanes;
  SolverProfile::Scope scope(ProfileSection::incomplete);
  merge(cards, runouts, seat, reach_size, lane_list, K);
}

std::size_t all_in_capacity(KernelIsa isa) {
  return kernel_table(isa).all_in_capacity;
}

}  // namespace halvory::payoff_detail
