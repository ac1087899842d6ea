// Range text: the pocket index, the pattern grammar against a brute-force
// membership rule, ladders and spans against their written-out lists, and
// every failure message.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>
#include <string>

#include "cards/range.hpp"
#include "expect_message.hpp"

namespace halvory {
namespace {

using testing::message_of;

int count_nonzero(const Range& r) {
  int n = 0;
  for (float w : r.weights) n += w != 0.0f;
  return n;
}

std::string invalid(std::string_view text) {
  return message_of<std::invalid_argument>([&] { parse_range(text); });
}

TEST(PocketIndex, KnownValuesAndBijection) {
  EXPECT_EQ(pocket_index(51, 50), 1325);
  EXPECT_EQ(pocket_index(50, 51), 1325);
  EXPECT_EQ(pocket_index(0, 1), 0);
  EXPECT_EQ(pocket_index(1, 0), 0);
  EXPECT_EQ(pocket_index(0, 51), 50);
  EXPECT_EQ(pocket_index(1, 2), 51);
  // Lexicographic order of (low, high) pairs numbers them 0, 1, 2, ...
  int expected = 0;
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b)
      ASSERT_EQ(pocket_index(static_cast<CardCode>(a), static_cast<CardCode>(b)), expected++);
  EXPECT_EQ(expected, kPocketCount);
}

// Brute-force reading of a two- or three-character class such as "AKs".
bool in_class(int a, int b, std::string_view cls) {
  const int ra = a / 4, rb = b / 4, sa = a % 4, sb = b % 4;
  const int hi = parse_rank(cls[0]), lo = parse_rank(cls[1]);
  if (!((ra == hi && rb == lo) || (ra == lo && rb == hi))) return false;
  if (cls.size() == 3 && cls[2] == 's') return sa == sb;
  if (cls.size() == 3 && cls[2] == 'o') return sa != sb;
  return true;
}

TEST(RangePatterns, EveryHandClassMatchesBruteForce) {
  const std::string ranks = "23456789TJQKA";
  for (int h = 0; h < 13; ++h) {
    for (int l = 0; l <= h; ++l) {
      std::vector<std::string> classes = {std::string{ranks[h], ranks[l]}};
      if (h != l) {
        classes.push_back(classes[0] + "s");
        classes.push_back(classes[0] + "o");
      }
      for (const std::string& cls : classes) {
        SCOPED_TRACE(cls);
        const Range r = parse_range(cls);
        for (int a = 0; a < 52; ++a)
          for (int b = a + 1; b < 52; ++b)
            ASSERT_EQ(range_weight(r, static_cast<CardCode>(a), static_cast<CardCode>(b)),
                      in_class(a, b, cls) ? 1.0f : 0.0f);
      }
    }
  }
  EXPECT_EQ(count_nonzero(parse_range("AA")), 6);
  EXPECT_EQ(count_nonzero(parse_range("AK")), 16);
  EXPECT_EQ(count_nonzero(parse_range("AKs")), 4);
  EXPECT_EQ(count_nonzero(parse_range("aKO")), 12);
}

TEST(RangeText, EmptyAndSeparatorsOnly) {
  EXPECT_EQ(count_nonzero(parse_range("")), 0);
  EXPECT_EQ(count_nonzero(parse_range(" , ,,\t\n, ")), 0);
}

TEST(RangeText, WhitespaceAnywhereAndLaterItemsWin) {
  EXPECT_EQ(parse_range("A K s"), parse_range("AKs"));
  EXPECT_EQ(parse_range("AKs:0.5,AKs:1"), parse_range("AKs"));
  EXPECT_EQ(parse_range("QQ, JJ,, TT,"), parse_range("QQ,JJ,TT"));

  const Range r = parse_range("AA, AsAh:0");
  EXPECT_EQ(count_nonzero(r), 5);
  EXPECT_EQ(range_weight(r, parse_card("As"), parse_card("Ah")), 0.0f);
  EXPECT_EQ(range_weight(r, parse_card("Ad"), parse_card("Ac")), 1.0f);

  const Range w = parse_range("AA, KK, QQ, JJ, TT, 88:0.8");
  EXPECT_FLOAT_EQ(range_weight(w, parse_card("8c"), parse_card("8d")), 0.8f);
  EXPECT_EQ(count_nonzero(w), 36);
}

TEST(RangeText, ExactCombination) {
  const Range r = parse_range("AhKd");
  EXPECT_EQ(count_nonzero(r), 1);
  EXPECT_EQ(range_weight(r, parse_card("Kd"), parse_card("Ah")), 1.0f);
  EXPECT_EQ(count_nonzero(parse_range("7c7s:0.25")), 1);
}

TEST(RangeText, Ladders) {
  EXPECT_EQ(parse_range("AK+"), parse_range("AK"));
  EXPECT_EQ(parse_range("QQ+"), parse_range("QQ,KK,AA"));
  EXPECT_EQ(parse_range("22+"), parse_range("22,33,44,55,66,77,88,99,TT,JJ,QQ,KK,AA"));
  EXPECT_EQ(parse_range("A5s+"), parse_range("A5s,A6s,A7s,A8s,A9s,ATs,AJs,AQs,AKs"));
  EXPECT_EQ(parse_range("T9s+"), parse_range("T9s,JTs,QJs,KQs,AKs"));
  EXPECT_EQ(parse_range("K9o+:0.5"), parse_range("K9o:0.5,KTo:0.5,KJo:0.5,KQo:0.5"));
  EXPECT_EQ(parse_range("7h2d+"), parse_range("7h2d,7h3d,7h4d,7h5d,7h6d"));
  EXPECT_EQ(parse_range("Qc Qd+"), parse_range("QcQd,KcKd,AcAd"));
}

TEST(RangeText, Spans) {
  EXPECT_EQ(parse_range("22-88"), parse_range("22,33,44,55,66,77,88"));
  EXPECT_EQ(parse_range("88-22"), parse_range("22-88"));
  EXPECT_EQ(parse_range("54s-T9s"), parse_range("54s,65s,76s,87s,98s,T9s"));
  EXPECT_EQ(parse_range("A2s-A5s"), parse_range("A2s,A3s,A4s,A5s"));
  EXPECT_EQ(parse_range("A5s-A2s"), parse_range("A2s-A5s"));
  EXPECT_EQ(parse_range("KTs-Q8s"), parse_range("KTs,K9s,K8s,QTs,Q9s,Q8s"));
  EXPECT_EQ(parse_range("AK-QJ"), parse_range("AK,KQ,QJ"));
  EXPECT_EQ(parse_range("AK-AA"), parse_range("AK,AA"));
  EXPECT_EQ(parse_range("AhKd-QhJd"), parse_range("AhKd,KhQd,QhJd"));
  EXPECT_EQ(parse_range("T9o-76o:0.3"), parse_range("T9o:0.3,98o:0.3,87o:0.3,76o:0.3"));
}

TEST(RangeText, WeightFailures) {
  EXPECT_EQ(invalid("AA:1.5"), "Weight must be within [0, 1]");
  EXPECT_EQ(invalid("AA:-0.1"), "Weight must be within [0, 1]");
  EXPECT_EQ(invalid("AA:nan"), "Weight must be within [0, 1]");
  EXPECT_EQ(invalid("AA:inf"), "Weight must be within [0, 1]");
  EXPECT_EQ(invalid("AA:"), "Weight string is empty");
  EXPECT_EQ(invalid("AA:0.5x"), "Weight string contains invalid characters");
  EXPECT_EQ(invalid("AA:0.5:1"), "Weight string contains invalid characters");
  EXPECT_EQ(invalid("AA:x"), "invalid stof argument");
  EXPECT_EQ(invalid("AA:."), "invalid stof argument");
  EXPECT_EQ(invalid("AA:-"), "invalid stof argument");
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_range("AA:1e99"); }),
            "stof argument out of range");
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_range("AA:-1e40"); }),
            "stof argument out of range");
  EXPECT_EQ(invalid(":0.5"), "Missing range expression");
  EXPECT_EQ(invalid("AA,:"), "Weight string is empty");
  // Numbers the C conversion accepts are fine as long as they land in [0, 1].
  EXPECT_FLOAT_EQ(range_weight(parse_range("AA:5e-1"), 48, 49), 0.5f);
  EXPECT_FLOAT_EQ(range_weight(parse_range("AA:+.25"), 48, 49), 0.25f);
  EXPECT_EQ(range_weight(parse_range("AA:1e-60"), 48, 49), 0.0f);  // underflow is no error
}

TEST(RangeText, PatternFailures) {
  EXPECT_EQ(invalid("AAs"), "Pair cannot have suitedness suffix");
  EXPECT_EQ(invalid("KA"), "First rank must be >= second rank");
  EXPECT_EQ(invalid("KhAd"), "First rank must be >= second rank");
  EXPECT_EQ(invalid("AKx"), "Invalid suitedness suffix");
  EXPECT_EQ(invalid("A"), "Invalid combo pattern length");
  EXPECT_EQ(invalid("AKs2"), "Invalid combo pattern length");
  EXPECT_EQ(invalid("AKQJT"), "Invalid combo pattern length");
  EXPECT_EQ(invalid("AKQJ"), "Invalid suit character");
  EXPECT_EQ(invalid("AhAh"), "Duplicate cards are not allowed");
  EXPECT_EQ(invalid("1K"), "Invalid rank character");
  EXPECT_EQ(invalid("AK-"), "Empty combo");
  EXPECT_EQ(invalid("AKs-AKo"), "Suitedness mismatch in range");
  EXPECT_EQ(invalid("A9-KT"), "Unsupported range expression");
  EXPECT_EQ(invalid("KTs-88"), "Suitedness mismatch in range");
  EXPECT_EQ(invalid("KT-88"), "Unsupported range expression");
  EXPECT_EQ(invalid("AKs-QJs-T9s"), "Invalid combo pattern length");
  EXPECT_EQ(invalid("+"), "Expected trailing '+'");
  EXPECT_EQ(invalid("++"), "Invalid combo pattern length");
  // One side's suits carried onto a pair would name a card twice.
  EXPECT_EQ(invalid("AhKh-AcAd"), "Duplicate cards are not allowed");
  // The first failing item aborts: earlier items are not returned either.
  EXPECT_EQ(invalid("AA, KK, QX"), "Invalid rank character");
}

TEST(RangeText, BuildingBlocks) {
  Range r;
  EXPECT_EQ(message_of<std::invalid_argument>([&] { apply_plus_expression(r, "AK", 1.0f); }),
            "Expected trailing '+'");
  EXPECT_EQ(message_of<std::invalid_argument>([&] { apply_dash_expression(r, "AK", 1.0f); }),
            "Expected '-' in range");
  ComboPattern pair{12, 12, Suitedness::Suited, 0, 0};
  EXPECT_EQ(message_of<std::invalid_argument>([&] { expand_combo_pattern(pair); }),
            "Pair cannot be suited/offsuit");
  pair.suitedness = Suitedness::Offsuit;
  EXPECT_EQ(message_of<std::invalid_argument>([&] { expand_combo_pattern(pair); }),
            "Pair cannot be suited/offsuit");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_combo_pattern(""); }), "Empty combo");

  const ComboPattern exact = parse_combo_pattern("AhKd");
  EXPECT_EQ(exact, (ComboPattern{12, 11, Suitedness::Exact, 2, 1}));
  EXPECT_EQ(parse_combo_pattern("T9s"), (ComboPattern{8, 7, Suitedness::Suited, 0, 0}));
  EXPECT_EQ(strip_whitespace(" a\tb\nc\r\v\fd "), "abcd");
}

TEST(RangeWeights, GetSetAndCheck) {
  Range r;
  set_range_weight(r, 51, 50, 0.75f);
  EXPECT_EQ(r.weights[1325], 0.75f);
  EXPECT_EQ(range_weight(r, 50, 51), 0.75f);
  const std::string code = "Card code must be in [0, 52)";
  EXPECT_EQ(message_of<std::out_of_range>([&] { range_weight(r, 52, 1); }), code);
  EXPECT_EQ(message_of<std::out_of_range>([&] { set_range_weight(r, 1, 255, 0.5f); }), code);
  EXPECT_EQ(message_of<std::invalid_argument>([&] { range_weight(r, 7, 7); }), "Cards must differ");
  EXPECT_EQ(message_of<std::invalid_argument>([&] { set_range_weight(r, 7, 8, 1.01f); }),
            "Weight must be within [0, 1]");
  EXPECT_EQ(message_of<std::invalid_argument>(
                [&] { set_range_weight(r, 7, 8, std::numeric_limits<float>::quiet_NaN()); }),
            "Weight must be within [0, 1]");
  EXPECT_EQ(r.weights[pocket_index(7, 8)], 0.0f);
  EXPECT_NO_THROW(check_weight(0.0f));
  EXPECT_NO_THROW(check_weight(1.0f));
  EXPECT_THROW(check_weight(-0.0001f), std::invalid_argument);
}

TEST(RangeSymmetry, SuitSwaps) {
  const Range pairs = parse_range("AA, KQs, 72o");
  for (std::uint8_t s = 0; s < 4; ++s)
    for (std::uint8_t t = 0; t < 4; ++t) EXPECT_TRUE(is_suit_swap_symmetric(pairs, s, t));

  const Range hearts = parse_range("AhKh");
  EXPECT_TRUE(is_suit_swap_symmetric(hearts, 0, 1));   // clubs <-> diamonds
  EXPECT_FALSE(is_suit_swap_symmetric(hearts, 2, 3));  // hearts <-> spades
  EXPECT_FALSE(is_suit_swap_symmetric(hearts, 0, 2));

  Range nan_range = parse_range("AA");
  nan_range.weights[pocket_index(0, 1)] = std::numeric_limits<float>::quiet_NaN();
  EXPECT_FALSE(is_suit_swap_symmetric(nan_range, 2, 3));  // NaN never equals itself
}

}  // namespace
}  // namespace halvory
