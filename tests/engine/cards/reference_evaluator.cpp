#include "reference_evaluator.hpp"

#include <algorithm>
#include <utility>

namespace halvory::testing {

namespace {

std::uint32_t bit(int rank) {
  return 1u << rank;
}

}  // namespace

HandStrength reference_evaluate_five(const std::array<CardCode, 5>& cards, bool short_deck) {
  int count[13] = {};
  bool flush = true;
  for (CardCode c : cards) {
    ++count[c / 4];
    if (c % 4 != cards[0] % 4) flush = false;
  }
  // Groups by (count, rank), largest count first, then highest rank.
  std::array<std::pair<int, int>, 5> groups{};
  std::size_t group_count = 0;
  for (int r = 0; r < 13; ++r)
    if (count[r]) groups[group_count++] = {count[r], r};
  // Insertion sort, largest (count, rank) first.
  for (std::size_t i = 1; i < group_count; ++i)
    for (std::size_t j = i; j > 0 && groups[j - 1] < groups[j]; --j)
      std::swap(groups[j - 1], groups[j]);

  int straight_top = -1;
  if (group_count == 5) {
    const int hi = groups[0].second;
    const int lo = groups[4].second;
    if (hi - lo == 4) straight_top = hi;
    const bool has_ace = count[12] == 1;
    if (!short_deck && has_ace && count[0] && count[1] && count[2] && count[3]) straight_top = 3;
    if (short_deck && has_ace && count[4] && count[5] && count[6] && count[7]) straight_top = 7;
  }
  std::uint32_t all = 0;
  for (std::size_t i = 0; i < group_count; ++i) all |= bit(groups[i].second);

  auto make = [](int category, std::uint32_t primary, std::uint32_t kicker) {
    return static_cast<HandStrength>(category) << kCategoryShift | primary << kPrimaryShift |
           kicker;
  };
  const int flush_category = short_deck ? 6 : 5;
  const int full_house_category = short_deck ? 5 : 6;

  if (flush && straight_top >= 0) return make(8, bit(straight_top), 0);
  if (groups[0].first == 4) return make(7, bit(groups[0].second), bit(groups[1].second));
  if (groups[0].first == 3 && groups[1].first == 2)
    return make(full_house_category, bit(groups[0].second), bit(groups[1].second));
  if (flush) return make(flush_category, all, 0);
  if (straight_top >= 0) return make(4, bit(straight_top), 0);
  if (groups[0].first == 3)
    return make(3, bit(groups[0].second), bit(groups[1].second) | bit(groups[2].second));
  if (groups[0].first == 2 && groups[1].first == 2)
    return make(2, bit(groups[0].second) | bit(groups[1].second), bit(groups[2].second));
  if (groups[0].first == 2)
    return make(1, bit(groups[0].second),
                bit(groups[1].second) | bit(groups[2].second) | bit(groups[3].second));
  return make(0, all, 0);
}

HandStrength reference_evaluate_seven(const std::array<CardCode, 7>& cards, bool short_deck) {
  HandStrength best = 0;
  for (int skip1 = 0; skip1 < 7; ++skip1) {
    for (int skip2 = skip1 + 1; skip2 < 7; ++skip2) {
      std::array<CardCode, 5> five{};
      int n = 0;
      for (int i = 0; i < 7; ++i)
        if (i != skip1 && i != skip2) five[n++] = cards[i];
      best = std::max(best, reference_evaluate_five(five, short_deck));
    }
  }
  return best;
}

}  // namespace halvory::testing
