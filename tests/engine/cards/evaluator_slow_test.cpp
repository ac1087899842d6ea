// Exhaustive checks: every seven-card hold'em hand against the textbook
// category counts, every seven-card short-deck hand against the reference
// evaluator, and millions of random hold'em hands against it too.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "cards/cards.hpp"
#include "reference_evaluator.hpp"

namespace halvory {
namespace {

// Calls visit(hand) for every 7-subset of the codes first..51.
template <typename Visit>
void for_each_seven(int first, Visit&& visit) {
  std::array<CardCode, 7> h{};
  for (int a = first; a < 52; ++a) {
    h[0] = static_cast<CardCode>(a);
    for (int b = a + 1; b < 52; ++b) {
      h[1] = static_cast<CardCode>(b);
      for (int c = b + 1; c < 52; ++c) {
        h[2] = static_cast<CardCode>(c);
        for (int d = c + 1; d < 52; ++d) {
          h[3] = static_cast<CardCode>(d);
          for (int e = d + 1; e < 52; ++e) {
            h[4] = static_cast<CardCode>(e);
            for (int f = e + 1; f < 52; ++f) {
              h[5] = static_cast<CardCode>(f);
              for (int g = f + 1; g < 52; ++g) {
                h[6] = static_cast<CardCode>(g);
                visit(h);
              }
            }
          }
        }
      }
    }
  }
}

// Small open-addressing set of strengths (a few thousand distinct values).
class StrengthSet {
 public:
  void insert(HandStrength s) {
    const std::uint32_t key = s + 1;  // 0 marks an empty slot
    std::size_t i = (key * 2654435761u) & (slots_.size() - 1);
    while (slots_[i] != 0) {
      if (slots_[i] == key) return;
      i = (i + 1) & (slots_.size() - 1);
    }
    slots_[i] = key;
    ++size_;
  }
  std::size_t size() const { return size_; }

 private:
  std::vector<std::uint32_t> slots_ = std::vector<std::uint32_t>(1 << 16, 0);
  std::size_t size_ = 0;
};

TEST(EvaluatorExhaustive, HoldemCategoryCounts) {
  std::array<std::uint64_t, 9> counts{};
  std::uint64_t total = 0;
  StrengthSet distinct;
  for_each_seven(0, [&](const std::array<CardCode, 7>& h) {
    const HandStrength s = evaluate_seven(h[0], h[1], h[2], h[3], h[4], h[5], h[6], false);
    ++counts[s >> kCategoryShift];
    distinct.insert(s);
    ++total;
  });
  EXPECT_EQ(total, 133'784'560u);
  EXPECT_EQ(counts[0], 23'294'460u);  // high card
  EXPECT_EQ(counts[1], 58'627'800u);  // one pair
  EXPECT_EQ(counts[2], 31'433'400u);  // two pair
  EXPECT_EQ(counts[3], 6'461'620u);   // three of a kind
  EXPECT_EQ(counts[4], 6'180'020u);   // straight
  EXPECT_EQ(counts[5], 4'047'644u);   // flush
  EXPECT_EQ(counts[6], 3'473'184u);   // full house
  EXPECT_EQ(counts[7], 224'848u);     // four of a kind
  EXPECT_EQ(counts[8], 41'584u);      // straight flush
  // Equal hands share one value and unequal ones differ: seven-card
  // hold'em has 4,824 distinct hand values.
  EXPECT_EQ(distinct.size(), 4824u);
}

TEST(EvaluatorExhaustive, ShortDeckMatchesReferenceOnEveryHand) {
  std::uint64_t total = 0, mismatches = 0;
  std::array<std::uint64_t, 9> counts{};
  for_each_seven(16, [&](const std::array<CardCode, 7>& h) {
    const HandStrength s = evaluate_seven(h[0], h[1], h[2], h[3], h[4], h[5], h[6], true);
    if (s != testing::reference_evaluate_seven(h, true) && ++mismatches < 5) {
      std::string text;
      for (CardCode c : h) text += card_to_string(static_cast<std::int8_t>(c));
      ADD_FAILURE() << text;
    }
    ++counts[s >> kCategoryShift];
    ++total;
  });
  EXPECT_EQ(total, 8'347'680u);  // C(36, 7)
  EXPECT_EQ(mismatches, 0u);
  for (int cat = 0; cat < 9; ++cat) EXPECT_GT(counts[cat], 0u) << "category " << cat;
  // Fewer flushes than full houses is why short deck ranks the flush higher.
  EXPECT_LT(counts[6], counts[5]);
}

TEST(EvaluatorExhaustive, HoldemMatchesReferenceOnMillionsOfRandomHands) {
  std::mt19937_64 rng(0xC0FFEE);
  std::uniform_int_distribution<int> pick(0, 51);
  for (int i = 0; i < 4'000'000; ++i) {
    std::array<CardCode, 7> h{};
    std::uint64_t used = 0;
    for (auto& card : h) {
      int c;
      do c = pick(rng);
      while (used >> c & 1);
      used |= std::uint64_t{1} << c;
      card = static_cast<CardCode>(c);
    }
    const HandStrength s = evaluate_seven(h[0], h[1], h[2], h[3], h[4], h[5], h[6], false);
    if (s != testing::reference_evaluate_seven(h, false)) {
      std::string text;
      for (CardCode c : h) text += card_to_string(static_cast<std::int8_t>(c));
      FAIL() << text;
    }
  }
}

}  // namespace
}  // namespace halvory
