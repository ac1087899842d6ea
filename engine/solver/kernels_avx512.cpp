// The AVX-512 tier: the bodies on sixteen-lane registers, and the packings in
// explicit AVX-512 steps.

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

#include "solver/kernel_tiers.hpp"

namespace halvory {

FlatKernels avx512_flat_kernels() noexcept {
  return WidePacking<16>::table();
}

}  // namespace halvory
