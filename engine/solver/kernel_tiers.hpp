#pragma once

// Each tier's table of flat kernels: the bodies of kernel_bodies.hpp on the
// tier's lanes, and the packings of kernel_packing.hpp. Included only by the
// tier files, after their choice of instruction set.

#include <cstddef>
#include <cstdint>

#include "solver/kernel_packing.hpp"
#include "solver/kernel_table.hpp"

namespace halvory {
namespace {  // NOLINT(google-build-namespaces): one copy per tier, see kernel_bodies.hpp

// The flat kernels of a tier whose hand-blocked bodies take L f32 lanes;
// Half is the type that reads half-precision codes in place.
template <std::size_t L, class Half = HalfRows>
struct TierKernels {
  using Size = std::size_t;
  using I16 = std::int16_t;
  static void regret_matching(float* s, float* scratch, const float* g, Size A, Size H) {
    strategy_lanes<L, false>(s, scratch, FloatRows{g}, nullptr, A, H);
  }
  // The usual action counts (two to four) get bodies of their own, which
  // keep a block's regrets in registers; other counts share one.
  template <class Body>
  static void by_actions(Size A, Body&& body) {
    switch (A) {
      case 2:
        return body(std::integral_constant<Size, 2>{});
      case 3:
        return body(std::integral_constant<Size, 3>{});
      case 4:
        return body(std::integral_constant<Size, 4>{});
      default:
        return body(std::integral_constant<Size, 0>{});
    }
  }
  template <class SumRows, class RegretRows>
  static void traverser_rows(float* out, float* new_sums, float* new_regrets, const SumRows& sums,
                             const RegretRows& g, const float* v, Size A, Size H, float ws,
                             float wp, float wn, float* maxima) {
    by_actions(A, [&](auto actions) {
      constexpr Size KA = decltype(actions)::value;
      if (maxima != nullptr) {
        traverser_lanes<L, true, KA>(out, new_sums, new_regrets, sums, g, v, A, H, ws, wp, wn,
                                     maxima);
      } else {
        traverser_lanes<L, false, KA>(out, new_sums, new_regrets, sums, g, v, A, H, ws, wp, wn,
                                      maxima);
      }
    });
  }
  static void traverser_node(float* out, float* sums, float* g, const float* v, Size A, Size H,
                             float ws, float wp, float wn, float* maxima) {
    traverser_rows(out, sums, g, FloatRows{sums}, FloatRows{g}, v, A, H, ws, wp, wn, maxima);
  }
  static void traverser_packed(float* out, float* new_sums, float* new_regrets,
                               const I16* sum_codes, float sum_scale, const I16* regret_codes,
                               float regret_scale, const float* v, Size A, Size H, float ws,
                               float wp, float wn, float* maxima) {
    traverser_rows(out, new_sums, new_regrets, LinearRows{sum_codes, sum_scale},
                   Half{regret_codes, regret_scale}, v, A, H, ws, wp, wn, maxima);
  }
  template <class Rows>
  static void child_reach_rows(float* out, const Rows& g, const float* reach, Size A, Size H) {
    by_actions(A, [&](auto actions) {
      strategy_lanes<L, true, decltype(actions)::value>(out, nullptr, g, reach, A, H);
    });
  }
  static void child_reach(float* out, const float* g, const float* reach, Size A, Size H) {
    child_reach_rows(out, FloatRows{g}, reach, A, H);
  }
  static void child_reach_packed(float* out, const I16* codes, float scale, const float* reach,
                                 Size A, Size H) {
    child_reach_rows(out, Half{codes, scale}, reach, A, H);
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
    normalize_positive_body(out, totals, FloatRows{sums}, A, H);
  }
  static void normalize_packed(float* out, float* totals, const I16* codes, float scale, Size A,
                               Size H) {
    normalize_positive_body(out, totals, LinearRows{codes, scale}, A, H);
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
    return {&regret_matching,
            &traverser_node,
            &traverser_packed,
            &child_reach,
            &child_reach_packed,
            &update_regrets,
            &fma_actions,
            &sum_update,
            &sum_rows_into,
            &axpy,
            &multiply_into,
            &scale_into,
            &sum_rows_f64,
            &weighted_rows_f64,
            &normalize_positive,
            &normalize_packed,
            &max_abs,
            &quantize_int16,
            &dequantize_int16,
            &quantize_half,
            &dequantize_half};
  }
};

template <std::size_t L>
FlatKernels WidePacking<L>::table() noexcept {
  FlatKernels table = TierKernels<L, HalfRows>::table();
  table.quantize_int16 = &quantize_int16;
  table.dequantize_int16 = &dequantize_int16;
  table.quantize_half = &quantize_half;
  table.dequantize_half = &dequantize_half;
  return table;
}

}  // namespace
}  // namespace halvory
