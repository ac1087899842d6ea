#pragma once
// The two cards of a pocket (low card in the low byte) and their deck bits.

#include <cstdint>

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

}  // namespace halvory_app::pocket_cards
