#pragma once

// One solvable spot: the configuration, the card context, the betting tree,
// one flat record per tree node, the strategies locked at chosen nodes and
// the table of its ICM outcomes.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "context/card_context.hpp"
#include "context/suit_isomorphism.hpp"
#include "tree/action_plan.hpp"

namespace halvory {

// One tree node as the solver reads it.
using NodeRecord = ActionPlan::Node;

class IcmTable;

class Game {
 public:
  // Builds the whole tree and the ICM outcomes of its terminals (on up to
  // `threads` threads); exceptions of the card context, the tree builder and
  // the chip model propagate (BuildCancelled once `cancel` is raised).
  Game(GameConfig config, CardContext cards, CancelFlag cancel = nullptr, std::size_t threads = 1);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // Sets (or replaces) the locked strategy of a node: A x H entries by action
  // rows; an entry with the sign bit set marks its hand free. Not validated.
  void assign_node_lock(std::size_t node, const std::vector<float>& strategy);

  // The locked strategy of a node, or null.
  const std::vector<float>* find_node_lock(std::size_t node) const;

  // Per-seat exchange lists that carry the canonical child's values over to
  // non-canonical card i of a chance node; empty_suit_maps where none apply.
  const SeatHandSwaps& suit_maps(const NodeRecord& node, std::size_t i) const;

  GameConfig config;
  CardContext cards;
  ActionPlan plan;
  // The tree's own node list under the solver's name: index i describes plan
  // node i. A second copy would cost about 100 bytes per node for nothing,
  // as the tree never changes after construction.
  std::vector<NodeRecord>& nodes;
  std::unordered_map<std::size_t, std::vector<float>> node_locks;
  std::vector<std::uint8_t> empty_card_list;
  SeatHandSwaps empty_suit_maps;
  // The ICM outcomes of this game's terminals (solver/icm.hpp); null outside
  // ICM mode.
  std::unique_ptr<const IcmTable> icm;
};

}  // namespace halvory
