// The bit-mask evaluator against the best-of-21 reference on random hands
// of both deck variants, and properties that hold for every hand.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <random>

#include "cards/cards.hpp"
#include "reference_evaluator.hpp"

namespace halvory {
namespace {

// A few hundred thousand per variant here; the slow suite adds millions.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRandomHands = 100'000;
#else
constexpr int kRandomHands = 300'000;
#endif

// Seven distinct cards of the deck that starts at `lowest_code`.
std::array<CardCode, 7> random_seven(std::mt19937_64& rng, int lowest_code) {
  std::array<CardCode, 7> hand{};
  std::uint64_t used = 0;
  std::uniform_int_distribution<int> pick(lowest_code, 51);
  for (auto& card : hand) {
    int c;
    do c = pick(rng);
    while (used >> c & 1);
    used |= std::uint64_t{1} << c;
    card = static_cast<CardCode>(c);
  }
  return hand;
}

HandStrength fast(const std::array<CardCode, 7>& h, bool short_deck) {
  return evaluate_seven(h[0], h[1], h[2], h[3], h[4], h[5], h[6], short_deck);
}

void compare_random_hands(bool short_deck, std::uint64_t seed) {
  std::mt19937_64 rng(seed);
  const int lowest = short_deck ? 16 : 0;
  int categories_seen[9] = {};
  for (int i = 0; i < kRandomHands; ++i) {
    const auto hand = random_seven(rng, lowest);
    const HandStrength got = fast(hand, short_deck);
    const HandStrength want = testing::reference_evaluate_seven(hand, short_deck);
    if (got != want) {
      std::string text;
      for (CardCode c : hand) text += card_to_string(static_cast<std::int8_t>(c));
      FAIL() << text << (short_deck ? " (short deck)" : "") << ": got " << std::hex << got
             << " want " << want;
    }
    ++categories_seen[testing::category_of(got)];
  }
  // Random hands of this many reach every category but straight flushes.
  for (int cat = 0; cat < 8; ++cat) EXPECT_GT(categories_seen[cat], 0) << "category " << cat;
}

TEST(EvaluatorOracle, HoldemMatchesReference) {
  compare_random_hands(false, 0x5eed1);
}

TEST(EvaluatorOracle, ShortDeckMatchesReference) {
  compare_random_hands(true, 0x5eed2);
}

// Rare categories get too few random hits; build them on purpose: a straight
// flush or quads plus two random cards.
TEST(EvaluatorOracle, PlantedRareHandsMatchReference) {
  std::mt19937_64 rng(77);
  for (bool short_deck : {false, true}) {
    const int low_rank = short_deck ? 4 : 0;
    for (int trial = 0; trial < 20000; ++trial) {
      std::array<CardCode, 7> hand{};
      std::uint64_t used = 0;
      const int suit = static_cast<int>(rng() % 4);
      if (trial % 2 == 0) {
        // Five consecutive ranks in one suit (top rank picked so the run fits, wheel included).
        const int top = low_rank + 3 + static_cast<int>(rng() % (13 - low_rank - 3));
        for (int k = 0; k < 5; ++k) {
          const int rank = (top - k < low_rank) ? 12 : top - k;
          hand[k] = static_cast<CardCode>(rank * 4 + suit);
        }
      } else {
        const int rank = low_rank + static_cast<int>(rng() % (13 - low_rank));
        for (int s = 0; s < 4; ++s) hand[s] = static_cast<CardCode>(rank * 4 + s);
        hand[4] = kNoCard;
      }
      int filled = trial % 2 == 0 ? 5 : 4;
      for (int k = 0; k < filled; ++k) used |= std::uint64_t{1} << hand[k];
      std::uniform_int_distribution<int> pick(low_rank * 4, 51);
      while (filled < 7) {
        const int c = pick(rng);
        if (used >> c & 1) continue;
        used |= std::uint64_t{1} << c;
        hand[filled++] = static_cast<CardCode>(c);
      }
      std::shuffle(hand.begin(), hand.end(), rng);
      ASSERT_EQ(fast(hand, short_deck), testing::reference_evaluate_seven(hand, short_deck));
    }
  }
}

TEST(EvaluatorProperties, OrderOfCardsAndSuitRelabellingDoNotMatter) {
  std::mt19937_64 rng(99);
  for (int i = 0; i < 100000; ++i) {
    auto hand = random_seven(rng, 0);
    const HandStrength base = fast(hand, false);
    std::shuffle(hand.begin(), hand.end(), rng);
    ASSERT_EQ(fast(hand, false), base);
    std::array<int, 4> perm = {0, 1, 2, 3};
    std::shuffle(perm.begin(), perm.end(), rng);
    for (auto& c : hand) c = static_cast<CardCode>((c & ~3) | perm[c & 3]);
    ASSERT_EQ(fast(hand, false), base);
  }
}

}  // namespace
}  // namespace halvory
