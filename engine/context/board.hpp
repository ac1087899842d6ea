#pragma once

#include <array>
#include <cstdint>

#include "cards/cards.hpp"

namespace halvory {

// Five board slots: the three flop cards, the turn and the river.
// An undealt turn or river holds kNoCard (255).
using Board = std::array<CardCode, 5>;

// 0 flop, 1 turn, 2 river.
using Street = std::uint8_t;
inline constexpr Street kStreetFlop = 0;
inline constexpr Street kStreetTurn = 1;
inline constexpr Street kStreetRiver = 2;

}  // namespace halvory
