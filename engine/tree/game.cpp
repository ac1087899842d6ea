#include "tree/game.hpp"

#include <utility>

#include "solver/icm.hpp"

namespace halvory {

Game::Game(GameConfig config_in, CardContext cards_in, CancelFlag cancel, std::size_t threads)
    : config(std::move(config_in)),
      cards(std::move(cards_in)),
      plan(GameConfig(config), cards, cancel),
      nodes(plan.nodes),
      icm(make_icm_table(config, plan.nodes, cancel, threads)) {}

Game::~Game() = default;

void Game::assign_node_lock(std::size_t node, const std::vector<float>& strategy) {
  node_locks[node] = strategy;
}

const std::vector<float>* Game::find_node_lock(std::size_t node) const {
  const auto it = node_locks.find(node);
  return it == node_locks.end() ? nullptr : &it->second;
}

const SeatHandSwaps& Game::suit_maps(const NodeRecord& node, std::size_t i) const {
  const SuitIsomorphism& iso = cards.suit_isomorphism;
  if (node.street == kStreetTurn) {
    if (i < iso.turn_skipped.size()) return iso.turn_swaps[iso.turn_skipped[i] & 3];
  } else if (node.street == kStreetRiver && node.turn != kNoCard) {
    const unsigned turn_suit = node.turn & 3u;
    const std::vector<std::uint8_t>& skipped = iso.river_skipped[turn_suit];
    if (i < skipped.size()) return iso.river_swaps[turn_suit][skipped[i] & 3];
  }
  return empty_suit_maps;
}

}  // namespace halvory
