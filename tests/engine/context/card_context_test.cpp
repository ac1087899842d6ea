#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <thread>
#include <vector>

#include "context/card_context.hpp"
#include "context/worker_limits.hpp"
#include "test_spots.hpp"
#include "thread_starts.hpp"

namespace halvory {
namespace {

using testing::board_of;
using testing::card_bit;
using testing::full_range;
using testing::high_of;
using testing::ip_range;
using testing::low_of;
using testing::oop_range;
using testing::pocket_mask;
using testing::ScopedEnv;
using testing::ThreadStartCounter;

constexpr std::uint64_t kHoldemDeck = (std::uint64_t{1} << 52) - 1;
constexpr std::uint64_t kShortDeck = kHoldemDeck & ~((std::uint64_t{1} << 16) - 1);

// ---------------------------------------------------------------------------
// Validation

struct BadBoard {
  const char* name;
  Board board;
  bool short_deck;
  const char* message;
  bool out_of_range;
};

TEST(CardContextValidation, EveryMessageOnItsBoardInOrder) {
  const CardCode N = kNoCard;
  const CardCode As = 51, Ah = 50, Kd = 45, Qc = 40, Tc = 32, Five = 12, Two = 0;
  const std::vector<BadBoard> cases = {
      {"undealt flop slot", {As, N, Kd, N, N}, false, "Flop cards must be defined", false},
      // An undealt slot is reported before a bad code in an earlier slot.
      {"undealt beats later faults",
       {As, N, 60, As, N},
       false,
       "Flop cards must be defined",
       false},
      {"flop code 52", {As, 52, Kd, N, N}, false, "Card code must be in [0, 52)", true},
      {"code checked before undealt later slot",
       {60, Kd, N, N, N},
       false,
       "Card code must be in [0, 52)",
       true},
      {"short-deck five",
       {As, Five, Kd, N, N},
       true,
       "Flop contains a card not in the selected deck variant",
       false},
      {"duplicate flop", {As, Kd, As, N, N}, false, "Flop cards must be unique", false},
      {"duplicate flop before turn fault",
       {As, As, Kd, 99, N},
       false,
       "Flop cards must be unique",
       false},
      {"turn code 52", {As, Kd, Qc, 52, N}, false, "Card code must be in [0, 52)", true},
      {"short-deck turn deuce",
       {As, Kd, Qc, Two, N},
       true,
       "Turn card not in the selected deck variant",
       false},
      {"turn on flop", {As, Kd, Qc, Kd, N}, false, "Turn conflicts with flop", false},
      {"turn fault before river fault",
       {As, Kd, Qc, Kd, As},
       false,
       "Turn conflicts with flop",
       false},
      {"river code 99", {As, Kd, Qc, Tc, 99}, false, "Card code must be in [0, 52)", true},
      {"short-deck river deuce",
       {As, Kd, Qc, Tc, Two},
       true,
       "River card not in the selected deck variant",
       false},
      {"river on flop", {As, Kd, Qc, Tc, Qc}, false, "River conflicts with existing cards", false},
      {"river equals turn",
       {As, Kd, Qc, Tc, Tc},
       false,
       "River conflicts with existing cards",
       false},
      {"river without turn",
       {As, Kd, Qc, N, Ah},
       false,
       "River cannot be dealt without a turn",
       false},
  };
  const Range range = full_range();
  for (const BadBoard& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      CardContext context(c.board, range, range, c.short_deck);
      ADD_FAILURE() << "no exception";
    } catch (const std::out_of_range& e) {
      EXPECT_TRUE(c.out_of_range);
      EXPECT_STREQ(e.what(), c.message);
    } catch (const std::invalid_argument& e) {
      EXPECT_FALSE(c.out_of_range);
      EXPECT_STREQ(e.what(), c.message);
    }
  }
}

TEST(CardContextValidation, RangeEmptyAfterBoardFails) {
  // Every named combination holds the ace on board.
  const Range aces = parse_range("AhAs, AhAd, AhAc, AhKh");
  for (int seat = 0; seat < 2; ++seat) {
    try {
      CardContext context(board_of("Ah7c2d"), seat == 0 ? aces : full_range(),
                          seat == 1 ? aces : full_range(), false);
      ADD_FAILURE() << "no exception for seat " << seat;
    } catch (const std::invalid_argument& e) {
      EXPECT_STREQ(e.what(), "Player range empty after filtering board cards");
    }
  }
  // Short deck drops hands with a low card even when the range names them.
  EXPECT_THROW(CardContext(board_of("Ah7c9d"), parse_range("22-55, 32s"), full_range(), true),
               std::invalid_argument);
}

// ---------------------------------------------------------------------------
// Brute-force oracles

std::vector<std::array<CardCode, 2>> brute_force_runouts(const CardContext& cc) {
  std::vector<std::array<CardCode, 2>> out;
  const std::uint64_t flop = card_bit(cc.board[0]) | card_bit(cc.board[1]) | card_bit(cc.board[2]);
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b) {
      const std::uint64_t pair =
          card_bit(static_cast<CardCode>(a)) | card_bit(static_cast<CardCode>(b));
      if ((pair & cc.deck_mask) != pair || (pair & flop)) continue;
      if (cc.board[3] != kNoCard && !(pair & card_bit(cc.board[3]))) continue;
      if (cc.board[4] != kNoCard && !(pair & card_bit(cc.board[4]))) continue;
      out.push_back({static_cast<CardCode>(a), static_cast<CardCode>(b)});
    }
  return out;
}

void expect_hand_lists_match(const CardContext& cc) {
  for (int seat = 0; seat < 2; ++seat) {
    std::vector<Pocket> expected;
    std::vector<float> expected_w;
    for (int a = 0; a < 52; ++a)
      for (int b = a + 1; b < 52; ++b) {
        const float w =
            cc.ranges[seat]
                .weights[pocket_index(static_cast<CardCode>(a), static_cast<CardCode>(b))];
        const std::uint64_t m =
            card_bit(static_cast<CardCode>(a)) | card_bit(static_cast<CardCode>(b));
        if (w > 0 && (m & cc.deck_mask) == m && !(m & cc.board_mask)) {
          expected.push_back(static_cast<Pocket>(a | (b << 8)));
          expected_w.push_back(w);
        }
      }
    EXPECT_EQ(cc.pockets[seat], expected) << "seat " << seat;
    EXPECT_EQ(cc.weights[seat], expected_w) << "seat " << seat;
    ASSERT_EQ(cc.all_hands[seat].size(), expected.size());
    for (std::size_t j = 0; j < expected.size(); ++j) EXPECT_EQ(cc.all_hands[seat][j], j);
  }
}

void expect_runouts_match(const CardContext& cc) {
  ASSERT_EQ(cc.runouts.size(), 1326u);
  const auto runouts = brute_force_runouts(cc);
  std::vector<bool> is_runout(1326, false);
  for (const auto& [a, b] : runouts) {
    is_runout[pocket_index(a, b)] = true;
    const std::vector<CardCode> board5{cc.board[0], cc.board[1], cc.board[2], a, b};
    const RunoutShowdown& entry = cc.runout_entry(b, a);  // either order
    for (int seat = 0; seat < 2; ++seat) {
      std::vector<ShowdownRecord> expected{kShowdownLow};
      for (std::size_t j = 0; j < cc.pockets[seat].size(); ++j) {
        const Pocket p = cc.pockets[seat][j];
        if (pocket_mask(p) & (card_bit(a) | card_bit(b))) continue;
        expected.push_back(
            {evaluate_hand(p, board5, cc.short_deck != 0) + 1, static_cast<std::uint16_t>(j), p});
      }
      std::stable_sort(
          expected.begin() + 1, expected.end(),
          [](const ShowdownRecord& x, const ShowdownRecord& y) { return x.value < y.value; });
      expected.push_back(kShowdownHigh);
      const auto& got = entry[seat];
      ASSERT_EQ(got.size(), expected.size());
      for (std::size_t k = 0; k < got.size(); ++k) {
        ASSERT_EQ(got[k].value, expected[k].value) << "record " << k;
        ASSERT_EQ(got[k].position, expected[k].position) << "record " << k;
        ASSERT_EQ(got[k].pocket, expected[k].pocket) << "record " << k;
      }
    }
  }
  for (int i = 0; i < 1326; ++i)
    if (!is_runout[i]) {
      EXPECT_TRUE(cc.runouts[i][0].empty()) << i;
      EXPECT_TRUE(cc.runouts[i][1].empty()) << i;
    }
}

void expect_blocker_tables_match(const CardContext& cc) {
  ASSERT_EQ(cc.compatible_by_card.size(), 52u);
  ASSERT_EQ(cc.blocked_by_card.size(), 52u);
  ASSERT_EQ(cc.compatible_by_pair.size(), 1326u);
  ASSERT_EQ(cc.blocked_by_pair.size(), 1326u);
  const std::uint64_t flop = card_bit(cc.board[0]) | card_bit(cc.board[1]) | card_bit(cc.board[2]);
  auto split = [&](int seat, std::uint64_t dead, HandList& live, HandList& blocked) {
    for (std::size_t j = 0; j < cc.pockets[seat].size(); ++j)
      (pocket_mask(cc.pockets[seat][j]) & dead ? blocked : live)
          .push_back(static_cast<std::uint16_t>(j));
  };
  for (int c = 0; c < 52; ++c) {
    const CardCode card = static_cast<CardCode>(c);
    const bool admissible = cc.board[3] != kNoCard
                                ? card == cc.board[3]
                                : (cc.deck_mask & card_bit(card)) && !(flop & card_bit(card));
    for (int seat = 0; seat < 2; ++seat) {
      HandList live, blocked;
      if (admissible) split(seat, card_bit(card), live, blocked);
      EXPECT_EQ(cc.compatible_by_card[c][seat], live) << c;
      EXPECT_EQ(cc.blocked_by_card[c][seat], blocked) << c;
    }
  }
  std::vector<bool> admissible_pair(1326, false);
  for (const auto& [a, b] : brute_force_runouts(cc)) admissible_pair[pocket_index(a, b)] = true;
  for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b) {
      const int i = pocket_index(static_cast<CardCode>(a), static_cast<CardCode>(b));
      for (int seat = 0; seat < 2; ++seat) {
        HandList live, blocked;
        if (admissible_pair[i])
          split(seat, card_bit(static_cast<CardCode>(a)) | card_bit(static_cast<CardCode>(b)), live,
                blocked);
        ASSERT_EQ(cc.compatible_by_pair[i][seat], live) << a << " " << b;
        ASSERT_EQ(cc.blocked_by_pair[i][seat], blocked) << a << " " << b;
      }
    }
}

void expect_cross_matchup_and_reach_match(const CardContext& cc) {
  for (int s = 0; s < 2; ++s) {
    const int o = 1 - s;
    ASSERT_EQ(cc.cross[s].size(), cc.pockets[s].size());
    for (std::size_t i = 0; i < cc.pockets[s].size(); ++i) {
      std::uint16_t expected = kNoHand;
      for (std::size_t j = 0; j < cc.pockets[o].size(); ++j)
        if (cc.pockets[o][j] == cc.pockets[s][i]) expected = static_cast<std::uint16_t>(j);
      ASSERT_EQ(cc.cross[s][i], expected);
    }
  }
  // O(H^2): every pair of hands sharing no card.
  double matchup = 0.0;
  std::array<std::vector<double>, 2> reach{std::vector<double>(cc.pockets[0].size()),
                                           std::vector<double>(cc.pockets[1].size())};
  for (std::size_t i = 0; i < cc.pockets[0].size(); ++i)
    for (std::size_t j = 0; j < cc.pockets[1].size(); ++j) {
      if (pocket_mask(cc.pockets[0][i]) & pocket_mask(cc.pockets[1][j])) continue;
      const double w0 = cc.weights[0][i], w1 = cc.weights[1][j];
      matchup += w0 * w1;
      reach[0][i] += w1;
      reach[1][j] += w0;
    }
  EXPECT_NEAR(cc.matchup_weight, matchup, 1e-12 * matchup);
  for (int s = 0; s < 2; ++s) {
    double sum = 0.0;
    for (std::size_t i = 0; i < reach[s].size(); ++i) {
      const double expected = reach[s][i] * cc.weights[s][i];
      EXPECT_NEAR(cc.reach_raw[s][i], expected, 1e-5 * std::max(1.0, expected));
      sum += cc.reach_raw[s][i];
    }
    double norm_sum = 0.0;
    for (std::size_t i = 0; i < reach[s].size(); ++i) {
      EXPECT_NEAR(cc.reach_norm[s][i], cc.reach_raw[s][i] / sum,
                  1e-6 * (cc.reach_raw[s][i] / sum) + 1e-12);
      norm_sum += cc.reach_norm[s][i];
    }
    EXPECT_NEAR(norm_sum, 1.0, 1e-4);
  }
}

void expect_matches_brute_force(const CardContext& cc) {
  expect_hand_lists_match(cc);
  expect_runouts_match(cc);
  expect_blocker_tables_match(cc);
  expect_cross_matchup_and_reach_match(cc);
}

// ---------------------------------------------------------------------------
// Tables

TEST(CardContextTables, HoldemFlopMatchesBruteForce) {
  const CardContext cc(board_of("Ks7h2d"), oop_range(), ip_range(), false);
  EXPECT_EQ(cc.street, kStreetFlop);
  EXPECT_EQ(cc.deck_mask, kHoldemDeck);
  EXPECT_EQ(cc.board_cards, (std::vector<CardCode>{47, 22, 1}));
  EXPECT_EQ(cc.board_mask, card_bit(47) | card_bit(22) | card_bit(1));
  // Combination counts of the two texts, minus those touching Ks, 7h, 2d.
  EXPECT_EQ(cc.pockets[0].size(), 257u);
  EXPECT_EQ(cc.pockets[1].size(), 139u);
  EXPECT_EQ(brute_force_runouts(cc).size(), 1176u);
  expect_matches_brute_force(cc);
}

TEST(CardContextTables, ShortDeckFlopMatchesBruteForce) {
  const CardContext cc(board_of("Ks7h9d"), oop_range(), ip_range(), true);
  EXPECT_EQ(cc.deck_mask, kShortDeck);
  EXPECT_EQ(brute_force_runouts(cc).size(), 528u);
  for (const Pocket p : cc.pockets[0]) EXPECT_GE(low_of(p), 16);
  expect_matches_brute_force(cc);
}

TEST(CardContextTables, TurnAndRiverSpotsMatchBruteForce) {
  const CardContext turn(board_of("Ks7h2dTc"), oop_range(), ip_range(), false);
  EXPECT_EQ(turn.street, kStreetTurn);
  EXPECT_EQ(brute_force_runouts(turn).size(), 48u);
  expect_matches_brute_force(turn);

  const CardContext river(board_of("Ks7h2dTc3s"), oop_range(), ip_range(), false);
  EXPECT_EQ(river.street, kStreetRiver);
  EXPECT_EQ(brute_force_runouts(river).size(), 1u);
  expect_matches_brute_force(river);
  // Only the entry of (turn, river) is filled.
  std::size_t filled = 0;
  for (const RunoutShowdown& e : river.runouts) filled += !e[0].empty();
  EXPECT_EQ(filled, 1u);
}

TEST(CardContextTables, SharedHandCountsBackInReach) {
  // Both seats hold only AhKh and QcJc: each hand's only opponent hand is the
  // other one, so the identical pocket must be added back after being
  // subtracted through both of its cards.
  const Range r = parse_range("AhKh:0.5, QcJc");
  const CardContext cc(board_of("2c3d4h"), r, r, false);
  ASSERT_EQ(cc.pockets[0].size(), 2u);
  EXPECT_DOUBLE_EQ(cc.matchup_weight, 0.5 * 1.0 * 2);
  // Position 0 is QcJc (weight 1), position 1 AhKh (weight 0.5): each meets
  // only the other.
  EXPECT_EQ(cc.pockets[0][0], static_cast<Pocket>(36 | (40 << 8)));
  EXPECT_FLOAT_EQ(cc.reach_raw[0][0], 0.5f);
  EXPECT_FLOAT_EQ(cc.reach_raw[0][1], 0.5f);
  expect_cross_matchup_and_reach_match(cc);
}

TEST(CardContextTables, FullyBlockedSeatHoldsOnlySentinels) {
  // Seat 1 holds only hands with the Ac, so the runout (Ac, x) leaves it empty.
  const CardContext cc(board_of("Ks7h2dTc"), oop_range(), parse_range("AcKc, AcQd"), false);
  const RunoutShowdown& entry = cc.runout_entry(48, 32);  // Ac, Tc
  ASSERT_EQ(entry[1].size(), 2u);
  EXPECT_EQ(entry[1][0].value, 0u);
  EXPECT_EQ(entry[1][1].value, 4294967295u);
  EXPECT_EQ(entry[1][0].position, kNoHand);
  EXPECT_GT(entry[0].size(), 2u);
}

TEST(CardContextTables, TiesKeepHandListOrder) {
  // Board plays: every hand ties on a royal flush board.
  const CardContext cc(board_of("AsKsQsJsTs"), full_range(), full_range(), false);
  const auto& list = cc.runout_entry(cc.board[3], cc.board[4])[0];
  ASSERT_EQ(list.size(), cc.pockets[0].size() + 2);
  for (std::size_t k = 1; k + 1 < list.size(); ++k) {
    EXPECT_EQ(list[k].position, k - 1);
    EXPECT_EQ(list[k].value, list[1].value);
  }
}

TEST(CardContextTables, RunoutEntryOutsideTheTableIsEmpty) {
  const CardContext cc(board_of("Ks7h2d"), oop_range(), ip_range(), false);
  const RunoutShowdown& none = cc.runout_entry(kNoCard, 30);
  EXPECT_TRUE(none[0].empty() && none[1].empty());
  EXPECT_EQ(&cc.runout_entry(30, kNoCard), &none);
  EXPECT_EQ(&cc.runout_entry(30, 30), &none);
  EXPECT_EQ(&cc.runout_entry(60, 30), &none);
  // A pair that is no runout (a flop card) indexes an empty entry.
  EXPECT_TRUE(cc.runout_entry(47, 30)[0].empty());
  EXPECT_FALSE(cc.runout_entry(30, 31)[0].empty());
}

TEST(CardContextTables, MemoryBytesCountsTheTables) {
  const CardContext cc(board_of("Ks7h2d"), full_range(), full_range(), false);
  std::uint64_t records = 0;
  for (const RunoutShowdown& e : cc.runouts) records += e[0].size() + e[1].size();
  const std::uint64_t bytes = cc.memory_bytes();
  // At least every showdown record and every pair-table position.
  EXPECT_GE(bytes, records * sizeof(ShowdownRecord) + 1176u * 2 * 1176 * 2);
  EXPECT_LT(bytes, std::uint64_t{60} << 20);
  const CardContext river(board_of("Ks7h2dTc3s"), full_range(), full_range(), false);
  EXPECT_LT(river.memory_bytes() * 50, bytes);
}

// ---------------------------------------------------------------------------
// Workers

void expect_same_tables(const CardContext& a, const CardContext& b) {
  EXPECT_EQ(a.pockets, b.pockets);
  EXPECT_EQ(a.weights, b.weights);
  EXPECT_EQ(a.reach_norm, b.reach_norm);
  EXPECT_EQ(a.reach_raw, b.reach_raw);
  EXPECT_EQ(a.cross, b.cross);
  EXPECT_EQ(a.all_hands, b.all_hands);
  EXPECT_EQ(a.compatible_by_card, b.compatible_by_card);
  EXPECT_EQ(a.compatible_by_pair, b.compatible_by_pair);
  EXPECT_EQ(a.blocked_by_card, b.blocked_by_card);
  EXPECT_EQ(a.blocked_by_pair, b.blocked_by_pair);
  EXPECT_EQ(a.matchup_weight, b.matchup_weight);
  EXPECT_EQ(a.key, b.key);
  EXPECT_EQ(a.suit_isomorphism.turn_representatives, b.suit_isomorphism.turn_representatives);
  EXPECT_EQ(a.suit_isomorphism.river_representatives, b.suit_isomorphism.river_representatives);
  EXPECT_EQ(a.suit_isomorphism.river_swaps, b.suit_isomorphism.river_swaps);
  ASSERT_EQ(a.runouts.size(), b.runouts.size());
  for (std::size_t i = 0; i < a.runouts.size(); ++i)
    for (int s = 0; s < 2; ++s) {
      ASSERT_EQ(a.runouts[i][s].size(), b.runouts[i][s].size());
      for (std::size_t k = 0; k < a.runouts[i][s].size(); ++k) {
        ASSERT_EQ(a.runouts[i][s][k].value, b.runouts[i][s][k].value);
        ASSERT_EQ(a.runouts[i][s][k].position, b.runouts[i][s][k].position);
      }
    }
}

// The thread count the caller passes splits the work and changes nothing
// else: none (taken as one), uneven chunks, more threads than runouts.
TEST(CardContextWorkers, OneThreadAndManyGiveTheSameTables) {
  const Board board = board_of("9s8s2d");
  auto build = [&](std::size_t threads) {
    return CardContext(board, oop_range(), ip_range(), false, nullptr, threads);
  };
  const CardContext one = build(1);
  for (const std::size_t threads : {0, 2, 5, 8, 2000}) {
    SCOPED_TRACE(threads);
    expect_same_tables(one, build(threads));
  }
}

// "HALVORY_CARDCTX_MAX_WORKERS" caps the threads the caller asks for (a pool
// of one fewer, the calling thread being the last); at 1 nothing but the
// calling thread builds. The tables stay the same.
TEST(CardContextWorkers, EnvironmentCapsTheCallersThreads) {
  const Board board = board_of("9s8s2d");
  const CardContext reference(board, oop_range(), ip_range(), false, nullptr, 1);
  const int hardware = static_cast<int>(hardware_threads());
  struct Case {
    const char* limit;
    std::size_t threads;
    int started;
  };
  for (const Case& c :
       {Case{"1", 8, 0}, Case{"3", 8, 2}, Case{"8", 3, 2}, Case{"0", 4, std::min(4, hardware) - 1},
        Case{nullptr, 4, std::min(4, hardware) - 1}}) {
    SCOPED_TRACE(c.limit ? c.limit : "(unset)");
    const ScopedEnv env("HALVORY_CARDCTX_MAX_WORKERS", c.limit);
    const ThreadStartCounter counter;
    const CardContext built(board, oop_range(), ip_range(), false, nullptr, c.threads);
    EXPECT_EQ(counter.started(), c.started);
    expect_same_tables(reference, built);
  }
}

// A positive integer at the start of the text, with no upper bound; anything
// else gives the hardware thread count.
TEST(CardContextWorkers, MaxWorkersReadsAPositiveLeadingInteger) {
  const std::uint32_t hardware = hardware_threads();
  const std::vector<std::pair<const char*, std::uint32_t>> cases{{nullptr, hardware},
                                                                 {"", hardware},
                                                                 {"0", hardware},
                                                                 {"-3", hardware},
                                                                 {"abc", hardware},
                                                                 {"99999999999", hardware},
                                                                 {"2147483648", hardware},
                                                                 {"7", 7},
                                                                 {"  5 threads", 5},
                                                                 {"+2", 2},
                                                                 {"2147483647", 2147483647u}};
  for (const auto& [text, want] : cases) {
    const ScopedEnv env("HALVORY_CARDCTX_MAX_WORKERS", text);
    EXPECT_EQ(card_context_max_workers(), want) << (text ? text : "(unset)");
  }
}

// ---------------------------------------------------------------------------
// Key and cache

TEST(CardContextCache, KeyFollowsEveryInput) {
  const CardContext base(board_of("Ks7h2d"), oop_range(), ip_range(), false);
  EXPECT_EQ(CardContext(board_of("Ks7h2d"), oop_range(), ip_range(), false).key, base.key);
  Range changed = ip_range();
  changed.weights[1325] = 0.5f;  // one combination, AsAh
  EXPECT_NE(CardContext(board_of("Ks7h2d"), oop_range(), changed, false).key, base.key);
  EXPECT_NE(CardContext(board_of("Ks7h2d"), ip_range(), oop_range(), false).key, base.key);
  EXPECT_NE(CardContext(board_of("Ks7h3d"), oop_range(), ip_range(), false).key, base.key);
  EXPECT_NE(CardContext(board_of("Ks7h2dTc"), oop_range(), ip_range(), false).key, base.key);
  EXPECT_NE(CardContext(board_of("Ks7h9d"), oop_range(), ip_range(), true).key,
            CardContext(board_of("Ks7h9d"), oop_range(), ip_range(), false).key);
  EXPECT_NE(hash_range(oop_range()), hash_range(ip_range()));
  EXPECT_EQ(hash_range(oop_range()), hash_range(oop_range()));
  // -0.0 and 0.0 weigh the same but are different bit patterns.
  Range negative_zero;
  negative_zero.weights[7] = -0.0f;
  EXPECT_NE(hash_range(negative_zero), hash_range(Range{}));
}

CardContext::CachedArtifacts artifacts_of(const CardContext& cc) {
  return static_cast<const CardContextTables&>(cc);
}

TEST(CardContextCache, LiveBundleIsCopiedAndExpiredOneIsErased) {
  const Board board = board_of("QdJh4c");
  const CardContext first(board, oop_range(), ip_range(), false);
  // The construction released its bundle: the entry has expired.
  EXPECT_EQ(CardContext::find_cached_artifacts(first.key), nullptr);

  // A bundle still held by a running construction is found and copied. It is
  // marked so that a copy can be told from a recomputation.
  auto held = std::make_shared<CardContext::CachedArtifacts>(artifacts_of(first));
  held->matchup_weight = 12345.0;
  CardContext::publish_artifacts(first.key, held);
  const CardContext second(board, oop_range(), ip_range(), false);
  EXPECT_EQ(second.matchup_weight, 12345.0);
  EXPECT_EQ(second.pockets, first.pockets);
  EXPECT_EQ(second.compatible_by_pair, first.compatible_by_pair);
  EXPECT_EQ(second.suit_isomorphism.river_skipped, first.suit_isomorphism.river_skipped);
  EXPECT_EQ(second.board, first.board);
  EXPECT_EQ(second.board_cards, first.board_cards);

  // A different range has a different key and never sees that bundle.
  Range other = ip_range();
  other.weights[0] = 0.25f;
  const CardContext third(board, oop_range(), other, false);
  EXPECT_NE(third.key, first.key);
  EXPECT_NE(third.matchup_weight, 12345.0);

  held.reset();
  const CardContext fourth(board, oop_range(), ip_range(), false);
  EXPECT_EQ(fourth.matchup_weight, first.matchup_weight);
  EXPECT_EQ(CardContext::find_cached_artifacts(first.key), nullptr);
}

TEST(CardContextCache, ConcurrentConstructionsAgree) {
  const Board board = board_of("Th9h8c");
  const CardContext reference(board, oop_range(), ip_range(), false);
  std::vector<std::unique_ptr<CardContext>> built(6);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < built.size(); ++i)
    threads.emplace_back([&, i] {
      built[i] = std::make_unique<CardContext>(board, oop_range(), ip_range(), false);
    });
  for (auto& t : threads) t.join();
  for (const auto& cc : built) expect_same_tables(reference, *cc);
}

}  // namespace
}  // namespace halvory
