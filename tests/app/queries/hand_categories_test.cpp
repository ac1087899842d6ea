// Hand classes on hand-made boards, plus a brute-force check of the made-hand
// and draw labels against an independent evaluation over random deals.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "cards/cards.hpp"
#include "queries/hand_categories.hpp"
#include "solved_spot.hpp"

namespace halvory_app {
namespace {

using halvory::CardCode;
using spots::pocket_of;

std::vector<CardCode> board_of(const std::string& text) {
  std::vector<CardCode> board;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    board.push_back(halvory::parse_card(text.substr(i, 2)));
  return board;
}

std::vector<std::string> labels(const std::string& hand, const std::string& board) {
  return hand_category_labels(pocket_of(hand), board_of(board), false);
}

using Labels = std::vector<std::string>;

TEST(HandCategories, MadeHandsOnHandMadeBoards) {
  EXPECT_EQ(labels("9s9h", "Kd7c2s"), Labels{"dry pair"});
  EXPECT_EQ(labels("9s9h", "8d7c2s"), Labels{"overpair"});
  EXPECT_EQ(labels("AhTd", "As9c4d"), Labels{"top pair"});
  EXPECT_EQ(labels("KsQs", "KdKc2h"), Labels{"trips"});
  EXPECT_EQ(labels("7s7d", "7cJd2h"), Labels{"set"});
  EXPECT_EQ(labels("5s4s", "QdQc5h"), Labels{"two pair"});
  EXPECT_EQ(labels("Js3c", "QdJc5h"), Labels{"middle pair"});
  EXPECT_EQ(labels("5s3c", "QdJc5h"), Labels{"bottom pair"});
}

TEST(HandCategories, PairKindFollowsBoardRankPositions) {
  const std::array<int, 13> counts{};
  std::array<int, 13> qt = counts;
  qt[10] = 2;
  qt[8] = 1;
  const std::vector<std::uint32_t> two_ranks{10, 8};
  // On two distinct ranks the lower is "middle", checked before "bottom".
  EXPECT_EQ(pair_kind_label(pocket_of("Ts3c"), two_ranks, qt), "middle pair");
  EXPECT_EQ(pair_kind_label(pocket_of("Qs3c"), two_ranks, qt), "top pair");
  EXPECT_EQ(pair_kind_label(pocket_of("As3c"), two_ranks, qt), "");
  EXPECT_EQ(pair_kind_label(pocket_of("AsAc"), two_ranks, qt), "overpair");
  EXPECT_EQ(pair_kind_label(pocket_of("QsQc"), two_ranks, qt), "dry pair");
  EXPECT_EQ(pair_kind_label(pocket_of("2s2c"), {}, counts), "overpair");
}

TEST(HandCategories, DrawsOnFlopAndTurn) {
  EXPECT_EQ(labels("9h8h", "Th7c2h"), (Labels{"flush draw", "open ended straight draw"}));
  // Back-door draws exist only on the flop.
  EXPECT_EQ(labels("9c8c", "Tc7d2h"), (Labels{"back door flush draw", "open ended straight draw"}));
  EXPECT_EQ(labels("9c8c", "Tc7d2hKh"), Labels{"open ended straight draw"});
  EXPECT_EQ(labels("9c8c", "Tc7d2cKh"), (Labels{"flush draw", "open ended straight draw"}));
  // Below the second board rank every pair is a bottom pair, never "air"
  // and never "middle".
  EXPECT_EQ(labels("6s5s", "Ks9d6c2h"), Labels{"bottom pair"});
  EXPECT_EQ(labels("7s3d", "AcKd7h2s"), Labels{"bottom pair"});
  EXPECT_EQ(labels("9s9d", "AcKd7h2s"), Labels{"dry pair"});
  EXPECT_EQ(labels("AcKd", "QhJs3c"), Labels{"gutter"});
}

TEST(HandCategories, MissedDrawsOnTheRiver) {
  EXPECT_EQ(labels("QhJh", "AhKh7c2d3s"), (Labels{"missed FD", "missed gutter"}));
  // A pair of the hand's own stops the search for missed draws.
  EXPECT_EQ(labels("QhJh", "AhKh7c2dJs"), Labels{"bottom pair"});
  EXPECT_EQ(labels("Qc2h", "KsQd7h6c4s"), Labels{"middle pair"});
  EXPECT_EQ(labels("6s5h", "KsQd7h6c4s"), Labels{"bottom pair"});
  // The board's pair alone: no label at all (the classifier then says air).
  EXPECT_TRUE(labels("Ah6s", "8d8c4hKs2c").empty());
}

// The lowest straight is the deck's: A-6-7-8-9 in short deck, the wheel in
// hold'em, on the flop and on the river alike. Short deck's flush and full
// house keep their names although that deck ranks them the other way round.
TEST(HandCategories, StraightsFollowTheDeck) {
  struct Case {
    const char* hand;
    const char* board;
    bool short_deck;
    Labels buckets;
  };
  const Case cases[] = {
      {"As9c", "KhKd8h7h6c", true, {"straight"}},   {"As9c", "KhKd8h7h6c", false, {"air"}},
      {"Ah9c", "8d7s6c", true, {"straight"}},       {"Ts9s", "8d7c6hKdQc", true, {"straight"}},
      {"Ts9s", "8d7c6h", true, {"straight"}},       {"Ah2c", "3d4s5hKdQc", false, {"straight"}},
      {"Ah2c", "3d4s5h", false, {"straight"}},      {"AhQh", "Jh7h6hKdKc", true, {"flush"}},
      {"7s7c", "7d6h6cKdQc", true, {"full house"}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(bucket_labels(pocket_of(c.hand), board_of(c.board), c.short_deck), c.buckets)
        << c.hand << " on " << c.board << (c.short_deck ? " (short deck)" : "");
  }
}

// A short-deck solve reads its own deck: on Kh Kd 8h 7h 6c, As 9c is a
// straight in its combo row and in the node's buckets.
TEST(HandCategories, ShortDeckSolveBucketsItsLowestStraight) {
  SolveConfig request = spots::river_request();
  request.variant = "shortdeck";
  request.board = "KhKd8h7h6c";
  request.oop_range = "A9o,QQ";
  request.ip_range = "AT,JJ";
  request.max_iterations = 10;
  const SolvedGame solved = spots::solve_now(request);
  const auto rows = node_hand_combos(solved, 0);
  ASSERT_TRUE(rows.has_value());
  const auto row = std::find_if(rows->begin(), rows->end(), [](const ComboRow& r) {
    return (r.c1 == "As" && r.c2 == "9c") || (r.c1 == "9c" && r.c2 == "As");
  });
  ASSERT_NE(row, rows->end());
  EXPECT_EQ(row->buckets, Labels{"straight"});
  const auto buckets = node_hand_buckets(solved, 0);
  ASSERT_TRUE(buckets.has_value());
  EXPECT_TRUE(std::any_of(buckets->begin(), buckets->end(),
                          [](const BucketRow& b) { return b.name == "straight"; }));
}

TEST(HandCategories, BoardsOfWrongSizeGiveNothing) {
  EXPECT_TRUE(labels("AhKh", "QsJs").empty());
  EXPECT_TRUE(hand_category_labels(pocket_of("AhKh"), board_of("QsJs9s8s7s6s"), false).empty());
}

TEST(HandCategories, BucketIndexKnowsExactlyTheTwentyOneNames) {
  EXPECT_EQ(bucket_index("straight flush"), 0u);
  EXPECT_EQ(bucket_index("air"), 20u);
  EXPECT_EQ(bucket_index("missed OESD"), 16u);
  EXPECT_EQ(bucket_index("pair"), kBucketCount);
  EXPECT_EQ(bucket_index(""), kBucketCount);
}

// Independent oracle: straights and draws by scanning five-rank windows.
bool has_straight(unsigned rank_mask) {
  for (int top = 4; top <= 12; ++top) {
    if (((rank_mask >> (top - 4)) & 0x1Fu) == 0x1Fu) return true;
  }
  return (rank_mask & 0x100Fu) == 0x100Fu;  // wheel
}

int completing_ranks(unsigned rank_mask) {
  int count = 0;
  for (int r = 0; r < 13; ++r) {
    if (!(rank_mask & (1u << r)) && has_straight(rank_mask | (1u << r))) ++count;
  }
  return count;
}

bool contains(const Labels& list, const std::string& label) {
  return std::find(list.begin(), list.end(), label) != list.end();
}

TEST(HandCategories, RandomDealsAgreeWithIndependentEvaluation) {
  std::mt19937 rng(12345);
  const char* made_names[] = {"",           "",      "two pair",      "", "straight", "flush",
                              "full house", "quads", "straight flush"};
  for (int deal = 0; deal < 20000; ++deal) {
    std::array<CardCode, 52> deck{};
    for (int c = 0; c < 52; ++c) deck[c] = static_cast<CardCode>(c);
    std::shuffle(deck.begin(), deck.end(), rng);
    const std::size_t board_size = 3 + static_cast<std::size_t>(deal % 3);
    const CardCode a = std::min(deck[0], deck[1]);
    const CardCode b = std::max(deck[0], deck[1]);
    const auto hand = static_cast<halvory::Pocket>(a | (b << 8));
    const std::vector<CardCode> board(deck.begin() + 2,
                                      deck.begin() + 2 + static_cast<long>(board_size));
    const Labels got = hand_category_labels(hand, board, false);

    // Made category: the hold'em evaluator on the cards padded to seven is
    // not usable for fewer cards, so count directly.
    std::array<int, 13> rank_count{};
    std::array<int, 4> suit_count{};
    unsigned ranks = 0;
    std::vector<CardCode> cards{a, b};
    cards.insert(cards.end(), board.begin(), board.end());
    for (CardCode c : cards) {
      ++rank_count[c / 4];
      ++suit_count[c % 4];
      ranks |= 1u << (c / 4);
    }
    int flush_suit = -1;
    for (int s = 0; s < 4; ++s) {
      if (suit_count[s] >= 5) flush_suit = s;
    }
    unsigned suited_ranks = 0;
    for (CardCode c : cards) {
      if (c % 4 == flush_suit) suited_ranks |= 1u << (c / 4);
    }
    const int quads = static_cast<int>(std::count(rank_count.begin(), rank_count.end(), 4));
    const int trips = static_cast<int>(std::count(rank_count.begin(), rank_count.end(), 3));
    const int pairs = static_cast<int>(std::count(rank_count.begin(), rank_count.end(), 2));
    int category = 0;
    if (flush_suit >= 0) {
      category = has_straight(suited_ranks) ? 8 : 5;
    } else if (quads) {
      category = 7;
    } else if (trips >= 2 || (trips && pairs)) {
      category = 6;
    } else if (has_straight(ranks)) {
      category = 4;
    } else if (trips) {
      category = 3;
    } else if (pairs >= 2) {
      category = 2;
    } else if (pairs == 1) {
      category = 1;
    }
    if (made_names[category][0] != '\0') {
      ASSERT_TRUE(contains(got, made_names[category])) << deal;
    }
    if (category == 3) {
      ASSERT_TRUE(contains(got, "set") || contains(got, "trips")) << deal;
    }

    int board_max = 0;
    for (CardCode c : board) board_max = std::max(board_max, c / 4);
    const bool pocket_pair = a / 4 == b / 4;
    const bool hole_pairs_board_top =
        !pocket_pair && (a / 4 == board_max || b / 4 == board_max) && category == 1;
    ASSERT_EQ(contains(got, "top pair"), hole_pairs_board_top) << deal;
    ASSERT_EQ(contains(got, "overpair"), category == 1 && pocket_pair && a / 4 > board_max) << deal;

    if (board_size < 5) {
      bool flush_draw = false;
      for (int s = 0; s < 4; ++s) {
        if (suit_count[s] == 4 && (a % 4 == s || b % 4 == s) && flush_suit < 0) flush_draw = true;
      }
      ASSERT_EQ(contains(got, "flush draw"), flush_draw) << deal;
      const bool straight_made = category == 4 || category == 8;
      const int outs = (straight_made || has_straight(ranks)) ? 0 : completing_ranks(ranks);
      ASSERT_EQ(contains(got, "open ended straight draw"), outs >= 2) << deal;
      ASSERT_EQ(contains(got, "gutter"), outs == 1) << deal;
    } else {
      ASSERT_FALSE(contains(got, "flush draw") || contains(got, "gutter")) << deal;
    }
  }
}

}  // namespace
}  // namespace halvory_app
