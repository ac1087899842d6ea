// Bet-size tokens and lists: every form, every failure message, the strict
// number readers, and number reading under a decimal-comma locale.
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <stdexcept>
#include <string>

#include "cards/bet_size.hpp"
#include "cards/range.hpp"
#include "expect_message.hpp"

namespace halvory {
namespace {

using testing::message_of;

std::string bet_error(std::string_view token, bool raise_context) {
  return message_of<std::invalid_argument>([&] { parse_bet_size(token, raise_context); });
}

TEST(StrictNumbers, Doubles) {
  EXPECT_EQ(parse_double_strict("1.5"), 1.5);
  EXPECT_EQ(parse_double_strict("  -2.5e2"), -250.0);
  EXPECT_EQ(parse_double_strict("+.5"), 0.5);
  EXPECT_TRUE(std::isinf(parse_double_strict("inf")));
  EXPECT_EQ(parse_double_strict("1e-400"), 0.0);  // underflow is no error
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_double_strict("abc"); }),
            "Failed to parse floating-point number from 'abc' (hex=616263)");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_double_strict(""); }),
            "Failed to parse floating-point number from '' (hex=)");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_double_strict("1.5 "); }),
            "Failed to parse floating-point number from '1.5 ' (hex=312e3520)");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_double_strict("1e999"); }),
            "Failed to parse floating-point number from '1e999' (hex=3165393939)");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_double_strict("1,5"); }),
            "Failed to parse floating-point number from '1,5' (hex=312c35)");
  // Bytes above 0x7f are shown byte by byte.
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_double_strict("1\xff"); }),
            "Failed to parse floating-point number from '1\xff' (hex=31ff)");
  // An embedded NUL ends the number; what follows is left-over text.
  EXPECT_THROW(parse_double_strict(std::string("1\0", 2)), std::invalid_argument);
}

TEST(StrictNumbers, Integers) {
  EXPECT_EQ(parse_int_strict("50"), 50);
  EXPECT_EQ(parse_int_strict(" -7"), -7);
  EXPECT_EQ(parse_int_strict("+2147483647"), 2147483647);
  EXPECT_EQ(parse_int_strict("-2147483648"), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_int_strict("2147483648"); }),
            "Integer value is out of range");
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_int_strict("-2147483649"); }),
            "Integer value is out of range");
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_int_strict("9223372036854775807"); }),
            "Integer value is out of range");
  // Beyond 64 bits it no longer converts at all.
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_int_strict("9223372036854775808"); }),
            "Failed to parse integer from '9223372036854775808'");
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_int_strict("-9223372036854775808"); }),
            "Integer value is out of range");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_int_strict("50.5"); }),
            "Failed to parse integer from '50.5'");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_int_strict(""); }),
            "Failed to parse integer from ''");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_int_strict("+-5"); }),
            "Failed to parse integer from '+-5'");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_int_strict("5 "); }),
            "Failed to parse integer from '5 '");
}

TEST(BetSizeTokens, EachForm) {
  BetSize pot = parse_bet_size(" 75% ", false);
  EXPECT_EQ(pot.kind, BetSizeKind::PotFraction);
  EXPECT_DOUBLE_EQ(pot.value, 0.75);
  EXPECT_EQ(pot.max_pot_fraction, 0.0);
  EXPECT_DOUBLE_EQ(parse_bet_size("-20%", false).value, -0.2);
  EXPECT_DOUBLE_EQ(parse_bet_size("250%", false).value, 2.5);

  const BetSize rel = parse_bet_size("2.5X", true);
  EXPECT_EQ(rel, (BetSize{BetSizeKind::RelativeRaise, 2.5, 0.0, 0, 0, 0}));

  EXPECT_EQ(parse_bet_size("40c", false), (BetSize{BetSizeKind::ChipAmount, 0.0, 0.0, 40, 0, 0}));
  EXPECT_EQ(parse_bet_size("40C2R", true), (BetSize{BetSizeKind::ChipAmount, 0.0, 0.0, 40, 2, 0}));
  EXPECT_EQ(parse_bet_size("50", false), (BetSize{BetSizeKind::ChipAmount, 0.0, 0.0, 50, 0, 0}));

  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(parse_bet_size("e", false), (BetSize{BetSizeKind::Geometric, 0.0, inf, 0, 0, 0}));
  EXPECT_EQ(parse_bet_size("2E", false), (BetSize{BetSizeKind::Geometric, 0.0, inf, 0, 0, 2}));
  EXPECT_EQ(parse_bet_size("2%150e", true), (BetSize{BetSizeKind::Geometric, 0.0, 1.5, 0, 0, 2}));
  EXPECT_EQ(parse_bet_size("%80e", true), (BetSize{BetSizeKind::Geometric, 0.0, 0.8, 0, 0, 0}));

  const BetSize all_in{BetSizeKind::AllIn, 0.0, 0.0, 0, 0, 0};
  EXPECT_EQ(parse_bet_size("A", false), all_in);
  EXPECT_EQ(parse_bet_size("allina", true), all_in);
  EXPECT_EQ(parse_bet_size("\xff\x01 a", false), all_in);
}

TEST(BetSizeTokens, Failures) {
  EXPECT_EQ(bet_error("", false), "Empty bet size token");
  EXPECT_EQ(bet_error(" \t ", true), "Empty bet size token");
  EXPECT_EQ(bet_error("2.5x", false), "Relative raise (x) is not allowed in this context");
  EXPECT_EQ(bet_error("1x", true), "Relative raise must exceed 1.0x");
  EXPECT_EQ(bet_error("0.5x", true), "Relative raise must exceed 1.0x");
  EXPECT_EQ(bet_error("nanx", true), "Relative raise must exceed 1.0x");
  EXPECT_EQ(bet_error("x", true), "Failed to parse floating-point number from '' (hex=)");
  EXPECT_EQ(bet_error("40c2r", false), "Raise cap is only valid for raises");
  EXPECT_EQ(bet_error("40c2", true), "Failed to parse integer from '40c2'");
  EXPECT_EQ(bet_error("40c0r", true), "Raise cap must be positive");
  EXPECT_EQ(bet_error("40c-1r", true), "Raise cap must be positive");
  EXPECT_EQ(bet_error("40c2c", true), "Raise cap must end with 'r'");
  EXPECT_EQ(bet_error("40cr", true), "Failed to parse integer from ''");
  EXPECT_EQ(bet_error("c", false), "Failed to parse integer from ''");
  EXPECT_EQ(bet_error("4.5c", false), "Failed to parse integer from '4.5'");
  EXPECT_EQ(bet_error("0e", false), "Geometric streets must be positive");
  EXPECT_EQ(bet_error("%e", false), "Failed to parse floating-point number from '' (hex=)");
  EXPECT_EQ(bet_error("x%e", false), "Failed to parse floating-point number from '' (hex=)");
  EXPECT_EQ(bet_error("x%50e", false), "Failed to parse integer from 'x'");
  EXPECT_EQ(bet_error("50.5", false), "Failed to parse integer from '50.5'");
  EXPECT_EQ(bet_error("abc%", false),
            "Failed to parse floating-point number from 'abc' (hex=616263)");
  EXPECT_EQ(bet_error("allin", false), "Failed to parse integer from 'allin'");
  EXPECT_EQ(bet_error("40r", true), "Failed to parse integer from '40r'");
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_bet_size("2147483648", false); }),
            "Integer value is out of range");
  EXPECT_EQ(message_of<std::out_of_range>([] { parse_bet_size("5c9999999999r", true); }),
            "Integer value is out of range");
}

TEST(BetSizeLists, SplitTrimSkipAndKeepOrder) {
  const auto sizes = parse_bet_sizes("33%, 75% ,, 150%");
  ASSERT_EQ(sizes.size(), 3u);
  EXPECT_DOUBLE_EQ(sizes[0].value, 0.33);
  EXPECT_DOUBLE_EQ(sizes[1].value, 0.75);
  EXPECT_DOUBLE_EQ(sizes[2].value, 1.5);
  EXPECT_TRUE(parse_bet_sizes("").empty());
  EXPECT_TRUE(parse_size_list(" , ,", true).empty());
  EXPECT_EQ(parse_size_list("50%,50%", true).size(), 2u);  // duplicates kept

  const BetRaiseSizes both = parse_bet_raise_sizes("50%, a", "3x, 40c2r");
  ASSERT_EQ(both.bets.size(), 2u);
  ASSERT_EQ(both.raises.size(), 2u);
  EXPECT_EQ(both.bets[1].kind, BetSizeKind::AllIn);
  EXPECT_EQ(both.raises[0].kind, BetSizeKind::RelativeRaise);
  EXPECT_EQ(both.raises[1].raise_cap, 2);
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_bet_raise_sizes("3x", "3x"); }),
            "Relative raise (x) is not allowed in this context");
  EXPECT_EQ(message_of<std::invalid_argument>([] { parse_bet_sizes("50%, 1.5.%, 1x"); }),
            "Failed to parse floating-point number from '1.5.' (hex=312e352e)");
}

// A decimal comma in the process locale must not change what "1.5" means.
class CommaDecimal : public std::numpunct<char> {
 protected:
  char do_decimal_point() const override { return ','; }
};

TEST(NumberLocale, DecimalCommaLocaleDoesNotChangeParsing) {
  auto check = [] {
    EXPECT_EQ(parse_double_strict("1.5"), 1.5);
    EXPECT_THROW(parse_double_strict("1,5"), std::invalid_argument);
    EXPECT_DOUBLE_EQ(parse_bet_size("62.5%", false).value, 0.625);
    EXPECT_FLOAT_EQ(range_weight(parse_range("AA:0.5"), 48, 49), 0.5f);
    EXPECT_EQ(message_of<std::invalid_argument>([] { parse_range("AA:0.5.5"); }),
              "Weight string contains invalid characters");
  };

  const std::locale saved_cpp = std::locale();
  std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  check();
  std::locale::global(saved_cpp);

  const std::string saved_c = std::setlocale(LC_ALL, nullptr);
  bool found = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "ru_RU.UTF-8",
                           "pl_PL.UTF-8", "de_DE", "German_Germany.1252"}) {
    if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') {
      found = true;
      check();
      break;
    }
  }
  std::setlocale(LC_ALL, saved_c.c_str());
  if (!found) GTEST_SKIP() << "no decimal-comma C locale installed; checked the C++ locale only";
}

}  // namespace
}  // namespace halvory
