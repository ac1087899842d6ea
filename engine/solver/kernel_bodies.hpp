#pragma once

// The bodies of the flat kernels, written once and compiled into each tier
// (kernels_baseline.cpp, kernels_avx2.cpp, kernels_avx512.cpp): only those
// files include this header (through kernel_tiers.hpp, with the packings of
// kernel_packing.hpp), each after choosing its instruction set and the
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

// Where a kernel reads a node's array: f32 entries here, or 16-bit codes
// decoded as they are read (kernel_packing.hpp). load<L>(i) gives the L
// entries from entry i.
struct FloatRows {
  const float* __restrict p;
  template <std::size_t L>
  HALVORY_KERNEL_INLINE typename Lanes<L>::type load(std::size_t i) const {
    typename Lanes<L>::type x;
    __builtin_memcpy(&x, p + i, sizeof x);
    return x;
  }
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

  // The reciprocal of the positive regrets regret(a), a = 0 .. A-1.
  template <class Regret>
  HALVORY_KERNEL_INLINE vec reciprocal(Regret&& regret, std::size_t A) const {
    vec total = zero;
    for (std::size_t a = 0; a < A; ++a) total += positive(regret(a));
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

// A block's regrets, one vector per action: read from the rows each time
// they are needed, or, with KA actions known when compiled (KA != 0), read
// once and kept in registers (a packed row is then decoded once).
template <std::size_t B, std::size_t KA, class Rows>
struct BlockRegrets {
  using vec = typename Lanes<B>::type;
  const Rows& rows;
  std::size_t H;
  std::size_t h;
  vec kept[KA == 0 ? 1 : KA];
  HALVORY_KERNEL_INLINE BlockRegrets(const Rows& r, std::size_t rows_h, std::size_t hand)
      : rows(r), H(rows_h), h(hand) {
    if constexpr (KA != 0)
      for (std::size_t a = 0; a < KA; ++a) kept[a] = rows.template load<B>(a * H + h);
  }
  HALVORY_KERNEL_INLINE vec operator()(std::size_t a) const {
    if constexpr (KA != 0) {
      return kept[a];
    } else {
      return rows.template load<B>(a * H + h);
    }
  }
};

// The strategy into out (A x H), with the reciprocals kept in scratch; or,
// with Reach, the strategy times the reach. The second read of a regret
// block finds it still in L1.
template <std::size_t L, bool Reach, std::size_t KA = 0, class Rows>
HALVORY_KERNEL_INLINE void strategy_lanes(float* __restrict out, float* __restrict scratch,
                                          const Rows& regrets, const float* __restrict reach,
                                          std::size_t A, std::size_t H) {
  if (A == 0 || H == 0) return;
  over_hands<L>(H, [&](std::size_t h, auto lanes) {
    constexpr std::size_t B = decltype(lanes)::value;
    using M = Matching<B>;
    const M m(A);
    const BlockRegrets<B, KA, Rows> g(regrets, H, h);
    const auto inv = m.reciprocal(g, A);
    if constexpr (Reach) {
      const auto r = M::load(reach + h);
      for (std::size_t a = 0; a < A; ++a) M::store(out + a * H + h, m.strategy(g(a), inv) * r);
    } else {
      M::store(scratch + h, inv);
      for (std::size_t a = 0; a < A; ++a) M::store(out + a * H + h, m.strategy(g(a), inv));
    }
  });
}

// update_traverser_node on blocks of L hands: the strategy, the node value
// and the strategy sums in one pass over the actions, the regrets in a
// second once the node value is known. The old entries come from `sums` and
// `regrets`, the new go to new_sums and new_regrets (the same f32 arrays
// when updated in place).
// With Track, also the largest |x| of the new sums and of the new regrets
// into maxima[0] and maxima[1], NaN skipped as max_abs skips it.
template <std::size_t L, bool Track, std::size_t KA, class SumRows, class RegretRows>
HALVORY_KERNEL_INLINE void traverser_lanes(float* __restrict out, float* new_sums,
                                           float* new_regrets, const SumRows& sums,
                                           const RegretRows& regrets,
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
    constexpr std::size_t B = decltype(lanes)::value;
    using M = Matching<B>;
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
    const BlockRegrets<B, KA, RegretRows> g(regrets, H, h);
    const vec inv = m.reciprocal(g, A);
    vec acc = m.zero;
    for (std::size_t a = 0; a < A; ++a) {
      const std::size_t i = a * H + h;
      const vec sigma = m.strategy(g(a), inv);
      const vec term = sigma * M::load(values + i);
      acc = a == 0 ? term : acc + term;
      const vec kept = w_s * sums.template load<B>(i);
      const vec sum = kept + sigma;
      M::store(new_sums + i, sum);
      track(sum, max_sums, max_sums_tail);
    }
    M::store(out + h, acc);
    for (std::size_t a = 0; a < A; ++a) {
      const std::size_t i = a * H + h;
      const vec r = g(a);
      const vec w = r >= m.zero ? vec{} + w_pos : vec{} + w_neg;
      const vec grown = w * r + M::load(values + i);
      const vec regret = grown - acc;
      M::store(new_regrets + i, regret);
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

template <class Rows>
HALVORY_KERNEL_INLINE void normalize_positive_body(float* __restrict out, float* __restrict totals,
                                                   const Rows& sums, std::size_t A, std::size_t H) {
  if (A == 0 || H == 0) return;
  const float uniform = 1.0f / static_cast<float>(A);
  for (std::size_t h = 0; h < H; ++h) totals[h] = 0.0f;
  for (std::size_t a = 0; a < A; ++a) {
    float* __restrict o = out + a * H;
    for (std::size_t h = 0; h < H; ++h) {
      const float s = sums.template load<1>(a * H + h);
      const float positive = s > 0.0f ? s : 0.0f;
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

}  // namespace
}  // namespace halvory
