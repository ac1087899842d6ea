#pragma once
// Bet-size tokens ("33%", "2.5x", "40c", "40c2r", "2%150e", "a") and the
// comma-separated size lists built from them.

#include <cstdint>
#include <string_view>
#include <vector>

namespace halvory {

enum class BetSizeKind : std::uint32_t {
  PotFraction = 0,    // "75%": value = 0.75
  RelativeRaise = 1,  // "2.5x": value = 2.5, raises only
  ChipAmount = 2,     // "40", "40c", "40c2r": amount, raise_cap
  Geometric = 3,      // "e", "2e", "2%150e": streets, max_pot_fraction
  AllIn = 4,          // anything ending in 'a'
};

struct BetSize {
  BetSizeKind kind = BetSizeKind::PotFraction;
  double value = 0.0;             // pot fraction or raise multiple
  double max_pot_fraction = 0.0;  // Geometric: cap, +infinity when none
  std::int32_t amount = 0;        // ChipAmount
  std::int32_t raise_cap = 0;     // ChipAmount: 0 none, else bets+raises limit
  std::int32_t streets = 0;       // Geometric: 0 = the streets that remain

  bool operator==(const BetSize&) const = default;
};

struct BetRaiseSizes {
  std::vector<BetSize> bets;
  std::vector<BetSize> raises;
};

// Whole text as a number, locale-independent; std::invalid_argument on failure.
double parse_double_strict(std::string_view text);
// Whole text as a base-10 integer; std::invalid_argument when it does not
// parse, std::out_of_range "Integer value is out of range" outside int32.
std::int32_t parse_int_strict(std::string_view text);

BetSize parse_bet_size(std::string_view token, bool raise_context);
std::vector<BetSize> parse_size_list(std::string_view text, bool raise_context);
std::vector<BetSize> parse_bet_sizes(std::string_view text);
BetRaiseSizes parse_bet_raise_sizes(std::string_view bet_text, std::string_view raise_text);

}  // namespace halvory
