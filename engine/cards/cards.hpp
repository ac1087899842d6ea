#pragma once
// Card codes, card text and the seven-card hand evaluator.
//
// A card is one byte: rank index * 4 + suit index, ranks "23456789TJQKA"
// (0 = deuce), suits "cdhs". 255 marks "no card".

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace halvory {

using CardCode = std::uint8_t;
// Bit `code` set for each card in the set.
using CardSet = std::uint64_t;
// Two cards: first card in the low byte, second in the high byte.
using Pocket = std::uint16_t;
// Larger is stronger, equal ties. Category in bits 26..29, primary rank mask
// in bits 13..25, kicker rank mask in bits 0..12.
using HandStrength = std::uint32_t;

inline constexpr CardCode kNoCard = 255;
inline constexpr int kRankCount = 13;
inline constexpr int kSuitCount = 4;
inline constexpr int kCardCount = 52;
inline constexpr std::string_view kRankChars = "23456789TJQKA";
inline constexpr std::string_view kSuitChars = "cdhs";

inline constexpr int kCategoryShift = 26;
inline constexpr int kPrimaryShift = 13;

// 'a'/'A' -> 12, ..., '2' -> 0. Throws std::invalid_argument "Invalid rank character".
std::uint8_t parse_rank(char c);
// 'c' 0, 'd' 1, 'h' 2, 's' 3 (either case). Throws "Invalid suit character".
std::uint8_t parse_suit(char c);
// Throws std::out_of_range "Rank is out of range" for rank >= 13.
char rank_char(std::uint8_t rank);
// Throws std::out_of_range "Card code must be in [0, 52)" for code >= 52.
void check_card_code(CardCode code);
// Exactly two characters, no trimming.
CardCode parse_card(std::string_view text);
// Three distinct cards in the order written; whitespace anywhere is ignored.
std::array<CardCode, 3> parse_flop(std::string_view text);
// Two-character text; throws std::out_of_range outside 0..51.
std::string card_to_string(std::int8_t code);

// Best hand of seven cards. Cards must be distinct and of the selected deck
// (not checked); a code >= 52 throws std::out_of_range.
inline HandStrength evaluate_seven(CardCode c0, CardCode c1, CardCode c2, CardCode c3, CardCode c4,
                                   CardCode c5, CardCode c6, bool short_deck);
// Pocket's low-byte card, high-byte card, then the five board cards.
// Throws std::invalid_argument unless the board holds exactly five cards.
HandStrength evaluate_hand(Pocket pocket, std::span<const CardCode> board, bool short_deck);

// ---------------------------------------------------------------------------
// Evaluator kernel. Lives in the header so that the table builders, which
// call it billions of times, can inline it. Pure bit arithmetic on 13-bit
// rank masks: no tables, no allocation.

namespace eval_detail {

[[noreturn]] void throw_card_code_out_of_range();

inline constexpr std::uint32_t kRankMaskAll = 0x1fff;
inline constexpr std::uint32_t kAce = 1u << 12;
inline constexpr std::uint32_t kHoldemWheel = kAce | 0xfu;            // A 2 3 4 5
inline constexpr std::uint32_t kShortDeckWheel = kAce | (0xfu << 4);  // A 6 7 8 9

inline std::uint32_t highest_bit(std::uint32_t m) {
  return std::bit_floor(m);
}

// Keeps the `n` highest set bits of m.
inline std::uint32_t keep_highest(std::uint32_t m, int n) {
  while (std::popcount(m) > n) m &= m - 1;
  return m;
}

// Bit of the top rank of the best straight in m, 0 when none.
inline std::uint32_t straight_top(std::uint32_t m, bool short_deck) {
  const std::uint32_t runs = m & (m << 1) & (m << 2) & (m << 3) & (m << 4) & kRankMaskAll;
  if (runs) return highest_bit(runs);
  if (short_deck) return (m & kShortDeckWheel) == kShortDeckWheel ? (1u << 7) : 0u;
  return (m & kHoldemWheel) == kHoldemWheel ? (1u << 3) : 0u;
}

inline HandStrength make_strength(std::uint32_t category, std::uint32_t primary,
                                  std::uint32_t kicker) {
  return (category << kCategoryShift) | (primary << kPrimaryShift) | kicker;
}

}  // namespace eval_detail

inline HandStrength evaluate_seven(CardCode c0, CardCode c1, CardCode c2, CardCode c3, CardCode c4,
                                   CardCode c5, CardCode c6, bool short_deck) {
  using namespace eval_detail;
  const unsigned worst = std::max({c0, c1, c2, c3, c4, c5, c6});
  if (worst >= static_cast<unsigned>(kCardCount)) [[unlikely]]
    throw_card_code_out_of_range();

  // Suit s owns bits 16*s .. 16*s+12; bit rank within its slot.
  auto bit = [](CardCode c) -> std::uint64_t {
    return std::uint64_t{1} << (((c & 3u) << 4) + (c >> 2));
  };
  const std::uint64_t cards = bit(c0) | bit(c1) | bit(c2) | bit(c3) | bit(c4) | bit(c5) | bit(c6);
  const std::uint32_t clubs = static_cast<std::uint32_t>(cards) & 0xffffu;
  const std::uint32_t diamonds = static_cast<std::uint32_t>(cards >> 16) & 0xffffu;
  const std::uint32_t hearts = static_cast<std::uint32_t>(cards >> 32) & 0xffffu;
  const std::uint32_t spades = static_cast<std::uint32_t>(cards >> 48);
  const std::uint32_t ranks = clubs | diamonds | hearts | spades;

  // Flush: first suit in c, d, h, s order holding five or more.
  std::uint32_t flush = 0;
  if (std::popcount(clubs) >= 5)
    flush = clubs;
  else if (std::popcount(diamonds) >= 5)
    flush = diamonds;
  else if (std::popcount(hearts) >= 5)
    flush = hearts;
  else if (std::popcount(spades) >= 5)
    flush = spades;
  if (flush) {
    if (const std::uint32_t top = straight_top(flush, short_deck)) return make_strength(8, top, 0);
    return make_strength(short_deck ? 6 : 5, keep_highest(flush, 5), 0);
  }

  // Per-rank count as a bit-sliced sum of the four suit masks.
  const std::uint32_t cd_low = clubs ^ diamonds, cd_high = clubs & diamonds;
  const std::uint32_t hs_low = hearts ^ spades, hs_high = hearts & spades;
  const std::uint32_t bit0 = cd_low ^ hs_low;
  const std::uint32_t carry = cd_low & hs_low;
  const std::uint32_t bit1 = cd_high ^ hs_high ^ carry;
  const std::uint32_t bit2 = (cd_high & hs_high) | ((cd_high ^ hs_high) & carry);
  const std::uint32_t quads = bit2;
  const std::uint32_t trips = bit0 & bit1;
  const std::uint32_t pairs = bit1 & ~bit0;
  const std::uint32_t singles = bit0 & ~bit1 & ~bit2;

  if (quads) {
    const std::uint32_t q = highest_bit(quads);
    return make_strength(7, q, highest_bit(ranks & ~q));
  }
  const std::uint32_t full_house = short_deck ? 5 : 6;
  if (trips) {
    const std::uint32_t t = highest_bit(trips);
    if (const std::uint32_t other_trips = trips & ~t)
      return make_strength(full_house, t, highest_bit(other_trips));
    if (pairs) return make_strength(full_house, t, highest_bit(pairs));
  }
  if (const std::uint32_t top = straight_top(ranks, short_deck)) return make_strength(4, top, 0);
  if (trips) return make_strength(3, trips, keep_highest(singles, 2));
  if (std::popcount(pairs) >= 2) {
    const std::uint32_t two = keep_highest(pairs, 2);
    return make_strength(2, two, highest_bit(ranks & ~two));
  }
  if (pairs) return make_strength(1, pairs, keep_highest(singles, 3));
  return make_strength(0, keep_highest(ranks, 5), 0);
}

}  // namespace halvory
