#pragma once
// Small locale-independent text helpers shared by the card, range and
// bet-size parsers. Byte-oriented: any byte value is safe to pass.

#include <cstddef>
#include <string>
#include <string_view>

namespace halvory::text_util {

// The C locale's isspace set, fixed so that a process-wide locale change
// cannot alter what the parsers accept.
constexpr bool is_space(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

constexpr bool is_alpha(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

constexpr char ascii_lower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

inline std::string without_whitespace(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!is_space(c)) out.push_back(c);
  return out;
}

// Whether byte `i` of a UTF-8 text starts a character: any byte but one
// that continues a sequence a byte outside ASCII began. A stray
// continuation byte after an ASCII one stands alone.
constexpr bool starts_character(std::string_view text, std::size_t i) {
  const auto byte = [&text](std::size_t at) { return static_cast<unsigned char>(text[at]); };
  return i == 0 || (byte(i) & 0xC0) != 0x80 || byte(i - 1) < 0x80;
}

// The number of characters of a UTF-8 text.
constexpr std::size_t character_count(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (starts_character(text, i)) ++count;
  return count;
}

// The `index`-th character of a UTF-8 text with the bytes that continue
// it; empty past the end.
constexpr std::string_view character_at(std::string_view text, std::size_t index) {
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = at + 1;
    while (end < text.size() && !starts_character(text, end)) ++end;
    if (index == 0) return text.substr(at, end - at);
    --index;
    at = end;
  }
  return {};
}

constexpr std::string_view trim(std::string_view text) {
  while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace halvory::text_util
