// Random byte strings into every text reader: each either succeeds with a
// sane result or throws std::invalid_argument / std::out_of_range. Anything
// else (another exception, a crash, a sanitizer report) fails the run.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <stdexcept>
#include <string>

#include "cards/bet_size.hpp"
#include "cards/cards.hpp"
#include "cards/range.hpp"

namespace halvory {
namespace {

// Bytes that reach deep into the grammars, mixed with arbitrary bytes.
constexpr std::string_view kGrammarBytes =
    "AKQJT98765432akqjt cdhsCDHSox+-:,.%eExXcCrRaA0123456789 \t\n";

std::string random_text(std::mt19937_64& rng) {
  const int length = static_cast<int>(rng() % 24);
  const bool arbitrary = rng() % 4 == 0;
  std::string text;
  for (int i = 0; i < length; ++i) {
    if (arbitrary || rng() % 16 == 0)
      text.push_back(static_cast<char>(rng() & 0xff));
    else
      text.push_back(kGrammarBytes[rng() % kGrammarBytes.size()]);
  }
  return text;
}

enum class Outcome { Ok, Documented };

template <typename Call>
Outcome run(Call&& call, const std::string& text) {
  try {
    call();
    return Outcome::Ok;
  } catch (const std::invalid_argument&) {
    return Outcome::Documented;
  } catch (const std::out_of_range&) {
    return Outcome::Documented;
  } catch (const std::exception& e) {
    ADD_FAILURE() << "undocumented exception '" << e.what() << "' for input of " << text.size()
                  << " bytes";
  } catch (...) {
    ADD_FAILURE() << "non-standard exception";
  }
  return Outcome::Documented;
}

TEST(ParseFuzz, OnlyDocumentedExceptions) {
  std::mt19937_64 rng(20240611);
  int accepted_ranges = 0, accepted_sizes = 0;
  for (int i = 0; i < 100'000; ++i) {
    const std::string text = random_text(rng);
    if (run(
            [&] {
              const Range r = parse_range(text);
              for (float w : r.weights) ASSERT_TRUE(w >= 0.0f && w <= 1.0f);
            },
            text) == Outcome::Ok)
      ++accepted_ranges;
    run([&] { ASSERT_LT(parse_card(text), 52); }, text);
    run(
        [&] {
          for (CardCode c : parse_flop(text)) ASSERT_LT(c, 52);
        },
        text);
    for (bool raise_context : {false, true}) {
      if (run(
              [&] {
                const BetSize size = parse_bet_size(text, raise_context);
                ASSERT_LE(static_cast<std::uint32_t>(size.kind), 4u);
                if (size.kind == BetSizeKind::RelativeRaise) {
                  ASSERT_TRUE(size.value > 1.0);
                }
                if (size.kind == BetSizeKind::ChipAmount) {
                  ASSERT_GE(size.raise_cap, 0);
                }
                if (size.kind == BetSizeKind::Geometric) {
                  ASSERT_GE(size.streets, 0);
                }
              },
              text) == Outcome::Ok)
        ++accepted_sizes;
      run([&] { parse_size_list(text, raise_context); }, text);
    }
    run([&] { parse_double_strict(text); }, text);
    run([&] { parse_int_strict(text); }, text);
    run([&] { parse_combo_pattern(text); }, text);
  }
  // The generator must actually reach the success paths too.
  EXPECT_GT(accepted_ranges, 1000);
  EXPECT_GT(accepted_sizes, 1000);
}

// Range items built from grammar pieces, so ladders and spans get exercised
// far more often than random bytes would manage.
TEST(ParseFuzz, StructuredRangeItems) {
  std::mt19937_64 rng(7);
  const std::string ranks = "AKQJT98765432";
  const std::string suffixes[] = {"", "s", "o", "x", "S"};
  const std::string suits = "cdhs";
  auto pattern = [&] {
    std::string p;
    if (rng() % 4 == 0) {
      p = {ranks[rng() % 13], suits[rng() % 4], ranks[rng() % 13], suits[rng() % 4]};
    } else {
      p = {ranks[rng() % 13], ranks[rng() % 13]};
      p += suffixes[rng() % 5];
    }
    return p;
  };
  int accepted = 0;
  for (int i = 0; i < 50'000; ++i) {
    std::string item = pattern();
    switch (rng() % 3) {
      case 0:
        item += "+";
        break;
      case 1:
        item.push_back('-');
        item += pattern();
        break;
      default:
        break;
    }
    if (rng() % 3 == 0) {
      item += ":0.";
      item += std::to_string(rng() % 10);
    }
    if (run([&] { parse_range(item); }, item) == Outcome::Ok) ++accepted;
  }
  EXPECT_GT(accepted, 5000);
}

}  // namespace
}  // namespace halvory
