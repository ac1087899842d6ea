#include "cards/cards.hpp"

#include <stdexcept>

#include "cards/refusal.hpp"
#include "cards/text_util.hpp"

namespace halvory {

namespace eval_detail {

void throw_card_code_out_of_range() {
  throw std::out_of_range("Card code must be in [0, 52)");
}

}  // namespace eval_detail

std::uint8_t parse_rank(char c) {
  switch (text_util::ascii_lower(c)) {
    case 'a':
      return 12;
    case 'k':
      return 11;
    case 'q':
      return 10;
    case 'j':
      return 9;
    case 't':
      return 8;
    default:
      break;
  }
  if (c >= '2' && c <= '9') return static_cast<std::uint8_t>(c - '2');
  refuse(RefusalCode::rank_character, "Invalid rank character", {std::string(1, c)});
}

std::uint8_t parse_suit(char c) {
  switch (text_util::ascii_lower(c)) {
    case 'c':
      return 0;
    case 'd':
      return 1;
    case 'h':
      return 2;
    case 's':
      return 3;
    default:
      refuse(RefusalCode::suit_character, "Invalid suit character", {std::string(1, c)});
  }
}

char rank_char(std::uint8_t rank) {
  if (rank >= kRankCount) throw std::out_of_range("Rank is out of range");
  return kRankChars[rank];
}

void check_card_code(CardCode code) {
  if (code >= kCardCount) eval_detail::throw_card_code_out_of_range();
}

CardCode parse_card(std::string_view text) {
  if (text.size() != 2) {
    refuse(RefusalCode::card_length, "Card token must consist of two characters",
           {std::string(text)});
  }
  const std::uint8_t rank = parse_rank(text[0]);
  const std::uint8_t suit = parse_suit(text[1]);
  return static_cast<CardCode>(rank * 4 + suit);
}

std::array<CardCode, 3> parse_flop(std::string_view text) {
  const std::string compact = text_util::without_whitespace(text);
  if (compact.size() != 6)
    refuse(RefusalCode::flop_length, "Flop string must contain exactly three cards");
  std::array<CardCode, 3> flop{};
  for (int i = 0; i < 3; ++i) {
    const std::uint8_t rank = parse_rank(compact[2 * i]);
    const std::uint8_t suit = parse_suit(compact[2 * i + 1]);
    flop[i] = static_cast<CardCode>(rank * 4 + suit);
  }
  if (flop[0] == flop[1] || flop[0] == flop[2] || flop[1] == flop[2])
    refuse(RefusalCode::flop_unique, "Flop cards must be unique");
  return flop;
}

std::string card_to_string(std::int8_t code) {
  if (code < 0 || code >= kCardCount) eval_detail::throw_card_code_out_of_range();
  return {kRankChars[code / 4], kSuitChars[code % 4]};
}

HandStrength evaluate_hand(Pocket pocket, std::span<const CardCode> board, bool short_deck) {
  if (board.size() != 5)
    throw std::invalid_argument("Board must contain exactly 5 cards for evaluation");
  return evaluate_seven(static_cast<CardCode>(pocket & 0xff), static_cast<CardCode>(pocket >> 8),
                        board[0], board[1], board[2], board[3], board[4], short_deck);
}

}  // namespace halvory
