// The AVX2 tier: the bodies on eight-lane registers, and the packings in
// explicit AVX2 and F16C steps.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "solver/kernel_table.hpp"

// No-trapping-math lets the vectoriser turn the selects of the bodies into
// blends (it changes no result: floating-point exceptions stay masked).
#pragma GCC optimize("no-trapping-math")
#pragma GCC target("avx2")
// The helpers that take and return vectors are always inlined, so no vector
// ever crosses a call and the ABI note on AVX vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

#include "solver/kernel_bodies.hpp"

namespace halvory {
namespace {

// The linear codes in explicit AVX2 steps: the clamps as min and max (which
// keep a NaN, as the body's selects do), and the rounding away from zero as
// one add and a truncation: y + copysign(0.49999997, y) truncates to the
// body's code for every float |y| <= 32767 (checked for each of them; the
// constant is the float just below one half, so no y below a half step
// reaches the next integer). The vectoriser's form of the body spends most
// of its time in blends.
void quantize_int16_avx2(std::int16_t* codes, const float* values, float scale, std::size_t n) {
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
// The half conversions of the AVX2 variant use the CPU's own (F16C, which
// every AVX2 processor has): the same rounding to nearest even and the same
// exact widening as the integer steps above, once NaN is made 0 and the
// magnitude held at the largest half, as those steps do.
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

}  // namespace

FlatKernels avx2_flat_kernels() noexcept {
  FlatKernels table = TierKernels<8>::table();
  table.quantize_int16 = &quantize_int16_avx2;
  table.quantize_half = &quantize_half_avx2;
  table.dequantize_half = &dequantize_half_avx2;
  return table;
}

}  // namespace halvory
