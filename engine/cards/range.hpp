#pragma once
// Range weights over the 1326 two-card combinations and the range text
// grammar ("AA, KK:0.5, A5s+, 22-88, AhKd").

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cards/cards.hpp"

namespace halvory {

inline constexpr int kPocketCount = 1326;

// One weight in [0, 1] per pocket index; default is all zero.
struct Range {
  std::array<float, kPocketCount> weights{};

  bool operator==(const Range&) const = default;
};

// Index 0..1325 of two distinct codes, in either order: a * (101 - a) / 2 - 1 + b
// with a the lower code. (0,1) -> 0, (0,51) -> 50, (1,2) -> 51, (50,51) -> 1325.
constexpr int pocket_index(CardCode x, CardCode y) {
  const int a = x < y ? x : y;
  const int b = x < y ? y : x;
  return a * (101 - a) / 2 - 1 + b;
}

enum class Suitedness : std::int32_t { Any = 0, Suited = 1, Offsuit = 2, Exact = 3 };

// One hand pattern: "AK", "AKs", "T9o", "QQ" or an exact combination "AhKd".
struct ComboPattern {
  std::uint8_t high = 0;  // rank index, high >= low
  std::uint8_t low = 0;
  Suitedness suitedness = Suitedness::Any;
  std::uint8_t high_suit = 0;  // Exact only: suit of the high card
  std::uint8_t low_suit = 0;   // Exact only: suit of the low card

  bool operator==(const ComboPattern&) const = default;
};

// Whole range text; the first failing item aborts with its exception.
Range parse_range(std::string_view text);
// One comma-free item "expr" or "expr:weight", applied on top of `range`.
void parse_range_item(Range& range, std::string_view item);
// "P+" ladders and "P1-P2" spans, each combination set to `weight`.
void apply_plus_expression(Range& range, std::string_view expression, float weight);
void apply_dash_expression(Range& range, std::string_view expression, float weight);

// Throws std::out_of_range "Card code must be in [0, 52)" / std::invalid_argument
// "Cards must differ".
float range_weight(const Range& range, CardCode a, CardCode b);
void set_range_weight(Range& range, CardCode a, CardCode b, float weight);
// Throws std::invalid_argument "Weight must be within [0, 1]" (NaN included).
void check_weight(float weight);

// True when exchanging suits s and t in every combination keeps every weight.
bool is_suit_swap_symmetric(const Range& range, std::uint8_t s, std::uint8_t t);

ComboPattern parse_combo_pattern(std::string_view text);
// Pocket indices of the combinations the pattern names.
std::vector<int> expand_combo_pattern(const ComboPattern& pattern);

// The text without any whitespace character (C-locale isspace).
std::string strip_whitespace(std::string_view text);

}  // namespace halvory
