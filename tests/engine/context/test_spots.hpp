#pragma once

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "context/card_context.hpp"

namespace halvory::testing {

// "Ks7h2d" or "Ks7h2dTc" or "Ks7h2dTc3s" -> board slots.
inline Board board_of(std::string_view text) {
  Board board{kNoCard, kNoCard, kNoCard, kNoCard, kNoCard};
  for (std::size_t i = 0; i * 2 < text.size(); ++i) board[i] = parse_card(text.substr(i * 2, 2));
  return board;
}

inline Range full_range() {
  Range r;
  r.weights.fill(1.0f);
  return r;
}

// Realistic, suit-symmetric opening and defending ranges with mixed weights.
inline Range oop_range() {
  return parse_range(
      "22+, A2s+, K9s+, Q9s+, J9s+, T8s+, 97s+, 86s+, 75s+, 65s, 54s, ATo+, KJo+, QJo:0.5");
}
inline Range ip_range() {
  return parse_range(
      "66-JJ:0.75, A2s-AJs, KTs+, QTs+, JTs, T9s:0.6, 98s, 87s, 76s, AJo-AQo, KQo:0.25");
}

constexpr std::uint64_t card_bit(CardCode c) {
  return std::uint64_t{1} << c;
}
constexpr CardCode low_of(Pocket p) {
  return static_cast<CardCode>(p & 0xffu);
}
constexpr CardCode high_of(Pocket p) {
  return static_cast<CardCode>(p >> 8);
}
constexpr std::uint64_t pocket_mask(Pocket p) {
  return card_bit(low_of(p)) | card_bit(high_of(p));
}

// Sets an environment variable for the life of the object, then restores it.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~ScopedEnv() {
    if (old_)
      setenv(name_, old_->c_str(), 1);
    else
      unsetenv(name_);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* name_;
  std::optional<std::string> old_;
};

}  // namespace halvory::testing
