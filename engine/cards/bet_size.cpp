#include "cards/bet_size.hpp"

#include <limits>
#include <stdexcept>
#include <string>

#include "cards/number_text.hpp"
#include "cards/refusal.hpp"
#include "cards/text_util.hpp"

namespace halvory {

namespace {

std::string hex_bytes(std::string_view text) {
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string out;
  out.reserve(text.size() * 2);
  for (char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    out.push_back(kDigits[byte >> 4]);
    out.push_back(kDigits[byte & 0xf]);
  }
  return out;
}

[[noreturn]] void fail(RefusalCode code, const char* message) {
  refuse(code, message);
}

}  // namespace

double parse_double_strict(std::string_view text) {
  const auto parsed = number_text::read_double(text);
  if (parsed.status != number_text::Status::Ok || parsed.consumed != text.size()) {
    refuse(RefusalCode::bet_number,
           "Failed to parse floating-point number from '" + std::string(text) +
               "' (hex=" + hex_bytes(text) + ")",
           {std::string(text)});
  }
  return parsed.value;
}

std::int32_t parse_int_strict(std::string_view text) {
  const auto parsed = number_text::read_int64(text);
  if (parsed.status != number_text::Status::Ok || parsed.consumed != text.size())
    refuse(RefusalCode::bet_integer, "Failed to parse integer from '" + std::string(text) + "'",
           {std::string(text)});
  if (parsed.value < std::numeric_limits<std::int32_t>::min() ||
      parsed.value > std::numeric_limits<std::int32_t>::max())
    throw RefusedOutOfRange("Integer value is out of range",
                            Refusal{RefusalCode::bet_integer_range, {}, {std::string(text)}});
  return static_cast<std::int32_t>(parsed.value);
}

BetSize parse_bet_size(std::string_view token, bool raise_context) {
  const std::string_view text = text_util::trim(token);
  if (text.empty()) fail(RefusalCode::bet_empty, "Empty bet size token");

  BetSize size;
  const char last = text_util::ascii_lower(text.back());
  const std::string_view body = text.substr(0, text.size() - 1);
  const std::size_t first_c = text.find_first_of("cC");

  if (last == 'x') {
    if (!raise_context)
      fail(RefusalCode::bet_relative_context, "Relative raise (x) is not allowed in this context");
    const double multiple = parse_double_strict(body);
    if (!(multiple > 1.0)) fail(RefusalCode::bet_relative_min, "Relative raise must exceed 1.0x");
    size.kind = BetSizeKind::RelativeRaise;
    size.value = multiple;
  } else if (last == 'c' || (last == 'r' && first_c != std::string_view::npos)) {
    size.kind = BetSizeKind::ChipAmount;
    size.amount = parse_int_strict(text.substr(0, first_c));
    if (first_c + 1 < text.size()) {
      if (!raise_context) fail(RefusalCode::bet_cap_context, "Raise cap is only valid for raises");
      if (last != 'r') fail(RefusalCode::bet_cap_suffix, "Raise cap must end with 'r'");
      const std::string_view cap_text = text.substr(first_c + 1, text.size() - first_c - 2);
      size.raise_cap = parse_int_strict(cap_text);
      if (size.raise_cap < 1) fail(RefusalCode::bet_cap_positive, "Raise cap must be positive");
    }
  } else if (last == 'e') {
    size.kind = BetSizeKind::Geometric;
    size.max_pot_fraction = std::numeric_limits<double>::infinity();
    std::string_view streets_text = body;
    if (const std::size_t percent = body.find('%'); percent != std::string_view::npos) {
      size.max_pot_fraction = parse_double_strict(body.substr(percent + 1)) / 100.0;
      streets_text = body.substr(0, percent);
    }
    if (!streets_text.empty()) {
      size.streets = parse_int_strict(streets_text);
      if (size.streets < 1)
        fail(RefusalCode::bet_streets_positive, "Geometric streets must be positive");
    }
  } else if (last == 'a') {
    size.kind = BetSizeKind::AllIn;
  } else if (last == '%') {
    size.kind = BetSizeKind::PotFraction;
    size.value = parse_double_strict(body) / 100.0;
  } else {
    size.kind = BetSizeKind::ChipAmount;
    size.amount = parse_int_strict(text);
  }
  return size;
}

std::vector<BetSize> parse_size_list(std::string_view text, bool raise_context) {
  std::vector<BetSize> sizes;
  while (true) {
    const std::size_t comma = text.find(',');
    const std::string_view piece = text_util::trim(text.substr(0, comma));
    if (!piece.empty()) sizes.push_back(parse_bet_size(piece, raise_context));
    if (comma == std::string_view::npos) break;
    text.remove_prefix(comma + 1);
  }
  return sizes;
}

std::vector<BetSize> parse_bet_sizes(std::string_view text) {
  return parse_size_list(text, false);
}

BetRaiseSizes parse_bet_raise_sizes(std::string_view bet_text, std::string_view raise_text) {
  BetRaiseSizes sizes;
  sizes.bets = parse_size_list(bet_text, false);
  sizes.raises = parse_size_list(raise_text, true);
  return sizes;
}

}  // namespace halvory
