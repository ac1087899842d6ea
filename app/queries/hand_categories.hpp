#pragma once
// Poker-language classes of a hand at a tree node: its made hand (set, top
// pair, flush, ...) and its draws, or on the river the draws it missed.

#include <array>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "cards/cards.hpp"
#include "tree/action_plan.hpp"

namespace halvory {
class Game;
using NodeRecord = ActionPlan::Node;
}  // namespace halvory

namespace halvory_app {

inline constexpr std::size_t kBucketCount = 21;

// Class names in bucket order; they double as translation keys.
inline constexpr std::array<std::string_view, kBucketCount> kBucketNames = {
    "straight flush",
    "quads",
    "full house",
    "flush",
    "straight",
    "set",
    "trips",
    "two pair",
    "top pair",
    "overpair",
    "middle pair",
    "bottom pair",
    "dry pair",
    "flush draw",
    "missed FD",
    "open ended straight draw",
    "missed OESD",
    "gutter",
    "missed gutter",
    "back door flush draw",
    "air"};

// Bucket row of a class name; kBucketCount when the name is no bucket.
std::size_t bucket_index(std::string_view name);

// The solve's board with a node's dealt turn and river put in.
std::vector<halvory::CardCode> node_board_cards(const halvory::Game& game,
                                                const halvory::NodeRecord& record);
// The same for a node by its index (the solve's board outside the tree).
std::vector<halvory::CardCode> board_at_node(const halvory::Game& game, std::size_t node);

// "overpair", "dry pair", "top pair", "middle pair", "bottom pair" or empty
// (the pair is the board's). `board_counts` holds 13 counts by rank.
std::string pair_kind_label(halvory::Pocket hand, std::span<const std::uint32_t> board_ranks,
                            std::span<const int> board_counts);

// The hand's class labels in the order they are found: made hand, then draws
// (flop/turn) or missed draws (river). No "air", not sorted; empty for a board
// without 3 to 5 cards. Straights are the deck's (`short_deck`: A-6-7-8-9 is
// the lowest).
std::vector<std::string> hand_category_labels(halvory::Pocket hand,
                                              std::span<const halvory::CardCode> board,
                                              bool short_deck);

// The buckets of one hand on a 3 to 5 card board: its labels that name a
// bucket, sorted, without duplicates, "air" when none; empty for another
// board size. The bucket counts and the combo rows both read this.
std::vector<std::string> bucket_labels(halvory::Pocket hand,
                                       std::span<const halvory::CardCode> board, bool short_deck);

// Labels of one hand at a node, sorted, without duplicates, "air" when none.
std::vector<std::string> classify_hand_category(const halvory::Game& game, std::size_t node,
                                                halvory::Pocket hand);

}  // namespace halvory_app
