#pragma once

// The bodies of the flat kernels, written once and compiled into each tier
// (kernels_baseline.cpp, kernels_avx2.cpp, kernels_avx512.cpp): only those
// files include this header, each after choosing its instruction set and the
// optimisation of its kernels, so that the vectoriser fits the same loops to
// the tier's registers. The bodies only use element-wise operations in a fixed order,
// so every tier rounds identically. FMA is deliberately never enabled: a
// fused multiply-add would round differently from the baseline.
//
// Everything here has internal linkage: each tier's file holds its own copy,
// compiled for its own instruction set.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "solver/kernel_table.hpp"

namespace halvory {
namespace {  // NOLINT(google-build-namespaces): one copy per tier, see above

#define HALVORY_KERNEL_INLINE [[gnu::always_inline]] inline

// L f32 lanes as one GCC vector: 16 (one AVX-512 register) in the AVX-512
// variant, 8 (one AVX2 register) in the AVX2 variant, 4 (one SSE register) in
// the baseline. Loads and stores go through memcpy
// (unaligned).
typedef float f32x4 __attribute__((vector_size(16)));
typedef float f32x8 __attribute__((vector_size(32)));
typedef float f32x16 __attribute__((vector_size(64)));
template <std::size_t L>
struct Lanes;
template <>
struct Lanes<1> {
  using type = float;
};
template <>
struct Lanes<4> {
  using type = f32x4;
};
template <>
struct Lanes<8> {
  using type = f32x8;
};
template <>
struct Lanes<16> {
  using type = f32x16;
};

// Regret matching on a block of L hands (L = 1: one hand). The positive
// parts are summed over the actions in order from 0, and one division gives
// the block's reciprocals. A sum below the smallest normal float would have
// an infinite reciprocal (and NaN probabilities), so it counts as zero, and
// such a hand plays every action with probability 1/A.
template <std::size_t L>
struct Matching {
  using vec = typename Lanes<L>::type;
  vec zero = vec{} + 0.0f;
  vec uniform;
  explicit Matching(std::size_t A) : uniform(vec{} + 1.0f / static_cast<float>(A)) {}

  HALVORY_KERNEL_INLINE vec reciprocal(const float* __restrict regrets, std::size_t A,
                                       std::size_t H, std::size_t h) const {
    vec total = zero;
    for (std::size_t a = 0; a < A; ++a) total += positive(load(regrets + a * H + h));
    const vec r = (vec{} + 1.0f) / total;
    return total >= vec{} + FLT_MIN ? r : zero;
  }
  HALVORY_KERNEL_INLINE vec positive(vec x) const { return x > zero ? x : zero; }
  // The probability of regret x at reciprocal inv.
  HALVORY_KERNEL_INLINE vec strategy(vec x, vec inv) const {
    const vec scaled = positive(x) * inv;
    return inv > zero ? scaled : uniform;
  }
  HALVORY_KERNEL_INLINE static vec load(const float* p) {
    vec x;
    __builtin_memcpy(&x, p, sizeof x);
    return x;
  }
  HALVORY_KERNEL_INLINE static void store(float* p, vec x) { __builtin_memcpy(p, &x, sizeof x); }
};

// |x| by clearing the sign bit: one AND where the select form costs a
// compare and a blend. -0 gives +0, NaN stays NaN.
template <class V>
HALVORY_KERNEL_INLINE V magnitude(V x) {
  if constexpr (std::is_same_v<V, float>) {
    return __builtin_fabsf(x);
  } else {
    typedef int Bits __attribute__((vector_size(sizeof(V))));
    return (V)((Bits)x & 0x7fffffff);
  }
}

// running <- the larger of running and |x|, lane by lane; a NaN never wins
// a comparison, so it is skipped. max is exact: the lane split does not
// change the result.
template <class V>
HALVORY_KERNEL_INLINE void keep_max_abs(V x, V& running) {
  const V a = magnitude(x);
  running = a > running ? a : running;
}

// The largest of m and the L lanes.
template <std::size_t L, class V>
HALVORY_KERNEL_INLINE float max_of_lanes(const V& lanes, float m) {
  for (std::size_t j = 0; j < L; ++j) m = lanes[j] > m ? lanes[j] : m;
  return m;
}

// Runs block<L>(h) over the hands in blocks of L, then block<1> over the
// tail.
template <std::size_t L, class Block>
HALVORY_KERNEL_INLINE void over_hands(std::size_t H, Block&& block) {
  std::size_t h = 0;
  for (; h + L <= H; h += L) block(h, std::integral_constant<std::size_t, L>{});
  for (; h < H; ++h) block(h, std::integral_constant<std::size_t, 1>{});
}

// The strategy into out (A x H), with the reciprocals kept in scratch; or,
// with Reach, the strategy times the reach. The second read of a regret
// block finds it still in L1.
template <std::size_t L, bool Reach>
HALVORY_KERNEL_INLINE void strategy_lanes(float* __restrict out, float* __restrict scratch,
                                          const float* __restrict regrets,
                                          const float* __restrict reach, std::size_t A,
                                          std::size_t H) {
  if (A == 0 || H == 0) return;
  over_hands<L>(H, [&](std::size_t h, auto lanes) {
    using M = Matching<decltype(lanes)::value>;
    const M m(A);
    const auto inv = m.reciprocal(regrets, A, H, h);
    if constexpr (Reach) {
      const auto r = M::load(reach + h);
      for (std::size_t a = 0; a < A; ++a)
        M::store(out + a * H + h, m.strategy(M::load(regrets + a * H + h), inv) * r);
    } else {
      M::store(scratch + h, inv);
      for (std::size_t a = 0; a < A; ++a)
        M::store(out + a * H + h, m.strategy(M::load(regrets + a * H + h), inv));
    }
  });
}

// update_traverser_node on blocks of L hands: the strategy, the node value
// and the strategy sums in one pass over the actions, the regrets in a
// second once the node value is known.
// With Track, also the largest |x| of the new sums and of the new regrets
// into maxima[0] and maxima[1], NaN skipped as max_abs skips it.
template <std::size_t L, bool Track>
HALVORY_KERNEL_INLINE void traverser_lanes(float* __restrict out, float* __restrict sums,
                                           float* __restrict regrets,
                                           const float* __restrict values, std::size_t A,
                                           std::size_t H, float w_s, float w_pos, float w_neg,
                                           float* __restrict maxima) {
  if (A == 0 || H == 0) {
    if constexpr (Track) maxima[0] = maxima[1] = 0.0f;
    return;
  }
  using wide = typename Lanes<L>::type;
  wide max_sums = wide{} + 0.0f;
  wide max_regrets = max_sums;
  float max_sums_tail = 0.0f;
  float max_regrets_tail = 0.0f;
  over_hands<L>(H, [&](std::size_t h, auto lanes) {
    using M = Matching<decltype(lanes)::value>;
    using vec = typename M::vec;
    const M m(A);
    // Blocks of L hands keep L lanes of maxima, the tail's single hands one.
    const auto track = [&](vec x, wide& block_max, float& tail_max) {
      if constexpr (Track && std::is_same_v<vec, float>) {
        keep_max_abs(x, tail_max);
      } else if constexpr (Track) {
        keep_max_abs(x, block_max);
      }
    };
    const vec inv = m.reciprocal(regrets, A, H, h);
    vec acc = m.zero;
    for (std::size_t a = 0; a < A; ++a) {
      const std::size_t i = a * H + h;
      const vec sigma = m.strategy(M::load(regrets + i), inv);
      const vec term = sigma * M::load(values + i);
      acc = a == 0 ? term : acc + term;
      const vec kept = w_s * M::load(sums + i);
      const vec sum = kept + sigma;
      M::store(sums + i, sum);
      track(sum, max_sums, max_sums_tail);
    }
    M::store(out + h, acc);
    for (std::size_t a = 0; a < A; ++a) {
      const std::size_t i = a * H + h;
      const vec r = M::load(regrets + i);
      const vec w = r >= m.zero ? vec{} + w_pos : vec{} + w_neg;
      const vec grown = w * r + M::load(values + i);
      const vec regret = grown - acc;
      M::store(regrets + i, regret);
      track(regret, max_regrets, max_regrets_tail);
    }
  });
  if constexpr (Track) {
    maxima[0] = max_of_lanes<L>(max_sums, max_sums_tail);
    maxima[1] = max_of_lanes<L>(max_regrets, max_regrets_tail);
  }
}

HALVORY_KERNEL_INLINE void update_regrets_body(float* __restrict regrets,
                                               const float* __restrict action_values,
                                               const float* __restrict node_values, std::size_t A,
                                               std::size_t H, float w_pos, float w_neg) {
  for (std::size_t a = 0; a < A; ++a) {
    float* __restrict g = regrets + a * H;
    const float* __restrict v = action_values + a * H;
    for (std::size_t h = 0; h < H; ++h) {
      const float r = g[h];
      const float w = r >= 0.0f ? w_pos : w_neg;
      const float grown = w * r + v[h];
      g[h] = grown - node_values[h];
    }
  }
}

HALVORY_KERNEL_INLINE void fma_actions_body(float* __restrict out, const float* __restrict strategy,
                                            const float* __restrict action_values, std::size_t A,
                                            std::size_t H) {
  if (A == 0 || H == 0) return;
  for (std::size_t h = 0; h < H; ++h) out[h] = strategy[h] * action_values[h];
  for (std::size_t a = 1; a < A; ++a) {
    const float* __restrict s = strategy + a * H;
    const float* __restrict v = action_values + a * H;
    for (std::size_t h = 0; h < H; ++h) {
      const float term = s[h] * v[h];
      out[h] = out[h] + term;
    }
  }
}

HALVORY_KERNEL_INLINE void strategy_sum_update_body(float* __restrict sums,
                                                    const float* __restrict strategy, float w,
                                                    std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const float kept = w * sums[i];
    sums[i] = kept + strategy[i];
  }
}

HALVORY_KERNEL_INLINE void sum_rows_into_body(float* __restrict out, const float* __restrict rows,
                                              std::size_t R, std::size_t H) {
  for (std::size_t r = 0; r < R; ++r) {
    const float* __restrict row = rows + r * H;
    for (std::size_t h = 0; h < H; ++h) out[h] += row[h];
  }
}

HALVORY_KERNEL_INLINE void axpy_body(float* __restrict y, const float* __restrict x, std::size_t n,
                                     float a) {
  for (std::size_t i = 0; i < n; ++i) {
    const float term = a * x[i];
    y[i] = y[i] + term;
  }
}

HALVORY_KERNEL_INLINE void multiply_into_body(float* __restrict out, const float* __restrict a,
                                              const float* __restrict b, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) out[i] = a[i] * b[i];
}

HALVORY_KERNEL_INLINE void scale_into_body(float* __restrict out, const float* __restrict in,
                                           float a, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) out[i] = a * in[i];
}

// out[h] = the f64 sum over rows of row[h], or of weight[h] * row[h] when
// weights are given. A block of 16 hands keeps its f64 accumulators in
// registers across the rows; each hand's sum takes its terms in row order
// either way.
template <bool Weighted>
HALVORY_KERNEL_INLINE double row_term(const float* __restrict weights, const float* __restrict rows,
                                      std::size_t i) {
  if constexpr (Weighted) {
    return static_cast<double>(weights[i]) * static_cast<double>(rows[i]);
  } else {
    return static_cast<double>(rows[i]);
  }
}

template <bool Weighted>
HALVORY_KERNEL_INLINE void rows_f64(float* __restrict out, const float* __restrict weights,
                                    const float* __restrict rows, std::size_t R, std::size_t H) {
  constexpr std::size_t kBlock = 16;
  std::size_t h0 = 0;
  for (; h0 + kBlock <= H; h0 += kBlock) {
    double acc[kBlock];
    for (std::size_t j = 0; j < kBlock; ++j) acc[j] = 0.0;
    for (std::size_t r = 0; r < R; ++r)
      for (std::size_t j = 0; j < kBlock; ++j)
        acc[j] += row_term<Weighted>(weights, rows, r * H + h0 + j);
    for (std::size_t j = 0; j < kBlock; ++j) out[h0 + j] = static_cast<float>(acc[j]);
  }
  for (; h0 < H; ++h0) {
    double acc = 0.0;
    for (std::size_t r = 0; r < R; ++r) acc += row_term<Weighted>(weights, rows, r * H + h0);
    out[h0] = static_cast<float>(acc);
  }
}

HALVORY_KERNEL_INLINE void sum_rows_f64_body(float* __restrict out, const float* __restrict rows,
                                             std::size_t R, std::size_t H) {
  rows_f64<false>(out, nullptr, rows, R, H);
}

HALVORY_KERNEL_INLINE void weighted_rows_f64_body(float* __restrict out,
                                                  const float* __restrict weights,
                                                  const float* __restrict rows, std::size_t R,
                                                  std::size_t H) {
  rows_f64<true>(out, weights, rows, R, H);
}

HALVORY_KERNEL_INLINE void normalize_positive_body(float* __restrict out, float* __restrict totals,
                                                   const float* __restrict sums, std::size_t A,
                                                   std::size_t H) {
  if (A == 0 || H == 0) return;
  const float uniform = 1.0f / static_cast<float>(A);
  for (std::size_t h = 0; h < H; ++h) totals[h] = 0.0f;
  for (std::size_t a = 0; a < A; ++a) {
    const float* __restrict s = sums + a * H;
    float* __restrict o = out + a * H;
    for (std::size_t h = 0; h < H; ++h) {
      const float positive = s[h] > 0.0f ? s[h] : 0.0f;
      o[h] = positive;
      totals[h] += positive;
    }
  }
  for (std::size_t a = 0; a < A; ++a) {
    float* __restrict o = out + a * H;
    for (std::size_t h = 0; h < H; ++h) {
      const float share = o[h] / totals[h];
      o[h] = totals[h] > 0.0f ? share : uniform;
    }
  }
}

// L lanes of running maxima, then the tail and the lanes.
template <std::size_t L>
HALVORY_KERNEL_INLINE float max_abs_lanes(const float* __restrict values, std::size_t n) {
  using vec = typename Lanes<L>::type;
  vec lanes = vec{} + 0.0f;
  std::size_t i = 0;
  for (; i + L <= n; i += L) {
    vec x;
    __builtin_memcpy(&x, values + i, sizeof x);
    keep_max_abs(x, lanes);
  }
  float m = 0.0f;
  for (; i < n; ++i) keep_max_abs(values[i], m);
  return max_of_lanes<L>(lanes, m);
}

HALVORY_KERNEL_INLINE void quantize_int16_body(std::int16_t* __restrict codes,
                                               const float* __restrict values, float scale,
                                               std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    float q = values[i] / scale;
    q = q > 1.0f ? 1.0f : q;
    q = q < -1.0f ? -1.0f : q;
    q = q == q ? q : 0.0f;
    const float y = 32767.0f * q;
    // Round half away from zero: truncate (exact for |y| <= 32767), then
    // step outwards when the exact remainder reaches one half.
    const int whole = static_cast<int>(y);
    const float frac = y - static_cast<float>(whole);
    const int code = whole + (frac >= 0.5f ? 1 : 0) - (frac <= -0.5f ? 1 : 0);
    codes[i] = static_cast<std::int16_t>(code);
  }
}

// c / 32767 without a division: 1 / 32767 = 2^-15 + 2^-30 + 2^-45 + ..., so
// c * 2^-15 (exact) plus c * 0x1.0002p-30 is c / 32767 before one rounding,
// and that rounding gives the quotient's own for every code (all are
// checked).
constexpr float kCodeHigh = 0x1p-15f;
constexpr float kCodeLow = 0x1.0002p-30f;

HALVORY_KERNEL_INLINE void dequantize_int16_body(float* __restrict values,
                                                 const std::int16_t* __restrict codes, float scale,
                                                 std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const float c = static_cast<float>(codes[i]);
    const float unit = c * kCodeHigh + c * kCodeLow;
    values[i] = unit * scale;
  }
}

// Float to half by integer steps (no F16C, so both variants round alike):
// normal halves keep the top 10 mantissa bits, rounded to nearest even by
// adding 0xfff plus the lowest kept bit; below the smallest normal half an
// add of 0.5 lets the FPU round into the subnormal grid.
HALVORY_KERNEL_INLINE void quantize_half_body(std::int16_t* __restrict codes,
                                              const float* __restrict values, float up,
                                              std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const float x = values[i] * up;
    std::uint32_t bits;
    __builtin_memcpy(&bits, &x, sizeof bits);
    const std::uint32_t sign = (bits >> 16) & 0x8000u;
    const std::uint32_t a = bits & 0x7fffffffu;
    float small;
    const std::uint32_t a_small = a < 0x38800000u ? a : 0u;
    __builtin_memcpy(&small, &a_small, sizeof small);
    small += 0.5f;
    std::uint32_t small_bits;
    __builtin_memcpy(&small_bits, &small, sizeof small_bits);
    const std::uint32_t subnormal = small_bits - 0x3f000000u;
    const std::uint32_t normal = (a + 0xc8000fffu + ((a >> 13) & 1u)) >> 13;
    std::uint32_t h = a < 0x38800000u ? subnormal : normal;
    h = a >= 0x477ff000u ? 0x7bffu : h;   // rounds past 65504, or infinity
    h = a > 0x7f800000u ? 0u : h | sign;  // NaN
    codes[i] = static_cast<std::int16_t>(static_cast<std::uint16_t>(h));
  }
}

HALVORY_KERNEL_INLINE void dequantize_half_body(float* __restrict values,
                                                const std::int16_t* __restrict codes, float down,
                                                std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const std::uint32_t h = static_cast<std::uint16_t>(codes[i]);
    const std::uint32_t shifted = (h & 0x7fffu) << 13;
    // Subnormal halves: set the implicit bit, then take 2^-14 away in float.
    const bool subnormal = (shifted & 0x0f800000u) == 0;
    const std::uint32_t o = shifted + 0x38000000u + (subnormal ? 0x00800000u : 0u);
    float f;
    __builtin_memcpy(&f, &o, sizeof f);
    f = subnormal ? f - 6.103515625e-05f : f;
    std::uint32_t fb;
    __builtin_memcpy(&fb, &f, sizeof fb);
    fb |= (h & 0x8000u) << 16;
    __builtin_memcpy(&f, &fb, sizeof f);
    values[i] = f * down;
  }
}

// The packings in the CPU's own steps on L lanes: 8 in the AVX2 tier (with
// F16C, which every AVX2 processor has), 16 in the AVX-512 tier. Each gives
// the bits of the body above it, which takes the tail. Only those tiers'
// files use these; the baseline never instantiates them.
template <std::size_t L>
struct WideCodes;
template <>
struct WideCodes<8> {
  typedef int I32 __attribute__((vector_size(32)));
  typedef short I16 __attribute__((vector_size(16)));
};
template <>
struct WideCodes<16> {
  typedef int I32 __attribute__((vector_size(64)));
  typedef short I16 __attribute__((vector_size(32)));
};
template <std::size_t L>
struct WidePacking {
  using F = typename Lanes<L>::type;
  using I32 = typename WideCodes<L>::I32;
  using I16 = typename WideCodes<L>::I16;

  // min and max that keep a NaN in q, as the body's selects do.
  HALVORY_KERNEL_INLINE static F min(F bound, F q) {
    if constexpr (L == 8) {
      return __builtin_ia32_minps256(bound, q);
    } else {
      return __builtin_ia32_minps512_mask(bound, q, F{}, 0xffff, 4);
    }
  }
  HALVORY_KERNEL_INLINE static F max(F bound, F q) {
    if constexpr (L == 8) {
      return __builtin_ia32_maxps256(bound, q);
    } else {
      return __builtin_ia32_maxps512_mask(bound, q, F{}, 0xffff, 4);
    }
  }
  // Codes that fit 16 bits, narrowed exactly.
  HALVORY_KERNEL_INLINE static I16 narrow(I32 c) {
    if constexpr (L == 8) {
      typedef int I32x4 __attribute__((vector_size(16)));
      const I32x4 lo = __builtin_shufflevector(c, c, 0, 1, 2, 3);
      const I32x4 hi = __builtin_shufflevector(c, c, 4, 5, 6, 7);
      return __builtin_ia32_packssdw128(lo, hi);
    } else {
      return __builtin_convertvector(c, I16);
    }
  }
  // Rounded to nearest even, and back exactly.
  HALVORY_KERNEL_INLINE static I16 to_half(F x) {
    if constexpr (L == 8) {
      return __builtin_ia32_vcvtps2ph256(x, 0);
    } else {
      return __builtin_ia32_vcvtps2ph512_mask(x, 0, I16{}, 0xffff);
    }
  }
  HALVORY_KERNEL_INLINE static F from_half(I16 h) {
    if constexpr (L == 8) {
      return __builtin_ia32_vcvtph2ps256(h);
    } else {
      return __builtin_ia32_vcvtph2ps512_mask(h, F{}, 0xffff, 4);
    }
  }

  // The clamps as min and max, NaN made 0, and the rounding away from zero
  // as one add and a truncation: y + copysign(0.49999997, y) truncates to the
  // body's code for every float |y| <= 32767 (checked for each of them; the
  // constant is the float just below one half, so no y below a half step
  // reaches the next integer). The vectoriser's form of the body spends most
  // of its time in blends.
  static void quantize_int16(std::int16_t* codes, const float* values, float scale, std::size_t n) {
    const F one = F{} + 1.0f;
    const I32 sign = I32{} + static_cast<int>(0x80000000u);
    const F below_half = F{} + 0x1.fffffep-2f;
    std::size_t i = 0;
    for (; i + L <= n; i += L) {
      F x;
      __builtin_memcpy(&x, values + i, sizeof x);
      F q = min(one, x / scale);
      q = max(-one, q);
      q = q == q ? q : F{};
      const F y = 32767.0f * q;
      const F nudge = (F)(((I32)y & sign) | (I32)below_half);
      const I16 c = narrow(__builtin_convertvector(y + nudge, I32));
      __builtin_memcpy(codes + i, &c, sizeof c);
    }
    quantize_int16_body(codes + i, values + i, scale, n - i);
  }
  static void dequantize_int16(float* values, const std::int16_t* codes, float scale,
                               std::size_t n) {
    std::size_t i = 0;
    for (; i + L <= n; i += L) {
      I16 c;
      __builtin_memcpy(&c, codes + i, sizeof c);
      const F f = __builtin_convertvector(c, F);
      const F x = (f * kCodeHigh + f * kCodeLow) * scale;
      __builtin_memcpy(values + i, &x, sizeof x);
    }
    dequantize_int16_body(values + i, codes + i, scale, n - i);
  }
  // NaN made 0 and the magnitude held at the largest half, as the body does.
  static void quantize_half(std::int16_t* codes, const float* values, float up, std::size_t n) {
    const F largest = F{} + 65504.0f;
    std::size_t i = 0;
    for (; i + L <= n; i += L) {
      F x;
      __builtin_memcpy(&x, values + i, sizeof x);
      x = x * up;
      x = x == x ? x : F{};
      x = x > largest ? largest : x;
      x = x < -largest ? -largest : x;
      const I16 h = to_half(x);
      __builtin_memcpy(codes + i, &h, sizeof h);
    }
    quantize_half_body(codes + i, values + i, up, n - i);
  }
  static void dequantize_half(float* values, const std::int16_t* codes, float down, std::size_t n) {
    std::size_t i = 0;
    for (; i + L <= n; i += L) {
      I16 h;
      __builtin_memcpy(&h, codes + i, sizeof h);
      const F x = from_half(h) * down;
      __builtin_memcpy(values + i, &x, sizeof x);
    }
    dequantize_half_body(values + i, codes + i, down, n - i);
  }

  // The tier's table: the bodies on L lanes, the packings in these steps.
  static FlatKernels table() noexcept;
};

// The flat kernels of a tier whose hand-blocked bodies take L f32 lanes.
template <std::size_t L>
struct TierKernels {
  using Size = std::size_t;
  using I16 = std::int16_t;
  static void regret_matching(float* s, float* scratch, const float* g, Size A, Size H) {
    strategy_lanes<L, false>(s, scratch, g, nullptr, A, H);
  }
  static void traverser_node(float* out, float* sums, float* g, const float* v, Size A, Size H,
                             float ws, float wp, float wn, float* maxima) {
    if (maxima != nullptr) {
      traverser_lanes<L, true>(out, sums, g, v, A, H, ws, wp, wn, maxima);
    } else {
      traverser_lanes<L, false>(out, sums, g, v, A, H, ws, wp, wn, maxima);
    }
  }
  static void child_reach(float* out, const float* g, const float* reach, Size A, Size H) {
    strategy_lanes<L, true>(out, nullptr, g, reach, A, H);
  }
  static void update_regrets(float* g, const float* v, const float* nv, Size A, Size H, float wp,
                             float wn) {
    update_regrets_body(g, v, nv, A, H, wp, wn);
  }
  static void fma_actions(float* out, const float* s, const float* v, Size A, Size H) {
    fma_actions_body(out, s, v, A, H);
  }
  static void sum_update(float* sums, const float* s, float w, Size n) {
    strategy_sum_update_body(sums, s, w, n);
  }
  static void sum_rows_into(float* out, const float* rows, Size R, Size H) {
    sum_rows_into_body(out, rows, R, H);
  }
  static void axpy(float* y, const float* x, Size n, float a) { axpy_body(y, x, n, a); }
  static void multiply_into(float* out, const float* a, const float* b, Size n) {
    multiply_into_body(out, a, b, n);
  }
  static void scale_into(float* out, const float* in, float a, Size n) {
    scale_into_body(out, in, a, n);
  }
  static void sum_rows_f64(float* out, const float* rows, Size R, Size H) {
    sum_rows_f64_body(out, rows, R, H);
  }
  static void weighted_rows_f64(float* out, const float* w, const float* rows, Size R, Size H) {
    weighted_rows_f64_body(out, w, rows, R, H);
  }
  static void normalize_positive(float* out, float* totals, const float* sums, Size A, Size H) {
    normalize_positive_body(out, totals, sums, A, H);
  }
  static float max_abs(const float* values, Size n) { return max_abs_lanes<L>(values, n); }
  static void quantize_int16(I16* codes, const float* values, float scale, Size n) {
    quantize_int16_body(codes, values, scale, n);
  }
  static void dequantize_int16(float* values, const I16* codes, float scale, Size n) {
    dequantize_int16_body(values, codes, scale, n);
  }
  static void quantize_half(I16* codes, const float* values, float up, Size n) {
    quantize_half_body(codes, values, up, n);
  }
  static void dequantize_half(float* values, const I16* codes, float down, Size n) {
    dequantize_half_body(values, codes, down, n);
  }

  static FlatKernels table() noexcept {
    return {&regret_matching,    &traverser_node, &child_reach,    &update_regrets,
            &fma_actions,        &sum_update,     &sum_rows_into,  &axpy,
            &multiply_into,      &scale_into,     &sum_rows_f64,   &weighted_rows_f64,
            &normalize_positive, &max_abs,        &quantize_int16, &dequantize_int16,
            &quantize_half,      &dequantize_half};
  }
};

template <std::size_t L>
FlatKernels WidePacking<L>::table() noexcept {
  FlatKernels table = TierKernels<L>::table();
  table.quantize_int16 = &quantize_int16;
  table.dequantize_int16 = &dequantize_int16;
  table.quantize_half = &quantize_half;
  table.dequantize_half = &dequantize_half;
  return table;
}

}  // namespace
}  // namespace halvory
