#pragma once
// A slow evaluator that is easy to check by eye: try all 21 five-card
// subsets, judge each by counting ranks, keep the best. Used as the oracle
// for the bit-mask evaluator.

#include <array>
#include <cstdint>

#include "cards/cards.hpp"

namespace halvory::testing {

HandStrength reference_evaluate_five(const std::array<CardCode, 5>& cards, bool short_deck);
HandStrength reference_evaluate_seven(const std::array<CardCode, 7>& cards, bool short_deck);

inline int category_of(HandStrength s) {
  return static_cast<int>(s >> kCategoryShift);
}
inline std::uint32_t primary_of(HandStrength s) {
  return (s >> kPrimaryShift) & 0x1fff;
}
inline std::uint32_t kicker_of(HandStrength s) {
  return s & 0x1fff;
}

}  // namespace halvory::testing
