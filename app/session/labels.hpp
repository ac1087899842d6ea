#pragma once
// Texts for the tree's actions and the 169 starting-hand classes, plus a few
// facts about a set of cards used by the hand-category classifier.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "cards/cards.hpp"
#include "tree/action_plan.hpp"

namespace halvory_app {

// "fold", "check", "call", "bet", "raise", "allin", "chance"; "none" otherwise.
std::string action_type_key(halvory::ActionKind kind);

// What the user reads: "Fold", "Check", "Call", "All-In", the dealt card,
// "Bet 75%" / "Raise 250%" (pot >= 1) or "Bet" / "Raise"; "Action" otherwise.
std::string action_display_label(const halvory::Action& action, std::int32_t pot);

// Identifier matched across nodes: "bet 75%" / "raise 250%" when pot >= 1,
// otherwise action_type_key of the kind.
std::string action_size_key(const halvory::Action& action, std::int32_t pot);

// Number of hand classes on the 13x13 matrix.
inline constexpr std::size_t kHandClassCount = 169;

// The 169 labels, row-major over "AKQJT98765432": pairs on the diagonal,
// suited above it, offsuit below it.
const std::vector<std::string>& hand_class_labels();

// Label of a two-card hand ("AKs", "QQ", "T9o"), whatever the card order.
std::string hand_class_label(halvory::CardCode a, halvory::CardCode b);
std::string hand_class_label(halvory::Pocket pocket);

// Position of a two-card hand's class in hand_class_labels().
std::size_t hand_class_index(halvory::CardCode a, halvory::CardCode b);

// Distinct ranks present (12 = ace), highest first.
std::vector<std::uint32_t> board_ranks_desc(std::span<const halvory::CardCode> cards);

// 0 high card .. 8 straight flush, by the deck's own rules (A-6-7-8-9 is a
// straight in short deck) but numbered as in hold'em for both decks; 0
// unless the list holds 5 to 7 cards.
int made_hand_category(std::span<const halvory::CardCode> cards, bool short_deck);

struct FlushDrawFlags {
  bool flush_draw = false;
  bool backdoor_flush_draw = false;
};

// `cards` holds the hand and the board; the hand's two cards decide whether
// the dominant suit involves the hand.
FlushDrawFlags flush_draw_flags(std::span<const halvory::CardCode> cards, halvory::CardCode hand_a,
                                halvory::CardCode hand_b, bool allow_backdoor, bool skip);

struct StraightDrawFlags {
  bool open_ended = false;
  bool gutshot = false;
};

// Ranks that would complete a straight of the deck: two or more make an
// open-ended draw, one a gutshot; nothing when a straight is made.
StraightDrawFlags straight_draw_flags(std::span<const halvory::CardCode> cards, bool short_deck);

}  // namespace halvory_app
