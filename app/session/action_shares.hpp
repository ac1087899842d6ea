#pragma once
// The frequency shown for an action: its share of the combos that reach the
// node, each acting hand counted with its range weight times its reach. The
// tree, the root summary and the node statistics all read it from here.

#include <cstddef>
#include <span>
#include <vector>

namespace halvory {
class Game;
class DiscountedCfr;
}  // namespace halvory

namespace halvory_app {

// Shares of the actions (strategy is actions x hands, action-major; reach
// holds weight x reach per hand). Empty when no combo reaches the node.
std::vector<float> reach_weighted_shares(std::span<const float> strategy,
                                         std::span<const float> reach, std::size_t actions);

// The shares of every decision node from one pass down the tree; a node no
// combo reaches (and every other kind of node) gets an empty row.
std::vector<std::vector<float>> tree_action_shares(const halvory::Game& game,
                                                   const halvory::DiscountedCfr& solver);

}  // namespace halvory_app
