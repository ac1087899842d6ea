#include "context/suit_isomorphism.hpp"

namespace halvory {

namespace {

constexpr int kNoSuit = -1;
// suit_map[s] is the lower suit that s mirrors, or kNoSuit when s is canonical.
using SuitMap = std::array<int, 4>;

constexpr std::uint64_t card_bit(CardCode c) {
  return std::uint64_t{1} << c;
}
constexpr int suit_of(CardCode c) {
  return c & 3;
}
constexpr int rank_of(CardCode c) {
  return c >> 2;
}
constexpr CardCode card_of(int rank, int suit) {
  return static_cast<CardCode>(rank * 4 + suit);
}

constexpr CardCode exchange_suits(CardCode c, int s, int t) {
  const int suit = suit_of(c);
  if (suit == s) return card_of(rank_of(c), t);
  if (suit == t) return card_of(rank_of(c), s);
  return c;
}

// Classes of suits that both ranges treat alike.
std::array<int, 4> range_classes(const std::array<Range, 2>& ranges) {
  std::array<int, 4> cls{0, 0, 0, 0};
  int next = 1;
  for (int s = 1; s < 4; ++s) {
    cls[s] = kNoSuit;
    for (int t = 0; t < s; ++t) {
      if (is_suit_swap_symmetric(ranges[0], static_cast<std::uint8_t>(t),
                                 static_cast<std::uint8_t>(s)) &&
          is_suit_swap_symmetric(ranges[1], static_cast<std::uint8_t>(t),
                                 static_cast<std::uint8_t>(s))) {
        cls[s] = cls[t];
        break;
      }
    }
    if (cls[s] == kNoSuit) cls[s] = next++;
  }
  return cls;
}

// Pairs (j, k), j < k, of one seat's hands that become each other when
// suits s and t are exchanged.
HandSwapList exchange_pairs(const std::vector<Pocket>& pockets, int s, int t) {
  std::array<std::uint16_t, kPocketCount> position;
  position.fill(0xffff);
  for (std::size_t j = 0; j < pockets.size(); ++j)
    position[pocket_index(static_cast<CardCode>(pockets[j] & 0xffu),
                          static_cast<CardCode>(pockets[j] >> 8))] = static_cast<std::uint16_t>(j);
  HandSwapList pairs;
  for (std::size_t j = 0; j < pockets.size(); ++j) {
    const CardCode a = exchange_suits(static_cast<CardCode>(pockets[j] & 0xffu), s, t);
    const CardCode b = exchange_suits(static_cast<CardCode>(pockets[j] >> 8), s, t);
    const std::uint16_t k = position[pocket_index(a, b)];
    if (k != 0xffff && j < k) pairs.emplace_back(static_cast<std::uint16_t>(j), k);
  }
  return pairs;
}

// Numbers the canonical cards of `cards` in ascending order; each card of a
// mapped suit gets the number of the same rank in the suit it maps to.
void apply_card_rule(const SuitMap& map, std::uint64_t cards,
                     std::vector<std::uint8_t>& representatives,
                     std::vector<std::uint8_t>* skipped) {
  std::array<int, kCardCount> number;
  number.fill(kNoSuit);
  int next = 0;
  for (int c = 0; c < kCardCount; ++c) {
    const CardCode card = static_cast<CardCode>(c);
    if (!(cards & card_bit(card))) continue;
    const int target = map[suit_of(card)];
    if (target == kNoSuit) {
      number[c] = next++;
      continue;
    }
    // The mirror has the same rank in a lower suit, so it is numbered already.
    representatives.push_back(static_cast<std::uint8_t>(number[card_of(rank_of(card), target)]));
    if (skipped != nullptr) skipped->push_back(card);
  }
}

}  // namespace

SuitIsomorphism build_suit_isomorphism(const std::array<Range, 2>& ranges,
                                       std::array<std::vector<Pocket>, 2> pockets,
                                       const Board& board, std::uint64_t deck_mask, CardCode turn,
                                       CardCode river) {
  SuitIsomorphism iso;
  // Sized even on a river spot, so indexing by any card code stays in range.
  iso.river_representatives.resize(kCardCount);
  if (river != kNoCard) return iso;

  const std::array<int, 4> cls = range_classes(ranges);
  std::array<std::uint32_t, 4> flop_masks{};
  std::uint64_t flop = 0;
  for (int i = 0; i < 3; ++i) {
    flop_masks[suit_of(board[i])] |= 1u << rank_of(board[i]);
    flop |= card_bit(board[i]);
  }
  const std::uint64_t off_flop = deck_mask & ~flop;

  if (turn == kNoCard) {
    SuitMap map{kNoSuit, kNoSuit, kNoSuit, kNoSuit};
    for (int s = 1; s < 4; ++s)
      for (int t = 0; t < s && map[s] == kNoSuit; ++t)
        if (flop_masks[t] == flop_masks[s] && cls[t] == cls[s]) map[s] = t;
    for (int s = 1; s < 4; ++s)
      if (map[s] != kNoSuit)
        for (int seat = 0; seat < 2; ++seat)
          iso.turn_swaps[s][seat] = exchange_pairs(pockets[seat], s, map[s]);
    apply_card_rule(map, off_flop, iso.turn_representatives, &iso.turn_skipped);
  }

  std::array<std::array<bool, 4>, 4> swaps_filled{};
  std::array<bool, 4> skipped_filled{};
  const std::uint64_t turns = turn == kNoCard ? off_flop : card_bit(turn);
  for (int u = 0; u < kCardCount; ++u) {
    const CardCode card = static_cast<CardCode>(u);
    if (!(turns & card_bit(card))) continue;
    const int turn_suit = suit_of(card);
    std::array<std::uint32_t, 4> masks = flop_masks;
    masks[turn_suit] |= 1u << rank_of(card);
    SuitMap map{kNoSuit, kNoSuit, kNoSuit, kNoSuit};
    for (int s = 1; s < 4; ++s)
      for (int t = 0; t < s && map[s] == kNoSuit; ++t)
        if (masks[t] == masks[s] && (turn != kNoCard || flop_masks[t] == flop_masks[s]) &&
            cls[t] == cls[s])
          map[s] = t;
    for (int s = 1; s < 4; ++s) {
      if (map[s] == kNoSuit || swaps_filled[turn_suit][s]) continue;
      for (int seat = 0; seat < 2; ++seat)
        iso.river_swaps[turn_suit][s][seat] = exchange_pairs(pockets[seat], s, map[s]);
      swaps_filled[turn_suit][s] = true;
    }
    const bool fill_skipped = !skipped_filled[turn_suit];
    apply_card_rule(map, off_flop & ~card_bit(card), iso.river_representatives[u],
                    fill_skipped ? &iso.river_skipped[turn_suit] : nullptr);
    skipped_filled[turn_suit] = true;
  }
  return iso;
}

}  // namespace halvory
