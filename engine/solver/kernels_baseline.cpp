// The baseline tier (x86-64-v2): the bodies on four-lane SSE registers.

#include <cfloat>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "solver/kernel_table.hpp"

// No-trapping-math lets the vectoriser turn the selects of the bodies into
// blends (it changes no result: floating-point exceptions stay masked).
#pragma GCC optimize("no-trapping-math")
// The helpers that take and return vectors are always inlined, so no vector
// ever crosses a call and the ABI note on AVX vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

#include "solver/kernel_tiers.hpp"

namespace halvory {

FlatKernels baseline_flat_kernels() noexcept {
  return TierKernels<4>::table();
}

}  // namespace halvory
