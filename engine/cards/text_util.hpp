#pragma once
// Small locale-independent text helpers shared by the card, range and
// bet-size parsers. Byte-oriented: any byte value is safe to pass.

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

constexpr std::string_view trim(std::string_view text) {
  while (!text.empty() && is_space(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_space(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace halvory::text_util
