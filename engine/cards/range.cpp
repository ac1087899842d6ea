#include "cards/range.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <stdexcept>

#include "cards/number_text.hpp"
#include "cards/refusal.hpp"
#include "cards/text_util.hpp"

namespace halvory {

namespace {

[[noreturn]] void fail(const char* message) {
  throw std::invalid_argument(message);
}

[[noreturn]] void fail(RefusalCode code, const char* message, std::string_view what = {}) {
  refuse(code, message, what.empty() ? std::vector<std::string>{} : std::vector{std::string(what)});
}

// The shortest text that reads back as the weight.
std::string weight_text(float weight) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, weight);
  return std::string(buffer, result.ptr);
}

void check_pair_codes(CardCode a, CardCode b) {
  check_card_code(a);
  check_card_code(b);
  if (a == b) fail("Cards must differ");
}

CardCode card_of(int rank, int suit) {
  return static_cast<CardCode>(rank * 4 + suit);
}

// Weight text after the colon, read like the standard library's stof but in
// the "C" locale and with fixed messages whatever the runtime would print.
float parse_weight(std::string_view text) {
  if (text.empty()) fail(RefusalCode::weight_empty, "Weight string is empty");
  const auto parsed = number_text::read_float(text);
  if (parsed.status == number_text::Status::NoConversion)
    fail(RefusalCode::weight_not_number, "invalid stof argument", text);
  if (parsed.status == number_text::Status::Overflow) {
    throw RefusedOutOfRange("stof argument out of range",
                            Refusal{RefusalCode::weight_overflow, {}, {std::string(text)}});
  }
  if (parsed.consumed != text.size())
    fail(RefusalCode::weight_trailing, "Weight string contains invalid characters", text);
  check_weight(parsed.value);
  return parsed.value;
}

// A pattern holding a character outside ASCII, which range text never
// uses: refused at that character, in the role its place gives it, the
// pattern's length counted in characters rather than bytes.
[[noreturn]] void refuse_foreign(std::string_view text) {
  const std::size_t chars = text_util::character_count(text);
  if (chars < 2 || chars > 4)
    fail(RefusalCode::pattern_length, "Invalid combo pattern length", text);
  std::size_t index = 0;
  std::string_view foreign = text_util::character_at(text, 0);
  while (static_cast<unsigned char>(foreign.front()) < 0x80 && foreign.size() == 1)
    foreign = text_util::character_at(text, ++index);
  if (chars == 4 && index % 2 == 1)
    fail(RefusalCode::suit_character, "Invalid suit character", foreign);
  if (chars == 3 && index == 2) fail(RefusalCode::suffix, "Invalid suitedness suffix", text);
  fail(RefusalCode::rank_character, "Invalid rank character", foreign);
}

// A weight written with a decimal comma ("AA:0,5") splits into a weight
// and a bare number item; the number item is refused as such.
void refuse_decimal_comma(std::string_view previous, std::string_view item) {
  const auto digits = [](std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
  };
  const std::size_t colon = previous.rfind(':');
  if (colon == std::string_view::npos || !digits(previous.substr(colon + 1)) || !digits(item))
    return;
  const std::string whole = std::string(previous.substr(colon + 1));
  refuse(RefusalCode::weight_decimal_comma, "Weight written with a decimal comma",
         {whole + "," + std::string(item), whole + "." + std::string(item)});
}

ComboPattern with_ranks(ComboPattern pattern, int high, int low) {
  pattern.high = static_cast<std::uint8_t>(high);
  pattern.low = static_cast<std::uint8_t>(low);
  return pattern;
}

void apply_pattern(Range& range, const ComboPattern& pattern, float weight) {
  for (int index : expand_combo_pattern(pattern)) range.weights[index] = weight;
}

}  // namespace

std::string strip_whitespace(std::string_view text) {
  return text_util::without_whitespace(text);
}

void check_weight(float weight) {
  if (!(weight >= 0.0f && weight <= 1.0f))
    fail(RefusalCode::weight_bounds, "Weight must be within [0, 1]", weight_text(weight));
}

float range_weight(const Range& range, CardCode a, CardCode b) {
  check_pair_codes(a, b);
  return range.weights[pocket_index(a, b)];
}

void set_range_weight(Range& range, CardCode a, CardCode b, float weight) {
  check_pair_codes(a, b);
  check_weight(weight);
  range.weights[pocket_index(a, b)] = weight;
}

bool is_suit_swap_symmetric(const Range& range, std::uint8_t s, std::uint8_t t) {
  // No exchange is defined with a suit outside the deck.
  if (s >= kSuitCount || t >= kSuitCount) return false;
  auto swap_suit = [s, t](int card) {
    const int suit = card & 3;
    const int rank = card >> 2;
    if (suit == s) return rank * 4 + t;
    if (suit == t) return rank * 4 + s;
    return card;
  };
  for (int a = 0; a < kCardCount; ++a) {
    for (int b = a + 1; b < kCardCount; ++b) {
      const int ma = swap_suit(a);
      const int mb = swap_suit(b);
      const float here =
          range.weights[pocket_index(static_cast<CardCode>(a), static_cast<CardCode>(b))];
      const float there =
          range.weights[pocket_index(static_cast<CardCode>(ma), static_cast<CardCode>(mb))];
      if (!(here == there)) return false;
    }
  }
  return true;
}

ComboPattern parse_combo_pattern(std::string_view text) {
  if (text.empty()) fail(RefusalCode::combo_empty, "Empty combo");
  if (text_util::character_count(text) != text.size()) refuse_foreign(text);
  ComboPattern pattern;
  if (text.size() == 4 && text_util::is_alpha(text[1]) && text_util::is_alpha(text[3])) {
    pattern.high = parse_rank(text[0]);
    pattern.high_suit = parse_suit(text[1]);
    pattern.low = parse_rank(text[2]);
    pattern.low_suit = parse_suit(text[3]);
    pattern.suitedness = Suitedness::Exact;
    if (pattern.high < pattern.low)
      fail(RefusalCode::rank_order, "First rank must be >= second rank", text);
    if (pattern.high == pattern.low && pattern.high_suit == pattern.low_suit)
      fail(RefusalCode::duplicate_cards, "Duplicate cards are not allowed", text);
    return pattern;
  }
  if (text.size() != 2 && text.size() != 3)
    fail(RefusalCode::pattern_length, "Invalid combo pattern length", text);
  pattern.high = parse_rank(text[0]);
  pattern.low = parse_rank(text[1]);
  if (text.size() == 3) {
    const char suffix = text_util::ascii_lower(text[2]);
    if (suffix == 's')
      pattern.suitedness = Suitedness::Suited;
    else if (suffix == 'o')
      pattern.suitedness = Suitedness::Offsuit;
    else
      fail(RefusalCode::suffix, "Invalid suitedness suffix", text);
  }
  if (pattern.high < pattern.low)
    fail(RefusalCode::rank_order, "First rank must be >= second rank", text);
  if (pattern.high == pattern.low && pattern.suitedness != Suitedness::Any)
    fail(RefusalCode::pair_suffix, "Pair cannot have suitedness suffix", text);
  return pattern;
}

std::vector<int> expand_combo_pattern(const ComboPattern& pattern) {
  const int h = pattern.high;
  const int l = pattern.low;
  // Codes outside the deck would index past the weight table.
  if (h >= kRankCount || l >= kRankCount) throw std::out_of_range("Rank is out of range");
  std::vector<int> indices;
  if (pattern.suitedness == Suitedness::Exact) {
    if (pattern.high_suit >= kSuitCount || pattern.low_suit >= kSuitCount)
      fail(RefusalCode::suit_character, "Invalid suit character");
    const CardCode a = card_of(h, pattern.high_suit);
    const CardCode b = card_of(l, pattern.low_suit);
    // A span can carry one side's suits onto a pair, e.g. AhKh-AcAd.
    if (a == b) fail(RefusalCode::duplicate_cards, "Duplicate cards are not allowed");
    indices.push_back(pocket_index(a, b));
    return indices;
  }
  if (h == l) {
    if (pattern.suitedness != Suitedness::Any)
      fail(RefusalCode::pair_suited, "Pair cannot be suited/offsuit");
    indices.reserve(6);
    for (int s1 = 0; s1 < kSuitCount; ++s1)
      for (int s2 = s1 + 1; s2 < kSuitCount; ++s2)
        indices.push_back(pocket_index(card_of(h, s1), card_of(l, s2)));
    return indices;
  }
  indices.reserve(16);
  for (int s1 = 0; s1 < kSuitCount; ++s1) {
    for (int s2 = 0; s2 < kSuitCount; ++s2) {
      const bool suited = s1 == s2;
      if (pattern.suitedness == Suitedness::Suited && !suited) continue;
      if (pattern.suitedness == Suitedness::Offsuit && suited) continue;
      indices.push_back(pocket_index(card_of(h, s1), card_of(l, s2)));
    }
  }
  return indices;
}

void apply_plus_expression(Range& range, std::string_view expression, float weight) {
  if (expression.size() <= 1 || expression.back() != '+')
    fail(RefusalCode::plus_expected, "Expected trailing '+'");
  const ComboPattern base = parse_combo_pattern(expression.substr(0, expression.size() - 1));
  const int high = base.high;
  const int low = base.low;
  if (high - low >= 2) {
    for (int r = low; r < high; ++r) apply_pattern(range, with_ranks(base, high, r), weight);
  } else {
    for (int step = 0; high + step < kRankCount; ++step)
      apply_pattern(range, with_ranks(base, high + step, low + step), weight);
  }
}

void apply_dash_expression(Range& range, std::string_view expression, float weight) {
  const std::size_t dash = expression.find('-');
  if (dash == std::string_view::npos) fail(RefusalCode::dash_expected, "Expected '-' in range");
  const ComboPattern first = parse_combo_pattern(expression.substr(0, dash));
  const ComboPattern second = parse_combo_pattern(expression.substr(dash + 1));
  if (first.suitedness != second.suitedness)
    fail(RefusalCode::span_suitedness, "Suitedness mismatch in range", expression);

  const int h1 = first.high, l1 = first.low, h2 = second.high, l2 = second.low;
  const int high_from = std::min(h1, h2), high_to = std::max(h1, h2);
  const int low_from = std::min(l1, l2), low_to = std::max(l1, l2);
  if (h1 - l1 == h2 - l2) {
    const int gap = h1 - l1;
    for (int h = high_from; h <= high_to; ++h)
      apply_pattern(range, with_ranks(first, h, h - gap), weight);
  } else if (h1 == h2) {
    for (int l = low_from; l <= low_to; ++l) apply_pattern(range, with_ranks(first, h1, l), weight);
  } else {
    const bool has_pair = h1 == l1 || h2 == l2;
    const bool suited_or_offsuit =
        first.suitedness == Suitedness::Suited || first.suitedness == Suitedness::Offsuit;
    if (has_pair || !suited_or_offsuit)
      fail(RefusalCode::span_unsupported, "Unsupported range expression", expression);
    for (int h = high_from; h <= high_to; ++h)
      for (int l = low_from; l <= low_to; ++l)
        if (h > l) apply_pattern(range, with_ranks(first, h, l), weight);
  }
}

void parse_range_item(Range& range, std::string_view item) {
  float weight = 1.0f;
  std::string_view expression = item;
  if (const std::size_t colon = item.find(':'); colon != std::string_view::npos) {
    weight = parse_weight(item.substr(colon + 1));
    expression = item.substr(0, colon);
  }
  if (expression.empty()) fail(RefusalCode::expression_missing, "Missing range expression");
  if (expression.find('-') != std::string_view::npos) {
    apply_dash_expression(range, expression, weight);
  } else if (expression.back() == '+') {
    apply_plus_expression(range, expression, weight);
  } else {
    apply_pattern(range, parse_combo_pattern(expression), weight);
  }
}

Range parse_range(std::string_view text) {
  const std::string compact = strip_whitespace(text);
  Range range;
  std::string_view rest = compact;
  std::string_view previous;
  while (true) {
    const std::size_t comma = rest.find(',');
    const std::string_view item = rest.substr(0, comma);
    if (!item.empty()) {
      try {
        parse_range_item(range, item);
      } catch (const RefusedArgument&) {
        refuse_decimal_comma(previous, item);
        throw;
      }
    }
    previous = item;
    if (comma == std::string_view::npos) break;
    rest.remove_prefix(comma + 1);
  }
  return range;
}

}  // namespace halvory
