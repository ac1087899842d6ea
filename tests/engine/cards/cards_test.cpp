// Card text, flop text and the evaluator on hand-picked hands whose answer
// is known.
#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "cards/cards.hpp"
#include "expect_message.hpp"
#include "reference_evaluator.hpp"

namespace halvory {
namespace {

using testing::category_of;
using testing::kicker_of;
using testing::primary_of;

using testing::message_of;

std::vector<CardCode> cards_of(std::string_view text) {
  std::vector<CardCode> out;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2) out.push_back(parse_card(text.substr(i, 2)));
  return out;
}

HandStrength eval(std::string_view seven, bool short_deck = false) {
  const auto c = cards_of(seven);
  return evaluate_seven(c[0], c[1], c[2], c[3], c[4], c[5], c[6], short_deck);
}

std::uint32_t rank_bit(char rank) {
  return 1u << parse_rank(rank);
}

TEST(CardText, RanksAndSuitsInBothCases) {
  const std::string ranks = "23456789TJQKA";
  for (int r = 0; r < 13; ++r) {
    EXPECT_EQ(parse_rank(ranks[r]), r);
    EXPECT_EQ(parse_rank(static_cast<char>(std::tolower(ranks[r]))), r);
    EXPECT_EQ(rank_char(static_cast<std::uint8_t>(r)), ranks[r]);
  }
  EXPECT_EQ(parse_suit('C'), 0);
  EXPECT_EQ(parse_suit('d'), 1);
  EXPECT_EQ(parse_suit('H'), 2);
  EXPECT_EQ(parse_suit('s'), 3);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_rank('1'); }), "Invalid rank character");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_rank('\xff'); }),
            "Invalid rank character");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_suit('x'); }), "Invalid suit character");
  EXPECT_EQ(message_of<std::out_of_range>([] { rank_char(13); }), "Rank is out of range");
}

TEST(CardText, EveryCodeRoundTrips) {
  for (int code = 0; code < 52; ++code) {
    const std::string text = card_to_string(static_cast<std::int8_t>(code));
    ASSERT_EQ(text.size(), 2u);
    EXPECT_EQ(parse_card(text), code);
  }
  EXPECT_EQ(parse_card("aD"), 49);
  EXPECT_EQ(card_to_string(49), "Ad");
  EXPECT_EQ(parse_card("2c"), 0);
  EXPECT_EQ(parse_card("As"), 51);
}

TEST(CardText, BadCardsAndCodes) {
  const std::string two = "Card token must consist of two characters";
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_card(" Ad"); }), two);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_card("A"); }), two);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_card(""); }), two);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_card("Adx"); }), two);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_card("1d"); }), "Invalid rank character");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_card("Ax"); }), "Invalid suit character");

  const std::string range = "Card code must be in [0, 52)";
  EXPECT_EQ(message_of<std::out_of_range>([] { card_to_string(52); }), range);
  EXPECT_EQ(message_of<std::out_of_range>([] { card_to_string(-1); }), range);
  EXPECT_EQ(message_of<std::out_of_range>([] { check_card_code(52); }), range);
  EXPECT_EQ(message_of<std::out_of_range>([] { check_card_code(255); }), range);
  EXPECT_NO_THROW(check_card_code(51));
}

TEST(FlopText, KeepsInputOrderAndIgnoresWhitespace) {
  const auto flop = parse_flop("Ah Kd 2c");
  EXPECT_EQ(flop[0], parse_card("Ah"));
  EXPECT_EQ(flop[1], parse_card("Kd"));
  EXPECT_EQ(flop[2], parse_card("2c"));
  EXPECT_EQ(parse_flop("\tah\nkD 2C "), flop);
}

TEST(FlopText, Failures) {
  const std::string three = "Flop string must contain exactly three cards";
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop("AhAh2c"); }),
            "Flop cards must be unique");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop("2cAhAh"); }),
            "Flop cards must be unique");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop("AhKd"); }), three);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop("AhKd2c3s"); }), three);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop(""); }), three);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop("   "); }), three);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop("AhKd1c"); }),
            "Invalid rank character");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_flop("AhKd2x"); }),
            "Invalid suit character");
}

TEST(Evaluator, CategoriesAndMasksOfTheLayoutTable) {
  struct Case {
    const char* hand;
    int category;
    std::vector<char> primary;
    std::vector<char> kicker;
  };
  const std::vector<Case> cases = {
      {"AhKd9c7s5h3d2c", 0, {'A', 'K', '9', '7', '5'}, {}},
      {"AhAdKc9s7h3d2c", 1, {'A'}, {'K', '9', '7'}},
      {"AhAdKcKsQhQd2c", 2, {'A', 'K'}, {'Q'}},  // third pair is the kicker
      {"AhAdKcKs2h3d4c", 2, {'A', 'K'}, {'4'}},
      {"7h7d7cKs9h3d2c", 3, {'7'}, {'K', '9'}},
      {"9h8d7c6s5h3d2c", 4, {'9'}, {}},
      {"Ah2d3c4s5hKdQc", 4, {'5'}, {}},  // the wheel tops at the five
      {"AhKhQhJhThAdAc", 8, {'A'}, {}},
      {"Ah2h3h4h5h6d7c", 8, {'5'}, {}},     // steel wheel
      {"7h7d7c7s3h3d3c", 7, {'7'}, {'3'}},  // quads with trips: the threes kick
      {"7h7d7c7s3h3dAc", 7, {'7'}, {'A'}},
      {"AhAdAcKsKhKd2c", 6, {'A'}, {'K'}},  // two trips: lower trips is the pair
      {"AhAdAcKsKhQdQc", 6, {'A'}, {'K'}},
      {"Ah9h7h5h3h2h2d", 5, {'A', '9', '7', '5', '3'}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hand);
    const HandStrength s = eval(c.hand);
    std::uint32_t primary = 0, kicker = 0;
    for (char r : c.primary) primary |= rank_bit(r);
    for (char r : c.kicker) kicker |= rank_bit(r);
    EXPECT_EQ(category_of(s), c.category);
    EXPECT_EQ(primary_of(s), primary);
    EXPECT_EQ(kicker_of(s), kicker);
  }
}

TEST(Evaluator, WheelLosesToSixHighStraight) {
  const HandStrength wheel = eval("Ah2d3c4s5hKdQc");
  const HandStrength six_high = eval("2d3c4s5h6hKdQc");
  EXPECT_EQ(primary_of(wheel), 1u << 3);
  EXPECT_LT(wheel, six_high);
  // A-6-7-8-9 is no straight in hold'em.
  EXPECT_EQ(category_of(eval("Ah6d7c8s9h2d3c")), 0);
}

TEST(Evaluator, ShortDeckOrderAndWheel) {
  const HandStrength wheel = eval("Ah6d7c8s9hKdKc", true);
  EXPECT_EQ(category_of(wheel), 4);
  EXPECT_EQ(primary_of(wheel), 1u << 7);
  EXPECT_LT(wheel, eval("6d7c8s9hTdKcKs", true));
  EXPECT_GT(wheel, eval("AhAdAc8s9hKdQc", true));
  EXPECT_EQ(category_of(eval("Ah6h7h8h9hKdKc", true)), 8);

  // Short deck: the weakest flush beats the strongest full house; hold'em the reverse.
  const HandStrength low_flush_sd = eval("6h7h8hTh9sJhAd", true);  // also holds two straights
  EXPECT_EQ(category_of(low_flush_sd), 6);
  const HandStrength aces_full_sd = eval("AhAdAcKsKhQdJc", true);
  EXPECT_EQ(category_of(aces_full_sd), 5);
  EXPECT_GT(low_flush_sd, aces_full_sd);

  const HandStrength low_flush = eval("2h3h4h6h7hKdAc");
  const HandStrength low_full = eval("2h2d2c3s3hKdAc");
  EXPECT_EQ(category_of(low_flush), 5);
  EXPECT_EQ(category_of(low_full), 6);
  EXPECT_LT(low_flush, low_full);
}

TEST(Evaluator, BadCodesAndBoardSize) {
  EXPECT_EQ(message_of<std::out_of_range>([] { evaluate_seven(0, 1, 2, 3, 4, 5, 52, false); }),
            "Card code must be in [0, 52)");
  EXPECT_EQ(message_of<std::out_of_range>([] { evaluate_seven(255, 1, 2, 3, 4, 5, 6, true); }),
            "Card code must be in [0, 52)");
  const std::vector<CardCode> four = cards_of("2c3d4h5s");
  const Pocket pocket = static_cast<Pocket>(parse_card("Ah") | parse_card("Ad") << 8);
  EXPECT_EQ(message_of<std::invalid_argument>([&] { evaluate_hand(pocket, four, false); }),
            "Board must contain exactly 5 cards for evaluation");
  const std::vector<CardCode> six = cards_of("2c3d4h5s6s7s");
  EXPECT_EQ(message_of<std::invalid_argument>([&] { evaluate_hand(pocket, six, false); }),
            "Board must contain exactly 5 cards for evaluation");
}

TEST(Evaluator, EvaluateHandPassesPocketThenBoard) {
  const std::array<CardCode, 5> board = {parse_card("2c"), parse_card("3d"), parse_card("4h"),
                                         parse_card("Ks"), parse_card("9s")};
  const Pocket pocket = static_cast<Pocket>(parse_card("Ah") | parse_card("5d") << 8);
  EXPECT_EQ(evaluate_hand(pocket, board, false), eval("Ah5d2c3d4hKs9s"));
  EXPECT_EQ(category_of(evaluate_hand(pocket, board, false)), 4);
}

}  // namespace
}  // namespace halvory
