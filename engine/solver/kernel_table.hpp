#pragma once

// The kernel table: every kernel of one tier (the flat f32 kernels of
// kernels.hpp and the several-terminal showdown merge), so that one choice
// (kernels.cpp) decides which instructions every kernel runs. Not part of the
// API: the solver calls the functions of kernels.hpp, which go through the
// active table, and the payoffs read the table's merge once per batch.
//
// Tiers: baseline (x86-64-v2, four-lane merges), AVX2 (eight f32 lanes in the
// flat kernels, showdown merges of up to eight lanes, two registers a lane
// vector) and AVX-512 (sixteen f32 lanes in the flat kernels, showdown merges
// of up to sixteen lanes, all-in merges of up to eight). Every tier gives the
// same bits.

#include <cstddef>
#include <cstdint>
#include <span>

#include "context/card_context.hpp"
#include "solver/kernels.hpp"

namespace halvory {

namespace payoff_detail {
struct ShowdownLane;
struct AllInLane;
}  // namespace payoff_detail

struct FlatKernels {
  void (*regret_matching)(float*, float*, const float*, std::size_t, std::size_t);
  void (*update_traverser_node)(float*, float*, float*, const float*, std::size_t, std::size_t,
                                float, float, float, float*);
  void (*update_packed_traverser_node)(float*, float*, float*, const std::int16_t*, float,
                                       const std::int16_t*, float, const float*, std::size_t,
                                       std::size_t, float, float, float, float*);
  void (*opponent_child_reach)(float*, const float*, const float*, std::size_t, std::size_t);
  void (*packed_opponent_child_reach)(float*, const std::int16_t*, float, const float*, std::size_t,
                                      std::size_t);
  void (*update_regrets)(float*, const float*, const float*, std::size_t, std::size_t, float,
                         float);
  void (*fma_actions)(float*, const float*, const float*, std::size_t, std::size_t);
  void (*strategy_sum_update)(float*, const float*, float, std::size_t);
  void (*sum_rows_into)(float*, const float*, std::size_t, std::size_t);
  void (*axpy)(float*, const float*, std::size_t, float);
  void (*multiply_into)(float*, const float*, const float*, std::size_t);
  void (*scale_into)(float*, const float*, float, std::size_t);
  void (*sum_rows_f64)(float*, const float*, std::size_t, std::size_t);
  void (*weighted_rows_f64)(float*, const float*, const float*, std::size_t, std::size_t);
  void (*normalize_positive)(float*, float*, const float*, std::size_t, std::size_t);
  void (*normalize_packed)(float*, float*, const std::int16_t*, float, std::size_t, std::size_t);
  float (*max_abs)(const float*, std::size_t);
  void (*quantize_int16)(std::int16_t*, const float*, float, std::size_t);
  void (*dequantize_int16)(float*, const std::int16_t*, float, std::size_t);
  void (*quantize_half)(std::int16_t*, const float*, float, std::size_t);
  void (*dequantize_half)(float*, const std::int16_t*, float, std::size_t);
};

// 2 to lane_capacity lanes of one runout through one merge (showdown_lanes.cpp
// documents the arguments).
using ShowdownLanesKernel = void (*)(const CardContext& cards, const RunoutShowdown& entry,
                                     std::uint8_t seat, std::size_t reach_size,
                                     const payoff_detail::ShowdownLane* lanes, std::size_t K,
                                     bool with_ties);

// 2 to all_in_capacity all-ins of one turn through one merge per runout
// (showdown_lanes.cpp documents the arguments).
using AllInLanesKernel = void (*)(const CardContext& cards,
                                  std::span<const RunoutShowdown* const> runouts, std::uint8_t seat,
                                  std::size_t reach_size, const payoff_detail::AllInLane* lanes,
                                  std::size_t K);

struct KernelTable {
  KernelIsa isa = KernelIsa::baseline;
  FlatKernels flat{};
  std::size_t lane_capacity = 4;
  ShowdownLanesKernel showdown_lanes = nullptr;
  std::size_t all_in_capacity = 4;
  AllInLanesKernel all_in_lanes = nullptr;
};

// The table the kernels use now (the best tier the CPU has, unless one was
// selected).
const KernelTable& kernel_table() noexcept;
// A tier's table; only for a tier cpu_supports() accepts.
const KernelTable& kernel_table(KernelIsa isa) noexcept;

// Each tier's pieces, from the file that compiles them.
FlatKernels baseline_flat_kernels() noexcept;  // kernels_baseline.cpp
FlatKernels avx2_flat_kernels() noexcept;      // kernels_avx2.cpp
FlatKernels avx512_flat_kernels() noexcept;    // kernels_avx512.cpp
namespace payoff_detail {                      // showdown_lanes.cpp
void showdown_lanes_baseline(const CardContext& cards, const RunoutShowdown& entry,
                             std::uint8_t seat, std::size_t reach_size, const ShowdownLane* lanes,
                             std::size_t K, bool with_ties);
void showdown_lanes_avx2(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                         std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                         bool with_ties);
void showdown_lanes_avx512(const CardContext& cards, const RunoutShowdown& entry, std::uint8_t seat,
                           std::size_t reach_size, const ShowdownLane* lanes, std::size_t K,
                           bool with_ties);
void all_in_lanes_baseline(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                           std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes,
                           std::size_t K);
void all_in_lanes_avx2(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                       std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes,
                       std::size_t K);
void all_in_lanes_avx512(const CardContext& cards, std::span<const RunoutShowdown* const> runouts,
                         std::uint8_t seat, std::size_t reach_size, const AllInLane* lanes,
                         std::size_t K);
}  // namespace payoff_detail

}  // namespace halvory
