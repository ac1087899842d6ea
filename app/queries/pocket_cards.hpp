#pragma once
// The two cards of a pocket (low card in the low byte), their deck bits and
// how a hand is written for the user.

#include <cstdint>
#include <string>

#include "cards/cards.hpp"

namespace halvory_app::pocket_cards {

inline halvory::CardCode low_card(halvory::Pocket hand) {
  return static_cast<halvory::CardCode>(hand & 0xFFu);
}
inline halvory::CardCode high_card(halvory::Pocket hand) {
  return static_cast<halvory::CardCode>(hand >> 8);
}
inline std::uint64_t card_bit(halvory::CardCode card) {
  return std::uint64_t{1} << card;
}
inline std::uint64_t hand_mask(halvory::Pocket hand) {
  return card_bit(low_card(hand)) | card_bit(high_card(hand));
}

// The cards of a hand as they are written and shown: high card first
// ("AsKh", "6d5d").
inline std::string first_card_text(halvory::Pocket hand) {
  return halvory::card_to_string(static_cast<std::int8_t>(high_card(hand)));
}
inline std::string second_card_text(halvory::Pocket hand) {
  return halvory::card_to_string(static_cast<std::int8_t>(low_card(hand)));
}
inline std::string pocket_text(halvory::Pocket hand) {
  return first_card_text(hand) + second_card_text(hand);
}

}  // namespace halvory_app::pocket_cards
