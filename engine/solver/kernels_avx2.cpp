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
#pragma GCC target("avx2,f16c")
// The helpers that take and return vectors are always inlined, so no vector
// ever crosses a call and the ABI note on AVX vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

#include "solver/kernel_tiers.hpp"

namespace halvory {

FlatKernels avx2_flat_kernels() noexcept {
  return WidePacking<8>::table();
}

}  // namespace halvory
