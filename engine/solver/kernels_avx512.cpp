// The AVX-512 tier: the bodies on sixteen-lane registers, and the packings in
// explicit AVX-512 steps (the same steps as the AVX2 tier's, twice as wide).

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "solver/kernel_table.hpp"

// No-trapping-math lets the vectoriser turn the selects of the bodies into
// blends (it changes no result: floating-point exceptions stay masked). The
// loops the vectoriser fits itself take whole 512-bit registers too.
#pragma GCC optimize("no-trapping-math")
#pragma GCC target("avx512f,avx512vl,avx512bw,avx512dq,avx2,f16c,prefer-vector-width=512")
// The helpers that take and return vectors are always inlined, so no vector
// ever crosses a call and the ABI note on AVX vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

#include "solver/kernel_bodies.hpp"

namespace halvory {
namespace {

typedef int i32x16 __attribute__((vector_size(64)));
typedef short i16x16 __attribute__((vector_size(32)));

// The linear codes as in the AVX2 tier: the clamps keep a NaN (then made
// 0), and y + copysign(0.49999997, y) truncates to the body's code for
// every float |y| <= 32767, so the narrowing to 16 bits is exact.
void quantize_int16_avx512(std::int16_t* codes, const float* values, float scale, std::size_t n) {
  const f32x16 one = f32x16{} + 1.0f;
  const i32x16 sign = i32x16{} + static_cast<int>(0x80000000u);
  const f32x16 below_half = f32x16{} + 0x1.fffffep-2f;
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    f32x16 x;
    __builtin_memcpy(&x, values + i, sizeof x);
    f32x16 q = x / scale;
    q = one < q ? one : q;
    q = -one > q ? -one : q;
    q = q == q ? q : f32x16{};
    const f32x16 y = 32767.0f * q;
    const f32x16 nudge = (f32x16)(((i32x16)y & sign) | (i32x16)below_half);
    const i32x16 c = __builtin_convertvector(y + nudge, i32x16);
    const i16x16 packed = __builtin_convertvector(c, i16x16);
    __builtin_memcpy(codes + i, &packed, sizeof packed);
  }
  quantize_int16_body(codes + i, values + i, scale, n - i);
}

void dequantize_int16_avx512(float* values, const std::int16_t* codes, float scale, std::size_t n) {
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    i16x16 c;
    __builtin_memcpy(&c, codes + i, sizeof c);
    const f32x16 unit = __builtin_convertvector(c, f32x16) / 32767.0f;
    const f32x16 x = unit * scale;
    __builtin_memcpy(values + i, &x, sizeof x);
  }
  dequantize_int16_body(values + i, codes + i, scale, n - i);
}

// The half conversions by the CPU's own instructions, rounding to nearest
// even, once NaN is made 0 and the magnitude held at the largest half.
void quantize_half_avx512(std::int16_t* codes, const float* values, float up, std::size_t n) {
  const f32x16 largest = f32x16{} + 65504.0f;
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    f32x16 x;
    __builtin_memcpy(&x, values + i, sizeof x);
    x = x * up;
    x = x == x ? x : f32x16{};
    x = x > largest ? largest : x;
    x = x < -largest ? -largest : x;
    const i16x16 h = __builtin_ia32_vcvtps2ph512_mask(x, 0, i16x16{}, 0xffff);
    __builtin_memcpy(codes + i, &h, sizeof h);
  }
  quantize_half_body(codes + i, values + i, up, n - i);
}

void dequantize_half_avx512(float* values, const std::int16_t* codes, float down, std::size_t n) {
  std::size_t i = 0;
  for (; i + 16 <= n; i += 16) {
    i16x16 h;
    __builtin_memcpy(&h, codes + i, sizeof h);
    const f32x16 x = __builtin_ia32_vcvtph2ps512_mask(h, f32x16{}, 0xffff, 4) * down;
    __builtin_memcpy(values + i, &x, sizeof x);
  }
  dequantize_half_body(values + i, codes + i, down, n - i);
}

}  // namespace

FlatKernels avx512_flat_kernels() noexcept {
  FlatKernels table = TierKernels<16>::table();
  table.quantize_int16 = &quantize_int16_avx512;
  table.dequantize_int16 = &dequantize_int16_avx512;
  table.quantize_half = &quantize_half_avx512;
  table.dequantize_half = &dequantize_half_avx512;
  return table;
}

}  // namespace halvory
