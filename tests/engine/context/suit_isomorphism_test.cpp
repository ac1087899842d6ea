#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <set>
#include <vector>

#include "context/card_context.hpp"
#include "context/suit_isomorphism.hpp"
#include "test_spots.hpp"

namespace halvory {
namespace {

using testing::board_of;
using testing::card_bit;
using testing::full_range;
using testing::high_of;
using testing::ip_range;
using testing::low_of;
using testing::oop_range;

// ---------------------------------------------------------------------------
// Oracle: the group of suit permutations that fix the board's card set(s)
// and both ranges; a dealt card is canonical when it is the lowest card of
// its orbit, and the mirror of a non-canonical card is that lowest card.

using Perm = std::array<int, 4>;

CardCode map_card(const Perm& p, CardCode c) {
  return static_cast<CardCode>((c >> 2) * 4 + p[c & 3]);
}

std::uint64_t map_set(const Perm& p, std::uint64_t set) {
  std::uint64_t out = 0;
  for (int c = 0; c < 52; ++c)
    if (set & card_bit(static_cast<CardCode>(c)))
      out |= card_bit(map_card(p, static_cast<CardCode>(c)));
  return out;
}

bool fixes_range(const Perm& p, const Range& r) {
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b) {
      const CardCode x = static_cast<CardCode>(a), y = static_cast<CardCode>(b);
      if (r.weights[pocket_index(x, y)] != r.weights[pocket_index(map_card(p, x), map_card(p, y))])
        return false;
    }
  return true;
}

// Permutations fixing both ranges and every given card set.
std::vector<Perm> symmetry_group(const CardContext& cc,
                                 const std::vector<std::uint64_t>& fixed_sets) {
  std::vector<Perm> group;
  Perm p{0, 1, 2, 3};
  do {
    bool ok = true;
    for (std::uint64_t set : fixed_sets) ok = ok && map_set(p, set) == set;
    if (ok && fixes_range(p, cc.ranges[0]) && fixes_range(p, cc.ranges[1])) group.push_back(p);
  } while (std::next_permutation(p.begin(), p.end()));
  return group;
}

CardCode orbit_min(const std::vector<Perm>& group, CardCode c) {
  CardCode lowest = c;
  for (const Perm& p : group) lowest = std::min(lowest, map_card(p, c));
  return lowest;
}

struct Expected {
  std::vector<std::uint8_t> representatives;
  std::vector<std::uint8_t> skipped;
};

Expected expected_level(const std::vector<Perm>& group, std::uint64_t cards) {
  Expected e;
  std::vector<CardCode> canonical;
  for (int c = 0; c < 52; ++c)
    if ((cards & card_bit(static_cast<CardCode>(c))) &&
        orbit_min(group, static_cast<CardCode>(c)) == c)
      canonical.push_back(static_cast<CardCode>(c));
  for (int c = 0; c < 52; ++c) {
    const CardCode card = static_cast<CardCode>(c);
    if (!(cards & card_bit(card))) continue;
    const CardCode mirror = orbit_min(group, card);
    if (mirror == card) continue;
    const auto it = std::find(canonical.begin(), canonical.end(), mirror);
    EXPECT_NE(it, canonical.end());
    e.representatives.push_back(static_cast<std::uint8_t>(it - canonical.begin()));
    e.skipped.push_back(card);
  }
  return e;
}

// Pairs (j, k), j < k, of a seat's hands exchanged by swapping suits s and t,
// found by searching the whole list.
HandSwapList expected_swaps(const std::vector<Pocket>& pockets, int s, int t) {
  auto swap = [&](CardCode c) {
    const int suit = c & 3;
    return static_cast<CardCode>((c >> 2) * 4 + (suit == s ? t : suit == t ? s : suit));
  };
  HandSwapList out;
  for (std::size_t j = 0; j < pockets.size(); ++j) {
    const CardCode a = swap(low_of(pockets[j])), b = swap(high_of(pockets[j]));
    for (std::size_t k = j + 1; k < pockets.size(); ++k)
      if ((low_of(pockets[k]) == a && high_of(pockets[k]) == b) ||
          (low_of(pockets[k]) == b && high_of(pockets[k]) == a))
        out.emplace_back(static_cast<std::uint16_t>(j), static_cast<std::uint16_t>(k));
  }
  return out;
}

// The suit that s is exchanged with: the lowest suit of its orbit.
int mirror_suit(const std::vector<Perm>& group, int s) {
  int lowest = s;
  for (const Perm& p : group) lowest = std::min(lowest, p[s]);
  return lowest;
}

void expect_swaps(const SeatHandSwaps& got, const CardContext& cc, const std::vector<Perm>& group,
                  int s) {
  const int t = mirror_suit(group, s);
  for (int seat = 0; seat < 2; ++seat) {
    if (t == s)
      EXPECT_TRUE(got[seat].empty()) << "suit " << s;
    else
      EXPECT_EQ(got[seat], expected_swaps(cc.pockets[seat], s, t))
          << "suit " << s << " seat " << seat;
  }
}

void expect_matches_oracle(const CardContext& cc) {
  const SuitIsomorphism& iso = cc.suit_isomorphism;
  const std::uint64_t flop = card_bit(cc.board[0]) | card_bit(cc.board[1]) | card_bit(cc.board[2]);
  const std::uint64_t off_flop = cc.deck_mask & ~flop;
  const bool turn_dealt = cc.board[3] != kNoCard;

  if (!turn_dealt) {
    const auto group = symmetry_group(cc, {flop});
    const Expected e = expected_level(group, off_flop);
    EXPECT_EQ(iso.turn_representatives, e.representatives);
    EXPECT_EQ(iso.turn_skipped, e.skipped);
    for (int s = 0; s < 4; ++s) expect_swaps(iso.turn_swaps[s], cc, group, s);
  } else {
    EXPECT_TRUE(iso.turn_representatives.empty());
    EXPECT_TRUE(iso.turn_skipped.empty());
  }

  ASSERT_EQ(iso.river_representatives.size(), 52u);
  for (int u = 0; u < 52; ++u) {
    const CardCode turn = static_cast<CardCode>(u);
    const bool is_turn = turn_dealt ? turn == cc.board[3] : (off_flop & card_bit(turn)) != 0;
    if (!is_turn) {
      EXPECT_TRUE(iso.river_representatives[u].empty()) << u;
      continue;
    }
    SCOPED_TRACE(::testing::Message() << "turn " << u);
    // A dealt turn may trade places with a flop card; an undealt one is a
    // chance card that must stay what it is.
    const auto group = turn_dealt ? symmetry_group(cc, {flop | card_bit(turn)})
                                  : symmetry_group(cc, {flop, card_bit(turn)});
    const Expected e = expected_level(group, off_flop & ~card_bit(turn));
    EXPECT_EQ(iso.river_representatives[u], e.representatives);
    EXPECT_EQ(iso.river_skipped[u & 3], e.skipped);
    for (int s = 0; s < 4; ++s) expect_swaps(iso.river_swaps[u & 3][s], cc, group, s);
  }
}

std::size_t turn_skip_count(const CardContext& cc) {
  return cc.suit_isomorphism.turn_skipped.size();
}

// ---------------------------------------------------------------------------

TEST(SuitIsomorphism, MonotoneFlopMapsTwoEmptySuitsOntoTheLowest) {
  const CardContext cc(board_of("Ah7h2h"), oop_range(), ip_range(), false);
  const SuitIsomorphism& iso = cc.suit_isomorphism;
  // Diamonds and spades mirror clubs: 13 cards each.
  ASSERT_EQ(turn_skip_count(cc), 26u);
  for (CardCode c : iso.turn_skipped) EXPECT_TRUE((c & 3) == 1 || (c & 3) == 3);
  EXPECT_FALSE(iso.turn_swaps[1][0].empty());
  EXPECT_TRUE(iso.turn_swaps[2][0].empty());
  expect_matches_oracle(cc);
}

TEST(SuitIsomorphism, TwoToneFlopMatchesOracle) {
  const CardContext cc(board_of("Ks7s2d"), oop_range(), ip_range(), false);
  // Hearts mirror clubs.
  ASSERT_EQ(turn_skip_count(cc), 13u);
  for (CardCode c : cc.suit_isomorphism.turn_skipped) EXPECT_EQ(c & 3, 2);
  expect_matches_oracle(cc);
}

TEST(SuitIsomorphism, RainbowFlopHasNoTurnReduction) {
  const CardContext cc(board_of("Ks7h2d"), oop_range(), ip_range(), false);
  EXPECT_TRUE(cc.suit_isomorphism.turn_skipped.empty());
  EXPECT_TRUE(cc.suit_isomorphism.turn_representatives.empty());
  for (const auto& seats : cc.suit_isomorphism.turn_swaps)
    EXPECT_TRUE(seats[0].empty() && seats[1].empty());
  expect_matches_oracle(cc);
}

TEST(SuitIsomorphism, TripsFlopMapsTheHigherSuitsOntoTheLowest) {
  const CardContext cc(board_of("AcAdAh"), full_range(), full_range(), false);
  ASSERT_EQ(turn_skip_count(cc), 24u);  // 12 diamonds and 12 hearts
  for (CardCode c : cc.suit_isomorphism.turn_skipped) EXPECT_TRUE((c & 3) == 1 || (c & 3) == 2);
  expect_matches_oracle(cc);
}

TEST(SuitIsomorphism, AsymmetricRangesTurnTheReductionOff) {
  // Every suit has its own weight in one seat: no exchange keeps that range.
  const Range asymmetric = parse_range("AsKs, AhKh:0.5, AdKd:0.25, QQ");
  for (const char* board : {"Ah7h2h", "Ks7s2d", "AcAdAh"}) {
    SCOPED_TRACE(board);
    const CardContext cc(board_of(board), oop_range(), asymmetric, false);
    const SuitIsomorphism& iso = cc.suit_isomorphism;
    EXPECT_TRUE(iso.turn_skipped.empty());
    EXPECT_TRUE(iso.turn_representatives.empty());
    for (const auto& skipped : iso.river_skipped) EXPECT_TRUE(skipped.empty());
    for (const auto& reps : iso.river_representatives) EXPECT_TRUE(reps.empty());
    expect_matches_oracle(cc);
  }
  // A seat holding only spades still leaves clubs, diamonds and hearts alike.
  const CardContext spades(board_of("Ah7h2h"), oop_range(), parse_range("AsKs, QsJs, 9s8s"), false);
  EXPECT_EQ(turn_skip_count(spades), 13u);  // diamonds mirror clubs
  expect_matches_oracle(spades);
}

TEST(SuitIsomorphism, PartlySymmetricRangesKeepTheirSymmetricSuits) {
  // Clubs and hearts are alike; diamonds and spades are alike but differ
  // from the first pair.
  Range r = oop_range();
  set_range_weight(r, parse_card("Ac"), parse_card("Kc"), 0.3f);
  set_range_weight(r, parse_card("Ah"), parse_card("Kh"), 0.3f);
  const CardContext monotone(board_of("9s8s2s"), r, ip_range(), false);
  expect_matches_oracle(monotone);
  // Clubs and hearts are both empty: hearts mirror clubs; diamonds stay.
  EXPECT_EQ(turn_skip_count(monotone), 13u);
  const CardContext rainbow_pair(board_of("9c9h2d"), r, ip_range(), false);
  expect_matches_oracle(rainbow_pair);
  EXPECT_EQ(turn_skip_count(rainbow_pair), 12u);
}

TEST(SuitIsomorphism, TurnSpotRunsOnlyTheRiverLevel) {
  // Kc Kd Ac with the Ad: exchanging clubs and diamonds keeps the board.
  const CardContext swapped(board_of("KcKdAcAd"), full_range(), full_range(), false);
  EXPECT_TRUE(swapped.suit_isomorphism.turn_skipped.empty());
  EXPECT_FALSE(swapped.suit_isomorphism.river_skipped[1].empty());
  expect_matches_oracle(swapped);
  for (const char* board : {"Ks7s2dTc", "Ah7h2h3h", "Ks7h2dTc"}) {
    SCOPED_TRACE(board);
    expect_matches_oracle(CardContext(board_of(board), oop_range(), ip_range(), false));
  }
}

TEST(SuitIsomorphism, RiverSpotLeavesEveryListEmpty) {
  const CardContext cc(board_of("Ah7h2h3cTd"), full_range(), full_range(), false);
  const SuitIsomorphism& iso = cc.suit_isomorphism;
  EXPECT_TRUE(iso.turn_skipped.empty() && iso.turn_representatives.empty());
  ASSERT_EQ(iso.river_representatives.size(), 52u);
  for (const auto& reps : iso.river_representatives) EXPECT_TRUE(reps.empty());
  for (int s = 0; s < 4; ++s) {
    EXPECT_TRUE(iso.river_skipped[s].empty());
    for (int t = 0; t < 4; ++t)
      EXPECT_TRUE(iso.river_swaps[s][t][0].empty() && iso.river_swaps[s][t][1].empty());
  }
}

TEST(SuitIsomorphism, ShortDeckFlopsMatchOracle) {
  for (const char* board : {"Ah7h9h", "KsQs6d", "TcTdTh"}) {
    SCOPED_TRACE(board);
    expect_matches_oracle(CardContext(board_of(board), oop_range(), ip_range(), true));
  }
}

}  // namespace
}  // namespace halvory
