#pragma once

// The 16-bit packings of the flat kernels: the scalar bodies every tier
// shares, and the same packings in the wider tiers' own instructions. Like
// kernel_bodies.hpp, compiled into each tier's file with internal linkage.

#include <cstddef>
#include <cstdint>

#include "solver/kernel_bodies.hpp"

namespace halvory {
namespace {  // NOLINT(google-build-namespaces): one copy per tier, see kernel_bodies.hpp

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

// The value of one half-precision code.
HALVORY_KERNEL_INLINE float half_value(std::int16_t code) {
  const std::uint32_t h = static_cast<std::uint16_t>(code);
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
  return f;
}

HALVORY_KERNEL_INLINE void dequantize_half_body(float* __restrict values,
                                                const std::int16_t* __restrict codes, float down,
                                                std::size_t n) {
  for (std::size_t i = 0; i < n; ++i) values[i] = half_value(codes[i]) * down;
}

// A packed array read in place by the kernels of kernel_bodies.hpp, decoded
// as it is read, to the bits of the dequantize bodies. Linear: the strategy
// sums' codes, code / 32767 * scale.
struct LinearRows {
  const std::int16_t* __restrict p;
  float scale;
  template <std::size_t L>
  HALVORY_KERNEL_INLINE typename Lanes<L>::type load(std::size_t i) const {
    if constexpr (L == 1) {
      const float c = static_cast<float>(p[i]);
      return (c * kCodeHigh + c * kCodeLow) * scale;
    } else {
      typedef short Codes __attribute__((vector_size(L * sizeof(short))));
      Codes codes;
      __builtin_memcpy(&codes, p + i, sizeof codes);
      const auto c = __builtin_convertvector(codes, typename Lanes<L>::type);
      return (c * kCodeHigh + c * kCodeLow) * scale;
    }
  }
};

// Half-precision codes times a scale, the regrets' form: one code at a time
// here; the wider tiers decode a register at once (WidePacking::HalfRows).
struct HalfRows {
  const std::int16_t* __restrict p;
  float scale;
  template <std::size_t L>
  HALVORY_KERNEL_INLINE typename Lanes<L>::type load(std::size_t i) const {
    typename Lanes<L>::type x;
    if constexpr (L == 1) {
      x = half_value(p[i]) * scale;
    } else {
      for (std::size_t j = 0; j < L; ++j) x[j] = half_value(p[i + j]) * scale;
    }
    return x;
  }
};

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

  // Half codes read in place a register at a time (single hands one code at
  // a time), to the bits of HalfRows.
  struct HalfRows {
    const std::int16_t* __restrict p;
    float scale;
    template <std::size_t B>
    HALVORY_KERNEL_INLINE typename Lanes<B>::type load(std::size_t i) const {
      if constexpr (B == L) {
        I16 h;
        __builtin_memcpy(&h, p + i, sizeof h);
        return from_half(h) * scale;
      } else {
        return ::halvory::HalfRows{p, scale}.template load<B>(i);
      }
    }
  };

  // The tier's table: the bodies on L lanes, the packings in these steps.
  static FlatKernels table() noexcept;
};

}  // namespace
}  // namespace halvory
