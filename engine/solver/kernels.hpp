#pragma once

// Flat f32 kernels of the solver's hot loop. A, H and n are entry counts;
// two-dimensional arrays are A rows of H entries. None allocates. Each runs
// in the tier chosen at run time (below); every tier gives bit-identical
// results (element-wise arithmetic in a fixed order, no fused multiply-add).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace halvory {

// Current strategy from regrets: positive parts normalised per hand; a hand
// whose positive regrets sum to 0 (or to less than the smallest normal float,
// or to infinity) plays every action with probability 1/A. A NaN regret counts
// as not positive. `scratch` holds H entries.
void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t A,
                     std::size_t H);

// R <- (w * R + V[a]) - v, w = w_pos where R >= 0, w_neg where R < 0 or NaN.
void update_regrets(float* regrets, const float* action_values, const float* node_values,
                    std::size_t A, std::size_t H, float w_pos, float w_neg);

// A traverser's node in one sweep, the same bits as the four kernels in
// turn: strategy = regret_matching(regrets); out = fma_actions(strategy,
// values); strategy_sum_update(sums, strategy, w_strategy); update_regrets(
// regrets, values, out, w_pos, w_neg). Blocks of hands go through all four
// while their rows are in registers, so each array is read once from memory.
// With maxima (two entries), also max_abs of the new sums and of the new
// regrets, for packing them without another pass.
void update_traverser_node(float* out, float* sums, float* regrets, const float* action_values,
                           std::size_t A, std::size_t H, float w_strategy, float w_pos, float w_neg,
                           float* maxima = nullptr);

// update_traverser_node on a node kept in 16 bits: the old sums and regrets
// are read from their codes (code / 32767 * sum_scale, half-precision codes
// times regret_scale) and the new ones written as f32 to new_sums and
// new_regrets, for packing. The same bits as decoding the codes first.
void update_packed_traverser_node(float* out, float* new_sums, float* new_regrets,
                                  const std::int16_t* sum_codes, float sum_scale,
                                  const std::int16_t* regret_codes, float regret_scale,
                                  const float* action_values, std::size_t A, std::size_t H,
                                  float w_strategy, float w_pos, float w_neg, float* maxima);

// An opponent's node: its current strategy (regret_matching) times the
// reach, per action, into child_reach (A x H), without keeping the strategy.
void opponent_child_reach(float* child_reach, const float* regrets, const float* reach,
                          std::size_t A, std::size_t H);
// The same from half-precision regret codes times scale.
void packed_opponent_child_reach(float* child_reach, const std::int16_t* regret_codes, float scale,
                                 const float* reach, std::size_t A, std::size_t H);

// out[h] = sum over a in order of strategy[a][h] * values[a][h] (f32 multiply,
// then add). Nothing when A = 0 or H = 0.
void fma_actions(float* out, const float* strategy, const float* action_values, std::size_t A,
                 std::size_t H);

// S[i] <- w * S[i] + strategy[i].
void strategy_sum_update(float* sums, const float* strategy, float w, std::size_t n);

// out[h] += rows[r][h] for r = 0 .. R-1 in order.
void sum_rows_into(float* out, const float* rows, std::size_t R, std::size_t H);

// y[i] += a * x[i]; nothing when a = 0.
void axpy(float* y, const float* x, std::size_t n, float a);

// out[i] = a[i] * b[i].
void multiply_into(float* out, const float* a, const float* b, std::size_t n);

// out[i] = a * in[i].
void scale_into(float* out, const float* in, float a, std::size_t n);

// out[h] = sum over r in order of rows[r][h], accumulated in f64 and rounded
// once; 0 when R = 0.
void sum_rows_f64(float* out, const float* rows, std::size_t R, std::size_t H);

// out[h] = sum over r in order of weights[r][h] * rows[r][h], each product
// and the sum in f64, rounded once; 0 when R = 0.
void weighted_rows_f64(float* out, const float* weights, const float* rows, std::size_t R,
                       std::size_t H);

// Average strategy from strategy sums: out[a][h] = max(0, S[a][h]) / T[h],
// T[h] the f32 sum over a in order of max(0, S[a][h]); 1/A for every action
// when T[h] is not above 0. A NaN sum counts as 0. `totals` holds H entries.
void normalize_positive(float* out, float* totals, const float* sums, std::size_t A, std::size_t H);
// The same from the sums' linear codes (code / 32767 * scale).
void normalize_packed(float* out, float* totals, const std::int16_t* codes, float scale,
                      std::size_t A, std::size_t H);

// Largest |x| over the entries, NaN entries ignored; 0 for n = 0.
float max_abs(const float* values, std::size_t n);

// codes[i] = lroundf(32767 * clamp(values[i] / scale, -1, 1)); NaN gives 0.
void quantize_int16(std::int16_t* codes, const float* values, float scale, std::size_t n);

// values[i] = codes[i] / 32767 * scale.
void dequantize_int16(float* values, const std::int16_t* codes, float scale, std::size_t n);

// codes[i] = the half-precision (IEEE binary16) bit pattern of values[i] * up,
// rounded to nearest even; NaN gives 0 and magnitudes past the largest half
// saturate to it.
void quantize_half(std::int16_t* codes, const float* values, float up, std::size_t n);

// values[i] = the half-precision value of codes[i], times down.
void dequantize_half(float* values, const std::int16_t* codes, float down, std::size_t n);

// The tier every kernel runs (kernel_table.hpp): baseline (x86-64-v2), AVX2
// (eight f32 lanes, showdown merges of up to eight lanes) or AVX-512 (sixteen
// f32 lanes, merges of up to sixteen; AVX-512 F, VL, BW and DQ). All give the same
// bits. The best tier the CPU has is chosen at the first call;
// select_kernel_isa forces one for tests and benchmarks, and refuses (returns
// false) a tier the CPU lacks.
enum class KernelIsa : std::uint8_t { baseline, avx2, avx512 };
KernelIsa active_kernel_isa() noexcept;
KernelIsa best_kernel_isa() noexcept;
bool cpu_supports(KernelIsa isa) noexcept;
bool cpu_has_avx2() noexcept;
bool select_kernel_isa(KernelIsa isa) noexcept;
// "baseline", "avx2", "avx512", and back.
const char* kernel_isa_name(KernelIsa isa) noexcept;
std::optional<KernelIsa> parse_kernel_isa(std::string_view name) noexcept;

}  // namespace halvory
