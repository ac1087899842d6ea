#include "session/labels.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>

namespace halvory_app {
namespace {

constexpr char kMatrixRanks[] = "AKQJT98765432";

int kind_number(halvory::ActionKind kind) {
  return static_cast<int>(kind);
}

// Percentage of the pot in fixed notation with no decimals, independent of
// the process locale.
std::string pot_percent(std::int32_t amount, std::int32_t pot) {
  const double percent = static_cast<double>(amount) / static_cast<double>(pot) * 100.0;
  char buffer[400];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, percent, std::chars_format::fixed, 0);
  return std::string(buffer, result.ptr);
}

// Rank index 0..12 (deuce..ace) to the matrix position 0..12 (ace..deuce).
int matrix_position(int rank) {
  return 12 - rank;
}

// The evaluator's own straight rule, so the lowest straight is the deck's:
// A-2-3-4-5, or A-6-7-8-9 in short deck.
bool has_straight(std::uint32_t rank_mask, bool short_deck) {
  return halvory::eval_detail::straight_top(rank_mask, short_deck) != 0;
}

}  // namespace

std::string action_type_key(halvory::ActionKind kind) {
  switch (kind_number(kind)) {
    case 1:
      return "fold";
    case 2:
      return "check";
    case 3:
      return "call";
    case 4:
      return "bet";
    case 5:
      return "raise";
    case 6:
      return "allin";
    case 7:
      return "chance";
    default:
      return "none";
  }
}

std::string action_display_label(const halvory::Action& action, std::int32_t pot) {
  switch (kind_number(action.kind)) {
    case 1:
      return "Fold";
    case 2:
      return "Check";
    case 3:
      return "Call";
    case 6:
      return "All-In";
    case 7:
      return halvory::card_to_string(
          static_cast<std::int8_t>(static_cast<std::uint8_t>(action.amount & 0xFF)));
    case 4:
      return pot >= 1 ? "Bet " + pot_percent(action.amount, pot) + "%" : "Bet";
    case 5:
      return pot >= 1 ? "Raise " + pot_percent(action.amount, pot) + "%" : "Raise";
    default:
      return "Action";
  }
}

std::string action_size_key(const halvory::Action& action, std::int32_t pot) {
  const int kind = kind_number(action.kind);
  if (pot >= 1 && kind == 4) return "bet " + pot_percent(action.amount, pot) + "%";
  if (pot >= 1 && kind == 5) return "raise " + pot_percent(action.amount, pot) + "%";
  return action_type_key(action.kind);
}

const std::vector<std::string>& hand_class_labels() {
  static const std::vector<std::string> labels = [] {
    std::vector<std::string> out;
    out.reserve(kHandClassCount);
    for (int i = 0; i < 13; ++i) {
      for (int j = 0; j < 13; ++j) {
        if (i == j) {
          out.push_back({kMatrixRanks[i], kMatrixRanks[i]});
        } else if (j > i) {
          out.push_back({kMatrixRanks[i], kMatrixRanks[j], 's'});
        } else {
          out.push_back({kMatrixRanks[j], kMatrixRanks[i], 'o'});
        }
      }
    }
    return out;
  }();
  return labels;
}

std::size_t hand_class_index(halvory::CardCode a, halvory::CardCode b) {
  const int high_rank = std::max(a / 4, b / 4);
  const int low_rank = std::min(a / 4, b / 4);
  const int row = matrix_position(high_rank);
  const int col = matrix_position(low_rank);
  if (row == col) return static_cast<std::size_t>(row * 13 + col);
  // Suited classes sit above the diagonal, offsuit below it.
  if (a % 4 == b % 4) return static_cast<std::size_t>(row * 13 + col);
  return static_cast<std::size_t>(col * 13 + row);
}

std::string hand_class_label(halvory::CardCode a, halvory::CardCode b) {
  return hand_class_labels()[hand_class_index(a, b)];
}

std::string hand_class_label(halvory::Pocket pocket) {
  return hand_class_label(static_cast<halvory::CardCode>(pocket & 0xFF),
                          static_cast<halvory::CardCode>(pocket >> 8));
}

std::vector<std::uint32_t> board_ranks_desc(std::span<const halvory::CardCode> cards) {
  std::array<bool, 13> present{};
  for (const halvory::CardCode card : cards) {
    const unsigned rank = card / 4u;
    if (rank < present.size()) present[rank] = true;
  }
  std::vector<std::uint32_t> ranks;
  for (int rank = 12; rank >= 0; --rank) {
    if (present[static_cast<std::size_t>(rank)]) ranks.push_back(static_cast<std::uint32_t>(rank));
  }
  return ranks;
}

int made_hand_category(std::span<const halvory::CardCode> cards, bool short_deck) {
  if (cards.size() < 5 || cards.size() > 7) return 0;
  // The evaluator works on card sets, so repeating the last card evaluates
  // five or six cards as they are.
  std::array<halvory::CardCode, 7> seven{};
  for (std::size_t i = 0; i < seven.size(); ++i) seven[i] = cards[std::min(i, cards.size() - 1)];
  const halvory::HandStrength strength = halvory::evaluate_seven(
      seven[0], seven[1], seven[2], seven[3], seven[4], seven[5], seven[6], short_deck);
  const int category = static_cast<int>(strength >> halvory::kCategoryShift);
  // Short deck ranks a flush (6) above a full house (5); the categories keep
  // hold'em's numbering in both decks.
  if (short_deck && (category == 5 || category == 6)) return 11 - category;
  return category;
}

FlushDrawFlags flush_draw_flags(std::span<const halvory::CardCode> cards, halvory::CardCode hand_a,
                                halvory::CardCode hand_b, bool allow_backdoor, bool skip) {
  FlushDrawFlags flags;
  if (skip) return flags;
  std::array<int, 4> suit_count{};
  for (const halvory::CardCode card : cards) ++suit_count[card % 4u];
  int best_suit = 0;
  for (int suit = 1; suit < 4; ++suit) {
    if (suit_count[static_cast<std::size_t>(suit)] >
        suit_count[static_cast<std::size_t>(best_suit)]) {
      best_suit = suit;
    }
  }
  const int count = suit_count[static_cast<std::size_t>(best_suit)];
  const bool hand_counts = hand_a % 4 == best_suit || hand_b % 4 == best_suit;
  flags.flush_draw = count == 4 && hand_counts;
  flags.backdoor_flush_draw = allow_backdoor && count == 3 && hand_counts;
  return flags;
}

StraightDrawFlags straight_draw_flags(std::span<const halvory::CardCode> cards, bool short_deck) {
  StraightDrawFlags flags;
  std::uint32_t rank_mask = 0;
  for (const halvory::CardCode card : cards) {
    const unsigned rank = card / 4u;
    if (rank < 13) rank_mask |= 1u << rank;
  }
  if (has_straight(rank_mask, short_deck)) return flags;
  int completing_ranks = 0;
  // Short deck has no deuce to five to draw to.
  for (int rank = short_deck ? 4 : 0; rank < 13; ++rank) {
    const std::uint32_t bit = 1u << rank;
    if ((rank_mask & bit) == 0 && has_straight(rank_mask | bit, short_deck)) ++completing_ranks;
  }
  flags.open_ended = completing_ranks >= 2;
  flags.gutshot = completing_ranks == 1;
  return flags;
}

}  // namespace halvory_app
