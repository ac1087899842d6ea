#include "queries/hand_categories.hpp"

#include <algorithm>
#include <array>

#include "queries/pocket_cards.hpp"
#include "session/labels.hpp"
#include "tree/game.hpp"

namespace halvory_app {

using halvory::CardCode;
using halvory::Pocket;

using pocket_cards::high_card;
using pocket_cards::low_card;

namespace {

int rank_of(CardCode card) {
  return card / 4;
}

// Suit holding most of `cards` (lowest suit on a tie) and its count.
std::pair<int, int> dominant_suit(std::span<const CardCode> cards) {
  std::array<int, 4> counts{};
  for (CardCode card : cards) ++counts[card % 4];
  int best = 0;
  for (int suit = 1; suit < 4; ++suit) {
    if (counts[suit] > counts[best]) best = suit;
  }
  return {best, counts[best]};
}

bool is_flush_category(int category) {
  return category == 5 || category == 8;
}
bool is_straight_category(int category) {
  return category == 4 || category == 8;
}

std::string made_hand_label(int category, Pocket hand, std::span<const std::uint32_t> ranks,
                            std::span<const int> counts) {
  switch (category) {
    case 1:
      return pair_kind_label(hand, ranks, counts);
    case 2:
      return "two pair";
    case 3: {
      const int rank = rank_of(low_card(hand));
      const bool pocket_pair = rank == rank_of(high_card(hand));
      return pocket_pair && counts[static_cast<std::size_t>(rank)] == 1 ? "set" : "trips";
    }
    case 4:
      return "straight";
    case 5:
      return "flush";
    case 6:
      return "full house";
    case 7:
      return "quads";
    case 8:
      return "straight flush";
    default:
      return {};
  }
}

}  // namespace

std::size_t bucket_index(std::string_view name) {
  const auto it = std::find(kBucketNames.begin(), kBucketNames.end(), name);
  return static_cast<std::size_t>(it - kBucketNames.begin());
}

std::vector<CardCode> node_board_cards(const halvory::Game& game,
                                       const halvory::NodeRecord& record) {
  std::vector<CardCode> board = game.cards.board_cards;
  if (board.size() < 3) return board;
  if (record.turn != halvory::kNoCard) {
    if (board.size() >= 4) {
      board[3] = record.turn;
    } else if (board.size() == 3) {
      board.push_back(record.turn);
    }
  }
  if (record.river != halvory::kNoCard) {
    if (board.size() >= 5) {
      board[4] = record.river;
    } else if (board.size() == 4) {
      board.push_back(record.river);
    }
  }
  if (board.size() > 5) board.resize(5);
  return board;
}

std::vector<CardCode> board_at_node(const halvory::Game& game, std::size_t node) {
  if (node >= game.nodes.size()) return game.cards.board_cards;
  return node_board_cards(game, game.nodes[node]);
}

std::string pair_kind_label(Pocket hand, std::span<const std::uint32_t> board_ranks,
                            std::span<const int> board_counts) {
  const int rank_a = rank_of(low_card(hand));
  const int rank_b = rank_of(high_card(hand));
  const int top = board_ranks.empty() ? -1 : static_cast<int>(board_ranks.front());
  if (rank_a == rank_b) return rank_a > top ? "overpair" : "dry pair";
  const auto count_of = [&](int rank) {
    return static_cast<std::size_t>(rank) < board_counts.size()
               ? board_counts[static_cast<std::size_t>(rank)]
               : 0;
  };
  if (count_of(rank_a) < 1 && count_of(rank_b) < 1) return {};
  std::size_t position = 0;
  while (position < board_ranks.size() && static_cast<int>(board_ranks[position]) != rank_a &&
         static_cast<int>(board_ranks[position]) != rank_b) {
    ++position;
  }
  // Top and second board rank by name; every lower rank is a bottom pair,
  // so a fourth-rank pair on a four-rank board is never named "middle".
  if (position == 0) return "top pair";
  if (position == 1) return "middle pair";
  return "bottom pair";
}

std::vector<std::string> hand_category_labels(Pocket hand, std::span<const CardCode> board,
                                              bool short_deck) {
  std::vector<std::string> labels;
  if (board.size() < 3 || board.size() > 5) return labels;
  const CardCode a = low_card(hand);
  const CardCode b = high_card(hand);

  std::array<CardCode, 7> cards_storage{};
  cards_storage[0] = a;
  cards_storage[1] = b;
  std::copy(board.begin(), board.end(), cards_storage.begin() + 2);
  const std::span<const CardCode> cards(cards_storage.data(), board.size() + 2);

  const std::vector<std::uint32_t> ranks = board_ranks_desc(board);
  std::array<int, 13> counts{};
  for (CardCode card : board) ++counts[static_cast<std::size_t>(rank_of(card))];

  const int category = made_hand_category(cards, short_deck);
  std::string made = made_hand_label(category, hand, ranks, counts);
  if (!made.empty()) labels.push_back(std::move(made));

  if (board.size() < 5) {
    const FlushDrawFlags flush =
        flush_draw_flags(cards, a, b, board.size() == 3, is_flush_category(category));
    if (flush.flush_draw) labels.emplace_back("flush draw");
    if (flush.backdoor_flush_draw) labels.emplace_back("back door flush draw");
    if (!is_straight_category(category)) {
      const StraightDrawFlags straight = straight_draw_flags(cards, short_deck);
      if (straight.open_ended) labels.emplace_back("open ended straight draw");
      if (straight.gutshot) labels.emplace_back("gutter");
    }
    return labels;
  }

  // River: missed draws only for a hand that adds nothing to the board.
  if (category != made_hand_category(board, short_deck) || category >= 2) return labels;
  const std::span<const CardCode> turn_cards(cards_storage.data(), 6);
  const int turn_category = made_hand_category(turn_cards, short_deck);
  if (!is_flush_category(turn_category)) {
    const auto [suit, count] = dominant_suit(turn_cards);
    if (count == 4 && (a % 4 == suit || b % 4 == suit)) labels.emplace_back("missed FD");
  }
  if (!is_straight_category(turn_category)) {
    const StraightDrawFlags straight = straight_draw_flags(turn_cards, short_deck);
    if (straight.open_ended) labels.emplace_back("missed OESD");
    if (straight.gutshot) labels.emplace_back("missed gutter");
  }
  return labels;
}

std::vector<std::string> bucket_labels(Pocket hand, std::span<const CardCode> board,
                                       bool short_deck) {
  if (board.size() < 3 || board.size() > 5) return {};
  std::vector<std::string> labels = hand_category_labels(hand, board, short_deck);
  std::erase_if(labels,
                [](const std::string& label) { return bucket_index(label) >= kBucketCount; });
  if (labels.empty()) labels.emplace_back("air");
  std::sort(labels.begin(), labels.end());
  labels.erase(std::unique(labels.begin(), labels.end()), labels.end());
  return labels;
}

std::vector<std::string> classify_hand_category(const halvory::Game& game, std::size_t node,
                                                Pocket hand) {
  return bucket_labels(hand, board_at_node(game, node), game.cards.short_deck != 0);
}

}  // namespace halvory_app
