#include "solver/kernels.hpp"

#include <atomic>
#include <cfloat>
#include <cmath>
#include <type_traits>

#include "solver/profile.hpp"

// Each kernel body is written once as an always-inline template and compiled
// twice: into a baseline wrapper and into an AVX2 wrapper, where the
// vectoriser then uses 8-lane registers. The bodies only use element-wise
// operations in a fixed order, so both variants round identically. FMA is
// deliberately not enabled for the AVX2 variant: a fused multiply-add would
// round differently from the baseline.
//
// No-trapping-math lets the vectoriser turn the selects of the bodies into
// blends (it changes no result: floating-point exceptions stay masked), and
// contraction is off so no multiply-add is ever fused.
#pragma GCC optimize("no-trapping-math", "fp-contract=off")
// The helpers that take and return vectors are always inlined, so no vector
// ever crosses a call and the ABI note on AVX vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace halvory {
namespace {

#define HALVORY_KERNEL_INLINE [[gnu::always_inline]] inline

// L f32 lanes as one GCC vector: 8 (one AVX2 register) in the AVX2 variant,
// 4 (one SSE register) in the baseline. Loads and stores go through memcpy
// (unaligned).
typedef float f32x4 __attribute__((vector_size(16)));
typedef float f32x8 __attribute__((vector_size(32)));
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

HALVORY_KERNEL_INLINE void dequantize_int16_body(float* __restrict values,
                                                 const std::int16_t* __restrict codes, float scale,
                                                 std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) {
    const float unit = static_cast<float>(codes[i]) / 32767.0f;
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

// One baseline and one AVX2 entry point per body.
#define HALVORY_KERNEL_VARIANTS(name, ret, params, args) \
  ret name##_baseline params {                           \
    return name##_body args;                             \
  }                                                      \
  [[gnu::target("avx2")]] ret name##_avx2 params {       \
    return name##_body args;                             \
  }

void regret_matching_baseline(float* s, float* scratch, const float* g, std::size_t A,
                              std::size_t H) {
  strategy_lanes<4, false>(s, scratch, g, nullptr, A, H);
}
[[gnu::target("avx2")]] void regret_matching_avx2(float* s, float* scratch, const float* g,
                                                  std::size_t A, std::size_t H) {
  strategy_lanes<8, false>(s, scratch, g, nullptr, A, H);
}
void update_traverser_node_baseline(float* out, float* sums, float* g, const float* v,
                                    std::size_t A, std::size_t H, float ws, float wp, float wn,
                                    float* maxima) {
  if (maxima != nullptr) {
    traverser_lanes<4, true>(out, sums, g, v, A, H, ws, wp, wn, maxima);
  } else {
    traverser_lanes<4, false>(out, sums, g, v, A, H, ws, wp, wn, maxima);
  }
}
[[gnu::target("avx2")]] void update_traverser_node_avx2(float* out, float* sums, float* g,
                                                        const float* v, std::size_t A,
                                                        std::size_t H, float ws, float wp, float wn,
                                                        float* maxima) {
  if (maxima != nullptr) {
    traverser_lanes<8, true>(out, sums, g, v, A, H, ws, wp, wn, maxima);
  } else {
    traverser_lanes<8, false>(out, sums, g, v, A, H, ws, wp, wn, maxima);
  }
}
void opponent_child_reach_baseline(float* out, const float* g, const float* reach, std::size_t A,
                                   std::size_t H) {
  strategy_lanes<4, true>(out, nullptr, g, reach, A, H);
}
[[gnu::target("avx2")]] void opponent_child_reach_avx2(float* out, const float* g,
                                                       const float* reach, std::size_t A,
                                                       std::size_t H) {
  strategy_lanes<8, true>(out, nullptr, g, reach, A, H);
}
HALVORY_KERNEL_VARIANTS(update_regrets, void,
                        (float* g, const float* v, const float* nv, std::size_t A, std::size_t H,
                         float wp, float wn),
                        (g, v, nv, A, H, wp, wn))
HALVORY_KERNEL_VARIANTS(fma_actions, void,
                        (float* out, const float* s, const float* v, std::size_t A, std::size_t H),
                        (out, s, v, A, H))
HALVORY_KERNEL_VARIANTS(strategy_sum_update, void,
                        (float* sums, const float* s, float w, std::size_t n), (sums, s, w, n))
HALVORY_KERNEL_VARIANTS(sum_rows_into, void,
                        (float* out, const float* rows, std::size_t R, std::size_t H),
                        (out, rows, R, H))
HALVORY_KERNEL_VARIANTS(axpy, void, (float* y, const float* x, std::size_t n, float a),
                        (y, x, n, a))
HALVORY_KERNEL_VARIANTS(multiply_into, void,
                        (float* out, const float* a, const float* b, std::size_t n), (out, a, b, n))
HALVORY_KERNEL_VARIANTS(scale_into, void, (float* out, const float* in, float a, std::size_t n),
                        (out, in, a, n))
HALVORY_KERNEL_VARIANTS(sum_rows_f64, void,
                        (float* out, const float* rows, std::size_t R, std::size_t H),
                        (out, rows, R, H))
HALVORY_KERNEL_VARIANTS(weighted_rows_f64, void,
                        (float* out, const float* w, const float* rows, std::size_t R,
                         std::size_t H),
                        (out, w, rows, R, H))
HALVORY_KERNEL_VARIANTS(normalize_positive, void,
                        (float* out, float* totals, const float* sums, std::size_t A,
                         std::size_t H),
                        (out, totals, sums, A, H))
float max_abs_baseline(const float* values, std::size_t n) {
  return max_abs_lanes<4>(values, n);
}
[[gnu::target("avx2")]] float max_abs_avx2(const float* values, std::size_t n) {
  return max_abs_lanes<8>(values, n);
}

// The linear codes in explicit AVX2 steps: the clamps as min and max (which
// keep a NaN, as the body's selects do), and the rounding away from zero as
// one add and a truncation: y + copysign(0.49999997, y) truncates to the
// body's code for every float |y| <= 32767 (checked for each of them; the
// constant is the float just below one half, so no y below a half step
// reaches the next integer). The vectoriser's form of the body spends most
// of its time in blends.
void quantize_int16_baseline(std::int16_t* codes, const float* values, float scale, std::size_t n) {
  quantize_int16_body(codes, values, scale, n);
}
[[gnu::target("avx2")]] void quantize_int16_avx2(std::int16_t* codes, const float* values,
                                                 float scale, std::size_t n) {
  typedef int i32x8 __attribute__((vector_size(32)));
  typedef int i32x4 __attribute__((vector_size(16)));
  typedef short i16x8 __attribute__((vector_size(16)));
  const f32x8 one = f32x8{} + 1.0f;
  const i32x8 sign = i32x8{} + static_cast<int>(0x80000000u);
  const f32x8 below_half = f32x8{} + 0x1.fffffep-2f;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    f32x8 x;
    __builtin_memcpy(&x, values + i, sizeof x);
    f32x8 q = x / scale;
    q = __builtin_ia32_minps256(one, q);   // one < q ? one : q; NaN stays
    q = __builtin_ia32_maxps256(-one, q);  // -one > q ? -one : q; NaN stays
    q = q == q ? q : f32x8{};
    const f32x8 y = 32767.0f * q;
    const f32x8 nudge = (f32x8)(((i32x8)y & sign) | (i32x8)below_half);
    const i32x8 c = __builtin_ia32_cvttps2dq256(y + nudge);
    const i32x4 lo = __builtin_shufflevector(c, c, 0, 1, 2, 3);
    const i32x4 hi = __builtin_shufflevector(c, c, 4, 5, 6, 7);
    const i16x8 packed = __builtin_ia32_packssdw128(lo, hi);
    __builtin_memcpy(codes + i, &packed, sizeof packed);
  }
  quantize_int16_body(codes + i, values + i, scale, n - i);
}
HALVORY_KERNEL_VARIANTS(dequantize_int16, void,
                        (float* values, const std::int16_t* codes, float scale, std::size_t n),
                        (values, codes, scale, n))

// The half conversions of the AVX2 variant use the CPU's own (F16C, which
// every AVX2 processor has): the same rounding to nearest even and the same
// exact widening as the integer steps above, once NaN is made 0 and the
// magnitude held at the largest half, as those steps do.
void quantize_half_baseline(std::int16_t* codes, const float* values, float up, std::size_t n) {
  quantize_half_body(codes, values, up, n);
}
[[gnu::target("avx2,f16c")]] void quantize_half_avx2(std::int16_t* codes, const float* values,
                                                     float up, std::size_t n) {
  typedef short i16x8 __attribute__((vector_size(16)));
  const f32x8 largest = f32x8{} + 65504.0f;
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    f32x8 x;
    __builtin_memcpy(&x, values + i, sizeof x);
    x = x * up;
    x = x == x ? x : f32x8{};
    x = x > largest ? largest : x;
    x = x < -largest ? -largest : x;
    const i16x8 h = __builtin_ia32_vcvtps2ph256(x, 0);  // round to nearest even
    __builtin_memcpy(codes + i, &h, sizeof h);
  }
  quantize_half_body(codes + i, values + i, up, n - i);
}
void dequantize_half_baseline(float* values, const std::int16_t* codes, float down, std::size_t n) {
  dequantize_half_body(values, codes, down, n);
}
[[gnu::target("avx2,f16c")]] void dequantize_half_avx2(float* values, const std::int16_t* codes,
                                                       float down, std::size_t n) {
  typedef short i16x8 __attribute__((vector_size(16)));
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    i16x8 h;
    __builtin_memcpy(&h, codes + i, sizeof h);
    const f32x8 x = __builtin_ia32_vcvtph2ps256(h) * down;
    __builtin_memcpy(values + i, &x, sizeof x);
  }
  dequantize_half_body(values + i, codes + i, down, n - i);
}

#undef HALVORY_KERNEL_VARIANTS

// -1 not yet decided, 0 baseline, 1 AVX2.
std::atomic<int> g_isa{-1};

bool detect_avx2() noexcept {
  __builtin_cpu_init();
  return __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("f16c") != 0;
}

inline bool use_avx2() noexcept {
  int isa = g_isa.load(std::memory_order_relaxed);
  if (isa < 0) {
    isa = detect_avx2() ? 1 : 0;
    g_isa.store(isa, std::memory_order_relaxed);
  }
  return isa == 1;
}

}  // namespace

#define HALVORY_DISPATCH(name, ...) \
  (use_avx2() ? name##_avx2(__VA_ARGS__) : name##_baseline(__VA_ARGS__))

void regret_matching(float* strategy, float* scratch, const float* regrets, std::size_t A,
                     std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::regret_matching);
  HALVORY_DISPATCH(regret_matching, strategy, scratch, regrets, A, H);
}

// Timed under update_regrets: the sweep's other three kernels ride along
// the regret update.
void update_traverser_node(float* out, float* sums, float* regrets, const float* action_values,
                           std::size_t A, std::size_t H, float w_strategy, float w_pos, float w_neg,
                           float* maxima) {
  SolverProfile::Scope scope(ProfileSection::update_regrets);
  HALVORY_DISPATCH(update_traverser_node, out, sums, regrets, action_values, A, H, w_strategy,
                   w_pos, w_neg, maxima);
}

void opponent_child_reach(float* child_reach, const float* regrets, const float* reach,
                          std::size_t A, std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::regret_matching);
  HALVORY_DISPATCH(opponent_child_reach, child_reach, regrets, reach, A, H);
}

void update_regrets(float* regrets, const float* action_values, const float* node_values,
                    std::size_t A, std::size_t H, float w_pos, float w_neg) {
  SolverProfile::Scope scope(ProfileSection::update_regrets);
  HALVORY_DISPATCH(update_regrets, regrets, action_values, node_values, A, H, w_pos, w_neg);
}

void fma_actions(float* out, const float* strategy, const float* action_values, std::size_t A,
                 std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::fma_actions);
  HALVORY_DISPATCH(fma_actions, out, strategy, action_values, A, H);
}

void strategy_sum_update(float* sums, const float* strategy, float w, std::size_t n) {
  SolverProfile::Scope scope(ProfileSection::strategy_sum_update);
  HALVORY_DISPATCH(strategy_sum_update, sums, strategy, w, n);
}

void sum_rows_into(float* out, const float* rows, std::size_t R, std::size_t H) {
  SolverProfile::Scope scope(ProfileSection::sum_rows_into);
  HALVORY_DISPATCH(sum_rows_into, out, rows, R, H);
}

void axpy(float* y, const float* x, std::size_t n, float a) {
  if (a == 0.0f) return;
  HALVORY_DISPATCH(axpy, y, x, n, a);
}

void multiply_into(float* out, const float* a, const float* b, std::size_t n) {
  HALVORY_DISPATCH(multiply_into, out, a, b, n);
}

void scale_into(float* out, const float* in, float a, std::size_t n) {
  HALVORY_DISPATCH(scale_into, out, in, a, n);
}

void sum_rows_f64(float* out, const float* rows, std::size_t R, std::size_t H) {
  HALVORY_DISPATCH(sum_rows_f64, out, rows, R, H);
}

void weighted_rows_f64(float* out, const float* weights, const float* rows, std::size_t R,
                       std::size_t H) {
  HALVORY_DISPATCH(weighted_rows_f64, out, weights, rows, R, H);
}

void normalize_positive(float* out, float* totals, const float* sums, std::size_t A,
                        std::size_t H) {
  HALVORY_DISPATCH(normalize_positive, out, totals, sums, A, H);
}

float max_abs(const float* values, std::size_t n) {
  return HALVORY_DISPATCH(max_abs, values, n);
}

void quantize_int16(std::int16_t* codes, const float* values, float scale, std::size_t n) {
  HALVORY_DISPATCH(quantize_int16, codes, values, scale, n);
}

void dequantize_int16(float* values, const std::int16_t* codes, float scale, std::size_t n) {
  HALVORY_DISPATCH(dequantize_int16, values, codes, scale, n);
}

void quantize_half(std::int16_t* codes, const float* values, float up, std::size_t n) {
  HALVORY_DISPATCH(quantize_half, codes, values, up, n);
}

void dequantize_half(float* values, const std::int16_t* codes, float down, std::size_t n) {
  HALVORY_DISPATCH(dequantize_half, values, codes, down, n);
}

#undef HALVORY_DISPATCH

KernelIsa active_kernel_isa() noexcept {
  return use_avx2() ? KernelIsa::avx2 : KernelIsa::baseline;
}

bool cpu_has_avx2() noexcept {
  return detect_avx2();
}

bool cpu_has_avx512() noexcept {
  static const bool has = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") != 0;
  }();
  return has;
}

bool select_kernel_isa(KernelIsa isa) noexcept {
  if (isa == KernelIsa::avx2 && !detect_avx2()) return false;
  g_isa.store(isa == KernelIsa::avx2 ? 1 : 0, std::memory_order_relaxed);
  return true;
}

}  // namespace halvory
