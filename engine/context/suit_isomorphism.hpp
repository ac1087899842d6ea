#pragma once

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "cards/cards.hpp"
#include "cards/range.hpp"
#include "context/board.hpp"

namespace halvory {

// Two hand positions of one seat (lower first) that become each other when
// two suits are exchanged.
using HandSwap = std::pair<std::uint16_t, std::uint16_t>;
using HandSwapList = std::vector<HandSwap>;
// One exchange list per seat (index 0 out of position, 1 in position).
using SeatHandSwaps = std::array<HandSwapList, 2>;

// Which dealt cards mirror a canonical card of another suit, and how the
// hands of each seat map onto each other under that suit exchange.
struct SuitIsomorphism {
  // Per non-canonical turn card (ascending): the index, among the canonical
  // turn cards in ascending order, of the card it mirrors.
  std::vector<std::uint8_t> turn_representatives;
  // The non-canonical turn cards, ascending.
  std::vector<std::uint8_t> turn_skipped;
  // [suit s][seat]: hand swaps for exchanging s with the suit it maps to at
  // the turn; empty for a canonical suit.
  std::array<SeatHandSwaps, 4> turn_swaps;
  // [turn card]: like turn_representatives for the river after that turn.
  // 52 lists once built.
  std::vector<std::vector<std::uint8_t>> river_representatives;
  // [suit of the turn card]: the non-canonical river cards, ascending.
  std::array<std::vector<std::uint8_t>, 4> river_skipped;
  // [suit of the turn card][suit s][seat]: like turn_swaps for the river.
  std::array<std::array<SeatHandSwaps, 4>, 4> river_swaps;
};

// Builds the isomorphism of a spot. `pockets` are the two seats' hand lists
// (lower card code in the low byte); `turn` and `river` are kNoCard when not
// dealt. With a dealt river nothing is reduced.
SuitIsomorphism build_suit_isomorphism(const std::array<Range, 2>& ranges,
                                       std::array<std::vector<Pocket>, 2> pockets,
                                       const Board& board, std::uint64_t deck_mask, CardCode turn,
                                       CardCode river);

}  // namespace halvory
