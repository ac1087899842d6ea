#include "session/labels.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <random>
#include <set>
#include <vector>

#include "cards/cards.hpp"

namespace {

using halvory::Action;
using halvory::ActionKind;
using halvory::CardCode;
using namespace halvory_app;

CardCode card(const char* text) {
  return halvory::parse_card(text);
}

std::vector<CardCode> cards(std::initializer_list<const char*> texts) {
  std::vector<CardCode> out;
  for (const char* t : texts) out.push_back(card(t));
  return out;
}

// Obviously-right category of exactly five cards.
int five_card_category(const std::array<CardCode, 5>& hand) {
  std::array<int, 13> counts{};
  bool flush = true;
  for (const CardCode c : hand) {
    ++counts[c / 4];
    if (c % 4 != hand[0] % 4) flush = false;
  }
  std::vector<int> shape;
  for (const int n : counts) {
    if (n > 0) shape.push_back(n);
  }
  std::sort(shape.rbegin(), shape.rend());
  bool straight = false;
  if (shape.size() == 5) {
    for (int top = 4; top < 13; ++top) {
      bool run = true;
      for (int r = top - 4; r <= top; ++r) run = run && counts[r] == 1;
      straight = straight || run;
    }
    straight = straight || (counts[12] && counts[0] && counts[1] && counts[2] && counts[3]);
  }
  if (straight && flush) return 8;
  if (shape[0] == 4) return 7;
  if (shape[0] == 3 && shape[1] == 2) return 6;
  if (flush) return 5;
  if (straight) return 4;
  if (shape[0] == 3) return 3;
  if (shape[0] == 2 && shape[1] == 2) return 2;
  if (shape[0] == 2) return 1;
  return 0;
}

int best_subset_category(const std::vector<CardCode>& set) {
  int best = 0;
  const std::size_t n = set.size();
  // Every 5-card subset, chosen by the bit mask of the cards left out.
  for (unsigned mask = 0; mask < (1u << n); ++mask) {
    if (std::popcount(mask) != static_cast<int>(n - 5)) continue;
    std::array<CardCode, 5> hand{};
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if ((mask & (1u << i)) == 0) hand[k++] = set[i];
    }
    best = std::max(best, five_card_category(hand));
  }
  return best;
}

TEST(ActionLabels, KeysAndLabelsFollowKindAndPot) {
  EXPECT_EQ(action_display_label(Action{ActionKind::Bet, 7500}, 10000), "Bet 75%");
  EXPECT_EQ(action_size_key(Action{ActionKind::Bet, 7500}, 10000), "bet 75%");
  EXPECT_EQ(action_display_label(Action{ActionKind::Raise, 25000}, 10000), "Raise 250%");
  EXPECT_EQ(action_size_key(Action{ActionKind::Raise, 25000}, 10000), "raise 250%");
  // 33.3 % prints without decimals.
  EXPECT_EQ(action_display_label(Action{ActionKind::Bet, 333}, 1000), "Bet 33%");
  // Without a pot there is no percentage.
  EXPECT_EQ(action_display_label(Action{ActionKind::Bet, 500}, 0), "Bet");
  EXPECT_EQ(action_size_key(Action{ActionKind::Bet, 500}, 0), "bet");
  EXPECT_EQ(action_display_label(Action{ActionKind::Raise, 500}, 0), "Raise");
  EXPECT_EQ(action_size_key(Action{ActionKind::Raise, 500}, 0), "raise");

  EXPECT_EQ(action_display_label(Action{ActionKind::Fold, 0}, 100), "Fold");
  EXPECT_EQ(action_display_label(Action{ActionKind::Check, 0}, 100), "Check");
  EXPECT_EQ(action_display_label(Action{ActionKind::Call, 50}, 100), "Call");
  EXPECT_EQ(action_display_label(Action{ActionKind::AllIn, 900}, 100), "All-In");
  EXPECT_EQ(action_size_key(Action{ActionKind::AllIn, 900}, 100), "allin");
  EXPECT_EQ(action_size_key(Action{ActionKind::Call, 50}, 100), "call");

  const Action deal_queen_of_hearts{ActionKind::CardDealt, card("Qh")};
  EXPECT_EQ(action_display_label(deal_queen_of_hearts, 100), "Qh");
  EXPECT_EQ(action_size_key(deal_queen_of_hearts, 100), "chance");

  const Action odd{static_cast<ActionKind>(9), 10};
  EXPECT_EQ(action_display_label(odd, 100), "Action");
  EXPECT_EQ(action_size_key(odd, 100), "none");
  EXPECT_EQ(action_type_key(ActionKind::None), "none");
}

TEST(HandClasses, LabelsAreTheMatrixInOrder) {
  const auto& labels = hand_class_labels();
  ASSERT_EQ(labels.size(), 169u);
  EXPECT_EQ(std::set<std::string>(labels.begin(), labels.end()).size(), 169u);
  EXPECT_EQ(labels[0], "AA");
  EXPECT_EQ(labels[1], "AKs");
  EXPECT_EQ(labels[2], "AQs");
  EXPECT_EQ(labels[12], "A2s");
  EXPECT_EQ(labels[13], "AKo");
  EXPECT_EQ(labels[14], "KK");
  EXPECT_EQ(labels[15], "KQs");
  EXPECT_EQ(labels[167], "32o");
  EXPECT_EQ(labels[168], "22");
}

TEST(HandClasses, EveryComboFallsInItsClassWithTheRightMultiplicity) {
  std::map<std::string, int> combos;
  const auto& labels = hand_class_labels();
  for (CardCode a = 0; a < 52; ++a) {
    for (CardCode b = a + 1; b < 52; ++b) {
      const std::string label = hand_class_label(a, b);
      EXPECT_EQ(label, hand_class_label(b, a));
      EXPECT_EQ(labels[hand_class_index(a, b)], label);
      const halvory::Pocket pocket = static_cast<halvory::Pocket>(a | (b << 8));
      EXPECT_EQ(hand_class_label(pocket), label);
      ++combos[label];
    }
  }
  ASSERT_EQ(combos.size(), 169u);
  for (const auto& [label, count] : combos) {
    const int expected = label.size() == 2 ? 6 : (label[2] == 's' ? 4 : 12);
    EXPECT_EQ(count, expected) << label;
  }
  EXPECT_EQ(hand_class_label(card("Ah"), card("Kh")), "AKs");
  EXPECT_EQ(hand_class_label(card("9c"), card("Td")), "T9o");
  EXPECT_EQ(hand_class_label(card("Qs"), card("Qd")), "QQ");
}

TEST(CardFacts, BoardRanksDescending) {
  const auto board = cards({"7d", "Ah", "7c", "2s"});
  EXPECT_EQ(board_ranks_desc(board), (std::vector<std::uint32_t>{12, 5, 0}));
  EXPECT_TRUE(board_ranks_desc({}).empty());
}

TEST(CardFacts, MadeHandCategoryKnownHands) {
  EXPECT_EQ(made_hand_category(cards({"Ah", "2c", "3d", "4s", "5h", "Kd"}), false), 4);
  EXPECT_EQ(made_hand_category(cards({"Ah", "2c", "3d", "4s"}), false), 0);
  EXPECT_EQ(made_hand_category(cards({"Ah", "Ac", "Ad", "As", "Kh", "Kd", "Kc", "Qs"}), false), 0);
  EXPECT_EQ(made_hand_category(cards({"7h", "7c", "7d", "3s", "3h", "3d", "2c"}), false), 6);
  EXPECT_EQ(made_hand_category(cards({"Th", "Jh", "Qh", "Kh", "Ah"}), false), 8);
  EXPECT_EQ(made_hand_category(cards({"Ah", "2h", "3h", "4h", "5h", "6c"}), false), 8);
  EXPECT_EQ(made_hand_category(cards({"Ah", "Kh", "3h", "4h", "9h", "9c", "9d"}), false), 5);
  std::vector<CardCode> bad = cards({"Ah", "Kh", "3h", "4h"});
  bad.push_back(52);
  try {
    made_hand_category(bad, false);
    FAIL() << "expected a card-code error";
  } catch (const std::out_of_range& e) {
    EXPECT_STREQ(e.what(), "Card code must be in [0, 52)");
  }
}

TEST(CardFacts, MadeHandCategoryMatchesBestFiveCardSubset) {
  std::mt19937 rng(20240607);
  std::vector<CardCode> deck(52);
  for (int i = 0; i < 52; ++i) deck[i] = static_cast<CardCode>(i);
  for (int trial = 0; trial < 6000; ++trial) {
    std::shuffle(deck.begin(), deck.end(), rng);
    const std::size_t n = 5 + trial % 3;
    const std::vector<CardCode> set(deck.begin(), deck.begin() + static_cast<long>(n));
    ASSERT_EQ(made_hand_category(set, false), best_subset_category(set)) << "trial " << trial;
    if (n == 7) {
      // The hold'em evaluator's category order is the same.
      const auto strength =
          halvory::evaluate_seven(set[0], set[1], set[2], set[3], set[4], set[5], set[6], false);
      ASSERT_EQ(made_hand_category(set, false), static_cast<int>(strength >> 26));
    }
  }
}

TEST(CardFacts, FlushDrawsCountTheDominantSuitWithTheHand) {
  const CardCode nine = card("9c");
  const CardCode eight = card("8c");
  const auto three_clubs = cards({"9c", "8c", "Tc", "7d", "2h", "Kh"});
  EXPECT_FALSE(flush_draw_flags(three_clubs, nine, eight, true, false).flush_draw);
  EXPECT_TRUE(flush_draw_flags(three_clubs, nine, eight, true, false).backdoor_flush_draw);
  EXPECT_FALSE(flush_draw_flags(three_clubs, nine, eight, false, false).backdoor_flush_draw);

  const auto four_clubs = cards({"9c", "8c", "Tc", "7d", "2c", "Kh"});
  EXPECT_TRUE(flush_draw_flags(four_clubs, nine, eight, true, false).flush_draw);
  EXPECT_FALSE(flush_draw_flags(four_clubs, nine, eight, true, false).backdoor_flush_draw);
  const auto skipped = flush_draw_flags(four_clubs, nine, eight, true, true);
  EXPECT_FALSE(skipped.flush_draw || skipped.backdoor_flush_draw);

  // Four hearts on board but no heart in hand: not the hand's draw.
  const auto board_hearts = cards({"9c", "8d", "2h", "5h", "Jh", "Kh"});
  EXPECT_FALSE(flush_draw_flags(board_hearts, card("9c"), card("8d"), true, false).flush_draw);
  // Tie between suits: the lower suit index wins (clubs before hearts).
  const auto tie = cards({"9c", "8h", "2c", "5h", "Jc", "Kh"});
  EXPECT_TRUE(flush_draw_flags(tie, card("9c"), card("8h"), true, false).backdoor_flush_draw);
}

TEST(CardFacts, StraightDraws) {
  const auto open_ended = straight_draw_flags(cards({"9c", "8c", "Tc", "7d", "2h", "Kh"}), false);
  EXPECT_TRUE(open_ended.open_ended);
  EXPECT_FALSE(open_ended.gutshot);

  const auto gutshot = straight_draw_flags(cards({"9c", "8c", "Qc", "Td", "2h"}), false);
  EXPECT_FALSE(gutshot.open_ended);
  EXPECT_TRUE(gutshot.gutshot);

  // Wheel draw: A-2-3-4 needs only the five.
  const auto wheel = straight_draw_flags(cards({"Ac", "2d", "3h", "4s", "9c"}), false);
  EXPECT_TRUE(wheel.gutshot);

  // Double gutshot counts as open-ended.
  const auto double_gut = straight_draw_flags(cards({"5c", "7d", "8h", "9s", "Jc"}), false);
  EXPECT_TRUE(double_gut.open_ended);

  const auto made = straight_draw_flags(cards({"5c", "6d", "7h", "8s", "9c", "Tc"}), false);
  EXPECT_FALSE(made.open_ended || made.gutshot);

  const auto nothing = straight_draw_flags(cards({"2c", "7d", "Qh", "Ks", "9c"}), false);
  EXPECT_FALSE(nothing.open_ended || nothing.gutshot);
}

}  // namespace
